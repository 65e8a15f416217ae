#pragma once
// The window logic the desktop program runs.

#include <memory>

#include "platform/qt/RunDesktop.h"

namespace zet {

/// Makes the program's windows on `desktop` and starts them up: the one
/// place that knows which windows the program has (the GUI tests use it
/// too, to see the program as a user does).
[[nodiscard]] std::unique_ptr<DesktopProgram> MakeZetProgram(QtDesktop& desktop);

}  // namespace zet
