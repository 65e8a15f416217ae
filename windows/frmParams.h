#pragma once
// The parameters window: the parameter set in its controls.

#include <array>
#include <string>
#include <string_view>

#include "params/ModelSettings.h"
#include "params/Outcome.h"
#include "params/ParameterSet.h"
#include "platform/Button.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Platform.h"
#include "platform/TextBox.h"
#include "windows/ParamControls.h"
#include "windows/ParamsHost.h"

namespace zet {

/// The parameters window ("ZET: Set parameters"). Its controls hold the
/// parameter set; every other part reads a parameter from here when it
/// needs it (Parameters() gives them all at once). Created hidden at
/// start-up; "Close" and the title bar's close box only hide it.
///
/// Every change of a check box or list, by the user or by code, runs its
/// change handling: a change to one of the thirteen boxes that decide how
/// text is cut into words (the twelve scanning parameters and "Unicode
/// letters", which chooses the word model) asks before it makes held counted words stale (the
/// re-read question), unless start-up is still running, no words are held,
/// or blnSettingValues is true.
class frmParams {
 public:
  /// Wires the controls' events. Asks nothing of `host` yet (the main
  /// window may still be under construction): Form_Load does that.
  frmParams(Platform& platform, ParamsHost& host);
  frmParams(const frmParams&) = delete;
  frmParams& operator=(const frmParams&) = delete;

  /// Loading the window, once at start-up while it is hidden: empties the
  /// parameter-file label and path, captions lblOnThisPage and places the
  /// window beside the main window.
  void Form_Load();
  /// The window became the active one: back to its place beside the main
  /// window (even after the user moved it), and the focus to "Close".
  void Form_Activate();

  /// Clears and fills the three lists and selects their default items.
  void FillComboBoxes();
  /// Puts the parameters with a fixed default back to it (marks the counted
  /// words stale first, so that nothing asks the re-read question).
  void SetDefaultValues();
  /// The parameters window's values (and only those: the main window's
  /// settings in the result keep their defaults) as a parameter set.
  [[nodiscard]] ParameterSet Parameters() const;
  /// Sets every parameter-window value of `params` into the controls, each
  /// with the effect of the user's change (the caller silences the re-read
  /// question with blnSettingValues where it must not be asked).
  void ApplyParameters(const ParameterSet& params);

  /// Writes the whole state (these parameters and the main window's saved
  /// settings) to `strParameterFile`, or to the user settings file when it
  /// is empty. The file is replaced whole or not at all. A failure is
  /// SaveParameters' problem; when the system refused the write, its
  /// message ("Error when attempting to save parameters: " and the reason)
  /// has the file on a line of its own after it. Shows nothing.
  [[nodiscard]] Outcome<Done> SaveState(const std::string& strParameterFile);
  /// Reads the whole state from `strParameterFile`, or from the user settings
  /// file when it is empty, and applies it: these parameters, the main
  /// window's settings (ApplyMainSettings), the words to ignore parsed anew
  /// and the "Disable" box refreshed. Nothing asks the re-read question
  /// meanwhile; held words counted under other word rules or markers than
  /// the restored ones are marked stale. A failure is the restore's
  /// problem; the lines read before it stay applied and the caller decides
  /// what to reset. Shows nothing.
  [[nodiscard]] Outcome<Done> RestoreSavedState(const std::string& strParameterFile);

  /// Asks "Changing this entails reading the file anew.  Is this OK?"
  /// (Yes/No). Yes marks the counted words stale and returns true.
  [[nodiscard]] bool ConfirmReread();

  /// Rebuilds the words to ignore from the text box: cleaned, shown back,
  /// and kept as the stored list (Windows-1252, each word followed by ",").
  void txbWordsToIgnore_LostFocus();
  /// The settings saved beside the 37 lines: the word model.
  [[nodiscard]] ModelSettings Models() const { return {chkUnicodeLetters.Checked()}; }

  /// The stored words to ignore ("," when empty).
  [[nodiscard]] const std::string& strWordsToIgnore() const noexcept { return strWordsToIgnore_; }

