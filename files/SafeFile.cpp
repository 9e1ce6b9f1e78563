#include "SafeFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>

namespace durak {

namespace {

constexpr char kTempMark[] = ".tmp";
constexpr size_t kTempSuffix = 6;

std::string DirOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Six characters that no other write of this or another copy is likely to pick.
std::string TempSuffix() {
  static std::atomic<unsigned> counter{0};
  static const char digits[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device device;
  std::mt19937_64 rng(
      (static_cast<uint64_t>(device()) << 32) ^ static_cast<uint64_t>(getpid()) ^
      static_cast<uint64_t>(counter.fetch_add(1) * 0x9E3779B9u) ^
      static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::string s;
  for (size_t i = 0; i < kTempSuffix; ++i) s += digits[rng() % (sizeof digits - 1)];
  return s;
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

std::atomic<TLockWaitHook> g_lockWaitHook{nullptr};

void SyncFolder(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

TFileRead ReadRegularFile(const std::string& path, size_t maxBytes, std::string* bytes) {
  bytes->clear();
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0)
    return errno == ENOENT || errno == ENOTDIR ? TFileRead::Missing : TFileRead::Failed;
  // A device or a pipe is never opened: opening alone may block or have effects.
  if (!S_ISREG(st.st_mode)) return TFileRead::NotRegular;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? TFileRead::Missing : TFileRead::Failed;
  // The name may have been given to something else between the look and the open.
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return TFileRead::NotRegular;
  }
  TFileRead result = TFileRead::Read;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result = TFileRead::Failed;
      break;
    }
    if (n == 0) break;
    if (static_cast<size_t>(n) > maxBytes - bytes->size()) {
      result = TFileRead::TooBig;
      break;
    }
    bytes->append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  if (result != TFileRead::Read) bytes->clear();
  return result;
}

std::string ResolveLinks(const std::string& path) {
  std::string current = path;
  for (int depth = 0; depth < 40; ++depth) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    std::string target(4096, '\0');
    const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<size_t>(n) >= target.size()) return current;
    target.resize(static_cast<size_t>(n));
    if (target[0] == '/') {
      current = target;
    } else {
      current = DirOf(current);
      current += '/';
      current += target;
    }
  }
  return current;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error) {
  const std::string target = ResolveLinks(path);
  bool ok = false;
  struct stat old {};
  bool existed = ::stat(target.c_str(), &old) == 0;
  bool writable = !existed || (S_ISREG(old.st_mode) && ::access(target.c_str(), W_OK) == 0);
  // Another copy of the game removed the file just now (its deal ended): it is written
  // afresh rather than reported as unwritable.
  if (!writable && existed && ::stat(target.c_str(), &old) != 0) {
    existed = false;
    writable = true;
  }
  // Only a regular file is replaced, and only one we may write to.
  if (writable) {
    const mode_t mode = existed ? (old.st_mode & 07777) : 0666;
    std::string temp;
    int fd = -1;
    // Created afresh: never an existing file, never through a link planted at the name.
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
      temp = target + kTempMark + TempSuffix();
      fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
      if (fd < 0 && errno != EEXIST) break;
    }
    if (fd >= 0) {
      if (existed) {
        // The old group and permission bits (the umask may have taken some away): a file
        // shared by a group stays shared, a private one stays private.
        if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        }
        ::fchmod(fd, mode);
      }
      ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
      ok = ::close(fd) == 0 && ok;
      if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
      if (!ok) ::unlink(temp.c_str());
      if (ok) SyncFolder(DirOf(target));
    }
  }
  if (!ok && error) *error = "Unable to write to " + path;
  return ok;
}

void RemoveStaleTemporaries(const std::string& path) {
  const std::string target = ResolveLinks(path);
  const std::string prefix = BaseOf(target) + kTempMark;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(DirOf(target), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    // Our own temporaries: the name alone, or the name with six more characters.
    if (name.size() != prefix.size() && name.size() != prefix.size() + kTempSuffix) continue;
    if (!std::all_of(name.begin() + static_cast<long>(prefix.size()), name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }))
      continue;
    struct stat st {};
    if (::lstat(it->path().c_str(), &st) != 0) continue;
    // A link is removed as a link; its target is never touched.
    if (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)) ::unlink(it->path().c_str());
  }
}

TLockWaitHook SetLockWaitHook(TLockWaitHook hook) {
  return g_lockWaitHook.exchange(hook);
}

TFileLock::TFileLock(const std::string& path, int waitMillis) {
  const std::string target = ResolveLinks(path);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMillis);
  // Each retry means another copy has just written the file; that ends when it pauses.
  for (int attempt = 0; attempt < 100000; ++attempt) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return;
    const int fd =
        ::open(target.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) {
      error_ = errno;
      return;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      ::close(fd);
      return;
    }
    // Never an unbounded wait: whoever holds the lock (another copy, another user, a
    // program that never lets go) holds up the game for waitMillis at most.
    int r;
    for (;;) {
      r = ::flock(fd, LOCK_EX | LOCK_NB);
      if (r == 0 || errno == EINTR) {
        if (r == 0) break;
        continue;
      }
      if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) break;
      if (const TLockWaitHook hook = g_lockWaitHook.load()) hook();
      ::usleep(20000);
    }
    if (r != 0) {
      error_ = errno;
      ::close(fd);
      // A file system without locks (a network share without its lock service): the
      // file is written without one rather than never.
      if (error_ == ENOLCK || error_ == EOPNOTSUPP || error_ == ENOSYS || error_ == EINVAL)
        state_ = TLockState::Unsupported;
      else if (error_ == EWOULDBLOCK)
        state_ = TLockState::Busy;
      return;
    }
    // While we waited, another copy may have put a new file in place of the one we hold:
    // then the lock must be taken on the new one.
    struct stat now {};
    if (::stat(target.c_str(), &now) == 0 && now.st_dev == st.st_dev && now.st_ino == st.st_ino) {
      fd_ = fd;
      state_ = TLockState::Held;
      return;
    }
    ::close(fd);
  }
}

TFileLock::~TFileLock() {
  if (fd_ >= 0) ::close(fd_);  // closing the descriptor releases the lock
}

}  // namespace durak
