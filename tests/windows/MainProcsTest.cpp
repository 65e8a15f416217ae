#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "windows/MainProcs.h"

namespace zet {
namespace {

TEST(IsPlainTextTest, ControlCharactersCountOnlyWithinTheSample) {
  EXPECT_TRUE(IsPlainText("", 3000));
  EXPECT_TRUE(IsPlainText("tab\tlf\ncr\r and \xA0 high bytes \xFF", 3000));
  EXPECT_FALSE(IsPlainText(std::string("nul\0", 4), 3000));
  EXPECT_FALSE(IsPlainText("form\ffeed", 3000));
  EXPECT_FALSE(IsPlainText("\x1F", 1));
  EXPECT_TRUE(IsPlainText(std::string(3000, 'a') + "\f", 3000));
  EXPECT_FALSE(IsPlainText(std::string(2999, 'a') + "\f", 3000));
}

struct ProgressRow {
  std::uint64_t bytesRead;
  std::uint64_t fileLength;
  int expected;
};

class ProgressPositionTest : public ::testing::TestWithParam<ProgressRow> {};

TEST_P(ProgressPositionTest, RoundsHalvesToEven) {
  EXPECT_EQ(ProgressPosition(GetParam().bytesRead, GetParam().fileLength), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ProgressPositionTest,
                         ::testing::Values(ProgressRow{0, 100, 0}, ProgressRow{100, 100, 37},
                                           ProgressRow{150, 100, 37},  // the file grew
                                           ProgressRow{5, 0, 0}, ProgressRow{1, 74, 0},  // 0.5 -> 0
                                           ProgressRow{3, 74, 2},                        // 1.5 -> 2
                                           ProgressRow{5, 74, 2},                        // 2.5 -> 2
                                           ProgressRow{2, 74, 1},                        // 1.0
                                           ProgressRow{50, 100, 18},  // 18.5 -> 18
                                           // Beyond 32-bit sizes.
                                           ProgressRow{std::uint64_t{1} << 40,
                                                       std::uint64_t{1} << 41, 18}));

TEST(ProgressBarCaptionTest, DrawsTheArrowAtItsPosition) {
  EXPECT_EQ(ProgressBarCaption(0), "[>" + std::string(37, ' ') + "]");
  EXPECT_EQ(ProgressBarCaption(1), "[>" + std::string(36, ' ') + "]");
  EXPECT_EQ(ProgressBarCaption(3), "[-->" + std::string(34, ' ') + "]");
  EXPECT_EQ(ProgressBarCaption(37), "[" + std::string(36, '-') + ">]");
  EXPECT_EQ(ProgressBarCaption(99), ProgressBarCaption(37));
  EXPECT_EQ(EmptyProgressBar(), "[" + std::string(37, ' ') + "]");
}

TEST(TwirlerCharacterTest, TurnsThroughTheFourHalfBlocks) {
  EXPECT_EQ(TwirlerCharacter(0), "\u2584");
  EXPECT_EQ(TwirlerCharacter(1), "\u258C");
  EXPECT_EQ(TwirlerCharacter(2), "\u2580");
  EXPECT_EQ(TwirlerCharacter(3), "\u2590");
  EXPECT_EQ(TwirlerCharacter(6), "\u2580");
}

TEST(PathInFolderTest, JoinsWithOneSlash) {
  EXPECT_EQ(PathInFolder("/usr/share/zet", "zet_text.dat"), "/usr/share/zet/zet_text.dat");
  EXPECT_EQ(PathInFolder("/", "zet_text.dat"), "/zet_text.dat");
  EXPECT_EQ(PathInFolder("", "zet_text.dat"), "zet_text.dat");
}

TEST(ExpandDocDirTest, PutsTheEncodedFolderInPlaceOfEveryToken) {
  EXPECT_EQ(ExpandDocDir("file://{DOCDIR}/manual.html#about", "/usr/share/doc/zet"),
            "file:///usr/share/doc/zet/manual.html#about");
  EXPECT_EQ(ExpandDocDir("{DOCDIR}|{DOCDIR}", "/a b/Gr\xC3\xBC\xC3\x9F%#"),
            "/a%20b/Gr%C3%BC%C3%9F%25%23|/a%20b/Gr%C3%BC%C3%9F%25%23");
  EXPECT_EQ(ExpandDocDir("https://example.org/", "/x"), "https://example.org/");
}

}  // namespace
}  // namespace zet