  /// True while code changes values that must not raise the re-read
  /// question (putting a box back, loading a parameter file).
  bool blnSettingValues = false;

  Form form{"frmParams"};
  Label lblOnThisPage{form, "lblOnThisPage"};
  CheckBox chkIgnoreCommonWords = ParamCheckBox(form, ParamId::chkIgnoreCommonWords);
  TextBox txbCommonWordsFile{form, "txbCommonWordsFile"};
  Button cmdSelectCommonWordsFile{form, "cmdSelectCommonWordsFile", "Select common words file"};
  Button cmdClearCommonWordsFile{form, "cmdClearCommonWordsFile", "Clear"};
  Label lblIgnoreTheseWords{form, "lblIgnoreTheseWords", ParamCaption(ParamId::txbWordsToIgnore)};
  TextBox txbWordsToIgnore{form, "txbWordsToIgnore"};
  Button cmdClearWordsToIgnore{form, "cmdClearWordsToIgnore", "Clear"};
  CheckBox chkIgnoreRepetitions = ParamCheckBox(form, ParamId::chkIgnoreRepetitions);
  CheckBox chkIgnoreRomNum40 = ParamCheckBox(form, ParamId::chkIgnoreRomNum40);
  CheckBox chkIgnoreNoVowelOrY = ParamCheckBox(form, ParamId::chkIgnoreNoVowelOrY);
  CheckBox chkIgnoreShortWords = ParamCheckBox(form, ParamId::chkIgnoreShortWords);
  ComboBox cboShortWordSize{form, "cboShortWordSize"};
  Label lblCharacters{form, "lblCharacters", ParamCaption(ParamId::cboShortWordSize)};
  Label lblIgnoreLongWords{form, "lblIgnoreLongWords", ParamCaption(ParamId::cboLongWordSize)};
  ComboBox cboLongWordSize{form, "cboLongWordSize"};
  Label lblCharacters2{form, "lblCharacters2", ParamCaption(ParamId::cboShortWordSize)};
  CheckBox chkIgnoreInfrequentWords = ParamCheckBox(form, ParamId::chkIgnoreInfrequentWords);
  ComboBox cboThresholdFrequency{form, "cboThresholdFrequency"};
  Label lblOccurrences{form, "lblOccurrences", ParamCaption(ParamId::cboThresholdFrequency)};
  CheckBox chkCaseSignificant = ParamCheckBox(form, ParamId::chkCaseSignificant);
  Label lblAllowWordsWith{form, "lblAllowWordsWith", "Allow 'words' with:"};
  CheckBox chkAllowWordsWithHyphens = ParamCheckBox(form, ParamId::chkAllowWordsWithHyphens);
  CheckBox chkAllowWordsWithApostrophes =
      ParamCheckBox(form, ParamId::chkAllowWordsWithApostrophes);
  CheckBox chkAllowWordsWithUnderscores =
      ParamCheckBox(form, ParamId::chkAllowWordsWithUnderscores);
  CheckBox chkAllowWordsWithColons = ParamCheckBox(form, ParamId::chkAllowWordsWithColons);
  CheckBox chkAllowWordsWithBackslashes =
      ParamCheckBox(form, ParamId::chkAllowWordsWithBackslashes);
  CheckBox chkAllowWordsWithForwardslashes =
      ParamCheckBox(form, ParamId::chkAllowWordsWithForwardslashes);
  CheckBox chkAllowWordsWithPeriods = ParamCheckBox(form, ParamId::chkAllowWordsWithPeriods);
  CheckBox chkAllowWordsWithAtSigns = ParamCheckBox(form, ParamId::chkAllowWordsWithAtSigns);
  CheckBox chkAllowWordsWithNumerals = ParamCheckBox(form, ParamId::chkAllowWordsWithNumerals);
  CheckBox chkDropFinalS = ParamCheckBox(form, ParamId::chkDropFinalS);
  CheckBox chkAllowCommentMarkers = ParamCheckBox(form, ParamId::chkAllowCommentMarkers);
  Label lblFirstSet{form, "lblFirstSet", ParamCaption(ParamId::txbStartComment0)};
  TextBox txbStartComment0{form, "txbStartComment(0)"};
  TextBox txbEndComment0{form, "txbEndComment(0)"};
  Label lblSecondSet{form, "lblSecondSet", ParamCaption(ParamId::txbStartComment1)};
  TextBox txbStartComment1{form, "txbStartComment(1)"};
  TextBox txbEndComment1{form, "txbEndComment(1)"};
  /// Counts with the Unicode word model. Not one of the 37 saved lines: it
  /// is saved in the side file beside them (params/ModelSettings.h).
  CheckBox chkUnicodeLetters{form, "chkUnicodeLetters", "Unicode letters (all scripts)"};
  CheckBox chkOutputWithCommas = ParamCheckBox(form, ParamId::chkOutputWithCommas);
  CheckBox chkWarnOnOverwrite = ParamCheckBox(form, ParamId::chkWarnOnOverwrite);
  CheckBox chkSaveStateOnQuit = ParamCheckBox(form, ParamId::chkSaveStateOnQuit);
  Button cmdClearCheckboxes0{form, "cmdClearCheckboxes(0)", "Clear checkboxes"};
  Button cmdClearCheckboxes1{form, "cmdClearCheckboxes(1)", "Set checkboxes"};
  Button cmdRestoreDefaults{form, "cmdRestoreDefaults", "Restore defaults"};
  Button cmdInitialize{form, "cmdInitialize", "Reinitialize"};
  Button cmdSaveLoadParameters0{form, "cmdSaveLoadParameters(0)", "Save parameters to file"};
  Button cmdSaveLoadParameters1{form, "cmdSaveLoadParameters(1)", "Load parameters from file"};
  Label lblParameters{form, "lblParameters"};
  TextBox txbParametersFile{form, "txbParametersFile"};
  Button cmdClose{form, "cmdClose", "Close"};

