#pragma once
// A control with a caption: labels, buttons, check boxes, option buttons,
// frames.

#include <string>
#include <utility>

#include "platform/Control.h"

namespace zet {

/// A control showing one UTF-8 caption. The caption may be empty.
class CaptionedControl : public Control {
 public:
  /// `caption` is the caption it starts with (no notification: no view is
  /// attached yet).
  CaptionedControl(Form& form, std::string name, std::string caption = {})
      : Control(form, std::move(name)), caption_(std::move(caption)) {}

  [[nodiscard]] const std::string& Caption() const noexcept { return caption_; }
  void SetCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    Notify(Property::kText);
  }

 private:
  std::string caption_;
};

}  // namespace zet
