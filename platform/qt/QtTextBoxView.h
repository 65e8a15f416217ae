#pragma once
// A one-line text box's view.

#include "platform/TextBox.h"
#include "platform/qt/QtControlView.h"

class QLineEdit;

namespace zet {

/// A TextBox as a QLineEdit. Each edit of the user's reaches the model at
/// once (the logic reacts when the box loses the focus); an edit the model
/// refuses (read-only) is undone in the widget.
class QtTextBoxView final : public QtControlView {
 public:
  QtTextBoxView(TextBox& box, QWidget* parent);

 private:
  void ChangedOwn(Property property) override;
  void ShowOwn() override;
  void ShowText();
  void ShowCaret();

  TextBox& box_;
  QLineEdit* edit_;
};

}  // namespace zet
