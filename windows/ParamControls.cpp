#include "windows/ParamControls.h"

namespace zet {

void FillParamLists(const Form& form) {
  for (const ParamInfo& info : AllParams()) {
    ComboBox* box = ParamControl<ComboBox>(form, info.id);
    if (box == nullptr) continue;
    box->ClearItems();
    for (std::string_view item : info.items) box->AddItem(std::string(item));
    box->SetListIndex(info.defaultValue);
  }
}

void ReadParamControls(const Form& form, ParameterSet& params) {
  for (const ParamInfo& info : AllParams()) {
    if (const CheckBox* box = ParamControl<CheckBox>(form, info.id))
      (void)params.SetValue(info.id, box->Value());
    if (const ComboBox* list = ParamControl<ComboBox>(form, info.id))
      (void)params.SetValue(info.id, list->ListIndex());
    if (const TextBox* text = ParamControl<TextBox>(form, info.id))
      params.SetText(info.id, text->Text());
  }
}

void ShowParamControls(const Form& form, const ParameterSet& params) {
  for (const ParamInfo& info : AllParams()) {
    if (CheckBox* box = ParamControl<CheckBox>(form, info.id)) box->SetValue(params.Value(info.id));
    if (ComboBox* list = ParamControl<ComboBox>(form, info.id))
      list->SetListIndex(params.Value(info.id));
    TextBox* text = ParamControl<TextBox>(form, info.id);
    if (text != nullptr && text->Text() != params.Text(info.id))
      text->SetText(params.Text(info.id));
  }
}

}  // namespace zet
