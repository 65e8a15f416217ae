#pragma once
// The text progress bar that zet-count draws on a terminal.

#include <cstdint>
#include <ostream>

namespace zet {

/// Draws "[---->      ]" on one terminal line as bytes are read, redrawing
/// only when the bar moves. Draws nothing when disabled.
class ProgressBar {
 public:
  static constexpr int kWidth = 37;

  ProgressBar(std::ostream& terminal, std::uint64_t total, bool enabled);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void Update(std::uint64_t done);
  /// Erases the bar.
  void Clear();

  /// The bar's text for a position from 0 to kWidth, always kWidth + 2
  /// characters: "[", the arrow reaching `position` (at least its head),
  /// spaces, "]".
  [[nodiscard]] static std::string Text(int position);

 private:
  std::ostream& terminal_;
  std::uint64_t total_;
  bool enabled_;
  int shown_ = -1;
};

}  // namespace zet
