#pragma once
// A push button's view.

#include "platform/Button.h"
#include "platform/qt/QtControlView.h"

class QPushButton;

namespace zet {

/// A Button as a QPushButton. A click, Space or Enter on the focused button
/// is the user's click.
class QtButtonView final : public QtControlView {
 public:
  /// Makes the widget as a child of `parent`.
  QtButtonView(Button& button, QWidget* parent);

 private:
  void ChangedOwn(Property property) override;
  void ShowOwn() override;
  bool KeyNotSwallowed(const QKeyEvent& event) override;

  Button& button_;
  QPushButton* push_;
};

}  // namespace zet
