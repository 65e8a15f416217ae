#include "platform/qt/QtApplication.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <cstdlib>
#include <utility>

#include "platform/SystemFolders.h"

namespace zet {

QtApplication::QtApplication(std::string executableFolder)
    : executableFolder_(std::move(executableFolder)) {}

std::string QtApplication::ProgramFolder() const {
  return FirstFolderHolding("zet_text.dat", DataFolderCandidates(executableFolder_));
}

std::string QtApplication::DocumentationFolder() const {
  return FirstFolderHolding("manual.html", DocumentationFolderCandidates(executableFolder_));
}

std::string QtApplication::ApplicationDataFolder() const {
  return ApplicationDataFolderFrom([](const char* name) { return std::getenv(name); });
}

ScreenSize QtApplication::AvailableScreenSize() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {1024, 768};
  const QRect area = screen->availableGeometry();
  return {area.width(), area.height()};
}

void QtApplication::Quit(int exitCode) {
  quitRequested_ = true;
  exitCode_ = exitCode;
  // exit(), not quit(): quit() would first ask every window to close, and
  // the windows leave closing to the logic.
  QCoreApplication::exit(exitCode);
}

}  // namespace zet
