#include "cli/TerminalReport.h"

#include <ostream>

namespace zet {
namespace {

// Inputs larger than this get a progress bar on a terminal.
constexpr std::uint64_t kProgressThreshold = std::uint64_t{4} << 20;

}  // namespace

void TerminalReport::Say(std::string_view message) {
  bar_.reset();
  err_ << "zet-count: " << message << '\n';
}

void TerminalReport::Progress(std::uint64_t done, std::uint64_t total) {
  if (!bar_ || total != total_) {
    bar_.reset();
    bar_.emplace(err_, total, showProgress_ && total > kProgressThreshold);
    total_ = total;
  }
  bar_->Update(done);
}

}  // namespace zet
