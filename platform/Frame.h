#pragma once
// A frame: a captioned box grouping other controls.

#include "platform/CaptionedControl.h"

namespace zet {

/// A group box. It takes no focus and raises no events; the logic only
/// shows, hides, captions and repaints it. Which controls it encloses is
/// layout, decided by the platform.
class Frame : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;

  [[nodiscard]] bool CanTakeFocus() const noexcept override { return false; }
};

}  // namespace zet
