#include "platform/qt/QtStateFile.h"

#include <QSettings>
#include <QStringList>
#include <QWidget>

namespace zet {

namespace {

QString WindowKey(const std::string& name) {
  return QStringLiteral("windows/") + QString::fromStdString(name);
}

}  // namespace

void QtStateFile::SaveWindow(const std::string& name, const QWidget& window) const {
  if (path_.empty()) return;
  QSettings settings(QString::fromStdString(path_), QSettings::IniFormat);
  settings.setValue(WindowKey(name), window.saveGeometry());
}

bool QtStateFile::RestoreWindow(const std::string& name, QWidget& window) const {
  if (path_.empty()) return false;
  const QSettings settings(QString::fromStdString(path_), QSettings::IniFormat);
  const QByteArray geometry = settings.value(WindowKey(name)).toByteArray();
  return !geometry.isEmpty() && window.restoreGeometry(geometry);
}

std::vector<std::string> QtStateFile::List(const std::string& key) const {
  std::vector<std::string> items;
  if (path_.empty()) return items;
  const QSettings settings(QString::fromStdString(path_), QSettings::IniFormat);
  for (const QString& item : settings.value(QString::fromStdString(key)).toStringList()) {
    items.push_back(item.toStdString());
  }
  return items;
}

void QtStateFile::SetList(const std::string& key, const std::vector<std::string>& items) const {
  if (path_.empty()) return;
  QStringList list;
  for (const std::string& item : items) list.push_back(QString::fromStdString(item));
  QSettings settings(QString::fromStdString(path_), QSettings::IniFormat);
  settings.setValue(QString::fromStdString(key), list);
}

}  // namespace zet
