#include "platform/qt/QtOptionButtonView.h"

#include <QRadioButton>

#include "platform/qt/QtText.h"

namespace zet {

QtOptionButtonView::QtOptionButtonView(OptionButton& option, QWidget* parent)
    : QtControlView(option, new QRadioButton(parent)),
      option_(option),
      radio_(static_cast<QRadioButton*>(Widget())) {
  radio_->setAutoExclusive(false);
  connect(radio_, &QRadioButton::clicked, this, [this] {
    option_.UserClick();
    ShowValue();  // a click on the selected button must not clear it
  });
}

void QtOptionButtonView::ChangedOwn(Property property) {
  if (property == Property::kText) {
    radio_->setText(AcceleratedCaption(option_.Caption(), Accelerator()));
  } else if (property == Property::kValue) {
    ShowValue();
  }
}

void QtOptionButtonView::ShowOwn() {
  radio_->setText(AcceleratedCaption(option_.Caption(), Accelerator()));
  ShowValue();
}

void QtOptionButtonView::ShowValue() {
  if (radio_->isChecked() != option_.Value()) radio_->setChecked(option_.Value());
}

}  // namespace zet
