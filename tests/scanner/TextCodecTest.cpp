#include "scanner/TextCodec.h"

#include <gtest/gtest.h>

#include "scanner/Cp1252.h"

namespace zet {
namespace {

struct DecodeRow {
  const char* name;
  std::string input;
  std::string expected;
  friend void PrintTo(const DecodeRow& row, std::ostream* os) { *os << row.name; }
};

class DecodeTest : public ::testing::TestWithParam<DecodeRow> {};

TEST_P(DecodeTest, DecodesToWindows1252) {
  EXPECT_EQ(DecodeToCp1252(GetParam().input), GetParam().expected);
  std::string inPlace = GetParam().input;
  inPlace.resize(DecodeToCp1252InPlace(inPlace.data(), inPlace.size()));
  EXPECT_EQ(inPlace, GetParam().expected);
}

const char P = static_cast<char>(cp1252::kPlaceholder);

INSTANTIATE_TEST_SUITE_P(
    Rows, DecodeTest,
    ::testing::Values(
        DecodeRow{"ascii", "plain text", "plain text"},
        DecodeRow{"latin1_letters", "caf\xC3\xA9 na\xC3\xAFve", "caf\xE9 na\xEFve"},
        DecodeRow{"cp1252_specials", "\xE2\x82\xAC \xC5\x92uvre \xE2\x80\x99",
                  "\x80 \x8Cuvre \x92"},
        DecodeRow{"unrepresentable_becomes_placeholder", "a\xE4\xB8\xADz",
                  std::string("a") + P + "z"},
        DecodeRow{"emoji_is_one_placeholder", "x\xF0\x9F\x98\x80y", std::string("x") + P + "y"},
        DecodeRow{"lone_latin1_byte_kept", "caf\xE9", "caf\xE9"},
        DecodeRow{"lone_cp1252_byte_kept", "\x93quoted\x94", "\x93quoted\x94"},
        DecodeRow{"undefined_byte_is_placeholder",
                  "a\x8D"
                  "b",
                  std::string("a") + P + "b"},
        DecodeRow{"truncated_sequence_bytes_each_kept", "\xC3", "\xC3"},
        DecodeRow{"overlong_is_not_utf8", "\xC0\xAF", "\xC0\xAF"},
        DecodeRow{"surrogate_is_not_utf8", "\xED\xA0\x80", "\xED\xA0\x80"},
        DecodeRow{"c1_control_is_placeholder", "\xC2\x85", std::string(1, P)},
        DecodeRow{"nul_kept", std::string("a\0b", 3), std::string("a\0b", 3)},
        DecodeRow{"mixed_after_shrinking", "ab\xC3\xA9\xE9x\xE2\x82\xACy\xF0\x9F\x98\x80z\xC3",
                  std::string("ab\xE9\xE9x\x80y") + P + "z\xC3"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(EncodeUtf8Test, RoundTripsEveryDefinedCharacter) {
  std::string all;
  for (int c = 1; c < 256; ++c) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;
    all.push_back(static_cast<char>(b));
  }
  EXPECT_EQ(DecodeToCp1252(EncodeUtf8(all)), all);
}

TEST(EncodeUtf8Test, PlaceholderBecomesReplacementCharacter) {
  EXPECT_EQ(EncodeUtf8(std::string(1, P)), "\xEF\xBF\xBD");
}

TEST(EncodeUtf8Test, AnyByteSequenceDecodesWithoutLoss) {
  // Every single byte decodes to exactly one character, so no byte is lost
  // or invented whatever the input.
  for (int c = 0; c < 256; ++c) {
    const std::string in(1, static_cast<char>(c));
    EXPECT_EQ(DecodeToCp1252(in).size(), 1u) << c;
  }
}

TEST(ToValidUtf8Test, KeepsValidSequencesAndDecodesOtherBytesAsWindows1252) {
  EXPECT_EQ(ToValidUtf8("plain"), "plain");
  EXPECT_EQ(ToValidUtf8("\xE6\x97\xA5 \xF0\x9F\x98\x80 \xC2\x85"),
            "\xE6\x97\xA5 \xF0\x9F\x98\x80 \xC2\x85");
  EXPECT_EQ(ToValidUtf8("caf\xE9 \x93q\x94"), "caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D");
  EXPECT_EQ(ToValidUtf8("\xC3"), "\xC3\x83");
  EXPECT_EQ(ToValidUtf8("\x8D"), "\xEF\xBF\xBD");
  EXPECT_EQ(ToValidUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Utf8BomTest, DetectsOnlyALeadingMark) {
  EXPECT_EQ(Utf8BomLength("\xEF\xBB\xBFtext"), 3u);
  EXPECT_EQ(Utf8BomLength("text\xEF\xBB\xBF"), 0u);
  EXPECT_EQ(Utf8BomLength("\xEF\xBB"), 0u);
}

}  // namespace
}  // namespace zet
