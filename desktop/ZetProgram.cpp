#include "desktop/ZetProgram.h"

#include "desktop/PreviewParamsHost.h"
#include "params/frmParams.h"

namespace zet {

namespace {

// Until the main window joins, the program is the parameters window alone,
// beside the place the main window will have; closing it ends the program.
class ParamsPreview final : public DesktopProgram {
 public:
  explicit ParamsPreview(QtDesktop& desktop)
      : application_(desktop.GetPlatform().application),
        host_({100, 100, 758, 470}, [this] { QuitWhenHidden(); }),
        params_(desktop.GetPlatform(), host_) {
    params_.FillComboBoxes();
    params_.SetDefaultValues();
    auto close = params_.form.onCloseRequest;
    params_.form.onCloseRequest = [this, close] {
      if (close) {
        close();
      } else {
        params_.form.Hide();
      }
      QuitWhenHidden();
    };
    desktop.AttachWindow(params_.form);
    params_.form.Show();
  }

 private:
  void QuitWhenHidden() {
    if (!params_.form.Visible()) application_.Quit(0);
  }

  Application& application_;
  PreviewParamsHost host_;
  frmParams params_;
};

}  // namespace

std::unique_ptr<DesktopProgram> MakeZetProgram(QtDesktop& desktop) {
  return std::make_unique<ParamsPreview>(desktop);
}

}  // namespace zet
