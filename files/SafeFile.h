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

// How long a lock is waited for before the change is put off: long enough for another copy
// of the game to finish its write, short enough that the player hardly notices.
constexpr int kLockWaitMillis = 3000;

// Called about every 20 ms while a lock is waited for (the window repaints meanwhile);
// none by default. Returns the previous one.
using TLockWaitHook = void (*)();
TLockWaitHook SetLockWaitHook(TLockWaitHook hook);

enum class TLockState {
  Held,         // the lock is ours until the object goes
  Unsupported,  // the file system keeps no locks (ENOLCK, EOPNOTSUPP): written without one
  Busy,         // someone else held it for the whole wait
  Failed,       // the file cannot be opened or is not a regular file
};

// An exclusive lock on a file (through a link, on its target), held while the object
// lives. A missing file is created empty. The lock is waited for at most waitMillis.
class TFileLock {
 public:
  explicit TFileLock(const std::string& path, int waitMillis = kLockWaitMillis);
  ~TFileLock();
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;
  // Whether the file may be changed now: the lock is held, or the file system has none
  // (then two copies of the game may still write in turn, each write whole).
  bool Locked() const { return state_ == TLockState::Held || state_ == TLockState::Unsupported; }
  TLockState State() const { return state_; }
  // The system's reason when the lock could not be taken (errno), else 0.
  int Error() const { return error_; }

 private:
  int fd_ = -1;
  TLockState state_ = TLockState::Failed;
  int error_ = 0;
};

}  // namespace durak
