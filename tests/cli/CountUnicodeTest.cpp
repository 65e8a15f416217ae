// zet-count --unicode: letters of every script, one word per collation key
// of the locale, read from any encoding.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/cli/CliRun.h"
#include "tests/support/TempDir.h"

namespace zet {
namespace {

using ::testing::HasSubstr;

using test::CliRun;

CliRun Count(const std::vector<std::string>& args, const std::string& input = "") {
  return test::RunCli(args, input);
}

constexpr const char* kText =
    "Łódź łódź ŁÓDŹ Ελληνικά ελληνικά русский Русский язык\n"
    "我们喜欢学习中文。我们喜欢中文。\n";

TEST(CountUnicodeTest, EveryScriptCountsAndCaseFoldsByTheLocale) {
  const CliRun run = Count({"--unicode", "--locale", "pl", "--format", "7"}, kText);
  EXPECT_EQ(run.status, 0) << run.err;
  const std::pair<const char*, const char*> counts[] = {{"łódź", "3"},    {"ελληνικά", "2"},
                                                        {"русский", "2"}, {"язык", "1"},
                                                        {"我们", "2"},    {"中文", "2"}};
  for (const auto& [word, count] : counts)
    EXPECT_THAT(run.out, ::testing::ContainsRegex(std::string(word) + " +" + count + "\n"));
  // The default model keeps only what Windows-1252 can hold.
  EXPECT_THAT(Count({"--format", "8"}, kText).out, ::testing::Not(HasSubstr("русский")));
}

TEST(CountUnicodeTest, OrderIsTheLocalesOrCodePoints) {
  const std::string text = "zebra ähnlich apfel\n";
  EXPECT_EQ(
      Count({"--unicode", "--locale", "de", "--order", "alphabetical", "--format", "8"}, text).out,
      "Word (longest has 7 characters)\nähnlich\napfel\nzebra\n");
  EXPECT_EQ(
      Count({"--unicode", "--locale", "sv", "--order", "alphabetical", "--format", "8"}, text).out,
      "Word (longest has 7 characters)\napfel\nzebra\nähnlich\n");
  EXPECT_EQ(Count({"--unicode", "--order", "codepoint", "--format", "8"}, text).out,
            "Word (longest has 7 characters)\napfel\nzebra\nähnlich\n");
}

TEST(CountUnicodeTest, AnUnknownLocaleIsAUsageError) {
  const CliRun run = Count({"--unicode", "--locale", "xx_nonsense"}, kText);
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("xx_nonsense"));
}

TEST(CountUnicodeTest, UtfSixteenAndWindows1252InputsAreDecoded) {
  test::TempDir dir;
  const std::string utf16 =
      dir.Write("w.txt", std::string("\xFF\xFE\x41\x01\xF3\x00\x64\x00\x7A\x01\n\x00", 12));
  EXPECT_THAT(Count({"--unicode", "--format", "8", utf16}).out, HasSubstr("łódź"));
  EXPECT_THAT(Count({"--unicode", "--format", "8"},
                    "caf\xE9 na\xEF"
                    "f\n")
                  .out,
              HasSubstr("café"));
}

}  // namespace
}  // namespace zet
