#pragma once
// The system clipboard through QClipboard.

#include "platform/Clipboard.h"

namespace zet {

/// The desktop's clipboard (not the X11 selection). Text put on it gets
/// this system's LF line breaks, so that other programs read the lines as
/// lines; text read from it is returned as it is.
class QtClipboard final : public Clipboard {
 public:
  [[nodiscard]] std::string GetText() override;
  void Clear() override;
  void SetText(std::string_view text) override;
};

}  // namespace zet
