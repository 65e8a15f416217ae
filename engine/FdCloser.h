#pragma once
// Closing a file descriptor on every way out of a scope.

#include <unistd.h>

namespace zet {

/// Closes a file descriptor when the scope ends, also by an exception. A
/// negative descriptor is left alone.
class FdCloser {
 public:
  explicit FdCloser(int fd) : fd_(fd) {}
  ~FdCloser() {
    if (fd_ >= 0) ::close(fd_);
  }
  /// Hands the descriptor on, to be closed by whoever takes it.
  [[nodiscard]] int Release() noexcept {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }
  FdCloser(const FdCloser&) = delete;
  FdCloser& operator=(const FdCloser&) = delete;

 private:
  int fd_;
};

}  // namespace zet
