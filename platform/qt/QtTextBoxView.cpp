#include "platform/qt/QtTextBoxView.h"

#include <QLineEdit>

#include "platform/qt/QtText.h"

namespace zet {

QtTextBoxView::QtTextBoxView(TextBox& box, QWidget* parent)
    : QtControlView(box, new QLineEdit(parent)),
      box_(box),
      edit_(static_cast<QLineEdit*>(Widget())) {
  connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (!box_.UserEdit(ToStdString(text))) ShowText();
  });
}

void QtTextBoxView::ChangedOwn(Property property) {
  switch (property) {
    case Property::kText:
      ShowText();
      break;
    case Property::kSelStart:
      ShowCaret();
      break;
    case Property::kReadOnly:
      edit_->setReadOnly(box_.ReadOnly());
      break;
    default:
      break;
  }
}

void QtTextBoxView::ShowOwn() {
  edit_->setReadOnly(box_.ReadOnly());
  ShowText();
}

void QtTextBoxView::ShowText() {
  const QString text = ToQString(box_.Text());
  if (edit_->text() == text) return;
  edit_->setText(text);  // raises no textEdited
  ShowCaret();
}

void QtTextBoxView::ShowCaret() {
  edit_->setCursorPosition(WidgetPosition(box_.Text(), box_.SelStart()));
}

}  // namespace zet
