// The common-words file: reading it, and reading it again when the word
// rules change.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "engine/FileProc.h"
#include "engine/FileTexts.h"
#include "windows/MainTexts.h"
#include "windows/WinScanObserver.h"
#include "windows/frmMain.h"
#include "params/ScanSnapshot.h"
#include "scanner/CommonWords.h"
#include "scanner/StrProc.h"

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
  strCommonWordsFile = std::string(TrimSpaces(strCommonWordsFile));
  if (strCommonWordsFile.empty()) return false;
  if (!FileExists(strCommonWordsFile)) {
    if (blnStartUpCompleted) {
      platform_.messageBoxes.Show(texts::kCommonWordsNotFound, texts::kTitleFileNotFound,
                                  MessageIcon::kExclamation, MessageButtons::kOk);
    } else {
      SetDefaultCommonWordsFile();
      paramsWindow.chkIgnoreCommonWords.SetValue(CheckBox::kUnchecked);
    }
    return false;
  }
  const TextCheck check = CheckTextFile(strCommonWordsFile);
  if (check == TextCheck::NotText) {
    platform_.messageBoxes.Show(texts::kNotTextFile, texts::kTitleInvalidInput,
                                MessageIcon::kExclamation, MessageButtons::kOk);
    return false;
  }
  if (check == TextCheck::MacLineEndings)
    platform_.messageBoxes.Show(LineEndingsMessage(check), texts::kTitleWarning,
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
  // The name was checked before, but what it names may have changed since:
  // a named pipe put in its place must not hang the window.
  const int fd = OpenRegularFile(path);
  int failure = fd < 0 ? errno : 0;
  CommonWordList list;
  if (fd >= 0) {
    FdByteSource source(fd);
    const bool noStop = false;
    WinScanObserver observer(txbOutput, lblNumberOfWords, chkSuppressWords, nullptr, noStop);
    if (!zet::ReadCommonWords(source, rules, list, observer))
      failure = source.ErrorNumber() != 0 ? source.ErrorNumber() : EIO;
    ::close(fd);
  }
  if (failure != 0) {
    const RunTimeError error = RunTimeErrorFromErrno(failure);
    platform_.messageBoxes.Show(CommonWordsReadErrorText(error.number, error.description),
                                texts::kTitleCommonWords, MessageIcon::kNone, MessageButtons::kOk);
    return false;
  }
  commonWords_ = std::make_shared<const WordSet>(list.words.begin(), list.words.end());
  commonWordsRules_ = rules;
  return true;
}

// Before a count is listed: common words cut by other word rules than the
// count's would miss words they should catch, so they are read again,
// silently unless that fails.
void frmMain::RefreshCommonWords(const ParameterSet& params) {
  if (!params.IsChecked(ParamId::chkIgnoreCommonWords) || !blnCommonWordsLoaded) return;
  const WordRules rules = WordRulesFrom(params);
  if (commonWords_ && rules == commonWordsRules_) return;
  if (LoadCommonWords(strCommonWordsFile, rules)) return;
  blnCommonWordsLoaded = false;
  platform_.messageBoxes.Show(std::string(texts::kCommonWordsErrorFrom) + strCommonWordsFile,
                              texts::kTitleCommonWords, MessageIcon::kExclamation,
                              MessageButtons::kOk);
}

}  // namespace zet