  /// The check box of a check-box parameter, the list of a list parameter
  /// of this window; nullptr otherwise.
  [[nodiscard]] CheckBox* CheckBoxOf(ParamId id);
  [[nodiscard]] ComboBox* ComboBoxOf(ParamId id);

 private:
  /// The program's title, over the questions this window asks.
  static constexpr std::string_view kProgramTitle = "ZET";
  static constexpr std::string_view kRereadQuestion =
      "Changing this entails reading the file anew.  Is this OK?";

  // One of the thirteen boxes that decide how text is cut into words, with
  // the value it last had, so that a declined change puts back exactly that
  // value (a greyed 2 stays 2, and stays "not checked").
  struct ScanningBox {
    CheckBox* box;
    int lastValue;
  };

  void SetupForm();
  void SetupScanningBoxes();
  void SetupFilterControls();
  void SetupButtons();
  void SetupTextBoxes();
  void PlaceBesideMainWindow();

  // Change handling.
  void ScanningBoxChanged(ScanningBox& entry);
  void FilterControlChanged();
  void SetSilently(CheckBox& box, int value);
  void cmdClearCheckboxes_Click(int index);
  void cmdRestoreDefaults_Click();
  void cmdInitialize_Click();
  void cmdClose_Click();
  void txbStartComment_LostFocus(int index);
  void txbEndComment_LostFocus(int index);
  void TrimMarker(TextBox& box);
  void cmdClearWordsToIgnore_Click();

  // Common words.
  void chkIgnoreCommonWords_Click();
  void cmdSelectCommonWordsFile_Click();
  void cmdClearCommonWordsFile_Click();
  bool txbCommonWordsFile_KeyPress(int keyCode);
  void txbCommonWordsFile_LostFocus();
  void UseCommonWordsFile(const std::string& path);

  // Parameter files.
  void cmdSaveLoadParameters_Click(int index);
  void SaveToParameterFile();
  void LoadFromParameterFile();
  void SelectDefaultsWhereNoneSelected();

  Platform& platform_;
  ParamsHost& host_;
  std::string strWordsToIgnore_ = ",";
  std::array<ScanningBox, 13> scanningBoxes_{};
};

}  // namespace zet
