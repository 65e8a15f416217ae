#pragma once
// Choosing the view for a control by its kind.

#include <memory>

#include "platform/qt/QtControlView.h"

namespace zet {

/// A new view for `control`, its widget a child of `parent`, attached to the
/// control; nullptr for a kind of control this platform has no widget for.
[[nodiscard]] std::unique_ptr<QtControlView> MakeControlView(Control& control, QWidget* parent);

}  // namespace zet
