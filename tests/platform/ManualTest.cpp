// The user manual, as the copy beside the programs is opened: it names the
// controls of the windows by their captions and has the anchor the
// program's "About" link opens.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/CaptionedControl.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tests/support/FakeParamsHost.h"
#include "windows/frmParams.h"

namespace zet {
namespace {

std::string Manual() {
  std::ifstream in(std::string(ZET_RUNTIME_DIR) + "/manual.html", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Without a final colon, which a sentence does not need.
std::string Bare(std::string caption) {
  if (!caption.empty() && caption.back() == ':') caption.pop_back();
  return caption;
}

TEST(ManualTest, HasTheAboutAnchorAndItsPictures) {
  const std::string manual = Manual();
  ASSERT_FALSE(manual.empty()) << "manual.html is not beside the programs";
  EXPECT_NE(manual.find("id=\"about\""), std::string::npos);
  for (const char* image : {"images/main.png", "images/params.png", "images/help.png"}) {
    EXPECT_NE(manual.find(image), std::string::npos) << image;
  }
}

TEST(ManualTest, NamesEveryCaptionOfTheParametersWindow) {
  const std::string manual = Manual();
  HeadlessPlatform hp;
  test::FakeParamsHost host;
  frmParams params(hp.platform, host);
  for (const Control* control : params.form.Controls()) {
    const auto* captioned = dynamic_cast<const CaptionedControl*>(control);
    if (captioned == nullptr || captioned->Caption().size() > 80) continue;  // sentences
    EXPECT_NE(manual.find(Bare(captioned->Caption())), std::string::npos)
        << control->Name() << " \"" << captioned->Caption() << "\"";
  }
}

TEST(ManualTest, NamesEveryCaptionOfTheMainWindow) {
  const std::string manual = Manual();
  for (const char* caption : {"Input file",
                              "Output file",
                              "Clear",
                              "Disable",
                              "Source:",
                              "file",
                              "clipboard",
                              "Count word frequencies",
                              "Stop",
                              "Don't display words as found",
                              "Word order",
                              "Display format",
                              "Set parameters",
                              "Copy to clipboard",
                              "Clear textbox",
                              "Save state",
                              "Help",
                              "Quit",
                              "Online user manual",
                              "About ZET",
                              "by frequency",
                              "alphabetical",
                              "rank frequency word",
                              "word (+ commas)",
                              "ZET: Set parameters",
                              "ZET: Help"}) {
    EXPECT_NE(manual.find(caption), std::string::npos) << caption;
  }
}

}  // namespace
}  // namespace zet
