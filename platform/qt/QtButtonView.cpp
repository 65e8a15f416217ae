#include "platform/qt/QtButtonView.h"

#include <QKeyEvent>
#include <QPushButton>

#include "platform/qt/QtText.h"

namespace zet {

QtButtonView::QtButtonView(Button& button, QWidget* parent)
    : QtControlView(button, new QPushButton(parent)),
      button_(button),
      push_(static_cast<QPushButton*>(Widget())) {
  push_->setAutoDefault(false);
  connect(push_, &QPushButton::clicked, this, [this] { button_.UserClick(); });
}

void QtButtonView::ChangedOwn(Property property) {
  if (property == Property::kText) ShowOwn();
}

void QtButtonView::ShowOwn() {
  const QString caption = AcceleratedCaption(button_.Caption(), Accelerator());
  if (push_->text() != caption) push_->setText(caption);
}

bool QtButtonView::KeyNotSwallowed(const QKeyEvent& event) {
  // A focused button acts on Enter as on Space, in every window.
  if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter) return false;
  push_->click();
  return true;
}

}  // namespace zet
