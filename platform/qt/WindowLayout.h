#pragma once
// Where each control of a window goes: a table per window, by control name.
// Plain data, free of Qt, so that it reads like the window it describes.

#include <span>
#include <string_view>

#include "platform/Geometry.h"

namespace zet {

/// How the layout wants a control shown, beyond its place.
enum LayoutFlag : unsigned {
  kLayoutPlain = 0,
  kLayoutWrap = 1U << 0,        // a label whose caption is a sentence: break it into lines
  kLayoutFixedPitch = 1U << 1,  // fixed-pitch font whatever the logic's font (columns, paths)
  // In a resizable window, what a control does when the window is larger
  // than its layout: keep its distance to the right or bottom edge, or
  // grow with the window. Without any, it stays where it is.
  kLayoutRight = 1U << 2,
  kLayoutBottom = 1U << 3,
  kLayoutGrowWidth = 1U << 4,
  kLayoutGrowHeight = 1U << 5,
  kLayoutGrow = kLayoutGrowWidth | kLayoutGrowHeight,
};

/// One control's place in its window's client area, in twips (1/1440
/// inch), at the nominal size of the window.
struct LayoutEntry {
  std::string_view name;  // the control's name in the logic, e.g. "txbFile(0)"
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  unsigned flags = kLayoutPlain;
  /// The widest caption or item the control shows at run time (counters,
  /// file size, list items), when wider than its caption at start; the
  /// window grows until it fits (see QtWindow). Empty: the caption itself.
  std::string_view widestText = {};
};

/// The letter a control would like for its keyboard accelerator.
struct PreferredAccelerator {
  std::string_view name;
  char letter = 0;
};

/// The layout of one window. `entries` are in tab order.
struct WindowLayout {
  std::string_view formName;  // the Form's name, e.g. "frmParams"
  int clientWidth = 0;        // twips
  int clientHeight = 0;       // twips
  bool resizable = false;
  std::span<const LayoutEntry> entries;
  /// A resizable window whose controls follow its edges (the flags above)
  /// can be no smaller than its layout; one that fits its controls itself
  /// can be any size.
  bool followsEdges = false;
  /// Accelerator letters chosen by hand; the other buttons, check boxes and
  /// option buttons get the first free letter of their captions.
  std::span<const PreferredAccelerator> accelerators = {};
  /// Escape asks to close the window, as its close box does.
  bool escapeCloses = false;

  /// The entry of the control named `name`, or nullptr.
  [[nodiscard]] const LayoutEntry* Find(std::string_view name) const noexcept;
};

/// The main window ("frmMain").
[[nodiscard]] const WindowLayout& MainWindowLayout() noexcept;
/// The parameters window ("frmParams").
[[nodiscard]] const WindowLayout& ParamsWindowLayout() noexcept;
/// The help window ("frmHelp"); its logic fits the controls to the window
/// when it is resized, so these places only start it off.
[[nodiscard]] const WindowLayout& HelpWindowLayout() noexcept;

/// The layout of the form named `formName`, or nullptr when there is none
/// (the window then shows its controls where the logic placed them).
[[nodiscard]] const WindowLayout* FindWindowLayout(std::string_view formName) noexcept;

/// Where a control whose nominal place is `place` goes when its window's
/// client area is `grownBy` larger than the layout (never smaller), by the
/// entry's edge flags.
[[nodiscard]] Geometry FollowEdges(Geometry place, unsigned flags, int grownWidth,
                                   int grownHeight) noexcept;

/// Twips in pixels at `dotsPerInch`, scaled by `scale`, rounded.
[[nodiscard]] int TwipsToPixels(int twips, double dotsPerInch, double scale = 1.0) noexcept;

}  // namespace zet
