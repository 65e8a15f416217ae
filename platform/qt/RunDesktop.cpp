#include "platform/qt/RunDesktop.h"

#include <QApplication>

namespace zet {

int RunDesktop(int argc, char** argv, const DesktopProgramFactory& makeProgram) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("zet"));
  QGuiApplication::setDesktopFileName(QStringLiteral("zet"));
  // Hidden windows are kept, not closed; only the logic ends the program.
  QApplication::setQuitOnLastWindowClosed(false);

  QtDesktop desktop;
  std::unique_ptr<DesktopProgram> program = makeProgram(desktop);
  int code = 1;
  if (program != nullptr) {
    code = desktop.QuitRequested() ? desktop.ExitCode() : QApplication::exec();
    program->BeforeWindowsClose();
  }
  desktop.DetachAll();
  program.reset();
  return code;
}

}  // namespace zet
