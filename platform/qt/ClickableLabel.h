#pragma once
// A QLabel that reports clicks.

#include <QLabel>

#include <functional>

namespace zet {

/// A label that runs `onClicked` when the left mouse button is pressed and
/// released over it, as a button would.
class ClickableLabel final : public QLabel {
 public:
  using QLabel::QLabel;

  std::function<void()> onClicked;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace zet
