#pragma once
// A one-line text box (file names, comment markers, words to ignore).

#include <cstddef>
#include <string>

#include "platform/Control.h"

namespace zet {

/// A single-line editable text. The text is UTF-8; the caret position is
/// counted in characters (code points), not bytes.
class TextBox : public Control {
 public:
  using Control::Control;

  [[nodiscard]] const std::string& Text() const noexcept { return text_; }
  /// Replaces the text; the caret moves to the start.
  void SetText(std::string text);

  /// Caret position in characters, 0 to the text's length.
  [[nodiscard]] std::size_t SelStart() const noexcept { return selStart_; }
  /// Moves the caret; a position past the end puts it at the end.
  void SetSelStart(std::size_t position);

  [[nodiscard]] bool ReadOnly() const noexcept { return readOnly_; }
  void SetReadOnly(bool readOnly);

  /// The user edited the text (the view already shows it). Raises nothing:
  /// the logic reacts when the box loses the focus.
  bool UserEdit(std::string text);

 private:
  std::string text_;
  std::size_t selStart_ = 0;
  bool readOnly_ = false;
};

/// Number of characters (code points) in UTF-8 `text`: the bytes that do
/// not continue a sequence (a stray continuation byte adds nothing).
[[nodiscard]] std::size_t CountCharacters(std::string_view text) noexcept;

}  // namespace zet
