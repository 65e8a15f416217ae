#include "windows/MainTexts.h"

#include "scanner/StrProc.h"

namespace zet {

std::string StoppedNote(std::int64_t lngNumWords) {
  std::string note = "Stopped with " + std::to_string(lngNumWords) + " word";
  if (lngNumWords != 1) note += 's';
  note += " found.";
  return note;
}

std::string ClipboardSizeText(std::int64_t characters) {
  return "Contents of clipboard:   " + GroupDigits(characters) + " bytes";
}

std::string TooMuchClipboardText(std::int64_t characters, std::int64_t maximum) {
  return "There are " + GroupDigits(characters) +
         " characters in the text on the clipboard.\r\n"
         "The maximum permitted is " +
         GroupDigits(maximum) +
         ".  If possible,\r\n"
         "count word frequencies for this text using an input file.";
}

std::string PasteTooMuchText(std::int64_t characters, std::int64_t maximum) {
  std::string text = "There is too much text on the clipboard to paste into the textbox.";
  if (characters < maximum)
    text += "\r\nIt may, however, still be possible to count word frequencies.";
  return text;
}

}  // namespace zet
