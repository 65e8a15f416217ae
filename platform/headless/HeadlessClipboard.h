#pragma once
// A clipboard in memory.

#include <string>
#include <string_view>

#include "platform/Clipboard.h"

namespace zet {

/// The clipboard as a string the test can set and read.
class HeadlessClipboard final : public Clipboard {
 public:
  [[nodiscard]] std::string GetText() override { return text_; }
  void Clear() override { text_.clear(); }
  void SetText(std::string_view text) override { text_.assign(text); }

  /// The current text, without going through the interface.
  [[nodiscard]] const std::string& Text() const noexcept { return text_; }

 private:
  std::string text_;
};

}  // namespace zet
