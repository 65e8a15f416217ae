#include "cli/ProgressBar.h"

#include <algorithm>
#include <string>

namespace zet {

ProgressBar::ProgressBar(std::ostream& terminal, std::uint64_t total, bool enabled)
    : terminal_(terminal), total_(total), enabled_(enabled && total > 0) {}

ProgressBar::~ProgressBar() { Clear(); }

std::string ProgressBar::Text(int position) {
  // Every frame is as wide as the others and as Clear's blanks, or a wider
  // one would leave a stray "]" on the terminal line.
  if (position <= 0) position = 1;
  if (position > kWidth) position = kWidth;
  return "[" + std::string(static_cast<std::size_t>(position - 1), '-') + ">" +
         std::string(static_cast<std::size_t>(kWidth - position), ' ') + "]";
}

void ProgressBar::Update(std::uint64_t done) {
  if (!enabled_) return;
  const auto position = static_cast<int>((std::min(done, total_) * kWidth + total_ / 2) / total_);
  if (position == shown_) return;
  shown_ = position;
  terminal_ << '\r' << Text(position) << std::flush;
}

void ProgressBar::Clear() {
  if (!enabled_ || shown_ < 0) return;
  terminal_ << '\r' << std::string(kWidth + 2, ' ') << '\r' << std::flush;
  shown_ = -1;
}

}  // namespace zet
