#pragma once
// Opening addresses with the user's default application.

#include <string_view>

namespace zet {

/// The desktop shell.
class Shell {
 public:
  virtual ~Shell() = default;

  /// Opens `address` (a URL such as "file:///usr/share/doc/zet/manual.html"
  /// or "https://...") in the user's default application, usually the
  /// browser, without waiting for it. False when it could not be started
  /// (no handler, empty or malformed address); the caller tells the user.
  [[nodiscard]] virtual bool OpenAddress(std::string_view address) = 0;
};

}  // namespace zet
