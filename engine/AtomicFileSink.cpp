#include "engine/AtomicFileSink.h"

namespace zet {

AtomicFileSink::AtomicFileSink(AtomicFileWriter& writer) : writer_(writer) {
  buffer_.reserve(kBlock);
}

bool AtomicFileSink::Write(std::string_view text) {
  if (error_ != 0) return false;
  if (text.size() >= kBlock) {  // a block of a listing: no copy
    if (!Flush()) return false;
    error_ = writer_.Write(text);
    return error_ == 0;
  }
  buffer_.append(text);
  return buffer_.size() < kBlock || Flush();
}

bool AtomicFileSink::Finish() { return Flush(); }

bool AtomicFileSink::Flush() {
  if (error_ == 0 && !buffer_.empty()) error_ = writer_.Write(buffer_);
  buffer_.clear();
  return error_ == 0;
}

}  // namespace zet
