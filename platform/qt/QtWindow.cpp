#include "platform/qt/QtWindow.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <string>

#include "platform/CaptionedControl.h"
#include "platform/Control.h"
#include "platform/qt/ControlViews.h"
#include "platform/qt/LayoutFit.h"
#include "platform/qt/QtButtonView.h"
#include "platform/qt/QtCheckBoxView.h"
#include "platform/qt/QtFormWindow.h"
#include "platform/qt/QtLabelView.h"
#include "platform/qt/QtOptionButtonView.h"

namespace zet {

namespace {

// The window's client area: the controls' parent, under the menu bar.
class ClientWidget final : public QWidget {
 public:
  explicit ClientWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("clientArea"));
  }
  std::function<void()> onResized;

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    if (onResized) onResized();
  }
};

// The caption a button, check box or option button shows.
std::string CaptionOf(const Control& control) {
  if (const auto* captioned = dynamic_cast<const CaptionedControl*>(&control))
    return captioned->Caption();
  return {};
}

}  // namespace

double LogicalDotsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

QtWindow::QtWindow(Form& form, const WindowLayout* layout)
    : form_(form),
      layout_(layout),
      dotsPerInch_(LogicalDotsPerInch()),
      window_(std::make_unique<QtFormWindow>(form)) {
  auto* column = new QVBoxLayout(window_.get());
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  client_ = new ClientWidget(window_.get());
  column->addWidget(client_);
  MakeViews();
  ApplyLayoutFlags();
  AssignAccelerators({});
  for (const auto& view : views_) view->ShowAll();
  if (layout_ != nullptr) {
    scale_ = FitScale(
        *layout_, [this](std::string_view name) { return WidgetOf(name); }, dotsPerInch_);
  }
  PlaceControls();
  SetTabOrder();
  SizeWindow();
  if (layout_ != nullptr && layout_->escapeCloses) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window_.get());
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, window_.get(), [this] { form_.UserClose(); });
  }
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
  static_cast<ClientWidget*>(client_)->onResized = nullptr;
  followers_.clear();
  views_.clear();
  window_.reset();
}

QWidget* QtWindow::Widget() const noexcept { return window_.get(); }

void QtWindow::SetMenuBar(QMenuBar* bar) {
  window_->layout()->setMenuBar(bar);
  window_->resize(window_->width(), window_->height() + bar->sizeHint().height());
}

bool QtWindow::SetStandIn(std::string_view name, QWidget* standIn) {
  QtControlView* view = ViewOf(name);
  if (view == nullptr) return false;
  standIn->setGeometry(view->Widget()->geometry());
  for (EdgeFollower& follower : followers_) {
    if (follower.view == view) follower.widget = standIn;
  }
  return true;
}

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
    if (auto view = MakeControlView(*control, client_)) {
      views_.push_back(std::move(view));
    } else {
      std::fprintf(stderr, "zet: no widget for control %s of %s\n", control->Name().c_str(),
                   form_.Name().c_str());
    }
  }
}

void QtWindow::AssignAccelerators(std::string_view reserved) {
  std::string used;
  for (char letter : reserved)
    used += static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  auto free = [&used](char letter) {
    const auto lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    return std::isalnum(static_cast<unsigned char>(lower)) != 0 &&
           used.find(lower) == std::string::npos;
  };
  std::vector<QtControlView*> views;
  for (const auto& view : views_) {
    if (dynamic_cast<QtButtonView*>(view.get()) != nullptr ||
        dynamic_cast<QtCheckBoxView*>(view.get()) != nullptr ||
        dynamic_cast<QtOptionButtonView*>(view.get()) != nullptr) {
      view->SetAccelerator(0);
      views.push_back(view.get());
    }
  }
  // The chosen letters first, then the captions' first free letters in
  // tab order.
  if (layout_ != nullptr) {
    for (const PreferredAccelerator& preferred : layout_->accelerators) {
      QtControlView* view = ViewOf(preferred.name);
      // A chosen key may be a punctuation mark of the caption.
      const bool mark = std::ispunct(static_cast<unsigned char>(preferred.letter)) != 0 &&
                        preferred.letter != '&' && used.find(preferred.letter) == std::string::npos;
      if (view == nullptr || !(free(preferred.letter) || mark)) continue;
      view->SetAccelerator(preferred.letter);
      used += preferred.letter;
    }
  }
  for (QtControlView* view : TabOrder()) {
    if (view->Accelerator() != 0 || std::find(views.begin(), views.end(), view) == views.end())
      continue;
    for (char letter : CaptionOf(view->Model())) {
      if (!free(letter)) continue;
      const auto lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
      view->SetAccelerator(lower);
      used += lower;
      break;
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
    if ((entry->flags & kLayoutGrow) != 0 || (entry->flags & (kLayoutRight | kLayoutBottom)) != 0) {
      followers_.push_back({view.get(), view->Widget(), entry->flags, place});
    }
  }
  // Frames go behind the controls they enclose.
  for (const auto& view : views_) {
    if (!view->Model().CanTakeFocus() && dynamic_cast<QtLabelView*>(view.get()) == nullptr) {
      view->Widget()->lower();
    }
  }
}

std::vector<QtControlView*> QtWindow::TabOrder() const {
  std::vector<QtControlView*> order;
  auto add = [&order](QtControlView* view) {
    if (view == nullptr || !view->Model().CanTakeFocus()) return;
    if (std::find(order.begin(), order.end(), view) == order.end()) order.push_back(view);
  };
  if (layout_ != nullptr) {
    for (const LayoutEntry& entry : layout_->entries) add(ViewOf(entry.name));
  }
  for (const auto& view : views_) add(view.get());
  return order;
}

void QtWindow::SetTabOrder() {
  const std::vector<QtControlView*> order = TabOrder();
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(order[i - 1]->Widget(), order[i]->Widget());
}

void QtWindow::SizeWindow() {
  if (layout_ == nullptr) return;
  const QSize client(TwipsToPixels(layout_->clientWidth, dotsPerInch_, scale_),
                     TwipsToPixels(layout_->clientHeight, dotsPerInch_, scale_));
  nominalWidth_ = client.width();
  nominalHeight_ = client.height();
  if (!layout_->resizable) {
    window_->SetFixedClientSize(client);
    return;
  }
  if (layout_->followsEdges) {
    client_->setMinimumSize(client);
    static_cast<ClientWidget*>(client_)->onResized = [this] { FollowWindowEdges(); };
  }
  if (form_.Place().width <= 0 || form_.Place().height <= 0) {
    window_->resize(client);
  } else {
    FollowWindowEdges();
  }
}

void QtWindow::FollowWindowEdges() {
  const int grownWidth = client_->width() - nominalWidth_;
  const int grownHeight = client_->height() - nominalHeight_;
  for (const EdgeFollower& follower : followers_) {
    const Geometry place = FollowEdges(follower.place, follower.flags, grownWidth, grownHeight);
    follower.widget->setGeometry(place.left, place.top, place.width, place.height);
    follower.view->Model().ReportPlace(place);
  }
}

void QtWindow::ShowFocus() {
  if (Control* focused = form_.Focused()) {
    if (QWidget* widget = WidgetOf(focused->Name())) widget->setFocus(Qt::OtherFocusReason);
  }
}

}  // namespace zet
