#pragma once
// The fixed texts of the input and output file checks, in one place.
// Line breaks inside messages are CR LF.

#include <string_view>

namespace zet::texts {

// Titles of the message boxes.
inline constexpr std::string_view kTitleError = "Error";
inline constexpr std::string_view kTitleWarning = "Warning";
inline constexpr std::string_view kTitleInvalidInput = "Invalid input";
inline constexpr std::string_view kTitleFileNotFound = "File not found";
inline constexpr std::string_view kTitleLargeInputFile = "Large input file";

// The input file name check.
inline constexpr std::string_view kInvalidInputFileSpecification =
    "Invalid input file specification.";
inline constexpr std::string_view kInputFileDoesNotExist = "Input file does not exist.";
inline constexpr std::string_view kInputIsFolder = "This is a folder, not a file.";

// Refusals and questions of the file pass.
inline constexpr std::string_view kInputFileNotSpecified = "Input file not specified.";
inline constexpr std::string_view kOutputSameAsInput =
    "Output file cannot be the same as the input file.";
inline constexpr std::string_view kLargeInputFileQuestion =
    "The input file is quite large.  It is advisable to specify an output file "
    "before continuing,\r\n"
    "in case the text window will not hold the result. "
    "Do you wish to specify an output file?";
inline constexpr std::string_view kCheckingFile = "Checking file ...";
inline constexpr std::string_view kNotTextFile = "This is not a text file.";
/// Shown in the output textbox after kNotTextFile.
inline constexpr std::string_view kNotTextFileExplanation =
    "This file contains bytes indicating that it \r\n"
    "does not consist solely of text.\r\n"
    "\r\n"
    "You could try reading the file with its associated\r\n"
    "application, then copying the text and pasting it\r\n"
    "into this textbox.";
inline constexpr std::string_view kProcessingMayBeSlow =
    "Processing will continue but may be slow.";

// The line-ending warning: kLineEndingsPrefix, the kind, two line breaks.
inline constexpr std::string_view kLineEndingsPrefix = "This file has ";
inline constexpr std::string_view kUnixLineEndings = "Unix/Linux line endings.";
inline constexpr std::string_view kMacintoshLineEndings = "Macintosh line endings.";

// The common-words file.
inline constexpr std::string_view kTitleCommonWords = "Common words";
inline constexpr std::string_view kCommonWordsLoadedFrom = "Common words loaded from ";
inline constexpr std::string_view kCommonWordsErrorFrom =
    "Error when attempting to load common words from ";
inline constexpr std::string_view kCommonWordsNotFound = "File for common words not found.";
inline constexpr std::string_view kCommonWordsNotNamed =
    "Please specify the file containing common words.";

}  // namespace zet::texts
