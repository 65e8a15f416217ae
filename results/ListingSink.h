#pragma once
// Where the text of a listing goes.

#include <string>
#include <string_view>

namespace zet {

/// Receives the text of a listing, UTF-8, piece by piece in order: each
/// line with its line end, or each word with its separator in format 9.
class ListingSink {
 public:
  virtual ~ListingSink() = default;

  /// Takes the next piece. Returns false when the destination refuses it
  /// (a failed write, a full textbox); the listing then ends.
  [[nodiscard]] virtual bool Write(std::string_view text) = 0;

  /// Called once when the listing ends, also after a stop, so that what was
  /// written is complete at the destination. False when that fails.
  [[nodiscard]] virtual bool Finish() { return true; }
};

/// A sink that appends to a string the caller owns; never refuses.
class StringSink final : public ListingSink {
 public:
  explicit StringSink(std::string& text) : text_(text) {}
  [[nodiscard]] bool Write(std::string_view text) override {
    text_.append(text);
    return true;
  }

 private:
  std::string& text_;
};

}  // namespace zet
