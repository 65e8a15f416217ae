#pragma once
// Modal message boxes as QMessageBox.

#include <QMessageBox>

#include "platform/MessageBoxes.h"

namespace zet {

/// Shows each box as an application-modal QMessageBox over the active
/// window, with exactly the title, icon and buttons asked for; the first
/// button is the default. Closing the box (close box or Escape) answers as
/// EscapeAnswer says.
class QtMessageBoxes final : public MessageBoxes {
 public:
  MessageAnswer Show(std::string_view text, std::string_view title, MessageIcon icon,
                     MessageButtons buttons) override;
};

/// Makes `box` show `text` (line breaks CR LF or LF) under `title` with
/// `icon` and `buttons`, default and escape buttons set.
void SetUpMessageBox(QMessageBox& box, std::string_view text, std::string_view title,
                     MessageIcon icon, MessageButtons buttons);

[[nodiscard]] QMessageBox::Icon ToQtIcon(MessageIcon icon) noexcept;
[[nodiscard]] QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) noexcept;
[[nodiscard]] QMessageBox::StandardButton ToQtButton(MessageAnswer answer) noexcept;
/// The answer of a `buttons` box whose button `clicked` was chosen; a
/// button that is not one of them (none chosen) gives EscapeAnswer.
[[nodiscard]] MessageAnswer ToAnswer(QMessageBox::StandardButton clicked,
                                     MessageButtons buttons) noexcept;

}  // namespace zet
