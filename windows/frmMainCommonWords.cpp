// The common-words file: reading it, and reading it again when the word
// rules change.

#include <utility>

#include "engine/CommonWordsFile.h"
#include "engine/FileTexts.h"
#include "params/ScanSnapshot.h"
#include "windows/MainTexts.h"
#include "windows/WinScanObserver.h"
#include "windows/frmMain.h"

namespace zet {

void frmMain::AttemptToReadCommonWords() {
  blnCommonWordsLoaded = false;
  if (ReadCommonWords()) {
    platform_.messageBoxes.Show(std::string(texts::kCommonWordsLoadedFrom) + strCommonWordsFile,
                                texts::kTitleCommonWords, MessageIcon::kInformation,
                                MessageButtons::kOk);
    paramsWindow.txbCommonWordsFile.SetText(strCommonWordsFile);
    blnCommonWordsLoaded = true;
  } else {
    platform_.messageBoxes.Show(std::string(texts::kCommonWordsErrorFrom) + strCommonWordsFile,
                                texts::kTitleCommonWords, MessageIcon::kExclamation,
                                MessageButtons::kOk);
  }
  blnWordsGot = false;
}

// Reads strCommonWordsFile under the current word rules. False when it
// could not be read (the reason was shown, except during start-up, when a
// missing file quietly brings back the default name with the box
// unchecked); the common words in force then stay as they were.
bool frmMain::ReadCommonWords() {
  strCommonWordsFile = CommonWordsPath(strCommonWordsFile);
  const Outcome<TextCheck> checked = CheckCommonWordsFile(strCommonWordsFile);
  if (!checked) {
    const Problem& problem = checked.problem();
    if (problem.kind == ProblemKind::CommonWordsNotNamed) return false;
    if (problem.kind == ProblemKind::CommonWordsMissing && !blnStartUpCompleted) {
      SetDefaultCommonWordsFile();
      paramsWindow.chkIgnoreCommonWords.SetValue(CheckBox::kUnchecked);
      return false;
    }
    platform_.messageBoxes.Show(problem.message, problem.title, MessageIcon::kExclamation,
                                MessageButtons::kOk);
    return false;
  }
  if (checked.value() == TextCheck::MacLineEndings)
    platform_.messageBoxes.Show(LineEndingsMessage(checked.value()), texts::kTitleWarning,
                                MessageIcon::kExclamation, MessageButtons::kOk);
  ConcealNumWords();
  form.Show();
  SetOutputText(texts::kNowReadingCommonWords);
  form.Repaint();
  const bool loaded = LoadCommonWords(strCommonWordsFile, WordRulesFrom(CurrentParameters()));
  txbOutput.Clear();
  return loaded;
}

// Reads the common words of `path` cut by `rules` and puts them in force.
// A file that cannot be read is reported with the system's reason and
// changes nothing. No window event runs meanwhile: nothing may start a
// count inside the read.
bool frmMain::LoadCommonWords(const std::string& path, const WordRules& rules) {
  const bool noStop = false;
  WinScanObserver observer(txbOutput, lblNumberOfWords, chkSuppressWords, nullptr, noStop);
  Outcome<std::shared_ptr<const WordSet>> read = ReadCommonWordsFile(path, rules, observer);
  if (!read) {
    platform_.messageBoxes.Show(read.problem().message, read.problem().title, MessageIcon::kNone,
                                MessageButtons::kOk);
    return false;
  }
  commonWords_ = std::move(read).value();
  blnCommonWordsPending_ = false;
  commonWordsRules_ = rules;
  return true;
}

// Before a count is listed: common words cut by other word rules than the
// count's would miss words they should catch, so they are read again,
// silently unless that fails.
void frmMain::RefreshCommonWords(const ParameterSet& params) {
  if (!params.IsChecked(ParamId::chkIgnoreCommonWords)) return;
  if (std::exchange(blnCommonWordsPending_, false)) {
    if (ReadCommonWords()) blnCommonWordsLoaded = true;
    return;
  }
  if (!blnCommonWordsLoaded) return;
  const WordRules rules = WordRulesFrom(params);
  if (commonWords_ && rules == commonWordsRules_) return;
  if (LoadCommonWords(strCommonWordsFile, rules)) return;
  blnCommonWordsLoaded = false;
  platform_.messageBoxes.Show(std::string(texts::kCommonWordsErrorFrom) + strCommonWordsFile,
                              texts::kTitleCommonWords, MessageIcon::kExclamation,
                              MessageButtons::kOk);
}

}  // namespace zet
