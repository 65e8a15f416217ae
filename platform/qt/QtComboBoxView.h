#pragma once
// A drop-down list's view.

#include "platform/ComboBox.h"
#include "platform/qt/QtControlView.h"

class QComboBox;

namespace zet {

/// A ComboBox as a non-editable QComboBox. The user's choice (mouse,
/// arrow keys, wheel) reaches the model; the widget then shows the model's
/// selection, whatever its handlers made of it.
class QtComboBoxView final : public QtControlView {
 public:
  QtComboBoxView(ComboBox& box, QWidget* parent);

 private:
  void ChangedOwn(Property property) override;
  void ShowOwn() override;
  void ShowItems();
  void ShowIndex();

  ComboBox& box_;
  QComboBox* combo_;
};

}  // namespace zet
