#pragma once
// Modal message boxes.

#include <string_view>

namespace zet {

/// The icon of a message box.
enum class MessageIcon { kNone, kInformation, kExclamation, kCritical, kQuestion };

/// The buttons of a message box.
enum class MessageButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };

/// The button the user chose. Closing a box by its close box or Escape
/// answers Cancel when the box has a Cancel button, No for Yes/No, and OK
/// for an OK box.
enum class MessageAnswer { kOk, kCancel, kYes, kNo };

/// Shows modal message boxes. The call returns when the user answered;
/// meanwhile no other window of the program takes input.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  /// Shows `text` (UTF-8; line breaks CR LF or LF) under `title` (may be
  /// empty) with `icon` and `buttons`, and returns the answer, which is
  /// always one of the buttons shown.
  virtual MessageAnswer Show(std::string_view text, std::string_view title, MessageIcon icon,
                             MessageButtons buttons) = 0;
};

/// Whether `answer` is one of the buttons of a `buttons` box.
[[nodiscard]] constexpr bool IsAnswerOf(MessageAnswer answer, MessageButtons buttons) noexcept {
  switch (buttons) {
    case MessageButtons::kOk:
      return answer == MessageAnswer::kOk;
    case MessageButtons::kOkCancel:
      return answer == MessageAnswer::kOk || answer == MessageAnswer::kCancel;
    case MessageButtons::kYesNo:
      return answer == MessageAnswer::kYes || answer == MessageAnswer::kNo;
    case MessageButtons::kYesNoCancel:
      return answer != MessageAnswer::kOk;
  }
  return false;
}

/// The answer of a box closed without choosing a button (see MessageAnswer).
[[nodiscard]] constexpr MessageAnswer EscapeAnswer(MessageButtons buttons) noexcept {
  switch (buttons) {
    case MessageButtons::kOk:
      return MessageAnswer::kOk;
    case MessageButtons::kYesNo:
      return MessageAnswer::kNo;
    case MessageButtons::kOkCancel:
    case MessageButtons::kYesNoCancel:
      break;
  }
  return MessageAnswer::kCancel;
}

}  // namespace zet
