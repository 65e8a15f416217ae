#pragma once
// A shell that records what it was asked to open.

#include <string>
#include <string_view>
#include <vector>

#include "platform/Shell.h"

namespace zet {

/// Records every address and answers with a result the test chooses
/// (success by default). Nothing is started.
class HeadlessShell final : public Shell {
 public:
  [[nodiscard]] bool OpenAddress(std::string_view address) override {
    opened_.emplace_back(address);
    return succeeds_;
  }

  /// Whether later OpenAddress calls succeed.
  void SetSucceeds(bool succeeds) noexcept { succeeds_ = succeeds; }
  /// Every address asked for, oldest first.
  [[nodiscard]] const std::vector<std::string>& Opened() const noexcept { return opened_; }

 private:
  bool succeeds_ = true;
  std::vector<std::string> opened_;
};

}  // namespace zet
