#pragma once
// Place and size of a window or control.

namespace zet {

/// Place and size in pixels: a window's on the screen, a control's within
/// its window's client area (origin top left).
struct Geometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const Geometry&, const Geometry&) = default;
};

}  // namespace zet
