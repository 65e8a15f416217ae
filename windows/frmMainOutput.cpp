// The output stage: the output file, then the listing in the textbox.

#include <cerrno>

#include "engine/FileProc.h"
#include "engine/FileTexts.h"
#include "engine/ListingFile.h"
#include "params/ListingParams.h"
#include "results/OutputStage.h"
#include "results/ReportError.h"
#include "windows/ScopedFlag.h"
#include "windows/WinTextboxSink.h"
#include "windows/frmMain.h"

namespace zet {
// cboWordOrder_Click and cboDisplayFormat_Click: show the counted words in
// the new order or format without counting again.
void frmMain::ListAgain() {
  if (blnWordsGot) {
    if (blnOutputRunning_) {
      OutputResults();  // ends the listing under way and lists anew
    } else if (!blnRunning_) {
      // Held like a count's listing, so that Stop ends it and nothing can
      // start a second run inside it.
      GuardRun([this] {
        BeginRun();
        OutputResults();
        EndRun();
      });
      if (onListed) onListed();
    }
  }
  SetTheFocus();
}

void frmMain::OutputResults() {
  if (blnOutputRunning_) {
    blnRelistPending_ = true;
    blnStopRequested_ = true;
    return;
  }
  const ScopedFlag running(blnOutputRunning_);
  do {
    blnRelistPending_ = false;
    OutputResultsOnce();
  } while (blnRelistPending_ && !blnQuitting_);
}

void frmMain::OutputResultsOnce() {
  blnOutputFileWritten_ = false;
  blnStopRequested_ = false;
  const ParameterSet params = CurrentParameters();
  if (HeldTotals().lngNumListed == 0) {
    SetOutputText(ReportNoWordsListed(HeldWordCount(), params));
    return;
  }
  const std::string& output = txbFile1.Text();
  bool toFile = IsOutputToFile(params);
  if (toFile && SameFile(txbFile0.Text(), output)) {
    // The name changed since the count; the input file is never replaced.
    platform_.messageBoxes.Show(texts::kOutputSameAsInput, texts::kTitleError,
                                MessageIcon::kExclamation, MessageButtons::kOk);
    toFile = false;
  }
  if (toFile && MustAskOverwrite(params, FileExists(output)) &&
      platform_.messageBoxes.Show(kOverwriteQuestion, kOverwriteTitle, MessageIcon::kNone,
                                  MessageButtons::kYesNo) != MessageAnswer::kYes) {
    chkDisableOutputToFile.SetValue(CheckBox::kChecked);
    toFile = false;
  }
  if (toFile) {
    if (txbOutput.Empty()) SetOutputText(kNowWritingToOutputFile);
    form.Repaint();
    WriteOutputFileNamed(output, params);
  }
  txbOutput.Clear();
  form.Repaint();
  if (blnStopRequested_) {
    SetOutputText(TextboxAfterFileStopped());
    return;
  }
  ListInTextbox(params);
}

// Writes the list to the output file. A failure is reported and the list
// still goes to the textbox, so nothing counted is lost. The file is
// replaced only by a whole list, or by the lines written before a stop: a
// full disk halfway leaves the previous file as it was.
void frmMain::WriteOutputFileNamed(const std::string& path, const ParameterSet& params) {
  const Outcome<ListingOutcome> written = WriteListingFileWith(
      path, params, HeldListing([this](const ListingProgress&) { return ListingGoesOn(); }));
  if (!written) {
    const Problem& problem = written.problem();
    if (problem.kind == ProblemKind::SameFile) {
      platform_.messageBoxes.Show(problem.message, problem.title, MessageIcon::kExclamation,
                                  MessageButtons::kOk);
      return;
    }
    // The report's own text, and the file on a line of its own.
    ReportError(problem.error.number, problem.error.description + "\r\n" + path);
    return;
  }
  // A stopped file holds only part of the list: it does not count as written.
  blnOutputFileWritten_ = written.value() == ListingOutcome::Completed;
}

void frmMain::ListInTextbox(const ParameterSet& params) {
  const ListingOptions options = ListingOptionsFor(params, ListingTarget::Textbox);
  const DisplayFormat format = options.format;
  WinTextboxSink sink(txbOutput);
  const ListingOutcome outcome = HeldListing([this](const ListingProgress& progress) {
    if (progress.blnLineWritten)
      lblTwirler.SetCaption(std::string(TwirlerCharacter(progress.entry + 1)));
    if (progress.blnScrollDue) txbOutput.MoveCaretToEnd();
    return ListingGoesOn();
  })(options, sink);
  if (outcome == ListingOutcome::Stopped) {
    AppendOutputText("\r\n" + std::string(kListingStopped) + "\r\n");
    txbOutput.MoveCaretToEnd();
    return;
  }
  if (outcome == ListingOutcome::Failed) {
    lblTwirler.SetCaption(" ");
    ReportError(kErrorTextboxFull, "Out of memory");
  }
  txbOutput.SetSelStart(0);
  txbOutput.Repaint();
  if (format == DisplayFormat::WordCommas && txbOutput.Length() > 2 &&
      txbOutput.Text().ends_with(", "))
    txbOutput.EraseLast(2);
}

// After every listed entry: lets window events run, and says whether the
// listing goes on (no Stop, no quit, no new order or format).
bool frmMain::ListingGoesOn() {
  platform_.eventPump.Pump();
  return !blnStopRequested_;
}

}  // namespace zet
