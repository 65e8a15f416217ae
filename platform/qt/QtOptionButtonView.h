#pragma once
// An option button's view.

#include "platform/OptionButton.h"
#include "platform/qt/QtControlView.h"

class QRadioButton;

namespace zet {

/// An OptionButton as a QRadioButton. The model keeps its group exclusive,
/// so the widgets do not group themselves.
class QtOptionButtonView final : public QtControlView {
 public:
  QtOptionButtonView(OptionButton& option, QWidget* parent);

 private:
  void ChangedOwn(Property property) override;
  void ShowOwn() override;
  void ShowValue();

  OptionButton& option_;
  QRadioButton* radio_;
};

}  // namespace zet
