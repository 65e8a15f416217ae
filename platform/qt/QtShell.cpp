#include "platform/qt/QtShell.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/qt/QtText.h"

namespace zet {

bool IsOpenableAddress(std::string_view address) {
  const QUrl url(ToQString(address), QUrl::StrictMode);
  return url.isValid() && !url.scheme().isEmpty() && !url.isRelative();
}

bool QtShell::OpenAddress(std::string_view address) {
  if (!IsOpenableAddress(address)) return false;
  return QDesktopServices::openUrl(QUrl(ToQString(address), QUrl::StrictMode));
}

}  // namespace zet
