#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPushButton>

#include "platform/qt/QtText.h"

namespace zet {

namespace {

// The buttons of a box in the order they are offered; the first is the
// default.
std::vector<MessageAnswer> AnswersOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOk:
      return {MessageAnswer::kOk};
    case MessageButtons::kOkCancel:
      return {MessageAnswer::kOk, MessageAnswer::kCancel};
    case MessageButtons::kYesNo:
      return {MessageAnswer::kYes, MessageAnswer::kNo};
    case MessageButtons::kYesNoCancel:
      return {MessageAnswer::kYes, MessageAnswer::kNo, MessageAnswer::kCancel};
  }
  return {MessageAnswer::kOk};
}

}  // namespace

QMessageBox::Icon ToQtIcon(MessageIcon icon) noexcept {
  switch (icon) {
    case MessageIcon::kNone:
      return QMessageBox::NoIcon;
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kExclamation:
      return QMessageBox::Warning;
    case MessageIcon::kCritical:
      return QMessageBox::Critical;
    case MessageIcon::kQuestion:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ToQtButton(MessageAnswer answer) noexcept {
  switch (answer) {
    case MessageAnswer::kOk:
      return QMessageBox::Ok;
    case MessageAnswer::kCancel:
      return QMessageBox::Cancel;
    case MessageAnswer::kYes:
      return QMessageBox::Yes;
    case MessageAnswer::kNo:
      return QMessageBox::No;
  }
  return QMessageBox::NoButton;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) noexcept {
  QMessageBox::StandardButtons result;
  for (MessageAnswer answer : AnswersOf(buttons)) result |= ToQtButton(answer);
  return result;
}

MessageAnswer ToAnswer(QMessageBox::StandardButton clicked, MessageButtons buttons) noexcept {
  for (MessageAnswer answer : AnswersOf(buttons)) {
    if (ToQtButton(answer) == clicked) return answer;
  }
  return EscapeAnswer(buttons);
}

void SetUpMessageBox(QMessageBox& box, std::string_view text, std::string_view title,
                     MessageIcon icon, MessageButtons buttons) {
  box.setWindowTitle(ToQString(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(WithLineFeeds(text));
  box.setIcon(ToQtIcon(icon));
  box.setStandardButtons(ToQtButtons(buttons));
  box.setDefaultButton(ToQtButton(AnswersOf(buttons).front()));
  box.setEscapeButton(box.button(ToQtButton(EscapeAnswer(buttons))));
  // A box as narrow as a short text ("State saved.") left its title cut to
  // "..." by the window manager: the text is given room for the title and
  // the title bar's buttons.
  const int titleWidth = QFontMetrics(box.font()).horizontalAdvance(ToQString(title)) + 120;
  box.setStyleSheet(QString("QLabel { min-width: %1px; }").arg(titleWidth));
}

MessageAnswer QtMessageBoxes::Show(std::string_view text, std::string_view title, MessageIcon icon,
                                   MessageButtons buttons) {
  QMessageBox box(QApplication::activeWindow());
  SetUpMessageBox(box, text, title, icon, buttons);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  return ToAnswer(box.standardButton(box.clickedButton()), buttons);
}

}  // namespace zet
