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

bool WriteStandardOutputWith(const ParameterSet& params, std::ostream& out,
                             const ListingWriter& list) {
  // Format 9 is one line of words joined by ", ": as the file has it, which
  // is what the textbox shows once its last separator is gone.
  const bool oneLine = FormatOf(params) == DisplayFormat::WordCommas;
  TerminalSink sink(out);
  ListingOptions options =
      ListingOptionsFor(params, oneLine ? ListingTarget::OutputFile : ListingTarget::Textbox);
  options.blnOutputWithCommas = false;
  const ListingOutcome outcome = list(options, sink);
  if (oneLine) out << '\n';
  return outcome == ListingOutcome::Completed && out.good();
}

bool WriteStandardOutput(const WordTable& table, const ListResults& results,
                         const ParameterSet& params, std::ostream& out) {
  return WriteStandardOutputWith(params, out,
                                 [&](const ListingOptions& options, ListingSink& sink) {
                                   return WriteListing(table, results, options, sink);
                                 });
}

}  // namespace zet
