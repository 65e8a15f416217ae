// The parameters window's common-words controls: the check box that loads
// the file, choosing, typing and clearing its name.

#include <string>

#include "scanner/StrProc.h"
#include "windows/frmParams.h"

namespace zet {
void frmParams::chkIgnoreCommonWords_Click() {
  if (!host_.StartUpCompleted() || blnSettingValues) return;
  if (chkIgnoreCommonWords.Value() == CheckBox::kChecked) {
    MessageBoxes& boxes = platform_.messageBoxes;
    if (host_.CommonWordsFile().empty()) {
      boxes.Show("Please specify the file containing common words.", "File?", MessageIcon::kNone,
                 MessageButtons::kOk);
      SetSilently(chkIgnoreCommonWords, CheckBox::kUnchecked);
      // The focus stays where the file is chosen, the next thing to do.
      cmdSelectCommonWordsFile.SetFocus();
      return;
    }
    if (host_.CommonWordsLoaded()) {
      boxes.Show(
          "This file has already been loaded.  Click on 'Clear' "
          "and re-select the file if it has been changed on disk.",
          "Common words loaded", MessageIcon::kNone, MessageButtons::kOk);
    } else if (host_.WordsGot()) {
      const MessageAnswer answer = boxes.Show(kRereadQuestion, kProgramTitle, MessageIcon::kNone,
                                              MessageButtons::kYesNoCancel);
      if (answer == MessageAnswer::kYes) {
        // Accepted: the held words are stale from here on, so nothing the
        // read changes asks the question again.
        host_.ClearWordsGot();
        host_.AttemptToReadCommonWords();
        host_.ConcealNumWords();
      } else {
        SetSilently(chkIgnoreCommonWords, CheckBox::kUnchecked);
      }
    } else {
      host_.AttemptToReadCommonWords();
      host_.ConcealNumWords();
    }
  }
  // Unchecked: nothing is read or forgotten; the filter just stops using them.
  if (form.Enabled()) cmdClose.SetFocus();
}

void frmParams::UseCommonWordsFile(const std::string& path) {
  host_.SetCommonWordsFile(path);
  if (txbCommonWordsFile.Text() != path) txbCommonWordsFile.SetText(path);
  host_.SetCommonWordsLoaded(false);
  host_.ClearWordsGot();
  // Checked silently and then handled once: handling the check on its own
  // would read the file a first time, or call the new file loaded already.
  SetSilently(chkIgnoreCommonWords, CheckBox::kChecked);
  chkIgnoreCommonWords_Click();
}

void frmParams::cmdSelectCommonWordsFile_Click() {
  FileDialogRequest request;
  request.title = "Specify file of common words to ignore";
  request.filter = "Any file containing only text (*.*) | *.*";
  request.flags.fileMustExist = true;
  request.flags.pathMustExist = true;
  request.flags.hideReadOnly = true;
  // Paths are taken as chosen: this file system tells case apart.
  const std::string path = platform_.fileDialogs.ShowOpen(request);
  if (!path.empty()) UseCommonWordsFile(path);
  cmdClose.SetFocus();
}

void frmParams::cmdClearCommonWordsFile_Click() {
  txbCommonWordsFile.SetText("");
  host_.SetCommonWordsFile("");
  chkIgnoreCommonWords.SetValue(CheckBox::kUnchecked);
  host_.SetCommonWordsLoaded(false);
}

bool frmParams::txbCommonWordsFile_KeyPress(int keyCode) {
  if (keyCode != key::kEnter) return false;
  txbCommonWordsFile_LostFocus();
  return true;
}

void frmParams::txbCommonWordsFile_LostFocus() {
  if (chkIgnoreCommonWords.Value() == CheckBox::kUnchecked) return;
  const std::string trimmed(TrimSpaces(txbCommonWordsFile.Text()));
  if (trimmed != txbCommonWordsFile.Text()) txbCommonWordsFile.SetText(trimmed);
  if (trimmed != host_.CommonWordsFile()) UseCommonWordsFile(trimmed);
}

}  // namespace zet
