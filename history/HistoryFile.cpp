#include "HistoryFile.h"

#include <deque>

#include "SafeFile.h"

namespace durak {

namespace {

// The file's lines without their line breaks; blank lines are dropped.
std::deque<std::string> SplitLines(const std::string& bytes) {
  std::deque<std::string> lines;
  size_t from = 0;
  while (from < bytes.size()) {
    size_t end = bytes.find('\n', from);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(from, end - from);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") != std::string::npos) lines.push_back(std::move(line));
    from = end + 1;
  }
  return lines;
}

}  // namespace

bool AppendToHistory(const std::string& path, const std::string& line, size_t maxDeals,
                     std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  if (line.empty() || line.find('\n') != std::string::npos)
    return fail("A history line must be one line");
  // The lock is held from the reading to the writing, so that two copies of the game take
  // turns and each one's line lands after the other's.
  const TFileLock lock(path);
  if (!lock.Locked()) return fail("The history file " + path + " is locked or not a file");
  std::string bytes;
  switch (ReadRegularFile(path, kHistoryMaxBytes, &bytes)) {
    case TFileRead::Read:
    case TFileRead::Missing:
      break;
    case TFileRead::TooBig:
      return fail("The history file " + path + " is too big and is left as it is");
    default:
      return fail("Unable to read " + path);
  }
  std::deque<std::string> lines = SplitLines(bytes);
  lines.push_back(line);
  const size_t keep = maxDeals < 1 ? 1 : maxDeals;
  while (lines.size() > keep) lines.pop_front();
  std::string out;
  for (const std::string& l : lines) {
    out += l;
    out += '\n';
  }
  if (lock.State() == TLockState::Held) RemoveStaleTemporaries(path);
  return WriteFileAtomically(path, out, error);
}

std::vector<TDealRecord> ReadHistory(const std::string& path) {
  std::vector<TDealRecord> records;
  std::string bytes;
  if (ReadRegularFile(path, kHistoryMaxBytes, &bytes) != TFileRead::Read) return records;
  for (const std::string& line : SplitLines(bytes)) {
    TDealRecord record;
    if (ParseDealRecord(line, record)) records.push_back(std::move(record));
  }
  return records;
}

}  // namespace durak
