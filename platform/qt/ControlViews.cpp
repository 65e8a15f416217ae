#include "platform/qt/ControlViews.h"

#include "platform/qt/QtButtonView.h"
#include "platform/qt/QtCheckBoxView.h"
#include "platform/qt/QtComboBoxView.h"
#include "platform/qt/QtFrameView.h"
#include "platform/qt/QtLabelView.h"
#include "platform/qt/QtMultiLineTextBoxView.h"
#include "platform/qt/QtOptionButtonView.h"
#include "platform/qt/QtTextBoxView.h"

namespace zet {

namespace {

template <class Model, class ViewType>
std::unique_ptr<QtControlView> ViewIf(Control& control, QWidget* parent) {
  if (auto* model = dynamic_cast<Model*>(&control))
    return std::make_unique<ViewType>(*model, parent);
  return nullptr;
}

}  // namespace

std::unique_ptr<QtControlView> MakeControlView(Control& control, QWidget* parent) {
  using Maker = std::unique_ptr<QtControlView> (*)(Control&, QWidget*);
  static constexpr Maker kMakers[] = {
      &ViewIf<Button, QtButtonView>,
      &ViewIf<CheckBox, QtCheckBoxView>,
      &ViewIf<OptionButton, QtOptionButtonView>,
      &ViewIf<ComboBox, QtComboBoxView>,
      &ViewIf<Label, QtLabelView>,
      &ViewIf<Frame, QtFrameView>,
      &ViewIf<TextBox, QtTextBoxView>,
      &ViewIf<MultiLineTextBox, QtMultiLineTextBoxView>,
  };
  for (Maker make : kMakers) {
    if (auto view = make(control, parent)) return view;
  }
  return nullptr;
}

}  // namespace zet
