#pragma once
// A listing sink that appends to the output textbox.

#include <string_view>

#include "platform/MultiLineTextBox.h"
#include "results/ListingSink.h"

namespace zet {

/// Appends each piece of a listing to a multi-line text box (not owned),
/// in amortised constant time per piece. A piece that would take the box
/// over its capacity is refused whole, so the box keeps exactly the lines
/// that fitted and the listing ends (the textbox-full case).
class WinTextboxSink final : public ListingSink {
 public:
  explicit WinTextboxSink(MultiLineTextBox& textbox) : textbox_(textbox) {}

  [[nodiscard]] bool Write(std::string_view text) override {
    return textbox_.Append(text) == TextFit::kFits;
  }

 private:
  MultiLineTextBox& textbox_;
};

}  // namespace zet
