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

  /// True when the sink only appends what it is given, so that a piece may
  /// hold any number of lines: a listing without a pump then hands over
  /// about a megabyte at a time instead of a line.
  [[nodiscard]] virtual bool TakesBlocks() const noexcept { return false; }
};

/// A sink that appends to a string the caller owns; never refuses.
class StringSink final : public ListingSink {
 public:
  explicit StringSink(std::string& text) : text_(text) {}
  [[nodiscard]] bool Write(std::string_view text) override {
    text_.append(text);
    return true;
  }
  [[nodiscard]] bool TakesBlocks() const noexcept override { return true; }

 private:
  std::string& text_;
};

}  // namespace zet
