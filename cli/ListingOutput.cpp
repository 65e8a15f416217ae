#include "cli/ListingOutput.h"

#include <ostream>

#include "params/ListingParams.h"
#include "results/Listing.h"
#include "results/StreamSink.h"

namespace zet {
namespace {

// The textbox's CR LF line ends become this system's LF.
class TerminalSink final : public ListingSink {
 public:
  explicit TerminalSink(std::ostream& out) : sink_(out) {}
  [[nodiscard]] bool Write(std::string_view text) override {
    if (text.ends_with("\r\n")) {
      return sink_.Write(text.substr(0, text.size() - 2)) && sink_.Write("\n");
    }
    return sink_.Write(text);
  }
  [[nodiscard]] bool Finish() override { return sink_.Finish(); }

 private:
  StreamSink sink_;
};

}  // namespace

bool WriteStandardOutput(const WordTable& table, const ListResults& results,
                         const ParameterSet& params, std::span<const std::int64_t> ranges,
                         std::ostream& out) {
  // Format 9 is one line of words joined by ", ": as the file has it, which
  // is what the textbox shows once its last separator is gone.
  const bool oneLine = FormatOf(params) == DisplayFormat::WordCommas;
  TerminalSink sink(out);
  ListingOptions options =
      ListingOptionsFor(params, oneLine ? ListingTarget::OutputFile : ListingTarget::Textbox);
  options.blnOutputWithCommas = false;
  options.ranges = ranges;
  const ListingOutcome outcome = WriteListing(table, results, options, sink);
  if (oneLine) out << '\n';
  return outcome == ListingOutcome::Completed && out.good();
}

}  // namespace zet
