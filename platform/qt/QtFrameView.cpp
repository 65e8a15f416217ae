#include "platform/qt/QtFrameView.h"

#include <QGroupBox>

#include "platform/qt/QtText.h"

namespace zet {

QtFrameView::QtFrameView(Frame& frame, QWidget* parent)
    : QtControlView(frame, new QGroupBox(parent)),
      frame_(frame),
      box_(static_cast<QGroupBox*>(Widget())) {
  box_->setFocusPolicy(Qt::NoFocus);
  box_->lower();
}

void QtFrameView::ChangedOwn(Property property) {
  if (property == Property::kText) ShowOwn();
}

void QtFrameView::ShowOwn() { box_->setTitle(LiteralCaption(frame_.Caption())); }

}  // namespace zet
