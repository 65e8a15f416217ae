#include "params/frmParams.h"

#include "scanner/CommonWords.h"
#include "scanner/TextCodec.h"

namespace zet {

frmParams::frmParams(Platform& platform, ParamsHost& host) : platform_(platform), host_(host) {
  form.SetCaption("ZET: Set parameters");
  lblOnThisPage.SetCaption(
      "When text is being scanned you can ignore some words by checking "
      "the boxes at right. In addition you can fine tune how the text is scanned "
      "by checking the boxes below.");
  // The initial texts of the marker boxes; defaults never touch them again.
  txbStartComment0.SetText("/*");
  txbEndComment0.SetText("*/");
  txbStartComment1.SetText("//");
  const Font fixed{"Courier New", 8.25};
  for (TextBox* box : {&txbCommonWordsFile, &txbWordsToIgnore, &txbStartComment0, &txbEndComment0,
                       &txbStartComment1, &txbEndComment1, &txbParametersFile})
    box->SetFont(fixed);
}

void frmParams::FillComboBoxes() {
  for (ParamId id : {ParamId::cboShortWordSize, ParamId::cboLongWordSize, ParamId::cboThresholdFrequency}) {
    ComboBox& box = *ComboBoxOf(id);
    box.ClearItems();
    const ParamInfo& info = GetParamInfo(id);
    for (std::string_view item : info.items) box.AddItem(std::string(item));
    box.SetListIndex(info.defaultValue);
  }
}

void frmParams::SetDefaultValues() {
  host_.ClearWordsGot();
  const ParameterSet defaults;
  for (const ParamInfo& info : AllParams()) {
    if (!info.restoredByDefaults) continue;
    if (CheckBox* box = CheckBoxOf(info.id)) box->SetValue(defaults.Value(info.id));
    if (ComboBox* list = ComboBoxOf(info.id)) list->SetListIndex(defaults.Value(info.id));
  }
}

ParameterSet frmParams::Parameters() const {
  ParameterSet params;
  auto& self = const_cast<frmParams&>(*this);  // the lookups do not change anything
  for (const ParamInfo& info : AllParams()) {
    if (CheckBox* box = self.CheckBoxOf(info.id)) (void)params.SetValue(info.id, box->Value());
    if (ComboBox* list = self.ComboBoxOf(info.id)) (void)params.SetValue(info.id, list->ListIndex());
    if (TextBox* text = self.TextBoxOf(info.id)) params.SetText(info.id, text->Text());
  }
  return params;
}

void frmParams::ApplyParameters(const ParameterSet& params) {
  for (const ParamInfo& info : AllParams()) {
    if (CheckBox* box = CheckBoxOf(info.id)) box->SetValue(params.Value(info.id));
    if (ComboBox* list = ComboBoxOf(info.id)) list->SetListIndex(params.Value(info.id));
    if (TextBox* text = TextBoxOf(info.id)) text->SetText(params.Text(info.id));
  }
}

void frmParams::txbWordsToIgnore_LostFocus() {
  const WordsToIgnore words = ParseWordsToIgnore(DecodeToCp1252(txbWordsToIgnore.Text()));
  txbWordsToIgnore.SetText(EncodeUtf8(words.boxText));
  strWordsToIgnore_ = words.list;
}

CheckBox* frmParams::CheckBoxOf(ParamId id) {
  switch (id) {
    case ParamId::chkCaseSignificant: return &chkCaseSignificant;
    case ParamId::chkAllowWordsWithHyphens: return &chkAllowWordsWithHyphens;
    case ParamId::chkAllowWordsWithApostrophes: return &chkAllowWordsWithApostrophes;
    case ParamId::chkAllowWordsWithUnderscores: return &chkAllowWordsWithUnderscores;
    case ParamId::chkAllowWordsWithColons: return &chkAllowWordsWithColons;
    case ParamId::chkAllowWordsWithBackslashes: return &chkAllowWordsWithBackslashes;
    case ParamId::chkAllowWordsWithForwardslashes: return &chkAllowWordsWithForwardslashes;
    case ParamId::chkAllowWordsWithPeriods: return &chkAllowWordsWithPeriods;
    case ParamId::chkAllowWordsWithAtSigns: return &chkAllowWordsWithAtSigns;
    case ParamId::chkAllowWordsWithNumerals: return &chkAllowWordsWithNumerals;
    case ParamId::chkDropFinalS: return &chkDropFinalS;
    case ParamId::chkAllowCommentMarkers: return &chkAllowCommentMarkers;
    case ParamId::chkIgnoreCommonWords: return &chkIgnoreCommonWords;
    case ParamId::chkIgnoreRepetitions: return &chkIgnoreRepetitions;
    case ParamId::chkIgnoreRomNum40: return &chkIgnoreRomNum40;
    case ParamId::chkIgnoreNoVowelOrY: return &chkIgnoreNoVowelOrY;
    case ParamId::chkIgnoreShortWords: return &chkIgnoreShortWords;
    case ParamId::chkIgnoreInfrequentWords: return &chkIgnoreInfrequentWords;
    case ParamId::chkOutputWithCommas: return &chkOutputWithCommas;
    case ParamId::chkWarnOnOverwrite: return &chkWarnOnOverwrite;
    case ParamId::chkSaveStateOnQuit: return &chkSaveStateOnQuit;
    default: return nullptr;
  }
}

ComboBox* frmParams::ComboBoxOf(ParamId id) {
  switch (id) {
    case ParamId::cboShortWordSize: return &cboShortWordSize;
    case ParamId::cboLongWordSize: return &cboLongWordSize;
    case ParamId::cboThresholdFrequency: return &cboThresholdFrequency;
    default: return nullptr;
  }
}

TextBox* frmParams::TextBoxOf(ParamId id) {
  switch (id) {
    case ParamId::txbStartComment0: return &txbStartComment0;
    case ParamId::txbEndComment0: return &txbEndComment0;
    case ParamId::txbStartComment1: return &txbStartComment1;
    case ParamId::txbEndComment1: return &txbEndComment1;
    case ParamId::txbCommonWordsFile: return &txbCommonWordsFile;
    case ParamId::txbWordsToIgnore: return &txbWordsToIgnore;
    default: return nullptr;
  }
}

}  // namespace zet
