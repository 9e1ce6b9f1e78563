#include "ProfileFile.h"

#include <cctype>

#include "SafeFile.h"

namespace durak {

namespace {

constexpr size_t kMaxValue = 2047;
// A settings file larger than this is not a settings file; it reads as empty.
constexpr size_t kMaxFileSize = size_t{4} * 1024 * 1024;

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// "[name]" gives true and the name.
bool SectionOf(const std::string& line, std::string* name) {
  const std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  const size_t close = t.find(']');
  if (close == std::string::npos) return false;
  *name = Trim(t.substr(1, close - 1));
  return true;
}

// "key=value" gives true with the key and the value.
bool KeyOf(const std::string& line, std::string* key, std::string* value) {
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  const std::string t = Trim(line);
  if (t.empty() || t[0] == ';') return false;
  *key = Trim(line.substr(0, eq));
  *value = Trim(line.substr(eq + 1));
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool ParseProfileInteger(const std::string& raw, int32_t* value) {
  const std::string text = Trim(raw);
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= text.size()) return false;
  uint64_t v = 0;
  for (; i < text.size(); ++i) {
    const int d = hex ? HexDigit(text[i])
                      : (std::isdigit(static_cast<unsigned char>(text[i])) ? text[i] - '0' : -1);
    if (d < 0) return false;
    v = v * (hex ? 16 : 10) + static_cast<uint64_t>(d);
    if (v > 0xFFFFFFFFull) return false;
  }
  if (hex) {
    // Hexadecimal stands for the 32 bits as they are: $8000000F is a system colour.
    const int32_t bits = static_cast<int32_t>(static_cast<uint32_t>(v));
    *value = negative ? static_cast<int32_t>(0u - static_cast<uint32_t>(bits)) : bits;
    return true;
  }
  if (negative ? v > 2147483648ull : v > 2147483647ull) return false;
  *value = negative ? static_cast<int32_t>(-static_cast<int64_t>(v)) : static_cast<int32_t>(v);
  return true;
}

TProfileFile::TProfileFile(std::string path) : path_(std::move(path)) {}

bool TProfileFile::Load() {
  lines_.clear();
  unreadable_ = false;
  std::string bytes;
  const TFileRead read = ReadRegularFile(path_, kMaxFileSize, &bytes);
  if (read != TFileRead::Read) {
    // Something that is there but cannot be read (a folder, a device, a pipe, a file far
    // too big to be a settings file) is not ours to replace.
    unreadable_ = read != TFileRead::Missing;
    return false;
  }
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines_.push_back(std::move(line));
    start = end + 1;
  }
  return true;
}

int TProfileFile::FindSection(const std::string& section) const {
  std::string name;
  for (size_t i = 0; i < lines_.size(); ++i)
    if (SectionOf(lines_[i], &name) && SameName(name, section)) return static_cast<int>(i);
  return -1;
}

int TProfileFile::FindKey(const std::string& section, const std::string& key) const {
  const int start = FindSection(section);
  if (start < 0) return -1;
  std::string name, k, v;
  for (size_t i = start + 1; i < lines_.size(); ++i) {
    if (SectionOf(lines_[i], &name)) break;
    if (KeyOf(lines_[i], &k, &v) && SameName(k, key)) return static_cast<int>(i);
  }
  return -1;
}

int32_t TProfileFile::ReadInteger(const std::string& section, const std::string& key,
                                  int32_t def) const {
  const int i = FindKey(section, key);
  if (i < 0) return def;
  std::string k, v;
  KeyOf(lines_[i], &k, &v);
  int32_t value = def;
  return ParseProfileInteger(v.substr(0, kMaxValue), &value) ? value : def;
}

std::string TProfileFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& def) const {
  const int i = FindKey(section, key);
  if (i < 0) return def.substr(0, kMaxValue);
  std::string k, v;
  KeyOf(lines_[i], &k, &v);
  // A value in quotes is read without them.
  if (v.size() >= 2 &&
      ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\'')))
    v = v.substr(1, v.size() - 2);
  return v.substr(0, kMaxValue);
}

void TProfileFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TProfileFile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value) {
  // Line breaks would split the value into lines of their own.
  std::string clean = value;
  for (char& c : clean)
    if (c == '\n' || c == '\r') c = ' ';
  const std::string line = key + "=" + clean;
  const int at = FindKey(section, key);
  if (at >= 0) {
    lines_[at] = line;
    return;
  }
  const int start = FindSection(section);
  if (start < 0) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.push_back("");
    lines_.push_back("[" + section + "]");
    lines_.push_back(line);
    return;
  }
  // After the last key of the section, before any blank lines that end it.
  size_t end = start + 1;
  std::string name;
  while (end < lines_.size() && !SectionOf(lines_[end], &name)) ++end;
  size_t insert = end;
  while (insert > static_cast<size_t>(start) + 1 && Trim(lines_[insert - 1]).empty()) --insert;
  lines_.insert(lines_.begin() + static_cast<long>(insert), line);
}

bool TProfileFile::Save(std::string* error) {
  if (unreadable_) {
    if (error) *error = "Unable to write to " + path_;
    return false;
  }
  std::string bytes;
  for (const std::string& l : lines_) bytes += l + "\n";
  // Two copies closing at once write one after the other; a temporary file left by a
  // killed run goes while the lock is held. A lock someone else keeps holds up the
  // game's end only for the lock's wait: the file is then written all the same, whole.
  const TFileLock lock(path_);
  if (lock.State() == TLockState::Held) RemoveStaleTemporaries(path_);
  return WriteFileAtomically(path_, bytes, error);
}

}  // namespace durak
