#include "platform/qt/QtMultiLineTextBoxView.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>

#include "platform/qt/QtText.h"

namespace zet {

QtMultiLineTextBoxView::QtMultiLineTextBoxView(MultiLineTextBox& box, QWidget* parent)
    : QtControlView(box, new QPlainTextEdit(parent)),
      box_(box),
      edit_(static_cast<QPlainTextEdit*>(Widget())) {
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // The logic fills the box line by line; an undo history of every line
  // would only cost memory.
  edit_->setUndoRedoEnabled(false);
  // Tab and Shift+Tab move on to the next control, as everywhere else;
  // the listing never needs a typed tab.
  edit_->setTabChangesFocus(true);
  connect(edit_, &QPlainTextEdit::textChanged, this, [this] { UserChangedText(); });
  // Mouse, context-menu pastes and drops arrive at the viewport.
  edit_->viewport()->installEventFilter(this);
}

void QtMultiLineTextBoxView::TextAppended(std::string_view tail) {
  if (tail.empty()) return;
  if (endsInCr_ && tail.front() == '\n') tail.remove_prefix(1);  // the rest of a CR LF
  endsInCr_ = box_.Text().back() == '\r';
  if (tail.empty()) return;
  if (pending_.isEmpty()) QTimer::singleShot(0, this, [this] { Flush(); });
  pending_ += WithLineFeeds(tail);
}

void QtMultiLineTextBoxView::RepaintNow() {
  Flush();
  QtControlView::RepaintNow();
}

void QtMultiLineTextBoxView::Flush() {
  if (pending_.isEmpty()) return;
  showing_ = true;
  QTextCursor cursor(edit_->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(pending_);
  pending_.clear();
  showing_ = false;
  if (caretDeferred_) {
    caretDeferred_ = false;
    ApplyCaret();
  }
}

bool QtMultiLineTextBoxView::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
      Flush();  // the user edits the text the model holds
      break;
    default:
      break;
  }
  return QtControlView::eventFilter(watched, event);
}

void QtMultiLineTextBoxView::ChangedOwn(Property property) {
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

void QtMultiLineTextBoxView::ShowOwn() {
  edit_->setReadOnly(box_.ReadOnly());
  ShowText();
}

void QtMultiLineTextBoxView::ShowText() {
  pending_.clear();  // the whole text replaces it
  const QString text = WithLineFeeds(box_.Text());
  endsInCr_ = !box_.Empty() && box_.Text().back() == '\r';
  if (edit_->toPlainText() != text) {
    showing_ = true;
    edit_->setPlainText(text);
    showing_ = false;
  }
  ShowCaret();
}

void QtMultiLineTextBoxView::ShowCaret() {
  // The caret following the words as they are appended must not show each
  // word on its own: it goes to the end with the gathered text.
  if (!pending_.isEmpty() && box_.SelStart() >= box_.Length()) {
    caretDeferred_ = true;
    return;
  }
  Flush();
  ApplyCaret();
}

void QtMultiLineTextBoxView::ApplyCaret() {
  QTextCursor cursor = edit_->textCursor();
  if (box_.SelStart() >= box_.Length()) {
    cursor.movePosition(QTextCursor::End);
  } else {
    cursor.setPosition(WidgetPosition(box_.Text(), box_.SelStart()));
  }
  edit_->setTextCursor(cursor);
  edit_->ensureCursorVisible();
}

void QtMultiLineTextBoxView::UserChangedText() {
  if (showing_) return;
  if (box_.UserEdit(WithCrLf(ToStdString(edit_->toPlainText())))) {
    endsInCr_ = false;  // the model's text now ends as the widget's does
    return;
  }
  // Refused (read-only, unusable, or over the capacity): show the model's
  // text again, with the caret at its end where the user was typing.
  const int scroll = edit_->verticalScrollBar()->value();
  ShowText();
  QTextCursor cursor = edit_->textCursor();
  cursor.movePosition(QTextCursor::End);
  edit_->setTextCursor(cursor);
  edit_->verticalScrollBar()->setValue(scroll);
}

}  // namespace zet
