#include "platform/OptionButton.h"

namespace zet {

void OptionButton::Group(std::initializer_list<OptionButton*> buttons) {
  for (OptionButton* button : buttons) button->group_.assign(buttons.begin(), buttons.end());
}

void OptionButton::SetValue(bool value) {
  if (value == value_) return;
  if (value) {
    for (OptionButton* other : group_) {
      if (other != this) other->SetOwnValue(false);
    }
  }
  SetOwnValue(value);
  if (value) Raise(onClick);
}

bool OptionButton::UserClick() {
  if (!UserFocus()) return false;
  SetValue(true);
  return true;
}

void OptionButton::SetOwnValue(bool value) {
  if (value == value_) return;
  value_ = value;
  Notify(Property::kValue);
}

}  // namespace zet
