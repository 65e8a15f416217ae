#pragma once
// A flag set for the length of a scope.

namespace zet {

/// Sets `flag` on construction and puts its earlier value back when the
/// scope ends, also by an exception: the window's "busy" and "quiet" flags
/// must never stay set after a failure.
class ScopedFlag {
 public:
  explicit ScopedFlag(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
  ~ScopedFlag() { flag_ = saved_; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;

 private:
  bool& flag_;
  bool saved_;
};

}  // namespace zet
