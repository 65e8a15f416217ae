#pragma once
// The fixed texts of the main window, its count cycle, the clipboard
// source and the common-words reader, in one place. Line breaks inside
// messages are CR LF.

#include <cstdint>
#include <string>
#include <string_view>

namespace zet::texts {

// The count button's two captions.
inline constexpr std::string_view kCountWordFrequencies = "Count word frequencies";
inline constexpr std::string_view kStop = "Stop";

// Notes in the output textbox during a run.
inline constexpr std::string_view kProcessing = "Processing ...";
inline constexpr std::string_view kWordsFoundSoFar = "Number of different words found so far: ";
inline constexpr std::string_view kSuppressingDisplay =
    "\r\n\r\n[Suppressing display of words to avoid buffer overflow.]";

// A stopped count.
inline constexpr std::string_view kTitleCountingInterrupted = "Counting interrupted";
inline constexpr std::string_view kCountingInterruptedQuestion =
    "The operation was stopped before all words were counted.\r\n"
    "Do you wish to list the words which were found?";

// The clipboard source.
inline constexpr std::string_view kTitleClipboardEmpty = "Clipboard empty";
inline constexpr std::string_view kClipboardEmpty = "Clipboard is empty.";
inline constexpr std::string_view kTitleTooMuchClipboardText = "Too much clipboard text";
inline constexpr std::string_view kNotNaturalLanguage =
    "The text on the clipboard does not consist\r\n"
    "solely of natural language words.";
/// Title of the box shown when the textbox cannot take the pasted text:
/// the system's name for the failure.
inline constexpr std::string_view kTitleOutOfMemory = "Out of memory";
/// Most characters of clipboard text a count accepts.
inline constexpr std::int64_t kMaxClipboardChars = 100000;

// The common-words file.
inline constexpr std::string_view kNowReadingCommonWords = "Now reading common words ...";
/// Name of the default common-words file in the program's folder.
inline constexpr std::string_view kDefaultCommonWordsFileName = "cwds_en.txt";

// Saving the state.
inline constexpr std::string_view kTitleSave = "Save";
inline constexpr std::string_view kStateSaved = "State saved.";

// The web links.
inline constexpr std::string_view kTitleCannotLaunchBrowser = "Cannot launch web browser";
inline constexpr std::string_view kBrowserError =
    "Error launching web browser.  "
    "Please make sure that your web browser is correctly installed and configured.";

}  // namespace zet::texts

namespace zet {

/// The note after a stopped count: "Stopped with", one space, the number,
/// " word", "s" unless the number is 1, and " found.".
[[nodiscard]] std::string StoppedNote(std::int64_t lngNumWords);

/// The clipboard-size label: "Contents of clipboard:   " (three spaces),
/// the character count with thousands separators, " bytes".
[[nodiscard]] std::string ClipboardSizeText(std::int64_t characters);

/// The refusal of a clipboard text of `characters` characters, more than
/// the `maximum` a count accepts.
[[nodiscard]] std::string TooMuchClipboardText(std::int64_t characters, std::int64_t maximum);

/// The message when the textbox cannot take the pasted clipboard text; a
/// text shorter than `maximum` may still be counted, and the message says so.
[[nodiscard]] std::string PasteTooMuchText(std::int64_t characters, std::int64_t maximum);

}  // namespace zet
