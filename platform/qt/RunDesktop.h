#pragma once
// The desktop program's start and end, around the window logic that a
// factory makes. Free of Qt, like QtDesktop.h.

#include <functional>
#include <memory>

#include "platform/qt/QtDesktop.h"

namespace zet {

/// Whatever the desktop program runs: it owns the window logic (the Forms
/// and everything behind them) for as long as the program runs.
class DesktopProgram {
 public:
  virtual ~DesktopProgram() = default;
  /// Runs once the event loop has ended, while the windows still exist
  /// (e.g. to remember where they are).
  virtual void BeforeWindowsClose() {}
};

/// Makes the program's window logic on `desktop`: constructs the windows
/// with desktop.GetPlatform(), attaches their Forms and starts them up. May
/// ask to quit already (Application::Quit), e.g. when start-up fails.
using DesktopProgramFactory = std::function<std::unique_ptr<DesktopProgram>(QtDesktop&)>;

/// Runs the desktop program: makes the QApplication (which takes Qt's own
/// command-line options; the program has none of its own), the desktop,
/// then the program through `makeProgram`, and runs the event loop until
/// the logic quits. The windows are taken down before the logic. Returns
/// the exit code the logic gave to Quit (0 when the loop just ended).
int RunDesktop(int argc, char** argv, const DesktopProgramFactory& makeProgram);

}  // namespace zet
