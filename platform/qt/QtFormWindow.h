#pragma once
// A window's view: a plain top-level QWidget mirroring a Form.

#include <QSize>
#include <QWidget>

#include "platform/Form.h"
#include "platform/View.h"

namespace zet {

/// The top-level window of one Form (no QMainWindow or QDialog: the logic
/// decides about modality and closing).
///
/// A Form's place is, in pixels, the top-left corner of the window's frame
/// on the screen and the size of its client area, where the controls are.
/// The logic's caption, show/hide, enabled state, minimised state and place
/// reach the window at once. What the user or the window system does comes
/// back: activation (Form::UserActivate), moving and resizing
/// (Form::UserSetPlace, which runs the logic's resize handler),
/// minimising and restoring (Form::UserSetState) and the close box
/// (Form::UserClose; the window stays open unless the logic hides it).
///
/// A window with a fixed size keeps the client size its layout gave it; a
/// size the logic asks for is then not taken, and the model learns the real
/// one as soon as control returns to the event loop.
class QtFormWindow final : public QWidget, public View {
 public:
  explicit QtFormWindow(Form& form);
  ~QtFormWindow() override;
  QtFormWindow(const QtFormWindow&) = delete;
  QtFormWindow& operator=(const QtFormWindow&) = delete;

  [[nodiscard]] Form& Model() const noexcept { return form_; }

  /// Fixes the client size (an empty size lets the window be resized).
  void SetFixedClientSize(QSize size);
  /// Copies every property of the model to the window (once, after its
  /// controls were made); shows it when the model is visible.
  void ShowAll();
  /// Tells the model the window's current place (not from inside a
  /// notification: this runs the logic's resize handler).
  void ReportPlace();

  void Changed(Property property) override;
  void RepaintNow() override;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ShowVisible();
  void ShowState();
  void ShowPlace();
  [[nodiscard]] Geometry CurrentPlace() const;
  void ReportPlaceLater();

  Form& form_;
  bool fixedSize_ = false;
  bool showing_ = false;  // the view itself is moving or showing the window
};

}  // namespace zet
