#include "desktop/ZetProgram.h"

#include "windows/frmMain.h"

namespace zet {

namespace {

// The desktop program: the main window with its parameters and help
// windows, each given a real window as it comes to exist.
class ZetProgram final : public DesktopProgram {
 public:
  explicit ZetProgram(QtDesktop& desktop) : main_(desktop.GetPlatform()) {
    main_.onHelpWindowCreated = [&desktop](frmHelp& help) { desktop.AttachWindow(help.form); };
    desktop.AttachWindow(main_.form);
    desktop.AttachWindow(main_.paramsWindow.form);
    (void)main_.Form_Load();  // a failed start-up has asked to quit
  }

 private:
  frmMain main_;
};

}  // namespace

std::unique_ptr<DesktopProgram> MakeZetProgram(QtDesktop& desktop) {
  return std::make_unique<ZetProgram>(desktop);
}

}  // namespace zet
