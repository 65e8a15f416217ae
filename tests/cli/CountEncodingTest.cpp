// zet-count reads each input in one encoding: the same text saved as UTF-8,
// Windows-1252 or UTF-16 gives the same list, from a file and from
// standard input, and common-words files are read the same way.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scanner/TextCodec.h"
#include "tests/cli/CliRun.h"
#include "tests/support/TempDir.h"

namespace zet {
namespace {

using test::TempDir;
using ::testing::HasSubstr;

// German and French text full of Windows-1252 byte pairs that are also
// valid UTF-8 ("ß" before a closing quote, "é" before a space).
constexpr char16_t kText16[] =
    u"\u201EEr ist gro\u00DF\u201C \u2026 na\u00DF\u2026 Ma\u00DF\u2019 Fu\u00DF\u2013weg "
    u"\u00AB d\u00E9j\u00E0 \u00BB NA\u00CFVET\u00C9 !\nL'\u00E9t\u00E9 \u00E0 Paris, "
    u"c'est d\u00E9j\u00E0 l'\u00E9t\u00E9.\n";

std::string Utf8Of(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) {  // the text has no surrogate pairs
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string Utf16Of(std::u16string_view text, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t c : text) {
    const char high = static_cast<char>(c >> 8);
    const char low = static_cast<char>(c & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
  }
  return out;
}

using test::CliRun;

CliRun Count(const std::vector<std::string>& args, const std::string& input = "") {
  return test::RunCli(args, input);
}

TEST(CountEncodingTest, EveryEncodingGivesTheSameList) {
  const std::string utf8 = Utf8Of(kText16);
  const std::pair<const char*, std::string> forms[] = {
      {"UTF-8", utf8},
      {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + utf8},
      {"Windows-1252", DecodeToCp1252(utf8)},
      {"UTF-16LE", Utf16Of(kText16, false)},
      {"UTF-16BE", Utf16Of(kText16, true)},
  };
  TempDir dir;
  const std::string expected = Count({"--order", "alphabetical"}, utf8).out;
  for (const std::string word : {"groß", "naß", "maß", "fuß", "déjà", "naïveté", "été"})
    EXPECT_THAT(expected, HasSubstr(word));
  for (const auto& [name, bytes] : forms) {
    const std::string file = dir.Write("text.txt", bytes);
    EXPECT_EQ(Count({"--order", "alphabetical", file}).out, expected) << name << " file";
    EXPECT_EQ(Count({"--order", "alphabetical"}, bytes).out, expected) << name << " stream";
    // Common words in the same encoding leave the same words out.
    const std::string common = dir.Write("common.txt", bytes);
    const CliRun none = Count({"--common-words", common, file});
    EXPECT_EQ(none.status, 0) << name;
    EXPECT_THAT(none.out, HasSubstr("No words")) << name;
  }
}

TEST(CountEncodingTest, AForcedEncodingIsUsedAsGiven) {
  const std::string utf8 = Utf8Of(u"d\u00E9j\u00E0\n");
  EXPECT_THAT(Count({"--format", "8", "--encoding", "windows-1252"}, utf8).out, HasSubstr("dã\n"));
  EXPECT_THAT(Count({"--format", "8", "--encoding", "utf-8"}, utf8).out, HasSubstr("déjà"));
}

// A stream is decided on its first MiB; bytes that turn out not to be UTF-8
// later are read as Windows-1252 and reported once, with their offset.
TEST(CountEncodingTest, ALateInvalidByteInAStreamIsReportedWithItsOffset) {
  std::string text(std::size_t{1} << 20, 'a');
  for (std::size_t i = 99; i < text.size(); i += 100) text[i] = '\n';
  const std::size_t offset = text.size() + 4;
  text +=
      "\ncaf\xE9 na\xEF"
      "f\n";
  const CliRun run = Count({"--format", "8"}, text);
  EXPECT_EQ(run.status, 0);
  EXPECT_THAT(run.out, HasSubstr("café"));
  EXPECT_EQ(run.err, "zet-count: warning: the input is not UTF-8 from byte " +
                         std::to_string(offset) + " on; such bytes were read as Windows-1252\n");
}

}  // namespace
}  // namespace zet
