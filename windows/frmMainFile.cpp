// The file pass and the choice and check of the input and output files.

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <new>
#include <system_error>

#include "engine/FdCloser.h"
#include "engine/FileProc.h"
#include "engine/FileTexts.h"
#include "engine/FileWrites.h"
#include "engine/InputFile.h"
#include "engine/ListingFile.h"
#include "params/AppDataPath.h"
#include "params/ListingParams.h"
#include "params/ScanSnapshot.h"
#include "scanner/ParallelScan.h"
#include "scanner/SourceReader.h"
#include "scanner/StrProc.h"
#include "windows/MainTexts.h"
#include "windows/WinScanObserver.h"
#include "windows/frmMain.h"

namespace zet {
namespace {

// Input files longer than this, with no output file named, prompt the
// large-file question.
constexpr std::int64_t kLargeInputFile = 200000;

// Makes `folder` the current folder when it exists, so that the file
// dialogs open there and relative names are taken from there.
void ChangeFolder(const std::string& folder) {
  if (!FolderExists(folder)) return;
  std::error_code ignored;
  std::filesystem::current_path(folder, ignored);
}

}  // namespace

bool frmMain::CountWordsInFile() {
  const std::string input(TrimSpaces(txbFile0.Text()));
  txbFile0.SetText(input);
  if (!ValidateInputForCount(input)) return false;
  SetOutputText(texts::kCheckingFile);
  lblSizeOfClipboardContents.SetCaption("");
  ConcealNumWords();
  form.Repaint();
  if (!CheckInputText(input)) return false;

  strClipboardText_.clear();
  cmdClearOutput_Click();
  intSavedSuppressWords_ = chkSuppressWords.Value();
  table_.Clear();
  unicode_ = {};
  const ParameterSet params = CurrentParameters();
  const MarkerChoice choice = ChooseMarkersForExtension(
      GetFileExtension(input, true), params.IsChecked(ParamId::chkAllowCommentMarkers));
  if (choice == MarkerChoice::User && !MarkersAccepted(params)) return false;
  if (paramsWindow.chkUnicodeLetters.Checked() && !StartUnicodeCount(params)) return false;
  blnIsCodeFile = choice == MarkerChoice::Html || choice == MarkerChoice::C;
  blnStopRequested_ = false;
  BeginRun();
  ReadInputFile(input, ScanSettingsFor(params, choice));
  return true;
}

// The checks of the names and the size before the file is opened; each
// refusal has told the user why.
bool frmMain::ValidateInputForCount(const std::string& input) {
  if (input.empty()) {
    const Problem problem = zet::CheckInputFile(input, "", false).problem();
    platform_.messageBoxes.Show(problem.message, problem.title, MessageIcon::kExclamation,
                                MessageButtons::kOk);
    return false;
  }
  if (!CheckInputFile(input) || RefusesSameFile(input)) return false;
  return AcceptsLargeInput(FileLength(input), input) && !RefusesOutputFile();
}

// A large input listed in the textbox may be better listed in a file: the
// user is asked, and may name one. False when the user cancelled, or named
// the input file `input` (when not empty).
bool frmMain::AcceptsLargeInput(std::int64_t bytes, const std::string& input) {
  if (!txbFile1.Text().empty() || bytes <= kLargeInputFile) return true;
  const MessageAnswer answer =
      platform_.messageBoxes.Show(texts::kLargeInputFileQuestion, texts::kTitleLargeInputFile,
                                  MessageIcon::kNone, MessageButtons::kYesNoCancel);
  if (answer == MessageAnswer::kCancel) return false;
  if (answer == MessageAnswer::kYes) {
    cmdFile_Click(1);
    if (!input.empty() && RefusesSameFile(input)) return false;
  }
  return true;
}

// Refuses, before a count that may be long, an output file that could not
// be written at its end: a file the run reads, a missing or locked folder,
// a write-protected file.
bool frmMain::RefusesOutputFile() {
  const ParameterSet params = CurrentParameters();
  if (!IsOutputToFile(params)) return false;
  const std::string& output = txbFile1.Text();
  Outcome<Done> checked = FilesCounted().CheckNotRead(output, kOutputFile);
  if (checked) checked = CheckWritable(output, kOutputFile);
  if (checked) return false;
  platform_.messageBoxes.Show(checked.problem().message, checked.problem().title,
                              MessageIcon::kExclamation, MessageButtons::kOk);
  return true;
}

// Refuses an output file that is the input file under any name (a link,
// a relative path, another spelling of the same folder).
bool frmMain::RefusesSameFile(const std::string& input) {
  if (!SameFile(input, txbFile1.Text())) return false;
  const Problem problem = OutputSameAsInputProblem(txbFile1.Text());
  platform_.messageBoxes.Show(problem.message, problem.title, MessageIcon::kExclamation,
                              MessageButtons::kOk);
  return true;
}

bool frmMain::CheckInputText(const std::string& input) {
  const Outcome<InputText> checked = zet::CheckInputText(input);
  if (!checked) {
    // A file that cannot be read is reported when it is opened.
    if (checked.problem().kind != ProblemKind::NotText) return true;
    platform_.messageBoxes.Show(checked.problem().message, checked.problem().title,
                                MessageIcon::kExclamation, MessageButtons::kOk);
    SetOutputText(texts::kNotTextFileExplanation);
    return false;
  }
  inputEncoding_ = checked.value().encoding;
  // Line feeds alone are this system's own line ends: only lone carriage
  // returns are worth a warning.
  if (checked.value().check != TextCheck::MacLineEndings) return true;
  platform_.messageBoxes.Show(LineEndingsMessage(checked.value().check), texts::kTitleWarning,
                              MessageIcon::kExclamation, MessageButtons::kOk);
  if (platform_.messageBoxes.Show(texts::kProcessingMayBeSlow, texts::kTitleWarning,
                                  MessageIcon::kNone,
                                  MessageButtons::kOkCancel) == MessageAnswer::kOk)
    return true;
  txbOutput.Clear();
  return false;
}

bool frmMain::MarkersAccepted(const ParameterSet& params) {
  const MarkerValidation validation = ValidateUserMarkers(params);
  if (validation.ok()) return true;
  platform_.messageBoxes.Show(validation.message, texts::kTitleError, MessageIcon::kExclamation,
                              MessageButtons::kOk);
  paramsWindow.form.Show();
  return false;
}

void frmMain::ReadInputFile(const std::string& input, const ScanSettings& settings) {
  const std::int64_t fileLength = FileLength(input);
  if (fileLength > kProgressBarThreshold) ShowProgressBar();
  // Checked before, but a named pipe put in its place since must not hang
  // the window.
  const int fd = OpenRegularFile(input);
  if (fd < 0) {
    blnPassFailed_ = true;
    ReportError(RunTimeErrorFromErrno(errno));
  } else {
    const FdCloser closer(fd);
    try {
      ScanOpenFile(fd, fileLength, settings);
    } catch (const std::bad_alloc&) {
      blnPassFailed_ = true;
      ReportError(errnum::kOutOfMemory, "Out of memory");
    }
  }
  RestoreProgressLabel();
  chkSuppressWords.SetValue(intSavedSuppressWords_);
  lblTwirler.SetCaption(" ");
}

void frmMain::ScanOpenFile(int fd, std::int64_t fileLength, const ScanSettings& settings) {
  WinScanObserver observer(txbOutput, lblNumberOfWords, chkSuppressWords, &platform_.eventPump,
                           blnStopRequested_, &intSavedSuppressWords_);
  FdByteSource source(fd);
  LineProgress progress;
  if (fileLength > kProgressBarThreshold) {
    const auto length = static_cast<std::uint64_t>(fileLength);
    progress = [this, length, shown = -1](std::uint64_t bytesRead) mutable {
      const int position = ProgressPosition(bytesRead, length);
      if (position == shown) return;  // most lines move the bar by nothing
      shown = position;
      lblTotalNumOccurrences.SetCaption(ProgressBarCaption(position));
      lblTotalNumOccurrences.Repaint();
    };
  }
  ReadOutcome outcome;
  if (unicode_.table) {
    observer.ShowWordsAsUtf8();
    outcome =
        CountUnicodeSource(source, inputEncoding_, settings, *unicode_.table, observer, progress);
  } else if (chkSuppressWords.Checked() && ParallelParts(static_cast<std::uint64_t>(fileLength),
                                                         inputEncoding_, DefaultJobs()) > 1) {
    outcome = ScanOnEveryCore(fd, static_cast<std::uint64_t>(fileLength), settings, progress);
  } else {
    Scanner scanner(settings, table_, observer);
    outcome = ScanLines(source, scanner, inputEncoding_, progress);
  }
  if (outcome.failed) {
    blnPassFailed_ = true;
    ReportError(RunTimeErrorFromErrno(outcome.errorNumber != 0 ? outcome.errorNumber : EIO));
  }
}

// With no word to show as it is found, a file large enough to be cut is
// counted on every core (a smaller one keeps the one-thread pass, which
// lets window events run after each word). The parts test the stop flag
// after each word; this thread, which waits for them, lets window events
// run (a click on Stop or Quit) each time they report their progress,
// every 20 ms, at once: Pump() would read its clock only on one call in
// many, a second or more apart at that rate. The bytes counted are those
// the file had when the count began.
ReadOutcome frmMain::ScanOnEveryCore(int fd, std::uint64_t fileLength, const ScanSettings& settings,
                                     const LineProgress& showProgress) {
  std::atomic<bool> stop{false};
  const LineProgress progress = [&](std::uint64_t bytesRead) {
    if (showProgress) showProgress(bytesRead);
    platform_.eventPump.PumpNow();
    if (blnStopRequested_) stop.store(true, std::memory_order_relaxed);
  };
  return ScanFileParallel(fd, fileLength, settings, inputEncoding_, DefaultJobs(), table_, progress,
                          &stop);
}

void frmMain::ShowProgressBar() {
  lblTotalNumOccurrences.SetAlignment(Alignment::kLeft);
  lblTotalNumOccurrences.SetFont(Font{"Courier New", 10, true});
  lblTotalNumOccurrences.SetVisible(true);
  lblTotalNumOccurrences.SetCaption(EmptyProgressBar());
  lblTotalNumOccurrences.Repaint();
}

void frmMain::RestoreProgressLabel() {
  lblTotalNumOccurrences.SetAlignment(Alignment::kRight);
  lblTotalNumOccurrences.SetFont(Font{"Arial", 10, false});
  lblTotalNumOccurrences.SetVisible(true);
  lblTotalNumOccurrences.SetCaption("");
  lblTotalNumOccurrences.Repaint();
}

bool frmMain::CheckInputFile(const std::string& name) {
  const Outcome<InputFacts> checked = zet::CheckInputFile(name, "", false);
  if (checked) {
    corpusFiles_.clear();  // the file chosen is the source now
    lblFilesize.SetCaption(FileSizeText(checked.value().size));
    ChangeFolder(GetFolderOfPath(name));
    return true;
  }
  if (blnStartUpCompleted) {
    platform_.messageBoxes.Show(checked.problem().message, checked.problem().title,
                                MessageIcon::kExclamation, MessageButtons::kOk);
  } else {
    if (checked.problem().kind == ProblemKind::InputMissing) ChangeFolder(GetFolderOfPath(name));
    txbFile0.SetText("");
  }
  lblFilesize.SetCaption("");
  return false;
}

void frmMain::UpdateDisableOutputBox() {
  if (!txbFile1.Text().empty()) {
    chkDisableOutputToFile.SetEnabled(true);
    return;
  }
  chkDisableOutputToFile.SetValue(CheckBox::kUnchecked);
  chkDisableOutputToFile.SetEnabled(false);
}

void frmMain::cmdFile_Click(int index) {
  if (index == 0) blnWordsGot = false;
  FileDialogRequest request;
  std::string name;
  if (index == 0) {
    request.title = "Specify input file";
    request.filter = "Any file containing only text (*.*) | *.*";
    request.flags.fileMustExist = true;
    request.flags.pathMustExist = true;
    name = platform_.fileDialogs.ShowOpen(request);
  } else {
    // A save dialog: an open dialog would not let a new file be named. The
    // output stage asks before replacing a file, so the dialog does not.
    request.title = "Specify output file";
    request.flags.hideReadOnly = true;
    name = platform_.fileDialogs.ShowSave(request);
  }
  if (!name.empty()) {
    txbFile(index).SetText(name);
    if (index == 0) {
      (void)CheckInputFile(name);
      cmdClearOutput_Click();
    }
  }
  if (index == 1)
    UpdateDisableOutputBox();
  else
    optInFile.SetValue(true);
}

void frmMain::cmdClearFile_Click(int index) {
  txbFile(index).SetText("");
  cmdFile(index).SetFocus();
  if (index == 1) {
    chkDisableOutputToFile.SetValue(CheckBox::kUnchecked);
    chkDisableOutputToFile.SetEnabled(false);
  }
}

void frmMain::txbFile_LostFocus(int index) {
  // A run disables the box (which takes the focus from it): nothing to check.
  if (!form.Enabled() || blnRunning_) return;
  TextBox& box = txbFile(index);
  box.SetText(std::string(TrimSpaces(box.Text())));
  if (index == 0) {
    if (!box.Text().empty()) (void)CheckInputFile(box.Text());
    blnWordsGot = false;
  }
  UpdateDisableOutputBox();
  SetTheFocus();
}

}  // namespace zet
