#include "windows/HelpText.h"

#include <array>
#include <string_view>

#include "scanner/StrProc.h"
#include "windows/MainProcs.h"

namespace zet {

std::string HelpText() {
  const std::string capacity = GroupDigits(static_cast<std::int64_t>(kOutputTextboxCapacity));
  const std::array<std::string, kHelpParagraphCount> paragraphs = {
      "You can make this window larger or smaller to read this help more easily.",

      "ZET reads a file, or the text on the clipboard, and counts how often each different "
      "word occurs. The text need not be in English. The words found can be listed in "
      "alphabetical order or by how often they occur.",

      "An input file may have any extension, but it must hold only text: no bytes with "
      "values below 32 other than 9 (tab), 10 (line feed) and 13 (carriage return). A "
      "word-processor document cannot be read directly. Open it in its own program, copy all "
      "of its text to the clipboard, choose \"clipboard\" as the source and count. The "
      "clipboard's text can be pasted into the textbox before or after counting.",

      "There is no limit on the size of an input file. The textbox, however, holds at most " +
          capacity +
          " characters, so for a very large file with many different words only the first "
          "few hundred thousand words of the list may appear in it.",

      "For large files with many different words, name an output file: the results are "
      "written to it before they are shown in the textbox, so they are kept even if the "
      "textbox cannot hold them all.",

      "You can type text into the textbox, but to count its words you must first copy it to "
      "the clipboard.",

      "Click \"Set parameters\" to adjust how the text is counted. The parameters are saved "
      "when you quit, if \"Save state when quitting\" is ticked, and restored the next time "
      "you start the program.",

      "The program works with text in German, French, Italian, Spanish and Portuguese as "
      "well as English, and with program source code.",

      "Common words can be left out of the list. Keep them in a file of your choice: when "
      "that file is named and \"Ignore common words in file:\" is ticked, every word found in "
      "it is ignored.",

      "Files of common words for English, German, French, Italian, Spanish and Portuguese "
      "come with the program. You may add words to them or remove words from them; the words "
      "need not be in alphabetical order or on separate lines, but a file of common words "
      "must hold only text.",

      "Text between a start-comment marker and an end-comment marker (set in the parameters "
      "window; by default /* and */) is ignored. This also lets you hide sections of a text "
      "from the count.",

      "For input files with the extensions htm, html, shtml, xml and php the markers are set "
      "automatically to < and >, so that tags are ignored; other markers cannot be used with "
      "such files.",

      "To take the output into a spreadsheet, copy it to the clipboard, paste it into a text "
      "editor, save it as a .txt file and open that file in the spreadsheet, which will "
      "detect the columns.",

      "An output file can be written with its columns separated by commas, so that other "
      "programs can read it.",
  };
  std::string text;
  for (const std::string& paragraph : paragraphs) {
    text += paragraph;
    text += "\r\n\r\n";
  }
  return text;
}

}  // namespace zet
