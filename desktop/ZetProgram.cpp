#include "desktop/ZetProgram.h"

#include <QWidget>

#include "desktop/MainWindowExtras.h"
#include "params/AppDataPath.h"
#include "platform/qt/QtStateFile.h"
#include "platform/qt/QtWindow.h"
#include "windows/frmMain.h"

namespace zet {

namespace {

// Beside the settings file, in a format of its own: the settings file keeps
// its fixed layout.
constexpr const char* kDesktopStateFileName = "zet-desktop.ini";

// The desktop program: the main window with its parameters and help
// windows, each given a real window as it comes to exist, and what the
// desktop adds around the main window.
class ZetProgram final : public DesktopProgram {
 public:
  explicit ZetProgram(QtDesktop& desktop)
      : desktop_(desktop),
        state_(GetAppDataFilePath(kDesktopStateFileName, kAppDataFolderName)),
        main_(desktop.GetPlatform()) {
    main_.onHelpWindowCreated = [this](frmHelp& help) {
      QtWindow& window = desktop_.AttachWindow(help.form);
      (void)state_.RestoreWindow(help.form.Name(), *window.Widget());
    };
    QtWindow& mainWindow = desktop.AttachWindow(main_.form);
    desktop.AttachWindow(main_.paramsWindow.form);
    extras_ = std::make_unique<MainWindowExtras>(mainWindow, main_, desktop.GetPlatform(), state_);
    if (!main_.Form_Load()) return;  // a failed start-up has asked to quit
    // The windows go back where they were, over the places the logic gave.
    for (const Form* form : {&main_.form, &main_.paramsWindow.form}) {
      if (QtWindow* window = desktop_.FindWindow(form->Name()))
        (void)state_.RestoreWindow(form->Name(), *window->Widget());
    }
  }

  ~ZetProgram() override { extras_.reset(); }

  void BeforeWindowsClose() override {
    for (const char* name : {"frmMain", "frmParams", "frmHelp"}) {
      if (const QtWindow* window = desktop_.FindWindow(name))
        state_.SaveWindow(name, *window->Widget());
    }
  }

 private:
  QtDesktop& desktop_;
  QtStateFile state_;
  frmMain main_;
  std::unique_ptr<MainWindowExtras> extras_;
};

}  // namespace

std::unique_ptr<DesktopProgram> MakeZetProgram(QtDesktop& desktop) {
  return std::make_unique<ZetProgram>(desktop);
}

}  // namespace zet
