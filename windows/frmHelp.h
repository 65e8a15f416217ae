#pragma once
// The help window: a fixed help text and a Close button.

#include <functional>

#include "platform/Button.h"
#include "platform/Form.h"
#include "platform/MultiLineTextBox.h"

namespace zet {

/// The help window ("ZET: Help"). Made on first use, placed inside the main
/// window and filled with the help text; "Close" and the close box only
/// hide it, so it comes back as it was.
class frmHelp {
 public:
  /// Loads the window, hidden: placed and sized from `mainForm` (which it
  /// does not keep), captioned and filled. `onClose` runs after the window
  /// was hidden (the main window takes the focus back).
  frmHelp(const Form& mainForm, std::function<void()> onClose);
  frmHelp(const frmHelp&) = delete;
  frmHelp& operator=(const frmHelp&) = delete;

  /// Fits the text box to the window and keeps "Close" centred under it;
  /// nothing while the window is minimised.
  void Form_Resize();
  /// Hides the window and hands the focus back.
  void cmdClose_Click();

  Form form{"frmHelp"};
  MultiLineTextBox txbHelpScreen{form, "txbHelpScreen"};
  Button cmdClose{form, "cmdClose", "Close"};

 private:
  void Form_Load(const Form& mainForm);

  std::function<void()> onClose_;
};

/// Twips (1/1440 inch) in pixels at 96 dots per inch.
[[nodiscard]] constexpr int TwipsToPixels(int twips) noexcept { return twips / 15; }

}  // namespace zet
