#pragma once
// The fonts the window logic names, as this system's fonts.

#include <QFont>

#include <string_view>

#include "platform/Control.h"

namespace zet {

/// Whether `family` names a fixed-pitch font the logic uses ("Courier New",
/// "Courier", "Terminal"), which this system may not have.
[[nodiscard]] bool IsFixedPitchFamily(std::string_view family) noexcept;

/// The Qt font for `font`: "MS Sans Serif" becomes the system's general
/// (sans) font and the fixed-pitch families the system's fixed font, since
/// a Linux desktop rarely has the originals; other families are asked for
/// by name. Size (points), bold and underline are kept. `forceFixedPitch`
/// gives the fixed font whatever the family (the layout asks for it where
/// columns must line up).
[[nodiscard]] QFont ToQFont(const Font& font, bool forceFixedPitch = false);

}  // namespace zet
