#include "results/ReportError.h"

namespace zet {
namespace {

constexpr std::string_view kResultsWritten = "\r\nResults have been written to the output file.";

std::string TextboxFullText(const ErrorReportContext& context) {
  std::string text = "Textbox is full.  ";
  if (!context.blnOutputFileNamed)
    text += "Try writing output to a file.";
  else if (context.blnOutputDisabled)
    text += "Try repeating with output to file enabled.";
  else if (context.blnOutputFileWritten)
    text += kResultsWritten;
  return text;
}

}  // namespace

std::string ReportErrorText(int number, std::string_view description,
                            const ErrorReportContext& context) {
  if (number == kErrorTextboxFull) return TextboxFullText(context);
  std::string text = "Error ";
  text += std::to_string(number);
  text += ": ";
  text += description;
  if (context.blnOutputFileWritten) text += kResultsWritten;
  return text;
}

}  // namespace zet
