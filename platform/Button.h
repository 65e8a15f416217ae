#pragma once
// A push button.

#include <functional>

#include "platform/CaptionedControl.h"

namespace zet {

/// A push button. Its caption may change at run time ("Count word
/// frequencies" / "Stop"); handlers may read it.
class Button : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;

  std::function<void()> onClick;

  /// The user clicked the button (or pressed Space or Enter on it): the
  /// focus moves to it, then onClick runs. Delivered only if Usable().
  bool UserClick();
};

}  // namespace zet
