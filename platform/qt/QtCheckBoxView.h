#pragma once
// A check box's view.

#include "platform/CheckBox.h"
#include "platform/qt/QtControlView.h"

class QCheckBox;

namespace zet {

/// A CheckBox as a QCheckBox; the grayed value shows as partly checked.
/// The widget never keeps a state of its own: after the user's click it
/// shows whatever the model's handlers left (a handler may put it back).
class QtCheckBoxView final : public QtControlView {
 public:
  QtCheckBoxView(CheckBox& box, QWidget* parent);

 private:
  void ChangedOwn(Property property) override;
  void ShowOwn() override;
  void ShowValue();

  CheckBox& box_;
  QCheckBox* check_;
};

}  // namespace zet
