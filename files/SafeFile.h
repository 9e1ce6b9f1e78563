// Reading and writing the files the program keeps (durak.ini, durak.r) without trusting
// what lies at their names: only regular files are read, and only up to a size cap counted
// in the bytes actually read; a write goes to a temporary file created afresh beside the
// target, flushed to disk and renamed over it, with the old file's permission bits.
#pragma once

#include <cstddef>
#include <string>

namespace durak {

enum class TFileRead {
  Read,        // the whole file is in the buffer
  Missing,     // nothing is there
  NotRegular,  // a folder, a device, a pipe: not read at all
  TooBig,      // more bytes than the cap
  Failed,      // there but not readable (permissions, an I/O error)
};

// Reads the whole of a regular file of at most maxBytes bytes.
TFileRead ReadRegularFile(const std::string& path, size_t maxBytes, std::string* bytes);

// The path a chain of symbolic links finally names (the path itself when it is no link), so
// that a file kept behind a link is written through to its target.
std::string ResolveLinks(const std::string& path);

// Replaces the contents of the file (written through a link to its target). The old file
// stays whole when anything fails. A target that is not a regular file, or an existing
// file without write permission, is not replaced. On failure *error (when given) is
// "Unable to write to <path>".
bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         std::string* error = nullptr);

// Removes temporary files that a killed run left beside the target. Call it only while
// holding the target's lock, when no write of ours can be under way.
void RemoveStaleTemporaries(const std::string& path);

// An exclusive lock on a file (through a link, on its target), held while the object
// lives. A missing file is created empty. Locked() is false when the file cannot be
// opened or is not a regular file; the lock then protects nothing.
class TFileLock {
 public:
  explicit TFileLock(const std::string& path);
  ~TFileLock();
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;
  bool Locked() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace durak
