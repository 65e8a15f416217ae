#include "platform/CheckBox.h"

namespace zet {

bool CheckBox::SetValue(int value) {
  if (value < kUnchecked || value > kGrayed) return false;
  if (value == value_) return true;
  value_ = value;
  Notify(Property::kValue);
  Raise(onClick);
  return true;
}

bool CheckBox::UserClick() {
  if (!UserFocus()) return false;
  // Through SetValue so that the view learns the new value too: a view may
  // report the click before it has toggled anything itself.
  SetValue(value_ == kChecked ? kUnchecked : kChecked);
  return true;
}

}  // namespace zet
