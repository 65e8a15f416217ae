#pragma once
// How much a window's layout must grow for this system's fonts.

#include <functional>
#include <string_view>

#include "platform/qt/WindowLayout.h"

class QWidget;

namespace zet {

/// The factor (1 to 2, in steps of 0.05) by which every place and size of
/// `layout` must be multiplied so that each caption fits its control in the
/// font the control shows: the widest text of an entry if it has one,
/// otherwise the caption the widget shows now (labels that wrap are left
/// out). The twips were chosen for the narrow fonts the window was designed
/// with; wider system fonts make the whole window grow evenly.
/// `widgetOf` gives the widget of a control name (nullptr for none).
[[nodiscard]] double FitScale(const WindowLayout& layout,
                              const std::function<QWidget*(std::string_view)>& widgetOf,
                              double dotsPerInch);

}  // namespace zet
