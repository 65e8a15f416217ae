#pragma once
// What the main window shows while the scanner counts.

#include <cstddef>
#include <string_view>

#include "platform/CheckBox.h"
#include "platform/EventPump.h"
#include "platform/Label.h"
#include "platform/MultiLineTextBox.h"
#include "scanner/ScanObserver.h"

namespace zet {

/// Shows a pass's progress on the main window: the words as they are found
/// in the output textbox, the running count of different words in
/// lblNumberOfWords, and the suppression note (ticking "Don't display words
/// as found"). After every word it lets window events run, so that a click
/// on Stop can set the stop flag, and asks the scanner to stop once it is
/// set. The controls, the pump and the flag are the window's and must
/// outlive the observer.
class WinScanObserver final : public ScanObserver {
 public:
  /// `pump` may be nullptr: then no window event runs during the pass (a
  /// short read that nothing may interrupt), and the pass never stops.
  /// The user may tick "Don't display words as found" during the pass: no
  /// word is shown after that. `userSuppressWords`, when given, holds the
  /// user's own value of the box, which the pass's own ticking leaves alone.
  WinScanObserver(MultiLineTextBox& txbOutput, Label& lblNumberOfWords, CheckBox& chkSuppressWords,
                  EventPump* pump, const bool& blnStopRequested, int* userSuppressWords = nullptr);

  /// The words found are UTF-8 (the Unicode word model's), not
  /// Windows-1252: they are shown as they are.
  void ShowWordsAsUtf8() noexcept { utf8Words_ = true; }

  void ShowFirstWord(std::string_view word) override;
  void ShowNewWord(std::string_view word) override;
  void NewWordCounted(std::size_t numWords) override;
  void SuppressWordDisplay() override;
  bool Pump() override;

 private:
  MultiLineTextBox& txbOutput_;
  Label& lblNumberOfWords_;
  CheckBox& chkSuppressWords_;
  EventPump* pump_;
  const bool& blnStopRequested_;
  int* userSuppressWords_;
  bool utf8Words_ = false;
};

}  // namespace zet
