#include "platform/qt/QtWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cstdio>

#include "platform/Control.h"
#include "platform/qt/ControlViews.h"
#include "platform/qt/LayoutFit.h"
#include "platform/qt/QtFormWindow.h"
#include "platform/qt/QtLabelView.h"

namespace zet {

double LogicalDotsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

QtWindow::QtWindow(Form& form, const WindowLayout* layout)
    : form_(form),
      layout_(layout),
      dotsPerInch_(LogicalDotsPerInch()),
      window_(std::make_unique<QtFormWindow>(form)) {
  MakeViews();
  ApplyLayoutFlags();
  for (const auto& view : views_) view->ShowAll();
  if (layout_ != nullptr) {
    scale_ = FitScale(*layout_, [this](std::string_view name) { return WidgetOf(name); },
                      dotsPerInch_);
  }
  PlaceControls();
  SetTabOrder();
  SizeWindow();
  window_->ShowAll();
  // The model learns the size the window really has (the layout's, or
  // the one it gave the logic's request).
  const Geometry& place = form_.Place();
  if (place.width != window_->width() || place.height != window_->height()) {
    window_->ReportPlace();
  }
  ShowFocus();
}

QtWindow::~QtWindow() {
  views_.clear();
  window_.reset();
}

QWidget* QtWindow::Widget() const noexcept { return window_.get(); }

QWidget* QtWindow::WidgetOf(std::string_view name) const {
  QtControlView* view = ViewOf(name);
  return view != nullptr ? view->Widget() : nullptr;
}

QtControlView* QtWindow::ViewOf(std::string_view name) const {
  for (const auto& view : views_) {
    if (view->Model().Name() == name) return view.get();
  }
  return nullptr;
}

void QtWindow::MakeViews() {
  for (Control* control : form_.Controls()) {
    if (auto view = MakeControlView(*control, window_.get())) {
      views_.push_back(std::move(view));
    } else {
      std::fprintf(stderr, "zet: no widget for control %s of %s\n", control->Name().c_str(),
                   form_.Name().c_str());
    }
  }
}

void QtWindow::ApplyLayoutFlags() {
  if (layout_ == nullptr) return;
  for (const LayoutEntry& entry : layout_->entries) {
    QtControlView* view = ViewOf(entry.name);
    if (view == nullptr) continue;
    view->SetFixedPitch((entry.flags & kLayoutFixedPitch) != 0);
    if (auto* label = dynamic_cast<QtLabelView*>(view)) {
      label->SetWordWrap((entry.flags & kLayoutWrap) != 0);
    }
  }
}

void QtWindow::PlaceControls() {
  for (const auto& view : views_) {
    Control& control = view->Model();
    if (control.Place().width > 0 && control.Place().height > 0) continue;  // the logic's
    const LayoutEntry* entry = layout_ != nullptr ? layout_->Find(control.Name()) : nullptr;
    if (entry == nullptr) {
      unplaced_.push_back(control.Name());
      std::fprintf(stderr, "zet: no place for control %s of %s\n", control.Name().c_str(),
                   form_.Name().c_str());
      continue;
    }
    const Geometry place{TwipsToPixels(entry->left, dotsPerInch_, scale_),
                         TwipsToPixels(entry->top, dotsPerInch_, scale_),
                         TwipsToPixels(entry->width, dotsPerInch_, scale_),
                         TwipsToPixels(entry->height, dotsPerInch_, scale_)};
    view->Widget()->setGeometry(place.left, place.top, place.width, place.height);
    control.ReportPlace(place);
  }
  // Frames go behind the controls they enclose.
  for (const auto& view : views_) {
    if (!view->Model().CanTakeFocus() && dynamic_cast<QtLabelView*>(view.get()) == nullptr) {
      view->Widget()->lower();
    }
  }
}

void QtWindow::SetTabOrder() {
  std::vector<QWidget*> order;
  auto add = [&order](QtControlView* view) {
    if (view == nullptr || !view->Model().CanTakeFocus()) return;
    if (std::find(order.begin(), order.end(), view->Widget()) == order.end()) {
      order.push_back(view->Widget());
    }
  };
  if (layout_ != nullptr) {
    for (const LayoutEntry& entry : layout_->entries) add(ViewOf(entry.name));
  }
  for (const auto& view : views_) add(view.get());
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void QtWindow::SizeWindow() {
  if (layout_ == nullptr) return;
  const QSize client(TwipsToPixels(layout_->clientWidth, dotsPerInch_, scale_),
                     TwipsToPixels(layout_->clientHeight, dotsPerInch_, scale_));
  if (!layout_->resizable) {
    window_->SetFixedClientSize(client);
  } else if (form_.Place().width <= 0 || form_.Place().height <= 0) {
    window_->resize(client);
  }
}

void QtWindow::ShowFocus() {
  if (Control* focused = form_.Focused()) {
    if (QWidget* widget = WidgetOf(focused->Name())) widget->setFocus(Qt::OtherFocusReason);
  }
}

}  // namespace zet
