#pragma once
// The large multi-line text box with a scroll bar (the output textbox, the
// help text).

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

#include "platform/Control.h"

namespace zet {

/// Whether a text fitted into a text box.
enum class TextFit {
  kFits,  // the text was taken
  kFull,  // refused: the box would exceed its capacity; its text is unchanged
};

/// A multi-line text with a character capacity. The text is UTF-8 and all
/// sizes and positions are in characters (code points). Line breaks are
/// stored as given (the logic writes CR LF); a view shows CR LF, LF and CR
/// each as one line break.
///
/// Filling never fails silently: a change that would take the text over the
/// capacity is refused as a whole and reported as TextFit::kFull, so a
/// listing that appends line by line keeps exactly the lines that fitted.
class MultiLineTextBox : public Control {
 public:
  static constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();

  /// `capacity` is the most characters the box holds.
  MultiLineTextBox(Form& form, std::string name, std::size_t capacity = kUnlimited);

  [[nodiscard]] const std::string& Text() const noexcept { return text_; }
  /// Length of the text in characters.
  [[nodiscard]] std::size_t Length() const noexcept { return length_; }
  [[nodiscard]] bool Empty() const noexcept { return text_.empty(); }

  [[nodiscard]] std::size_t Capacity() const noexcept { return capacity_; }
  /// Changes the capacity; the current text is kept even if longer.
  void SetCapacity(std::size_t capacity) noexcept { capacity_ = capacity; }

  /// Replaces the whole text and puts the caret at the start, or refuses.
  [[nodiscard]] TextFit SetText(std::string text);
  /// Adds `tail` at the end, or refuses. Amortised cost is that of the tail,
  /// not of the whole text; the view is told only the tail. The caret stays
  /// where it was.
  [[nodiscard]] TextFit Append(std::string_view tail);
  /// Empties the text (always fits).
  void Clear();
  /// Removes the last `count` characters (all of them if fewer).
  void EraseLast(std::size_t count);

  /// Caret position in characters, 0 to Length().
  [[nodiscard]] std::size_t SelStart() const noexcept { return selStart_; }
  /// Moves the caret (past the end means the end); the view scrolls it
  /// into view.
  void SetSelStart(std::size_t position);
  /// Puts the caret at the end of the text, bringing the last lines into view.
  void MoveCaretToEnd() { SetSelStart(length_); }

  [[nodiscard]] bool ReadOnly() const noexcept { return readOnly_; }
  void SetReadOnly(bool readOnly);

  /// The user edited the text (typing, pasting). Refused (false) when not
  /// Usable(), read-only, or over the capacity; a view keeps user edits
  /// within Capacity(). Raises nothing.
  bool UserEdit(std::string text);

 private:
  std::string text_;
  std::size_t length_ = 0;
  std::size_t capacity_;
  std::size_t selStart_ = 0;
  bool readOnly_ = false;
};

}  // namespace zet
