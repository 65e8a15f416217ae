#include "results/OutputStage.h"

#include "results/StreamSink.h"

namespace zet {

bool IsOutputToFile(const ParameterSet& params) {
  return !params.Text(ParamId::txbFileOutput).empty() &&
         params.Value(ParamId::chkDisableOutputToFile) != 1;
}

bool MustAskOverwrite(const ParameterSet& params, bool fileExists) {
  return IsOutputToFile(params) && params.Value(ParamId::chkWarnOnOverwrite) != 0 && fileExists;
}

std::string ReportNoWordsListed(std::size_t lngNumWords, const ParameterSet& params) {
  if (lngNumWords == 0) return std::string(kNoWordsFound);
  const int shortIndex = params.Value(ParamId::cboShortWordSize);
  std::string text = "No words with more than ";
  text += std::to_string(shortIndex + 1);
  text += " letter";
  if (shortIndex != 0) text += "s";
  text += "\r\noccur at least ";
  // The threshold the filter applied: with its box unchecked (or nothing
  // selected) no word was left out for being rare.
  const int threshold = params.IsChecked(ParamId::chkIgnoreInfrequentWords)
                            ? params.Value(ParamId::cboThresholdFrequency) + 2
                            : 1;
  if (threshold <= 1)
    text += "once.";
  else if (threshold == 2)
    text += "twice.";
  else
    text += std::to_string(threshold) + " times.";
  return text;
}

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

ListingOutcome WriteOutputFile(const WordTable& table, const ListResults& results,
                               WordOrder order, DisplayFormat format, bool blnOutputWithCommas,
                               std::ostream& file, const ListingPump& pump) {
  StreamSink sink(file);
  const ListingOptions options{order, format, blnOutputWithCommas, ListingTarget::OutputFile,
                               kMinColumnWidth};
  return WriteListing(table, results, options, sink, pump);
}

std::string RenderTextboxListing(const WordTable& table, const ListResults& results,
                                 WordOrder order, DisplayFormat format, const ListingPump& pump) {
  std::string text;
  StringSink sink(text);
  const ListingOptions options{order, format, false, ListingTarget::Textbox, kMinColumnWidth};
  const ListingOutcome outcome = WriteListing(table, results, options, sink, pump);
  FinishTextboxListing(text, outcome, format);
  return text;
}

}  // namespace zet
