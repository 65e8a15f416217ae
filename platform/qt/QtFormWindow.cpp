#include "platform/qt/QtFormWindow.h"

#include <QCloseEvent>
#include <QTimer>

#include "platform/qt/QtText.h"

namespace zet {

QtFormWindow::QtFormWindow(Form& form) : QWidget(nullptr, Qt::Window), form_(form) {
  setObjectName(QString::fromStdString(form_.Name()));
  form_.Attach(this);
}

QtFormWindow::~QtFormWindow() { form_.Attach(nullptr); }

void QtFormWindow::SetFixedClientSize(QSize size) {
  fixedSize_ = size.isValid() && !size.isEmpty();
  if (fixedSize_) {
    setFixedSize(size);
  } else {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
}

void QtFormWindow::ShowAll() {
  setWindowTitle(ToQString(form_.Caption()));
  setEnabled(form_.Enabled());
  ShowPlace();
  ShowVisible();
}

void QtFormWindow::ReportPlace() { form_.UserSetPlace(CurrentPlace()); }

void QtFormWindow::Changed(Property property) {
  switch (property) {
    case Property::kText:
      setWindowTitle(ToQString(form_.Caption()));
      break;
    case Property::kVisible:
      ShowVisible();
      break;
    case Property::kEnabled:
      setEnabled(form_.Enabled());
      break;
    case Property::kWindowState:
      ShowState();
      break;
    case Property::kGeometry:
      ShowPlace();
      break;
    default:
      break;
  }
}

void QtFormWindow::RepaintNow() { repaint(); }

void QtFormWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    form_.UserActivate();
  } else if (event->type() == QEvent::WindowStateChange && !showing_) {
    form_.UserSetState(isMinimized() ? WindowState::kMinimized : WindowState::kNormal);
  }
}

void QtFormWindow::closeEvent(QCloseEvent* event) {
  // The logic decides: it hides the window or ends the program.
  event->ignore();
  form_.UserClose();
}

void QtFormWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (!showing_ && isVisible()) ReportPlaceLater();
}

void QtFormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!showing_ && isVisible()) ReportPlaceLater();
}

void QtFormWindow::ShowVisible() {
  if (form_.Visible() == isVisible()) return;
  if (!form_.Visible()) {
    hide();
    return;
  }
  showing_ = true;
  if (form_.State() == WindowState::kMinimized) {
    showMinimized();
  } else {
    show();
    raise();
    activateWindow();
  }
  showing_ = false;
  ReportPlaceLater();
}

void QtFormWindow::ShowState() {
  const bool minimized = form_.State() == WindowState::kMinimized;
  if (minimized == isMinimized()) return;
  showing_ = true;
  setWindowState(minimized ? (windowState() | Qt::WindowMinimized)
                           : (windowState() & ~Qt::WindowMinimized));
  if (!minimized && isVisible()) {
    raise();
    activateWindow();
  }
  showing_ = false;
}

void QtFormWindow::ShowPlace() {
  const Geometry& place = form_.Place();
  showing_ = true;
  if (place.width > 0 && place.height > 0) {
    move(place.left, place.top);
    if (!fixedSize_) resize(place.width, place.height);
  } else if (place.left != 0 || place.top != 0) {
    move(place.left, place.top);
  }
  showing_ = false;
  if (CurrentPlace() != place) ReportPlaceLater();
}

Geometry QtFormWindow::CurrentPlace() const { return {x(), y(), width(), height()}; }

void QtFormWindow::ReportPlaceLater() {
  // Queued: the model must not hear of the user's side while it is telling
  // the view of its own change.
  QTimer::singleShot(0, this, [this] {
    if (CurrentPlace() != form_.Place()) ReportPlace();
  });
}

}  // namespace zet
