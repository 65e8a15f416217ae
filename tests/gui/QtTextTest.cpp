// Texts between the logic and Qt: line breaks, captions, caret positions.
#include <gtest/gtest.h>

#include <string>

#include "platform/qt/QtText.h"

namespace zet {
namespace {

TEST(QtTextTest, LineBreaksBecomeLineFeedsForQt) {
  EXPECT_EQ(WithLineFeeds("a\r\nb\rc\nd"), "a\nb\nc\nd");
  EXPECT_EQ(WithLineFeeds("\r\n\r\n"), "\n\n");
  EXPECT_EQ(WithLineFeeds("ends in CR\r"), "ends in CR\n");
  EXPECT_EQ(WithLineFeeds("Köln"), QString::fromUtf8("Köln"));
}

TEST(QtTextTest, LineFeedsBecomeCrLfForTheLogic) {
  EXPECT_EQ(WithCrLf("a\nb"), "a\r\nb");
  EXPECT_EQ(WithCrLf("a\r\nb\n"), "a\r\nb\r\n");
  EXPECT_EQ(WithCrLf("\n"), "\r\n");
  EXPECT_EQ(WithCrLf(""), "");
}

TEST(QtTextTest, AmpersandsInCaptionsStayVisible) {
  EXPECT_EQ(LiteralCaption("Fish & chips"), "Fish && chips");
  EXPECT_EQ(LiteralCaption("Quit"), "Quit");
}

struct PositionRow {
  const char* text;
  std::size_t characters;
  int units;
};

void PrintTo(const PositionRow& row, std::ostream* os) {
  *os << '"' << row.text << "\" " << row.characters;
}

class WidgetPositionTest : public ::testing::TestWithParam<PositionRow> {};

INSTANTIATE_TEST_SUITE_P(
    Positions, WidgetPositionTest,
    ::testing::Values(PositionRow{"abc", 2, 2}, PositionRow{"abc", 9, 3},
                      PositionRow{"a\r\nb", 3, 2},             // after the break
                      PositionRow{"a\r\nb", 2, 1},             // between CR and LF: at the break
                      PositionRow{"a\rb", 2, 2},               // a lone CR is a break of its own
                      PositionRow{"\xC3\xA9t\xC3\xA9", 2, 2},  // é is one character
                      PositionRow{"\xF0\x9F\x98\x80x", 1, 2},  // beyond the BMP: two units
                      PositionRow{"\xF0\x9F", 2, 2},           // a cut sequence: byte by byte
                      PositionRow{"", 5, 0}));

TEST_P(WidgetPositionTest, CountsAsTheWidgetDoes) {
  EXPECT_EQ(WidgetPosition(GetParam().text, GetParam().characters), GetParam().units);
}

}  // namespace
}  // namespace zet
