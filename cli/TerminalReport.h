#pragma once
// How zet-count shows a count's messages and progress on standard error.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string_view>

#include "cli/ProgressBar.h"
#include "engine/CountReport.h"

namespace zet {

/// Prints each message as a "zet-count: " line, and draws a progress bar
/// over inputs larger than 4 MiB when `showProgress` (standard error is a
/// terminal). The bar is erased before a message and when progress ends.
class TerminalReport final : public CountReport {
 public:
  TerminalReport(std::ostream& err, bool showProgress) : err_(err), showProgress_(showProgress) {}

  void Say(std::string_view message) override;
  void Progress(std::uint64_t done, std::uint64_t total) override;
  void EndProgress() override { bar_.reset(); }

 private:
  std::ostream& err_;
  bool showProgress_;
  std::optional<ProgressBar> bar_;
  std::uint64_t total_ = 0;
};

}  // namespace zet
