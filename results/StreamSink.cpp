#include "results/StreamSink.h"

namespace zet {

StreamSink::StreamSink(std::ostream& stream) : stream_(stream) { buffer_.reserve(kBufferSize); }

StreamSink::~StreamSink() { static_cast<void>(Flush()); }

bool StreamSink::Write(std::string_view text) {
  if (text.size() >= kBufferSize) {
    if (!Flush()) return false;
    stream_.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(stream_);
  }
  buffer_.append(text);
  if (buffer_.size() >= kBufferSize) return Flush();
  return static_cast<bool>(stream_);
}

bool StreamSink::Finish() {
  if (!Flush()) return false;
  stream_.flush();
  return static_cast<bool>(stream_);
}

bool StreamSink::Flush() {
  if (!buffer_.empty() && stream_)
    stream_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  buffer_.clear();
  return static_cast<bool>(stream_);
}

}  // namespace zet
