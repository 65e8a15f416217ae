#pragma once
// The system clipboard's plain text.

#include <string>
#include <string_view>

namespace zet {

/// The clipboard, as plain UTF-8 text.
class Clipboard {
 public:
  virtual ~Clipboard() = default;

  /// The clipboard's plain text; empty when it holds no text (or only other
  /// kinds of data).
  [[nodiscard]] virtual std::string GetText() = 0;
  /// Empties the clipboard.
  virtual void Clear() = 0;
  /// Puts `text` on the clipboard as plain text, replacing what was there.
  /// Empty text leaves the clipboard empty.
  virtual void SetText(std::string_view text) = 0;
};

}  // namespace zet
