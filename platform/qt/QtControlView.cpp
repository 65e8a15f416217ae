#include "platform/qt/QtControlView.h"

#include <QKeyEvent>
#include <QWidget>

#include "platform/qt/KeyCodes.h"
#include "platform/qt/QtFonts.h"

namespace zet {

QtControlView::QtControlView(Control& control, QWidget* widget)
    : control_(control), widget_(widget) {
  widget_->setObjectName(QString::fromStdString(control_.Name()));
  widget_->installEventFilter(this);
  control_.Attach(this);
}

QtControlView::~QtControlView() {
  if (control_.AttachedView() == this) control_.Attach(nullptr);
}

void QtControlView::SetFixedPitch(bool fixedPitch) {
  if (fixedPitch == fixedPitch_) return;
  fixedPitch_ = fixedPitch;
  ShowFont();
}

void QtControlView::SetAccelerator(char letter) {
  if (letter == accelerator_) return;
  accelerator_ = letter;
  ChangedOwn(Property::kText);
}

void QtControlView::ShowAll() {
  widget_->setEnabled(control_.Enabled());
  ShowFont();
  ShowOwn();
  ShowPlace();
  widget_->setVisible(control_.Visible());
}

void QtControlView::Changed(Property property) {
  switch (property) {
    case Property::kEnabled:
      widget_->setEnabled(control_.Enabled());
      break;
    case Property::kVisible:
      widget_->setVisible(control_.Visible());
      break;
    case Property::kFont:
      ShowFont();
      break;
    case Property::kFocus:
      ShowFocus();
      break;
    case Property::kGeometry:
      ShowPlace();
      break;
    default:
      ChangedOwn(property);
      break;
  }
}

void QtControlView::RepaintNow() { widget_->repaint(); }

bool QtControlView::KeyNotSwallowed(const QKeyEvent& event) {
  static_cast<void>(event);
  return false;
}

void QtControlView::ShowFont() { widget_->setFont(ToQFont(control_.GetFont(), fixedPitch_)); }

void QtControlView::ShowFocus() {
  if (!control_.HasFocus() || widget_->hasFocus()) return;
  // Focusing a control of another window brings that window to the front,
  // as the logic expects when it hands the focus back to the main window.
  QWidget* window = widget_->window();
  if (window->isVisible() && !window->isActiveWindow()) window->activateWindow();
  widget_->setFocus(Qt::OtherFocusReason);
}

void QtControlView::ShowPlace() {
  const Geometry& place = control_.Place();
  if (place.width <= 0 || place.height <= 0) return;  // not placed yet
  widget_->setGeometry(place.left, place.top, place.width, place.height);
}

bool QtControlView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != widget_) return false;
  switch (event->type()) {
    case QEvent::FocusIn:
      control_.UserFocus();
      return false;
    case QEvent::KeyPress: {
      const auto& key = static_cast<const QKeyEvent&>(*event);
      const int code = TypedCharacterCode(key);
      if (code != 0 && control_.UserKeyPress(code)) return true;
      return KeyNotSwallowed(key);
    }
    case QEvent::KeyRelease: {
      const auto& key = static_cast<const QKeyEvent&>(*event);
      if (key.isAutoRepeat()) return false;
      if (const int code = VirtualKeyCode(key.key()); code != 0) control_.UserKeyUp(code);
      return false;
    }
    default:
      return false;
  }
}

}  // namespace zet
