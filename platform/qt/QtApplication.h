#pragma once
// The program's folders, screen and end, on the desktop.

#include <string>

#include "platform/Application.h"

namespace zet {

/// The data and manual folders are found from the executable's folder
/// (beside it in a build tree, <prefix>/share/zet and <prefix>/share/doc/zet
/// after installation; see SystemFolders.h); the application-data folder is
/// $XDG_CONFIG_HOME or ~/.config. Quit ends Qt's event loop, also when it
/// is asked for before the loop started (RunDesktop then does not start it).
class QtApplication final : public Application {
 public:
  /// `executableFolder`: where the program runs from (tests pass their own).
  explicit QtApplication(std::string executableFolder);

  [[nodiscard]] std::string ProgramFolder() const override;
  [[nodiscard]] std::string DocumentationFolder() const override;
  [[nodiscard]] std::string ApplicationDataFolder() const override;
  [[nodiscard]] ScreenSize AvailableScreenSize() const override;
  void Quit(int exitCode) override;

  [[nodiscard]] bool QuitRequested() const noexcept { return quitRequested_; }
  [[nodiscard]] int ExitCode() const noexcept { return exitCode_; }

 private:
  std::string executableFolder_;
  bool quitRequested_ = false;
  int exitCode_ = 0;
};

}  // namespace zet
