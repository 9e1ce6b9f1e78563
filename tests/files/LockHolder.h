// A second process holding a file's lock, as any other program (or user) may.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace durak::testing {

// A second process that locks the file and keeps the lock until it is killed. Run as root,
// it first becomes the unprivileged user "nobody", who may only read the file.
class TLockHolder {
 public:
  explicit TLockHolder(const std::string& path) {
    int ready[2];
    if (::pipe(ready) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ready[0]);
      if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
      const int fd = ::open(path.c_str(), O_RDONLY);
      if (fd < 0 || ::flock(fd, LOCK_EX) != 0) ::_exit(3);
      const char byte = 'L';
      if (::write(ready[1], &byte, 1) != 1) ::_exit(4);
      for (;;) ::pause();
    }
    ::close(ready[1]);
    char byte = 0;
    locked_ = pid_ > 0 && ::read(ready[0], &byte, 1) == 1 && byte == 'L';
    ::close(ready[0]);
  }
  ~TLockHolder() { Release(); }
  bool Locked() const { return locked_; }
  void Release() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  bool locked_ = false;
};

}  // namespace durak::testing
