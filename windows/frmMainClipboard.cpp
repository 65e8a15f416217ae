// The clipboard as the source of a count, pasting it, and copying the
// output to it.

#include "engine/FileTexts.h"
#include "params/ScanSnapshot.h"
#include "scanner/Scanner.h"
#include "scanner/TextCodec.h"
#include "windows/MainTexts.h"
#include "windows/WinScanObserver.h"
#include "windows/frmMain.h"

namespace zet {

bool frmMain::GetClipboardText(bool blnShowText) {
  txbOutput.Clear();
  std::string text = platform_.clipboard.GetText();
  if (text.empty()) {
    lblSizeOfClipboardContents.SetCaption("");
    platform_.messageBoxes.Show(texts::kClipboardEmpty, texts::kTitleClipboardEmpty,
                                MessageIcon::kNone, MessageButtons::kOk);
    return false;
  }
  std::string counted = DecodeToCp1252(text);  // one byte per character
  const auto characters = static_cast<std::int64_t>(counted.size());
  ShowClipboardSize(characters);
  if (characters > texts::kMaxClipboardChars) {
    platform_.messageBoxes.Show(TooMuchClipboardText(characters, texts::kMaxClipboardChars),
                                texts::kTitleTooMuchClipboardText, MessageIcon::kNone,
                                MessageButtons::kOk);
    return false;
  }
  strClipboardText_ = std::move(counted);
  strClipboardUtf8_ = text;
  bool result = true;
  if (blnShowText) {
    if (txbOutput.SetText(std::move(text)) == TextFit::kFull) {
      platform_.messageBoxes.Show(PasteTooMuchText(characters, texts::kMaxClipboardChars),
                                  texts::kTitleOutOfMemory, MessageIcon::kExclamation,
                                  MessageButtons::kOk);
      result = false;
    }
    blnListShown_ = false;
  }
  ConcealNumWords();
  blnWordsGot = false;
  blnListShown_ = false;
  SetTheFocus();
  return result;
}

void frmMain::ShowClipboardSize(std::int64_t characters) {
  lblSizeOfClipboardContents.SetCaption(ClipboardSizeText(characters));
}

bool frmMain::CountWordsInClipboardText() {
  if (!IsPlainText(strClipboardText_, kPlainTextSample)) {
    platform_.messageBoxes.Show(texts::kNotNaturalLanguage, texts::kTitleInvalidInput,
                                MessageIcon::kExclamation, MessageButtons::kOk);
    return false;
  }
  const ParameterSet params = CurrentParameters();
  const MarkerChoice choice = ClipboardMarkerChoice(params);
  if (choice == MarkerChoice::User && !MarkersAccepted(params)) return false;
  unicode_ = {};
  if (paramsWindow.chkUnicodeLetters.Checked() && !StartUnicodeCount(params)) return false;
  intSavedSuppressWords_ = chkSuppressWords.Value();
  cmdClearOutput_Click();
  table_.Clear();
  blnStopRequested_ = false;
  BeginRun();
  txbOutput.Clear();
  try {
    WinScanObserver observer(txbOutput, lblNumberOfWords, chkSuppressWords, &platform_.eventPump,
                             blnStopRequested_, &intSavedSuppressWords_);
    if (unicode_.table) {
      observer.ShowWordsAsUtf8();
      MemoryByteSource source(strClipboardUtf8_);
      (void)CountUnicodeSource(source, Encoding::Utf8, ScanSettingsFor(params, choice),
                               *unicode_.table, observer);
    } else {
      Scanner scanner(ScanSettingsFor(params, choice), table_, observer);
      scanner.ScanWholeText(strClipboardText_);
    }
  } catch (const std::bad_alloc&) {
    lblTwirler.SetCaption(" ");
    blnPassFailed_ = true;
    ReportError(errnum::kOutOfMemory, "Out of memory");
  }
  chkSuppressWords.SetValue(intSavedSuppressWords_);
  SetTheFocus();
  return true;
}

void frmMain::Label1_Click() {
  if (blnRunning_) return;  // the textbox belongs to the run
  blnWordsGot = false;
  (void)GetClipboardText(true);
}

void frmMain::CopyOutputToClipboard() {
  const std::string& text = txbOutput.Text();
  platform_.clipboard.Clear();
  platform_.clipboard.SetText(text);
  if (text.empty()) return;
  ShowClipboardSize(static_cast<std::int64_t>(txbOutput.Length()));
  // Selecting the clipboard source runs its click behaviour, so the next
  // count reads the clipboard afresh; an option already selected would
  // ignore the selection, so its behaviour is run directly.
  if (optInTextBox.Value())
    optInTextBox_Click();
  else
    optInTextBox.SetValue(true);
}

bool frmMain::ClipboardChangedSinceCount() const {
  return DecodeToCp1252(platform_.clipboard.GetText()) != strClipboardText_;
}

}  // namespace zet
