#include "cli/ListingOutput.h"

#include <ostream>

#include "params/AtomicFile.h"
#include "engine/AtomicFileSink.h"
#include "results/Listing.h"
#include "results/StreamSink.h"

namespace zet {
namespace {

WordOrder OrderOf(const ParameterSet& params) {
  return params.Value(ParamId::cboWordOrder) == 1 ? WordOrder::Alphabetical : WordOrder::ByFrequency;
}

DisplayFormat FormatOf(const ParameterSet& params) {
  const int index = params.Value(ParamId::cboDisplayFormat);
  return index >= 0 && index < kDisplayFormatCount ? static_cast<DisplayFormat>(index)
                                                   : DisplayFormat::RankFrequencyWord;
}

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

std::optional<RunTimeError> WriteOutputFileAtomically(const std::string& path, const WordTable& table,
                                                      const ListResults& results,
                                                      const ParameterSet& params) {
  AtomicFileWriter writer;
  if (const int error = writer.Open(path); error != 0) return RunTimeErrorFromErrno(error);
  AtomicFileSink sink(writer);
  const ListingOptions options{OrderOf(params), FormatOf(params),
                               params.IsChecked(ParamId::chkOutputWithCommas),
                               ListingTarget::OutputFile, kMinColumnWidth};
  if (WriteListing(table, results, options, sink) != ListingOutcome::Completed)
    return RunTimeErrorFromErrno(sink.Error() != 0 ? sink.Error() : EIO);
  if (const int error = writer.Commit(); error != 0) return RunTimeErrorFromErrno(error);
  return std::nullopt;
}

bool WriteStandardOutput(const WordTable& table, const ListResults& results,
                         const ParameterSet& params, std::ostream& out) {
  const DisplayFormat format = FormatOf(params);
  // Format 9 is one line of words joined by ", ": as the file has it, which
  // is what the textbox shows once its last separator is gone.
  const bool oneLine = format == DisplayFormat::WordCommas;
  TerminalSink sink(out);
  const ListingOptions options{OrderOf(params), format, false,
                               oneLine ? ListingTarget::OutputFile : ListingTarget::Textbox,
                               kMinColumnWidth};
  const ListingOutcome outcome = WriteListing(table, results, options, sink);
  if (oneLine) out << '\n';
  return outcome == ListingOutcome::Completed && out.good();
}

}  // namespace zet
