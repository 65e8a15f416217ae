#pragma once
// A listing sink that writes the output file through an AtomicFileWriter.

#include <cstddef>
#include <string>
#include <string_view>

#include "params/AtomicFile.h"
#include "results/ListingSink.h"

namespace zet {

/// Collects the listing in large blocks for an open AtomicFileWriter (the
/// caller's, which must outlive the sink). The first write the system
/// refuses (a full disk, a quota) makes Write and Finish return false and
/// is kept in Error(); nothing is written after it. Committing or
/// abandoning the file is the caller's decision.
class AtomicFileSink final : public ListingSink {
 public:
  static constexpr std::size_t kBlock = std::size_t{1} << 20;

  explicit AtomicFileSink(AtomicFileWriter& writer);

  [[nodiscard]] bool Write(std::string_view text) override;
  /// Hands over what is still collected.
  [[nodiscard]] bool Finish() override;
  [[nodiscard]] bool TakesBlocks() const noexcept override { return true; }
  /// The system error number of the refused write, or 0.
  [[nodiscard]] int Error() const noexcept { return error_; }

 private:
  bool Flush();

  AtomicFileWriter& writer_;
  std::string buffer_;
  int error_ = 0;
};

}  // namespace zet
