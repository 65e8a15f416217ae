#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/qt/QtText.h"

namespace zet {

std::string QtClipboard::GetText() {
  return ToStdString(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
}

void QtClipboard::Clear() { QGuiApplication::clipboard()->clear(QClipboard::Clipboard); }

void QtClipboard::SetText(std::string_view text) {
  if (text.empty()) {
    Clear();
    return;
  }
  QGuiApplication::clipboard()->setText(WithLineFeeds(text), QClipboard::Clipboard);
}

}  // namespace zet
