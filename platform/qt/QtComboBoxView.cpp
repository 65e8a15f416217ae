#include "platform/qt/QtComboBoxView.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "platform/qt/QtText.h"

namespace zet {

QtComboBoxView::QtComboBoxView(ComboBox& box, QWidget* parent)
    : QtControlView(box, new QComboBox(parent)),
      box_(box),
      combo_(static_cast<QComboBox*>(Widget())) {
  combo_->setEditable(false);
  connect(combo_, &QComboBox::activated, this, [this](int index) {
    box_.UserSelect(index);
    ShowIndex();
  });
}

void QtComboBoxView::ChangedOwn(Property property) {
  if (property == Property::kItems) {
    ShowItems();
  } else if (property == Property::kListIndex) {
    ShowIndex();
  }
}

void QtComboBoxView::ShowOwn() { ShowItems(); }

void QtComboBoxView::ShowItems() {
  QStringList items;
  for (const std::string& item : box_.Items()) items << ToQString(item);
  const int count = combo_->count();
  bool same = count == items.size();
  for (int i = 0; same && i < count; ++i) same = combo_->itemText(i) == items[i];
  if (!same) {
    const QSignalBlocker blocker(combo_);
    combo_->clear();
    combo_->addItems(items);
  }
  ShowIndex();
}

void QtComboBoxView::ShowIndex() {
  if (combo_->currentIndex() == box_.ListIndex()) return;
  const QSignalBlocker blocker(combo_);
  combo_->setCurrentIndex(box_.ListIndex());
}

}  // namespace zet
