#pragma once
// The text of the one report of a run-time failure.

#include <string>
#include <string_view>

namespace zet {

/// Title of the error report's message box (exclamation icon, OK button).
inline constexpr std::string_view kErrorTitle = "Error";

/// Error number of a textbox that cannot take more text.
inline constexpr int kErrorTextboxFull = 7;

/// What the report says about the output file.
struct ErrorReportContext {
  bool blnOutputFileNamed = false;    ///< an output file name is given
  bool blnOutputDisabled = false;     ///< "Disable" is checked (value 1)
  bool blnOutputFileWritten = false;  ///< the file was completed in this output stage
};

/// The message for error `number` with the platform's `description`.
/// A full textbox (kErrorTextboxFull) gets "Textbox is full.  " and advice
/// that depends on the output file; any other error reads "Error", the
/// number, ": " and the description, followed by a line saying the results
/// are in the output file when it was written. Line breaks are CR LF.
[[nodiscard]] std::string ReportErrorText(int number, std::string_view description,
                                          const ErrorReportContext& context);

}  // namespace zet
