#pragma once
// The model of one control of a window, owned by the window logic.
//
// The window logic owns its forms and their controls as plain objects and
// makes every decision; a window system only mirrors them. Two directions:
//
// - Code side (SetText, SetValue, SetEnabled, ...): the logic changes a
//   property; the attached View is told at once. Setting a value of a check
//   box, option button or combo box also raises its click event, as a user's
//   click would, so handlers react to code and user changes alike.
// - User side (the methods named User...): the platform (or a test) reports
//   what the user did, and the logic's events run. They do nothing when the
//   control cannot be used (disabled, hidden, or its form disabled or hidden),
//   and return whether the action was delivered. The view may still be told
//   of the values that result, so a view ignores a notification of what it
//   already shows (and must, anyway: handlers may change the value back).
//
// Events are plain std::function members; an empty one is ignored. A
// handler may change any model, including the control that raised it.

#include <functional>
#include <string>

#include "platform/Geometry.h"
#include "platform/View.h"

namespace zet {

class Form;

/// Key codes the logic tests for, in the numbering of key events: key-up
/// events carry virtual key codes (F1 is 112), key-press events carry the
/// typed character (Enter is 13).
namespace key {
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kF1 = 112;
}  // namespace key

/// A font by family name and size in points. The window system maps names it
/// lacks (e.g. "MS Sans Serif", "Terminal") to a close font of its own.
struct Font {
  std::string name = "MS Sans Serif";
  double size = 9.75;
  bool bold = false;
  bool underline = false;

  friend bool operator==(const Font&, const Font&) = default;
};

/// Horizontal alignment of a label's caption.
enum class Alignment { kLeft, kRight, kCenter };

/// What every control has: a name, the enabled and visible states, a font,
/// the keyboard focus, key events and a lost-focus event. Not copyable: the
/// form and the view refer to it by address.
class Control {
 public:
  /// Registers the control with `form`, which must outlive it. `name` is the
  /// control's name in the window logic (e.g. "cmdListWords", "txbFile(0)"),
  /// by which a platform finds where to place it.
  Control(Form& form, std::string name);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  [[nodiscard]] const std::string& Name() const noexcept { return name_; }
  [[nodiscard]] Form& Parent() const noexcept { return form_; }

  [[nodiscard]] bool Enabled() const noexcept { return enabled_; }
  /// Disabling the focused control takes the focus away from it (its
  /// onLostFocus runs), as window systems do.
  void SetEnabled(bool enabled);

  [[nodiscard]] bool Visible() const noexcept { return visible_; }
  /// Hiding the focused control takes the focus away from it, as above.
  void SetVisible(bool visible);

  [[nodiscard]] const Font& GetFont() const noexcept { return font_; }
  void SetFont(Font font);

  /// Whether this kind of control can hold the keyboard focus (labels and
  /// frames cannot).
  [[nodiscard]] virtual bool CanTakeFocus() const noexcept { return true; }
  /// True when the control can be used now: enabled, visible, and its form
  /// enabled and visible.
  [[nodiscard]] bool Usable() const noexcept;
  /// Moves the keyboard focus here. Refused (false) when the control cannot
  /// take the focus or is not Usable(). The control that had the focus gets
  /// its onLostFocus, after the focus has moved.
  bool SetFocus();
  [[nodiscard]] bool HasFocus() const noexcept;

  /// Place and size within the window. The platform's layout reports it
  /// (ReportPlace); the logic reads it (e.g. to place a window beside a
  /// button) and may set it (e.g. to fit controls to a resized window).
  [[nodiscard]] const Geometry& Place() const noexcept { return geometry_; }
  void SetPlace(const Geometry& geometry);
  /// The platform's layout placed the control; the view is not told.
  void ReportPlace(const Geometry& geometry) noexcept { geometry_ = geometry; }

  /// Asks the view to draw the control now.
  void Repaint();

  /// Attaches `view` (not owned; nullptr detaches). The view must outlive
  /// the attachment.
  void Attach(View* view) noexcept { view_ = view; }
  [[nodiscard]] View* AttachedView() const noexcept { return view_; }

  // Events to the logic.
  std::function<void()> onLostFocus;
  /// A key was released while the control had the focus (virtual key code).
  std::function<void(int keyCode)> onKeyUp;
  /// A character key was pressed while the control had the focus; return
  /// true to swallow it (it is then not typed).
  std::function<bool(int keyCode)> onKeyPress;

  // User side.
  /// The user released a key on this control. Delivered only if Usable().
  bool UserKeyUp(int keyCode);
  /// The user pressed a character key. Returns true when a handler
  /// swallowed it; false when it should be typed (or was not delivered).
  bool UserKeyPress(int keyCode);
  /// The user moved the focus here (by mouse or Tab). Like SetFocus, but the
  /// view is not told (it already moved).
  bool UserFocus();

 protected:
  /// Tells the view, if any, that `property` changed.
  void Notify(Property property) const;
  /// Runs `handler` if set, on a copy, so that it may replace itself.
  static void Raise(const std::function<void()>& handler);

 private:
  friend class Form;
  void LeaveFocusIfUnusable();

  Form& form_;
  std::string name_;
  bool enabled_ = true;
  bool visible_ = true;
  Font font_;
  Geometry geometry_;
  View* view_ = nullptr;
};

}  // namespace zet
