#pragma once
// A frame's view.

#include "platform/Frame.h"
#include "platform/qt/QtControlView.h"

class QGroupBox;

namespace zet {

/// A Frame as a QGroupBox drawn behind the controls it encloses. The
/// controls stay children of the window, so that every control's place is
/// in the window's client area, as the models keep it.
class QtFrameView final : public QtControlView {
 public:
  QtFrameView(Frame& frame, QWidget* parent);

 private:
  void ChangedOwn(Property property) override;
  void ShowOwn() override;

  Frame& frame_;
  QGroupBox* box_;
};

}  // namespace zet
