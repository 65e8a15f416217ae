#pragma once
// The model of one window: caption, shown or hidden, state, place, the
// keyboard focus among its controls, and its window events.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"
#include "platform/View.h"

namespace zet {

class Control;

/// Whether a window is shown normally or minimised.
enum class WindowState { kNormal, kMinimized };

/// One window. Created hidden; its controls register themselves on
/// construction and must be destroyed before it (declare the Form member
/// before the controls). Code-side and user-side operations follow the rules
/// of Control (see Control.h).
class Form {
 public:
  explicit Form(std::string name);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  [[nodiscard]] const std::string& Name() const noexcept { return name_; }

  [[nodiscard]] const std::string& Caption() const noexcept { return caption_; }
  void SetCaption(std::string caption);

  [[nodiscard]] bool Visible() const noexcept { return visible_; }
  /// Shows the window, not modal. Raises nothing.
  void Show();
  /// Hides the window; its controls keep their values and the focus stays
  /// remembered for when it is shown again.
  void Hide();

  /// A disabled window takes no user input (e.g. while a modal box is open).
  [[nodiscard]] bool Enabled() const noexcept { return enabled_; }
  void SetEnabled(bool enabled);

  [[nodiscard]] WindowState State() const noexcept { return state_; }
  void SetState(WindowState state);

  [[nodiscard]] const Geometry& Place() const noexcept { return geometry_; }
  void SetPlace(const Geometry& geometry);

  /// The control holding the keyboard focus within this window, or nullptr.
  [[nodiscard]] Control* Focused() const noexcept { return focused_; }

  /// The controls in the order they were created (the tab order).
  [[nodiscard]] const std::vector<Control*>& Controls() const noexcept { return controls_; }
  /// The control of that name, or nullptr.
  [[nodiscard]] Control* Find(std::string_view name) const;

  /// Asks the view to draw the whole window now.
  void Repaint();

  /// Attaches `view` (not owned; nullptr detaches).
  void Attach(View* view) noexcept { view_ = view; }

  // Events to the logic.
  /// The window became the active window (came to the front).
  std::function<void()> onActivate;
  /// The user changed the window's size.
  std::function<void()> onResize;
  /// The user asked to close the window (close box, system menu). The
  /// window stays as it is: the handler decides (hide it, or quit). Without
  /// a handler the window is hidden.
  std::function<void()> onCloseRequest;

  // User side; the view is not told.
  /// The window was activated by the user or the window system.
  void UserActivate();
  /// The user moved or resized the window; onResize runs when the size
  /// changed.
  void UserSetPlace(const Geometry& geometry);
  /// The user minimised or restored the window.
  void UserSetState(WindowState state);
  /// The user asked to close the window.
  void UserClose();
  /// Sends a key-up to the focused control, if any (see Control::UserKeyUp).
  bool UserKeyUp(int keyCode);

 private:
  friend class Control;
  void Add(Control* control);
  void Remove(Control* control) noexcept;
  // Moves the focus to `to` (may be nullptr), tells the view of `to` when
  // `tellView`, then raises the lost-focus event of the previous holder.
  void MoveFocus(Control* to, bool tellView);
  void Notify(Property property) const;

  std::string name_;
  std::string caption_;
  bool visible_ = false;
  bool enabled_ = true;
  WindowState state_ = WindowState::kNormal;
  Geometry geometry_;
  Control* focused_ = nullptr;
  std::vector<Control*> controls_;
  View* view_ = nullptr;
};

}  // namespace zet
