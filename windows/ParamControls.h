#pragma once
// Controls of parameters, named and captioned by the parameter table, so a
// caption is written once and the windows, the files and the command line
// agree on it.

#include <string>

#include "params/ParameterSet.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/TextBox.h"

namespace zet {

/// The table's caption of parameter `id`: a check box's own, or the text
/// of the label or button beside a list or text box.
[[nodiscard]] inline std::string ParamCaption(ParamId id) {
  return std::string(GetParamInfo(id).caption);
}

/// The check box of a check-box parameter on `form`, with the table's
/// control name and caption.
[[nodiscard]] inline CheckBox ParamCheckBox(Form& form, ParamId id) {
  return CheckBox{form, std::string(GetParamInfo(id).name), ParamCaption(id)};
}

/// The control of parameter `id` on `form` (found by the table's control
/// name), or nullptr when the form has none of that type.
template <class ControlType>
[[nodiscard]] ControlType* ParamControl(const Form& form, ParamId id) {
  return dynamic_cast<ControlType*>(form.Find(GetParamInfo(id).name));
}

/// Gives every list `form` has of a list parameter the table's items and
/// selects the default.
void FillParamLists(const Form& form);

/// Writes into `params` the values of the parameters `form` has controls
/// of; the others keep theirs.
void ReadParamControls(const Form& form, ParameterSet& params);

/// Shows `params` in the controls `form` has of them. A text that does not
/// change is not set again, so its caret stays where the user left it.
void ShowParamControls(const Form& form, const ParameterSet& params);

}  // namespace zet
