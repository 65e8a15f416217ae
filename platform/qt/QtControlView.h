#pragma once
// The Qt side of one control: a widget that mirrors the control's model
// and hands the user's actions to it.

#include <QObject>

#include "platform/Control.h"
#include "platform/View.h"

class QKeyEvent;
class QWidget;

namespace zet {

/// Binds one control model to one widget, both ways:
///
/// - a change made by the logic reaches the widget at once (View::Changed),
///   and a notification of what the widget already shows changes nothing;
/// - what the user does (focus, keys, clicks, edits) reaches the model
///   through its User... operations, whose events run the logic.
///
/// This base class handles what every control has (enabled, visible, font,
/// focus, place, key events); a subclass per kind of control handles its
/// own properties. The view attaches itself to the model on construction
/// and detaches on destruction. The widget belongs to its parent widget
/// (the window); the view belongs to the window's QtWindow.
class QtControlView : public QObject, public View {
 public:
  QtControlView(Control& control, QWidget* widget);
  ~QtControlView() override;
  QtControlView(const QtControlView&) = delete;
  QtControlView& operator=(const QtControlView&) = delete;

  [[nodiscard]] Control& Model() const noexcept { return control_; }
  [[nodiscard]] QWidget* Widget() const noexcept { return widget_; }

  /// Shows the control in the fixed-pitch font whatever the model's font
  /// (set by the layout where columns must line up).
  void SetFixedPitch(bool fixedPitch);

  /// The letter of the control's keyboard accelerator (0: none), marked in
  /// its caption wherever the caption has it.
  void SetAccelerator(char letter);
  [[nodiscard]] char Accelerator() const noexcept { return accelerator_; }

  /// Copies every property of the model to the widget (once, after the
  /// widget was made).
  void ShowAll();

  void Changed(Property property) override;
  void RepaintNow() override;

 protected:
  /// A property that only this kind of control has changed.
  virtual void ChangedOwn(Property property) = 0;
  /// Copies the properties only this kind of control has.
  virtual void ShowOwn() = 0;
  /// A key press that the model's handlers did not swallow; return true
  /// when the view consumed it (Enter clicks a button).
  virtual bool KeyNotSwallowed(const QKeyEvent& event);
  /// Sets the widget's font from the model's (subclasses may adorn it).
  virtual void ShowFont();
  [[nodiscard]] bool FixedPitch() const noexcept { return fixedPitch_; }

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowFocus();
  void ShowPlace();

  Control& control_;
  QWidget* widget_;
  bool fixedPitch_ = false;
  char accelerator_ = 0;
};

}  // namespace zet
