#include "platform/Button.h"

namespace zet {

bool Button::UserClick() {
  if (!UserFocus()) return false;
  Raise(onClick);
  return true;
}

}  // namespace zet
