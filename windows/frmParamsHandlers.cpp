// The parameters window's change handling: the re-read question, the bulk
// buttons, closing, and the text boxes that clean themselves up.

#include <string>

#include "scanner/CommonWords.h"
#include "scanner/StrProc.h"
#include "windows/frmParams.h"

namespace zet {
bool frmParams::ConfirmReread() {
  const MessageAnswer answer = platform_.messageBoxes.Show(
      kRereadQuestion, kProgramTitle, MessageIcon::kNone, MessageButtons::kYesNo);
  if (answer != MessageAnswer::kYes) return false;
  host_.ClearWordsGot();
  return true;
}

void frmParams::ScanningBoxChanged(ScanningBox& entry) {
  const int previous = entry.lastValue;
  entry.lastValue = entry.box->Value();
  if (!host_.StartUpCompleted() || blnSettingValues || !host_.WordsGot()) return;
  if (ConfirmReread()) return;
  // Declined: the held words stay valid, so the box goes back to what it was.
  SetSilently(*entry.box, previous);
}

void frmParams::FilterControlChanged() {
  // The filters act when the words are next listed; the held words stay.
  if (host_.StartUpCompleted()) cmdClose.SetFocus();
}

void frmParams::SetSilently(CheckBox& box, int value) {
  const bool saved = blnSettingValues;
  blnSettingValues = true;
  box.SetValue(value);
  blnSettingValues = saved;
}

void frmParams::cmdClearCheckboxes_Click(int index) {
  // The order decides which box asks the re-read question first.
  CheckBox* const boxes[] = {&chkAllowWordsWithHyphens,
                             &chkAllowWordsWithApostrophes,
                             &chkAllowWordsWithUnderscores,
                             &chkAllowWordsWithColons,
                             &chkAllowWordsWithBackslashes,
                             &chkAllowWordsWithForwardslashes,
                             &chkAllowWordsWithPeriods,
                             &chkAllowWordsWithAtSigns,
                             &chkAllowWordsWithNumerals,
                             &chkCaseSignificant,
                             &chkDropFinalS,
                             &chkIgnoreCommonWords,
                             &chkIgnoreInfrequentWords,
                             &chkIgnoreRepetitions,
                             &chkIgnoreRomNum40,
                             &chkIgnoreNoVowelOrY,
                             &chkIgnoreShortWords,
                             &chkOutputWithCommas,
                             &chkAllowCommentMarkers,
                             &chkWarnOnOverwrite,
                             &chkSaveStateOnQuit};
  const bool set = index == 1;
  for (CheckBox* box : boxes) {
    // Setting all boxes would start reading the common words; that stays
    // the user's own decision.
    if (set && box == &chkIgnoreCommonWords) continue;
    box->SetValue(set ? CheckBox::kChecked : CheckBox::kUnchecked);
  }
}

void frmParams::cmdRestoreDefaults_Click() {
  SetDefaultValues();
  cmdClose.SetFocus();
}

void frmParams::cmdInitialize_Click() {
  host_.Initialize();
  host_.SelectWordOrder(0);
  host_.SelectDisplayFormat(0);
  lblParameters.SetCaption("Program reinitialized.");
}

void frmParams::cmdClose_Click() {
  form.Hide();
  host_.SetTheFocus();
}

void frmParams::txbStartComment_LostFocus(int index) {
  TrimMarker(index == 0 ? txbStartComment0 : txbStartComment1);
}

void frmParams::txbEndComment_LostFocus(int index) {
  TrimMarker(index == 0 ? txbEndComment0 : txbEndComment1);
}

void frmParams::TrimMarker(TextBox& box) {
  const std::string trimmed(TrimSpaces(box.Text()));
  if (trimmed != box.Text()) box.SetText(trimmed);
  // Markers decide what is counted, so the held words may no longer match.
  host_.ClearWordsGot();
}

void frmParams::cmdClearWordsToIgnore_Click() {
  txbWordsToIgnore.SetText("");
  strWordsToIgnore_ = ParseWordsToIgnore({}).list;  // the empty list, ","
  cmdClose.SetFocus();
}

}  // namespace zet
