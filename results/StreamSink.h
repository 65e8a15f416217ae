#pragma once
// A listing sink that writes to a stream through one reused buffer.

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "results/ListingSink.h"

namespace zet {

/// Collects the listing in a buffer and hands it to the stream in large
/// blocks, so a listing of millions of lines costs a few hundred writes; a
/// piece at least as large as the buffer goes to the stream directly.
/// The stream is the caller's and must outlive the sink. A write refused by
/// the stream (its failbit or badbit set) makes Write and Finish return
/// false. Whatever is still buffered when the sink is destroyed without
/// Finish is written then.
class StreamSink final : public ListingSink {
 public:
  static constexpr std::size_t kBufferSize = std::size_t{1} << 20;

  explicit StreamSink(std::ostream& stream);
  ~StreamSink() override;
  StreamSink(const StreamSink&) = delete;
  StreamSink& operator=(const StreamSink&) = delete;

  [[nodiscard]] bool Write(std::string_view text) override;
  [[nodiscard]] bool Finish() override;
  [[nodiscard]] bool TakesBlocks() const noexcept override { return true; }

 private:
  bool Flush();

  std::ostream& stream_;
  std::string buffer_;
};

}  // namespace zet
