#include "windows/WinScanObserver.h"

#include <string>

#include "scanner/TextCodec.h"
#include "windows/MainTexts.h"

namespace zet {

WinScanObserver::WinScanObserver(MultiLineTextBox& txbOutput, Label& lblNumberOfWords,
                                 CheckBox& chkSuppressWords, EventPump* pump,
                                 const bool& blnStopRequested, int* userSuppressWords)
    : txbOutput_(txbOutput),
      lblNumberOfWords_(lblNumberOfWords),
      chkSuppressWords_(chkSuppressWords),
      pump_(pump),
      blnStopRequested_(blnStopRequested),
      userSuppressWords_(userSuppressWords) {}

void WinScanObserver::ShowFirstWord(std::string_view word) {
  if (chkSuppressWords_.Checked()) return;
  // At most a few thousand words are shown, far below the textbox's
  // capacity; a refusal would only shorten the display.
  (void)txbOutput_.SetText((utf8Words_ ? std::string(word) : EncodeUtf8(word)) + ' ');
}

void WinScanObserver::ShowNewWord(std::string_view word) {
  if (chkSuppressWords_.Checked()) return;
  std::string shown = utf8Words_ ? std::string(word) : EncodeUtf8(word);
  shown += ' ';
  (void)txbOutput_.Append(shown);
  txbOutput_.MoveCaretToEnd();
}

void WinScanObserver::NewWordCounted(std::size_t numWords) {
  if (numWords % 10 == 0)
    lblNumberOfWords_.SetCaption(std::string(texts::kWordsFoundSoFar) + std::to_string(numWords));
  // The pump draws it; forcing a repaint for each new word would cost more
  // than the counting.
  lblNumberOfWords_.SetVisible(true);
}

void WinScanObserver::SuppressWordDisplay() {
  if (chkSuppressWords_.Checked()) return;  // the user ticked it during the pass
  (void)txbOutput_.Append(texts::kSuppressingDisplay);
  txbOutput_.MoveCaretToEnd();
  // Ticked for this pass only: the user's value is what is saved and put back.
  const int user = userSuppressWords_ != nullptr ? *userSuppressWords_ : 0;
  chkSuppressWords_.SetValue(CheckBox::kChecked);
  if (userSuppressWords_ != nullptr) *userSuppressWords_ = user;
}

bool WinScanObserver::Pump() {
  if (pump_ == nullptr) return true;
  pump_->Pump();
  return !blnStopRequested_;
}

}  // namespace zet
