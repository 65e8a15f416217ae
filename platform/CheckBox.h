#pragma once
// A check box with the values unchecked, checked and grayed.

#include <functional>

#include "platform/CaptionedControl.h"

namespace zet {

/// A check box. Its value is 0 (unchecked), 1 (checked) or 2 (grayed); a
/// box counts as set only when its value is 1.
///
/// Every change of the value, by code or by the user, raises onClick after
/// the value changed; setting the value it already has raises nothing. So a
/// handler that puts the box back raises onClick once more, and must guard
/// against its own change where that matters.
class CheckBox : public CaptionedControl {
 public:
  static constexpr int kUnchecked = 0;
  static constexpr int kChecked = 1;
  static constexpr int kGrayed = 2;

  using CaptionedControl::CaptionedControl;

  [[nodiscard]] int Value() const noexcept { return value_; }
  [[nodiscard]] bool Checked() const noexcept { return value_ == kChecked; }
  /// Sets the value (0, 1 or 2); any other value is refused (false) and
  /// changes nothing.
  bool SetValue(int value);

  std::function<void()> onClick;

  /// The user clicked the box: the focus moves to it and a checked box
  /// becomes unchecked, any other becomes checked. Delivered only if
  /// Usable().
  bool UserClick();

 private:
  int value_ = kUnchecked;
};

}  // namespace zet
