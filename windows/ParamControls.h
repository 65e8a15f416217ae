#pragma once
// Controls of parameters, named and captioned by the parameter table, so a
// caption is written once and the windows, the files and the command line
// agree on it.

#include "params/ParameterSet.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/TextBox.h"

namespace zet {

/// The check box of a check-box parameter on `form`, with the table's
/// control name and caption.
[[nodiscard]] inline CheckBox ParamCheckBox(Form& form, ParamId id) {
  const ParamInfo& info = GetParamInfo(id);
  return CheckBox{form, std::string(info.name), std::string(info.caption)};
}

/// The control of parameter `id` on `form` (found by the table's control
/// name), or nullptr when the form has none of that type.
template <class ControlType>
[[nodiscard]] ControlType* ParamControl(const Form& form, ParamId id) {
  return dynamic_cast<ControlType*>(form.Find(GetParamInfo(id).name));
}

}  // namespace zet
