#include "ChempFile.h"

#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "SafeFile.h"

namespace durak {

namespace {

// Whole records up to the cap, and what a truncated last record may add.
constexpr size_t kMaxTabBytes = (kMaxChampions + 1) * TChempRec::kSize - 1;

std::string Convert(const std::string& in, const char* from, const char* to) {
  iconv_t cd = iconv_open(to, from);
  if (reinterpret_cast<std::intptr_t>(cd) == -1) return std::string();  // iconv's failure value
  std::string out;
  std::vector<char> src(in.begin(), in.end());
  char* inPtr = src.data();
  size_t inLeft = src.size();
  char buf[256];
  while (inLeft > 0) {
    char* outPtr = buf;
    size_t outLeft = sizeof buf;
    const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buf, static_cast<size_t>(outPtr - buf));
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      // A character the other side cannot hold: a question mark, and on to the next.
      out += '?';
      size_t skip = 1;
      if (std::strcmp(from, "UTF-8") == 0) {
        const unsigned char c = static_cast<unsigned char>(*inPtr);
        skip = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
      }
      skip = std::min(skip, inLeft);
      inPtr += skip;
      inLeft -= skip;
    }
  }
  iconv_close(cd);
  return out;
}

std::string ShortText(const uint8_t* field, size_t capacity) {
  const size_t n = std::min<size_t>(field[0], capacity);
  return Cp1251ToUtf8(std::string(reinterpret_cast<const char*>(field + 1), n));
}

template <size_t N>
void SetShort(std::array<uint8_t, N>& field, const std::string& utf8) {
  field.fill(0);
  std::string bytes = Utf8ToCp1251(utf8);
  if (bytes.size() > N - 1) bytes.resize(N - 1);
  field[0] = static_cast<uint8_t>(bytes.size());
  std::memcpy(field.data() + 1, bytes.data(), bytes.size());
}

void PutI32(uint8_t* p, int32_t v) {
  const uint32_t u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(u >> (8 * i));
}

int32_t GetI32(const uint8_t* p) {
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(p[i]) << (8 * i);
  return static_cast<int32_t>(u);
}

}  // namespace

std::string Cp1251ToUtf8(const std::string& bytes) {
  return Convert(bytes, "CP1251", "UTF-8");
}
std::string Utf8ToCp1251(const std::string& utf8) {
  return Convert(utf8, "UTF-8", "CP1251");
}

std::string TChempRec::NameText() const {
  return ShortText(Name.data(), kNameChars);
}
std::string TChempRec::PassText() const {
  return ShortText(Pass.data(), kPassChars);
}
void TChempRec::SetName(const std::string& utf8) {
  SetShort(Name, utf8);
}
void TChempRec::SetPass(const std::string& utf8) {
  SetShort(Pass, utf8);
}

std::array<uint8_t, TChempRec::kSize> TChempRec::Encode() const {
  std::array<uint8_t, kSize> b{};
  std::memcpy(b.data(), Name.data(), 26);
  std::memcpy(b.data() + 26, Pass.data(), 13);
  b[39] = Padding;
  PutI32(b.data() + 40, Games);
  PutI32(b.data() + 44, Wins);
  PutI32(b.data() + 48, Losses);
  uint64_t bits;
  std::memcpy(&bits, &Rating, 8);
  for (int i = 0; i < 8; ++i) b[52 + i] = static_cast<uint8_t>(bits >> (8 * i));
  return b;
}

TChempRec TChempRec::Decode(const uint8_t* b) {
  TChempRec r;
  std::memcpy(r.Name.data(), b, 26);
  std::memcpy(r.Pass.data(), b + 26, 13);
  r.Padding = b[39];
  r.Games = GetI32(b + 40);
  r.Wins = GetI32(b + 44);
  r.Losses = GetI32(b + 48);
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(b[52 + i]) << (8 * i);
  std::memcpy(&r.Rating, &bits, 8);
  return r;
}

bool SameShortString(const uint8_t* a, const uint8_t* b, size_t capacity) {
  const size_t na = std::min<size_t>(a[0], capacity), nb = std::min<size_t>(b[0], capacity);
  return na == nb && std::memcmp(a + 1, b + 1, na) == 0;
}

TReadResult ReadTab(const std::string& path, TChempTab* table) {
  table->clear();
  std::string bytes;
  switch (ReadRegularFile(path, kMaxTabBytes, &bytes)) {
    case TFileRead::Read:
      break;
    case TFileRead::TooBig:
      return TReadResult::TooBig;
    case TFileRead::Missing: {
      // Missing: create it empty (through a link, at its target).
      const int fd = ::open(ResolveLinks(path).c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
      if (fd >= 0) ::close(fd);
      return fd >= 0 || errno == EEXIST ? TReadResult::Created : TReadResult::Missing;
    }
    default:
      // A folder, a device, a pipe, a file too big or not readable: left alone.
      return TReadResult::Unreadable;
  }
  const size_t count = bytes.size() / TChempRec::kSize;
  table->reserve(count);
  for (size_t i = 0; i < count; ++i)
    table->push_back(
        TChempRec::Decode(reinterpret_cast<const uint8_t*>(bytes.data()) + i * TChempRec::kSize));
  return TReadResult::Read;
}

bool WriteTab(const std::string& path, TChempTab& table) {
  SortBy(table);
  std::string bytes;
  bytes.reserve(table.size() * TChempRec::kSize);
  for (const TChempRec& r : table) {
    const auto b = r.Encode();
    bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
  }
  return WriteFileAtomically(path, bytes);
}

bool ChangeTab(const std::string& path, const std::function<void(TChempTab&)>& change,
               TChempTab* table) {
  return ChangeTabFor(path, change, table) == TChangeResult::Saved;
}

TChangeResult ChangeTabFor(const std::string& path, const std::function<void(TChempTab&)>& change,
                           TChempTab* table, int waitMillis, bool evenIfBusy) {
  // Every change holds the lock from the reading to the writing, so that two copies of the
  // game take turns and each one's change lands on the rows the other one left.
  const TFileLock lock(path, waitMillis);
  const TReadResult read = ReadTab(path, table);
  if (change) change(*table);
  SortBy(*table);
  if (read == TReadResult::TooBig || table->size() > kMaxChampions) return TChangeResult::TooBig;
  const bool busy = lock.State() == TLockState::Busy;
  if (busy && !evenIfBusy) return TChangeResult::Busy;
  if ((!busy && !lock.Locked()) || read == TReadResult::Unreadable) return TChangeResult::Failed;
  // Temporaries of a killed run are ours to remove only while no other copy can write.
  if (lock.State() == TLockState::Held) RemoveStaleTemporaries(path);
  return WriteTab(path, *table) ? TChangeResult::Saved : TChangeResult::Failed;
}

int GetPos(const std::array<uint8_t, 26>& name, const TChempTab& table) {
  for (size_t i = 0; i < table.size(); ++i)
    if (SameShortString(table[i].Name.data(), name.data(), TChempRec::kNameChars))
      return static_cast<int>(i);
  return -1;
}

}  // namespace durak
