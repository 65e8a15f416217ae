#pragma once
// An option (radio) button; one of a group is selected.

#include <functional>
#include <initializer_list>
#include <vector>

#include "platform/CaptionedControl.h"

namespace zet {

/// An option button in a group of mutually exclusive buttons. Selecting one
/// (by code or by the user) deselects the others of its group and then
/// raises its onClick; selecting the one already selected raises nothing.
/// Deselecting raises nothing.
class OptionButton : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;

  /// Makes `buttons` one group. Each button belongs to at most one group;
  /// all must live as long as each other (members of one window).
  static void Group(std::initializer_list<OptionButton*> buttons);

  [[nodiscard]] bool Value() const noexcept { return value_; }
  /// True selects this button (see the class comment); false deselects it,
  /// leaving the group with none selected.
  void SetValue(bool value);

  std::function<void()> onClick;

  /// The user clicked the button: the focus moves to it and it is selected.
  /// Delivered only if Usable().
  bool UserClick();

 private:
  void SetOwnValue(bool value);

  bool value_ = false;
  std::vector<OptionButton*> group_;
};

}  // namespace zet
