#pragma once
// Readable names of the platform's enumerations, for test output and for
// the headless platform's problem reports.

#include <ostream>
#include <string_view>

#include "platform/MessageBoxes.h"

namespace zet {

[[nodiscard]] std::string_view ToString(MessageIcon icon) noexcept;
[[nodiscard]] std::string_view ToString(MessageButtons buttons) noexcept;
[[nodiscard]] std::string_view ToString(MessageAnswer answer) noexcept;

inline std::ostream& operator<<(std::ostream& os, MessageIcon v) { return os << ToString(v); }
inline std::ostream& operator<<(std::ostream& os, MessageButtons v) { return os << ToString(v); }
inline std::ostream& operator<<(std::ostream& os, MessageAnswer v) { return os << ToString(v); }

}  // namespace zet
