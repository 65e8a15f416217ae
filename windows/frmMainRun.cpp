// The count command: the run, its stop, the results stages, the counters
// and the error report.

#include <new>
#include <stdexcept>

#include "engine/FileTexts.h"
#include "params/ListingParams.h"
#include "results/FilterSettings.h"
#include "results/ReportError.h"
#include "results/WordCounts.h"
#include "windows/MainTexts.h"
#include "windows/frmMain.h"

namespace zet {
namespace {

// The report's number for a failure the system gives no number of.
constexpr int kInternalError = 51;

}  // namespace

void frmMain::cmdListWords_Click() {
  if (cmdListWords.Caption() == texts::kStop) {
    blnStopRequested_ = true;
    return;
  }
  GuardRun([this] { RunCount(); });
}

void frmMain::GuardRun(const std::function<void()>& work) {
  try {
    work();
  } catch (const std::bad_alloc&) {
    ReportError(errnum::kOutOfMemory, "Out of memory");
    EndRun();
  } catch (const std::exception& failure) {
    ReportError(kInternalError, failure.what());
    EndRun();
  }
}

void frmMain::RunCount() {
  // New text copied since the clipboard was counted is counted, never
  // answered with the old list.
  if (blnWordsGot && optInTextBox.Value() && ClipboardChangedSinceCount()) blnWordsGot = false;
  if (!blnWordsGot && !CountSource()) return;
  ShowResults();
}

// Reads the source unless the words are counted already. False when the run
// ends here: a pass refused (it said why), the stopped count is not to be
// listed, or the program is quitting.
bool frmMain::CountSource() {
  blnCountIncomplete_ = false;
  blnIsCodeFile = false;
  blnPassFailed_ = false;
  const bool fromFile = optInFile.Value();
  if (fromFile) {
    if (!(corpusFiles_.empty() ? CountWordsInFile() : CountWordsInCorpus())) return false;
  } else {
    if (!GetClipboardText(false)) {
      optInFile.SetValue(true);
      return false;
    }
    if (!CountWordsInClipboardText()) return false;
  }
  if (blnQuitting_) return false;
  if (blnStopRequested_) {
    blnStopRequested_ = false;
    if (!ListPartialCount()) return false;
  }
  // Only a complete, faultless count of the source still selected may be
  // listed again without reading it.
  blnWordsGot = !blnCountIncomplete_ && !blnPassFailed_ && optInFile.Value() == fromFile;
  AppendOutputText(txbOutput.Empty() ? texts::kProcessing
                                     : "\r\n\r\n" + std::string(texts::kProcessing));
  return true;
}

bool frmMain::ListPartialCount() {
  std::string note = txbOutput.Empty() ? std::string() : std::string("\r\n\r\n");
  note += StoppedNote(static_cast<std::int64_t>(HeldWordCount()));
  AppendOutputText(note);
  ConcealNumWords();
  txbOutput.MoveCaretToEnd();
  const MessageAnswer answer = platform_.messageBoxes.Show(
      texts::kCountingInterruptedQuestion, texts::kTitleCountingInterrupted, MessageIcon::kNone,
      MessageButtons::kYesNo);
  if (answer != MessageAnswer::kYes) {
    EndRun();
    return false;
  }
  blnCountIncomplete_ = true;
  return true;
}

void frmMain::ShowResults() {
  BeginRun();
  cmdListWords.SetEnabled(false);  // filters, totals and ranks cannot be interrupted
  form.Repaint();
  const ParameterSet params = CurrentParameters();
  if (unicode_.table) {
    results_ = {};
    RunUnicodeResultsStages(params);
  } else {
    RefreshCommonWords(params);
    results_ = RunResultsStages(
        table_, MakeFilterSettings(params, paramsWindow.strWordsToIgnore(), commonWords_));
  }
  ShowWordCounts();
  blnListShown_ = true;
  cmdListWords.SetEnabled(true);
  OutputResults();
  EndRun();
  if (onListed) onListed();
}

void frmMain::BeginRun() {
  if (onResultsChanging) onResultsChanging();
  cmdListWords.SetCaption(std::string(texts::kStop));
  EnableControls(false);
}

void frmMain::EndRun() {
  EnableControls(true);
  cmdListWords.SetEnabled(true);
  cmdListWords.SetCaption(std::string(texts::kCountWordFrequencies));
  lblTwirler.SetCaption(" ");
  SetTheFocus();
}

void frmMain::EnableControls(bool enabled) {
  // First: disabling a file name box that has the focus takes it away, and
  // its lost-focus check must not run inside a run.
  blnRunning_ = !enabled;
  for (Control* control : std::initializer_list<Control*>{&cmdFile0, &txbFile0, &cmdClearFile0,
                                                          &cmdFile1, &txbFile1, &cmdClearFile1})
    control->SetEnabled(enabled);
  // "Disable" is usable only while an output file is named.
  chkDisableOutputToFile.SetEnabled(enabled && !txbFile1.Text().empty());
  for (Button* button :
       {&cmdCopyToClipboard, &cmdHelp, &cmdSaveState, &cmdSetParameters, &cmdClearOutput})
    button->SetEnabled(enabled);
  // A parameter changed during a run would make the counted words stale
  // unnoticed, or reset the file names under the pass.
  paramsWindow.form.SetEnabled(enabled);
}

void frmMain::ReportError(int number, std::string_view description) {
  if (blnQuitting_) return;
  const std::string text = ReportErrorText(
      number, description, MakeErrorReportContext(CurrentParameters(), blnOutputFileWritten_));
  platform_.messageBoxes.Show(text, kErrorTitle, MessageIcon::kExclamation, MessageButtons::kOk);
}

void frmMain::ShowWordCounts() {
  const WordCountCaptions captions = zet::ShowWordCounts(HeldTotals(), blnCountIncomplete_);
  lblNumberOfWords.SetCaption(captions.lblNumberOfWords);
  lblNumWordsExcluded.SetCaption(captions.lblNumWordsExcluded);
  lblNumOccurrences.SetCaption(captions.lblNumOccurrences);
  lblTotalNumOccurrences.SetAlignment(Alignment::kRight);
  lblTotalNumOccurrences.SetCaption(captions.lblTotalNumOccurrences);
  for (Label* counter :
       {&lblNumberOfWords, &lblNumWordsExcluded, &lblNumOccurrences, &lblTotalNumOccurrences})
    counter->SetVisible(true);
  fraCounters.Repaint();
}

void frmMain::ConcealNumWords() {
  for (Label* counter :
       {&lblNumberOfWords, &lblNumWordsExcluded, &lblNumOccurrences, &lblTotalNumOccurrences})
    counter->SetVisible(false);
}

void frmMain::cmdClearOutput_Click() {
  if (onResultsChanging) onResultsChanging();
  txbOutput.Clear();
  ConcealNumWords();
  blnWordsGot = false;
  if (blnStartUpCompleted) SetTheFocus();
}

void frmMain::SetOutputText(std::string_view text) {
  // The program's own notes are short; only a listing can fill the box.
  (void)txbOutput.SetText(std::string(text));
}

void frmMain::AppendOutputText(std::string_view text) { (void)txbOutput.Append(text); }

}  // namespace zet
