#pragma once
// The desktop as the program's windows need it: the Qt platform's services
// and a window for each Form. This header is free of Qt, so that the code
// that builds the program's windows needs none.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"
#include "platform/SystemFolders.h"

namespace zet {

class Form;
class QtWindow;

/// How the desktop is set up.
struct QtDesktopOptions {
  /// Where the program runs from; the data and manual folders are found
  /// from it (see QtApplication).
  std::string executableFolder = ExecutableFolder();
  /// The system's own file dialogs where there are any; tests use Qt's.
  bool nativeFileDialogs = true;
};

/// Owns the Qt services (message boxes, file dialogs, clipboard, shell,
/// event pump, application) and the windows of the program's Forms. Needs a
/// QApplication for its whole life. The window logic gets GetPlatform();
/// each Form it makes is given its window with AttachWindow. The Forms must
/// outlive their windows: DetachAll before destroying the logic.
class QtDesktop {
 public:
  explicit QtDesktop(QtDesktopOptions options = {});
  ~QtDesktop();
  QtDesktop(const QtDesktop&) = delete;
  QtDesktop& operator=(const QtDesktop&) = delete;

  /// The services, for the window logic. They live as long as the desktop.
  [[nodiscard]] Platform& GetPlatform() noexcept;

  /// Makes the window of `form`, laid out by the form's name (see
  /// FindWindowLayout); it shows when the form is visible. A form already
  /// attached keeps its window.
  QtWindow& AttachWindow(Form& form);
  /// Removes the window of `form`, if any; its views let go of the models.
  void DetachWindow(const Form& form);
  /// Removes every window.
  void DetachAll();
  /// The window of the form named `formName`, or nullptr.
  [[nodiscard]] QtWindow* FindWindow(std::string_view formName) const;

  /// Whether the logic asked to end the program, and with which code.
  [[nodiscard]] bool QuitRequested() const noexcept;
  [[nodiscard]] int ExitCode() const noexcept;

 private:
  struct Services;
  std::unique_ptr<Services> services_;
  std::vector<std::unique_ptr<QtWindow>> windows_;
};

}  // namespace zet
