#pragma once
// Conversions between the window logic's UTF-8 texts and Qt's strings.

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

namespace zet {

/// `text` (UTF-8) as a QString.
[[nodiscard]] inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// `text` as UTF-8.
[[nodiscard]] inline std::string ToStdString(const QString& text) { return text.toStdString(); }

/// `text` with every CR LF and every lone CR turned into LF, the only line
/// break Qt's text widgets know.
[[nodiscard]] QString WithLineFeeds(std::string_view text);

/// `text` with every LF that is not already preceded by CR turned into
/// CR LF, the line break the window logic writes and expects.
[[nodiscard]] std::string WithCrLf(std::string_view text);

/// A caption shown literally by a button or check box, where "&" would
/// otherwise mark a keyboard shortcut.
[[nodiscard]] QString LiteralCaption(std::string_view caption);
/// LiteralCaption with the first `letter` (any case) marked as the
/// control's keyboard accelerator (Alt+letter); as LiteralCaption when the
/// caption lacks it or `letter` is 0.
[[nodiscard]] QString AcceleratedCaption(std::string_view caption, char letter);

/// The position in a Qt text widget (UTF-16 units, CR LF shown as one
/// break) of the caret that stands after `characters` characters (code
/// points) of UTF-8 `text`, as the control models count them. A position
/// past the end gives the end.
[[nodiscard]] int WidgetPosition(std::string_view text, std::size_t characters);

}  // namespace zet
