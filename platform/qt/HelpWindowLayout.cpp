// The help window: the text above, "Close" centred under it. The window's
// logic fits both to the window whenever it is resized.
#include <array>

#include "platform/qt/WindowLayout.h"

namespace zet {

namespace {

constexpr std::array<LayoutEntry, 2> kEntries = {{
    {"txbHelpScreen", 120, 120, 10620, 5290},
    {"cmdClose", 4877, 5570, 1215, 375},
}};

constexpr WindowLayout kLayout{"frmHelp", 10970, 6370, true, kEntries, false, {}, true};

}  // namespace

const WindowLayout& HelpWindowLayout() noexcept { return kLayout; }

}  // namespace zet
