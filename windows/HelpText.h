#pragma once
// The text of the help window.

#include <string>

namespace zet {

/// Number of paragraphs of the help text.
inline constexpr int kHelpParagraphCount = 14;

/// The help text: kHelpParagraphCount paragraphs, each followed by an empty
/// line (two CR LF line breaks). It states the output textbox's capacity
/// (kOutputTextboxCapacity) in the program's digit grouping.
[[nodiscard]] std::string HelpText();

}  // namespace zet
