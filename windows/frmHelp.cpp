#include "windows/frmHelp.h"

#include <utility>

#include "windows/HelpText.h"

namespace zet {

frmHelp::frmHelp(const Form& mainForm, std::function<void()> onClose)
    : onClose_(std::move(onClose)) {
  txbHelpScreen.SetReadOnly(true);
  txbHelpScreen.SetFont(Font{"MS Sans Serif", 9.75});
  // The platform's layout may place them anew; these keep the sums of
  // Form_Resize meaningful without one.
  txbHelpScreen.SetPlace({TwipsToPixels(120), TwipsToPixels(120), 0, 0});
  cmdClose.SetPlace({0, 0, TwipsToPixels(1215), TwipsToPixels(375)});
  form.onResize = [this] { Form_Resize(); };
  form.onCloseRequest = [this] { cmdClose_Click(); };
  cmdClose.onClick = [this] { cmdClose_Click(); };
  Form_Load(mainForm);
}

void frmHelp::Form_Load(const Form& mainForm) {
  const Geometry& main = mainForm.Place();
  form.SetPlace({main.left + TwipsToPixels(200), main.top + TwipsToPixels(480),
                 main.width - TwipsToPixels(400), main.height - TwipsToPixels(680)});
  form.SetCaption("ZET: Help");
  cmdClose.SetCaption("Close");
  (void)txbHelpScreen.SetText(HelpText());  // the text box has no capacity limit
  Form_Resize();
}

void frmHelp::Form_Resize() {
  if (form.State() == WindowState::kMinimized) return;
  const Geometry& window = form.Place();
  Geometry text = txbHelpScreen.Place();
  text.width = window.width - TwipsToPixels(350);
  text.height = window.height - TwipsToPixels(1080);
  txbHelpScreen.SetPlace(text);
  Geometry button = cmdClose.Place();
  button.top = window.height - TwipsToPixels(800);
  button.left = (window.width - button.width) / 2;
  cmdClose.SetPlace(button);
}

void frmHelp::cmdClose_Click() {
  form.Hide();
  if (onClose_) onClose_();
}

}  // namespace zet
