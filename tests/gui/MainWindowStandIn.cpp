#include "tests/gui/MainWindowStandIn.h"

namespace zet::test {

namespace {
const Font kFixed{"Courier New", 8.25};
const Font kSmall{"MS Sans Serif", 8.25};
const Font kLink{"MS Sans Serif", 8.25, false, true};
}  // namespace

MainWindowStandIn::MainWindowStandIn() {
  form.SetCaption("ZET 1.0.0");
  for (int i = 0; i < 2; ++i) {
    const std::string n = "(" + std::to_string(i) + ")";
    Make<TextBox>("txbFile" + n).SetFont(kFixed);
    Make<Button>("cmdFile" + n, i == 0 ? "Input file" : "Output file");
    Make<Button>("cmdClearFile" + n, "Clear").SetFont(kSmall);
  }
  Make<CheckBox>("chkDisableOutputToFile", "Disable");
  Make<Label>("lblFilesize", "Filesize:   1,234,567 bytes    1,205.63 KB");
  Make<Label>("Label3",
              "Specify whether to count the words in the input file or in the clipboard then "
              "click on the button below.");
  Make<Frame>("fraSource");
  Make<Label>("Label5", "Source: ");
  auto& file = Make<OptionButton>("optInFile", "file");
  auto& clipboard = Make<OptionButton>("optInTextBox", "clipboard");
  OptionButton::Group({&file, &clipboard});
  file.SetValue(true);
  Make<Button>("cmdListWords", "Count word frequencies");
  Make<CheckBox>("chkSuppressWords", "Don't display words as found");
  Make<Frame>("fraDisplay");
  Make<Label>("lblWordOrder", "Word order:");
  auto& order = Make<ComboBox>("cboWordOrder");
  order.SetFont(kSmall);
  for (const char* item : {"by frequency", "alphabetical"}) order.AddItem(item);
  order.SetListIndex(0);
  Make<Label>("lblDisplayFormat", "Display format:");
  auto& format = Make<ComboBox>("cboDisplayFormat");
  format.SetFont(kSmall);
  format.AddItem("rank frequency word");
  format.SetListIndex(0);
  Make<Label>("Label4", "The words can be redisplayed in various ways by selecting these:");
  auto& output = Make<MultiLineTextBox>("txbOutput");
  output.SetFont(kFixed);
  (void)output.SetText(
      "Rank  Freq.  Word\r\n   1    120  the\r\n   2     87  and\r\n   3     64  word\r\n");
  Make<Label>("Label1", "Click here to paste the clipboard's text into the textbox");
  Make<Label>("Label2", "To count text typed here, copy it to the clipboard first.");
  Make<Label>("lblSizeOfClipboardContents", "Contents of clipboard:   100,000 bytes");
  Make<Frame>("fraCounters");
  Make<Label>("lblTwirler", " ").SetFont(Font{"Terminal", 9});
  Make<Label>("lblNumberOfWords", "Number of words in this list:  2,002");
  Make<Label>("lblNumWordsExcluded", "Number of words excluded:    150");
  Make<Label>("lblNumOccurrences", "No. of occurrences in file of words in this list: 10,001");
  Make<Label>("lblTotalNumOccurrences", "Total number of words in file: 12,345");
  for (const char* name : {"cmdSetParameters", "cmdCopyToClipboard", "cmdClearOutput",
                           "cmdSaveState", "cmdHelp", "cmdQuit"}) {
    Make<Button>(name);
  }
  static_cast<Button*>(form.Find("cmdSetParameters"))->SetCaption("Set parameters");
  static_cast<Button*>(form.Find("cmdCopyToClipboard"))->SetCaption("Copy to clipboard");
  static_cast<Button*>(form.Find("cmdClearOutput"))->SetCaption("Clear textbox");
  static_cast<Button*>(form.Find("cmdSaveState"))->SetCaption("Save state");
  static_cast<Button*>(form.Find("cmdHelp"))->SetCaption("Help");
  static_cast<Button*>(form.Find("cmdQuit"))->SetCaption("Quit");
  for (const char* name : {"lblOnlineDocumentation", "lblAboutZet"}) {
    auto& link = Make<Label>(name);
    link.SetFont(kLink);
    link.SetLinkStyle(true);
  }
  static_cast<Label*>(form.Find("lblOnlineDocumentation"))->SetCaption("Online user manual");
  static_cast<Label*>(form.Find("lblAboutZet"))->SetCaption("About ZET");
}

std::vector<std::string> MainWindowStandIn::Names() const {
  std::vector<std::string> names;
  for (const Control* control : form.Controls()) names.push_back(control->Name());
  return names;
}

}  // namespace zet::test
