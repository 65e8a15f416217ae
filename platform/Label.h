#pragma once
// A label: a caption the user cannot edit, optionally clickable.

#include <functional>

#include "platform/CaptionedControl.h"

namespace zet {

/// A caption with an alignment. A label never takes the focus; it can still
/// be clicked (the clipboard-paste label, the two link labels). A label with
/// the link style is drawn as a link (coloured, underlined, hand pointer).
class Label : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;

  [[nodiscard]] bool CanTakeFocus() const noexcept override { return false; }

  [[nodiscard]] Alignment GetAlignment() const noexcept { return alignment_; }
  void SetAlignment(Alignment alignment);

  [[nodiscard]] bool LinkStyle() const noexcept { return linkStyle_; }
  void SetLinkStyle(bool linkStyle);

  std::function<void()> onClick;
  /// The user clicked the label. Delivered only if Usable().
  bool UserClick();

 private:
  Alignment alignment_ = Alignment::kLeft;
  bool linkStyle_ = false;
};

}  // namespace zet
