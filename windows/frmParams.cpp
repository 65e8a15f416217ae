#include "windows/frmParams.h"

#include <iterator>
#include <tuple>

#include "scanner/CommonWords.h"
#include "scanner/TextCodec.h"

namespace zet {
namespace {

// Positions are designed in twips (1/1440 inch); the platform has no
// resolution of its own to offer, so the usual 96 pixels per inch apply.
constexpr int TwipsToPixels(int twips) { return twips * 96 / 1440; }

constexpr int kTopOffsetTwips = 360;
constexpr int kLeftGapTwips = 300;

}  // namespace

frmParams::frmParams(Platform& platform, ParamsHost& host) : platform_(platform), host_(host) {
  SetupForm();
  SetupScanningBoxes();
  SetupFilterControls();
  SetupButtons();
  SetupTextBoxes();
}

void frmParams::SetupForm() {
  form.SetCaption("ZET: Set parameters");
  form.onActivate = [this] { Form_Activate(); };
  // However the window is closed, it is only hidden and keeps its values.
  form.onCloseRequest = [this] { cmdClose_Click(); };
}

void frmParams::SetupTextBoxes() {
  // The initial texts of the marker boxes; defaults never touch them again.
  txbStartComment0.SetText("/*");
  txbEndComment0.SetText("*/");
  txbStartComment1.SetText("//");
  const Font fixed{"Courier New", 8.25};
  for (TextBox* box : {&txbCommonWordsFile, &txbWordsToIgnore, &txbStartComment0, &txbEndComment0,
                       &txbStartComment1, &txbEndComment1, &txbParametersFile})
    box->SetFont(fixed);
  txbStartComment0.onLostFocus = [this] { txbStartComment_LostFocus(0); };
  txbStartComment1.onLostFocus = [this] { txbStartComment_LostFocus(1); };
  txbEndComment0.onLostFocus = [this] { txbEndComment_LostFocus(0); };
  txbEndComment1.onLostFocus = [this] { txbEndComment_LostFocus(1); };
  txbWordsToIgnore.onLostFocus = [this] { txbWordsToIgnore_LostFocus(); };
  txbCommonWordsFile.onLostFocus = [this] { txbCommonWordsFile_LostFocus(); };
  txbCommonWordsFile.onKeyPress = [this](int keyCode) {
    return txbCommonWordsFile_KeyPress(keyCode);
  };
}

void frmParams::SetupScanningBoxes() {
  CheckBox* const boxes[] = {&chkCaseSignificant,
                             &chkAllowWordsWithHyphens,
                             &chkAllowWordsWithApostrophes,
                             &chkAllowWordsWithUnderscores,
                             &chkAllowWordsWithColons,
                             &chkAllowWordsWithBackslashes,
                             &chkAllowWordsWithForwardslashes,
                             &chkAllowWordsWithPeriods,
                             &chkAllowWordsWithAtSigns,
                             &chkAllowWordsWithNumerals,
                             &chkAllowCommentMarkers,
                             &chkDropFinalS,
                             &chkUnicodeLetters};
  static_assert(std::size(boxes) == std::tuple_size_v<decltype(scanningBoxes_)>);
  for (std::size_t i = 0; i < std::size(boxes); ++i) {
    ScanningBox& entry = scanningBoxes_[i];
    entry = {boxes[i], boxes[i]->Value()};
    boxes[i]->onClick = [this, &entry] { ScanningBoxChanged(entry); };
  }
}

void frmParams::SetupFilterControls() {
  for (CheckBox* box : {&chkIgnoreRepetitions, &chkIgnoreRomNum40, &chkIgnoreNoVowelOrY,
                        &chkIgnoreInfrequentWords, &chkIgnoreShortWords})
    box->onClick = [this] { FilterControlChanged(); };
  for (ComboBox* list : {&cboShortWordSize, &cboLongWordSize, &cboThresholdFrequency})
    list->onClick = [this] { FilterControlChanged(); };
  chkIgnoreCommonWords.onClick = [this] { chkIgnoreCommonWords_Click(); };
}

void frmParams::SetupButtons() {
  cmdClearCheckboxes0.onClick = [this] { cmdClearCheckboxes_Click(0); };
  cmdClearCheckboxes1.onClick = [this] { cmdClearCheckboxes_Click(1); };
  cmdRestoreDefaults.onClick = [this] { cmdRestoreDefaults_Click(); };
  cmdInitialize.onClick = [this] { cmdInitialize_Click(); };
  cmdClose.onClick = [this] { cmdClose_Click(); };
  cmdClearWordsToIgnore.onClick = [this] { cmdClearWordsToIgnore_Click(); };
  cmdSelectCommonWordsFile.onClick = [this] { cmdSelectCommonWordsFile_Click(); };
  cmdClearCommonWordsFile.onClick = [this] { cmdClearCommonWordsFile_Click(); };
  cmdSaveLoadParameters0.onClick = [this] { cmdSaveLoadParameters_Click(0); };
  cmdSaveLoadParameters1.onClick = [this] { cmdSaveLoadParameters_Click(1); };
}

void frmParams::Form_Load() {
  lblParameters.SetCaption("");
  txbParametersFile.SetText("");
  lblOnThisPage.SetCaption(
      "When text is being scanned you can ignore some words by checking "
      "the boxes at right. In addition you can fine tune how the text is scanned "
      "by checking the boxes below.");
  PlaceBesideMainWindow();
}

void frmParams::Form_Activate() {
  PlaceBesideMainWindow();
  cmdClose.SetFocus();
}

void frmParams::PlaceBesideMainWindow() {
  const Geometry main = host_.MainWindowPlace();
  Geometry place = form.Place();
  place.top = main.top + TwipsToPixels(kTopOffsetTwips);
  place.left = main.left + host_.SetParametersButtonWidth() + TwipsToPixels(kLeftGapTwips);
  form.SetPlace(place);
}

void frmParams::FillComboBoxes() { FillParamLists(form); }

void frmParams::SetDefaultValues() {
  host_.ClearWordsGot();
  const ParameterSet defaults;
  for (const ParamInfo& info : AllParams()) {
    if (!info.restoredByDefaults) continue;
    if (CheckBox* box = CheckBoxOf(info.id)) box->SetValue(defaults.Value(info.id));
    if (ComboBox* list = ComboBoxOf(info.id)) list->SetListIndex(defaults.Value(info.id));
  }
  chkUnicodeLetters.SetValue(CheckBox::kUnchecked);  // the default word model
}

ParameterSet frmParams::Parameters() const {
  ParameterSet params;
  ReadParamControls(form, params);
  return params;
}

void frmParams::ApplyParameters(const ParameterSet& params) { ShowParamControls(form, params); }

void frmParams::txbWordsToIgnore_LostFocus() {
  const WordsToIgnore words = ParseWordsToIgnore(DecodeToCp1252(txbWordsToIgnore.Text()));
  txbWordsToIgnore.SetText(EncodeUtf8(words.boxText));
  strWordsToIgnore_ = words.list;
}

CheckBox* frmParams::CheckBoxOf(ParamId id) { return ParamControl<CheckBox>(form, id); }

ComboBox* frmParams::ComboBoxOf(ParamId id) { return ParamControl<ComboBox>(form, id); }

}  // namespace zet
