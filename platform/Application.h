#pragma once
// The program's place in the system: its folders, the screen, quitting.

#include <string>

namespace zet {

/// Size of the screen's work area in pixels.
struct ScreenSize {
  int width = 0;
  int height = 0;
};

/// The running program as the window logic sees it. Folders are UTF-8
/// absolute paths with "/" separators and no trailing "/" (except "/"
/// itself); a folder that cannot be determined is empty.
class Application {
 public:
  virtual ~Application() = default;

  /// The folder of the program's data files: the program-text catalogue
  /// "zet_text.dat" and the default common-words file "cwds_en.txt". In a
  /// build tree that is the executable's folder; once installed,
  /// <prefix>/share/zet (see SystemFolders.h).
  [[nodiscard]] virtual std::string ProgramFolder() const = 0;
  /// The folder of the bundled manual "manual.html" (the catalogue's
  /// addresses use it in place of "{DOCDIR}").
  [[nodiscard]] virtual std::string DocumentationFolder() const = 0;
  /// The user's application-data folder: $XDG_CONFIG_HOME, by default
  /// ~/.config. The logic adds its own sub-folder.
  [[nodiscard]] virtual std::string ApplicationDataFolder() const = 0;
  /// The work area of the screen the main window is on.
  [[nodiscard]] virtual ScreenSize AvailableScreenSize() const = 0;

  /// Ends the program: every window closes once control returns to the
  /// event loop. The call itself returns, so a caller inside a long loop
  /// must also stop that loop (e.g. set its stop flag) and unwind.
  virtual void Quit(int exitCode) = 0;
};

}  // namespace zet
