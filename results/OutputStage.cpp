#include "results/OutputStage.h"

#include "results/StreamSink.h"

namespace zet {

std::string TextboxAfterFileStopped() { return std::string(kOutputToFileTerminated) + "\r\n"; }

void FinishTextboxListing(std::string& text, ListingOutcome outcome, DisplayFormat format) {
  if (outcome == ListingOutcome::Stopped) {
    text += "\r\n";
    text += kListingStopped;
    text += "\r\n";
    return;
  }
  if (format == DisplayFormat::WordCommas && text.size() > 2 && text.ends_with(", "))
    text.resize(text.size() - 2);
}

ListingOutcome WriteOutputFile(const WordTable& table, const ListResults& results, WordOrder order,
                               DisplayFormat format, bool blnOutputWithCommas, std::ostream& file,
                               const ListingPump& pump) {
  StreamSink sink(file);
  const ListingOptions options{
      order, format, blnOutputWithCommas, ListingTarget::OutputFile, kMinColumnWidth, {}};
  return WriteListing(table, results, options, sink, pump);
}

std::string RenderTextboxListing(const WordTable& table, const ListResults& results,
                                 WordOrder order, DisplayFormat format, const ListingPump& pump) {
  std::string text;
  StringSink sink(text);
  const ListingOptions options{order, format, false, ListingTarget::Textbox, kMinColumnWidth, {}};
  const ListingOutcome outcome = WriteListing(table, results, options, sink, pump);
  FinishTextboxListing(text, outcome, format);
  return text;
}

}  // namespace zet
