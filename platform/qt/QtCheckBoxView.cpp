#include "platform/qt/QtCheckBoxView.h"

#include <QCheckBox>

#include "platform/qt/QtText.h"

namespace zet {

QtCheckBoxView::QtCheckBoxView(CheckBox& box, QWidget* parent)
    : QtControlView(box, new QCheckBox(parent)),
      box_(box),
      check_(static_cast<QCheckBox*>(Widget())) {
  connect(check_, &QCheckBox::clicked, this, [this] {
    box_.UserClick();
    ShowValue();
  });
}

void QtCheckBoxView::ChangedOwn(Property property) {
  if (property == Property::kText) {
    check_->setText(AcceleratedCaption(box_.Caption(), Accelerator()));
  } else if (property == Property::kValue) {
    ShowValue();
  }
}

void QtCheckBoxView::ShowOwn() {
  check_->setText(AcceleratedCaption(box_.Caption(), Accelerator()));
  ShowValue();
}

void QtCheckBoxView::ShowValue() {
  Qt::CheckState state = Qt::Unchecked;
  if (box_.Value() == CheckBox::kChecked) state = Qt::Checked;
  if (box_.Value() == CheckBox::kGrayed) state = Qt::PartiallyChecked;
  if (check_->checkState() != state) check_->setCheckState(state);
}

}  // namespace zet
