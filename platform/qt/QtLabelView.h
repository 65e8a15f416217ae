#pragma once
// A label's view.

#include "platform/Label.h"
#include "platform/qt/QtControlView.h"

namespace zet {

class ClickableLabel;

/// A Label as a plain-text QLabel that reports clicks. It shows exactly the
/// caption it is given (the twirler's characters included); a link-style
/// label is drawn in the link colour, underlined, with a hand pointer.
class QtLabelView final : public QtControlView {
 public:
  QtLabelView(Label& label, QWidget* parent);

  /// Breaks long captions into lines (set by the layout for labels that
  /// hold sentences).
  void SetWordWrap(bool wrap);

 private:
  void ChangedOwn(Property property) override;
  void ShowOwn() override;
  void ShowFont() override;
  void ShowAlignment();
  void ShowLinkStyle();

  Label& label_;
  ClickableLabel* text_;
};

}  // namespace zet
