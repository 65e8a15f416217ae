#pragma once
// Opening addresses through QDesktopServices.

#include "platform/Shell.h"

namespace zet {

/// Opens an address with the desktop's handler for its scheme (the browser
/// for http, https and file addresses of pages). An empty address, or one
/// without a scheme, is refused without asking the desktop.
class QtShell final : public Shell {
 public:
  [[nodiscard]] bool OpenAddress(std::string_view address) override;
};

/// Whether `address` is an absolute URL that may be handed to the desktop.
[[nodiscard]] bool IsOpenableAddress(std::string_view address);

}  // namespace zet
