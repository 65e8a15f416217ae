// The parameters window's persistence: the whole state to and from the user
// settings file and parameter files.

#include <filesystem>
#include <string>

#include "engine/FileProc.h"
#include "engine/ParameterFiles.h"
#include "params/ScanSnapshot.h"
#include "params/SettingsFile.h"
#include "windows/ScopedFlag.h"
#include "windows/frmParams.h"

namespace zet {
namespace {

constexpr std::string_view kParameterFilter = "Parameter files (*.zet) | *.zet";

// Whether text is cut into words the same way under both sets.
bool CountedAlike(const ParameterSet& a, const ParameterSet& b) {
  return WordRulesFrom(a) == WordRulesFrom(b) && UserMarkersFrom(a) == UserMarkersFrom(b) &&
         a.IsChecked(ParamId::chkAllowCommentMarkers) ==
             b.IsChecked(ParamId::chkAllowCommentMarkers);
}

}  // namespace

Outcome<Done> frmParams::SaveState(const std::string& strParameterFile) {
  const std::string path = strParameterFile.empty() ? host_.UserSettingsFile() : strParameterFile;
  ParameterSet params = Parameters();
  host_.CollectMainSettings(params);
  const ModelSettings models = Models();
  Outcome<Done> saved = SaveParameters(path, params, {}, &models);
  if (saved || saved.problem().kind != ProblemKind::CannotWrite) return saved;
  // The system's reason, and the file on a line of its own.
  Problem problem = saved.problem();
  problem.message += "\r\n" + problem.file;
  return problem;
}

Outcome<Done> frmParams::RestoreSavedState(const std::string& strParameterFile) {
  const std::string path = strParameterFile.empty() ? host_.UserSettingsFile() : strParameterFile;
  // Lines the file does not reach keep the values they have now.
  ParameterSet params = Parameters();
  host_.CollectMainSettings(params);
  const ParameterSet before = params;
  Outcome<Done> restored = zet::RestoreSavedState(path, params);
  // No side file (one saved by an older version) is the default model.
  const ModelSettings models = ReadModelSettings(path);
  // A restore changes values by code; it never asks whether to read anew.
  // Words counted under other rules than the restored ones are stale all
  // the same, or the next listing would contradict the parameters shown.
  const ScopedFlag silence(blnSettingValues);
  if (!CountedAlike(before, params) || Models() != models) host_.ClearWordsGot();
  ApplyParameters(params);
  chkUnicodeLetters.SetValue(models.unicode ? CheckBox::kChecked : CheckBox::kUnchecked);
  host_.ApplyMainSettings(params);
  txbWordsToIgnore_LostFocus();
  host_.UpdateDisableOutputBox();
  return restored;
}

void frmParams::cmdSaveLoadParameters_Click(int index) {
  FileDialogRequest request;
  request.filter = kParameterFilter;
  request.flags.pathMustExist = true;
  request.flags.hideReadOnly = true;
  std::string path;
  if (index == 0) {
    request.title = "Specify file to save parameters to";
    request.flags.overwritePrompt = true;
    path = platform_.fileDialogs.ShowSave(request);
    // The load dialog shows *.zet files only: a new name typed without an
    // extension gets it, or the file could not be found again. An existing
    // file chosen in the dialog keeps its name.
    if (!path.empty() && GetFileExtension(path, false).empty() && !std::filesystem::exists(path))
      path += ".zet";
  } else {
    request.title = "Specify file to load parameters from.";
    request.flags.fileMustExist = true;
    path = platform_.fileDialogs.ShowOpen(request);
  }
  if (path.empty()) return;
  lblParameters.SetCaption("");
  txbParametersFile.SetText(path);
  if (index == 0) {
    SaveToParameterFile();
  } else {
    LoadFromParameterFile();
  }
}

void frmParams::SaveToParameterFile() {
  const Outcome<Done> saved = SaveState(txbParametersFile.Text());
  if (saved) {
    lblParameters.SetCaption("Parameters saved to");
    return;
  }
  platform_.messageBoxes.Show(saved.problem().message, kSaveParametersTitle,
                              MessageIcon::kExclamation, MessageButtons::kOk);
  lblParameters.SetCaption("Error saving to");
}

void frmParams::LoadFromParameterFile() {
  const Outcome<Done> restored = [this] {
    const ScopedFlag silence(blnSettingValues);
    return RestoreSavedState(txbParametersFile.Text());
  }();
  if (restored) {
    lblParameters.SetCaption("Parameters loaded from");
    return;
  }
  platform_.messageBoxes.Show(restored.problem().message, kLoadParametersTitle,
                              MessageIcon::kExclamation, MessageButtons::kOk);
  lblParameters.SetCaption("Error loading from");
  host_.InitializeVariables();
  SelectDefaultsWhereNoneSelected();
}

void frmParams::SelectDefaultsWhereNoneSelected() {
  // A file may leave a list with nothing selected ("Invalid combo box
  // index"), and the reset does not touch every list; a list without a
  // selection would leave the next count without a size, order or format.
  for (ParamId id :
       {ParamId::cboShortWordSize, ParamId::cboLongWordSize, ParamId::cboThresholdFrequency}) {
    ComboBox& list = *ComboBoxOf(id);
    if (list.ListIndex() == -1) list.SetListIndex(GetParamInfo(id).defaultValue);
  }
  ParameterSet main;
  host_.CollectMainSettings(main);
  if (main.Value(ParamId::cboWordOrder) == -1) host_.SelectWordOrder(0);
  if (main.Value(ParamId::cboDisplayFormat) == -1) host_.SelectDisplayFormat(0);
}

}  // namespace zet
