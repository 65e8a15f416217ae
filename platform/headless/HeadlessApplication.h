#pragma once
// The program's folders and lifetime, as a test sets them.

#include <string>
#include <utility>

#include "platform/Application.h"

namespace zet {

/// Folders and screen size are whatever the test sets (empty and 1920 x 1080
/// by default); Quit only records the request.
class HeadlessApplication final : public Application {
 public:
  [[nodiscard]] std::string ProgramFolder() const override { return programFolder_; }
  [[nodiscard]] std::string DocumentationFolder() const override { return documentationFolder_; }
  [[nodiscard]] std::string ApplicationDataFolder() const override { return appDataFolder_; }
  [[nodiscard]] ScreenSize AvailableScreenSize() const override { return screen_; }
  void Quit(int exitCode) override {
    quitRequested_ = true;
    exitCode_ = exitCode;
  }

  void SetProgramFolder(std::string folder) { programFolder_ = std::move(folder); }
  void SetDocumentationFolder(std::string folder) { documentationFolder_ = std::move(folder); }
  void SetApplicationDataFolder(std::string folder) { appDataFolder_ = std::move(folder); }
  void SetScreenSize(ScreenSize size) noexcept { screen_ = size; }

  [[nodiscard]] bool QuitRequested() const noexcept { return quitRequested_; }
  /// The exit code of the last Quit (0 when none was asked for).
  [[nodiscard]] int ExitCode() const noexcept { return exitCode_; }

 private:
  std::string programFolder_;
  std::string documentationFolder_;
  std::string appDataFolder_;
  ScreenSize screen_{1920, 1080};
  bool quitRequested_ = false;
  int exitCode_ = 0;
};

}  // namespace zet
