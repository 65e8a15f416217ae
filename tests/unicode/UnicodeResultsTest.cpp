#include "unicode/UnicodeResults.h"

#include <gtest/gtest.h>

#include "results/ListingSink.h"
#include "tests/unicode/UnicodeTestSupport.h"
#include "unicode/UnicodeListing.h"

namespace zet {
namespace {

using test::CountText;
using test::PlainSettings;

struct ExclusionCase {
  const char* word;
  Exclusion expected;
};

// The default model's tests keep their meaning; the Latin-only ones leave
// other scripts alone, and lengths are grapheme clusters.
TEST(UnicodeResultsTest, ExclusionOfOneWord) {
  UnicodeFilterSettings settings;
  settings.limits.blnIgnoreShortWords = true;
  settings.limits.intShortWordSize = 3;
  settings.limits.intLongWordSize = 10;
  const ExclusionCase cases[] = {
      {"日本", Exclusion::Short},  // two characters, six bytes
      {"東京大学", Exclusion::None},
      {"e\xCC\x81t\xC3\xA9", Exclusion::None},  // three graphemes, one decomposed
      {"ελληνικάκια", Exclusion::Long},         // eleven
      {"ммм", Exclusion::Repetition},
      {"哈哈哈", Exclusion::Repetition},
      {"e\xCC\x81"
       "e\xCC\x81"
       "e\xCC\x81",
       Exclusion::Repetition},
      {"ée\xCC\x81"
       "é",
       Exclusion::None},  // the same letter, spelt two ways
      {"xiv", Exclusion::RomanNumeral},
      {"χιν", Exclusion::None},  // Greek, not a Roman numeral
      {"szcz", Exclusion::NoVowel},
      {"brr", Exclusion::NoVowel},
      {"rytm", Exclusion::None},  // "y" counts
      {"łódź", Exclusion::None},
      {"człą", Exclusion::None},    // ą decomposes to a
      {"сткр", Exclusion::None},    // Cyrillic: the vowel test is Latin only
      {"ŷŷx", Exclusion::NoVowel},  // as y-acute is no vowel in the default model
  };
  GraphemeCounter graphemes;
  for (const ExclusionCase& c : cases)
    EXPECT_EQ(FindUnicodeExclusion(c.word, "", 1, graphemes.Count(c.word), settings, graphemes),
              c.expected)
        << c.word;
}

// Typed words and common words match by the locale's primary collation,
// whatever the case, accents or script of the text.
TEST(UnicodeResultsTest, WordListsMatchByCollation) {
  const UnicodeSettings settings = PlainSettings("pl");
  UnicodeFilterSettings filters;
  filters.wordsToIgnore = MakeUnicodeWordKeys("ŁÓDŹ, Москва 北京", settings);
  const std::string common = "// cities\nKraków /* not Gdańsk */\n";
  MemoryByteSource source(common);
  QuietObserver quiet;
  const auto commonKeys = ReadUnicodeCommonWords(source, settings, quiet);
  ASSERT_TRUE(commonKeys.has_value());
  filters.commonWords = std::make_shared<const WordSet>(*commonKeys);

  const auto table = CountText("Łódź łodz москва Kraków KRAKÓW Gdańsk 北京 cities", settings);
  const UnicodeListResults results = RunUnicodeResultsStages(*table, filters);
  std::vector<std::string> listed;
  for (std::size_t i = 0; i < table->Words().size(); ++i)
    if (table->Words()[i].blnIncluded) listed.emplace_back(table->Words()[i].strWord());
  EXPECT_EQ(listed, (std::vector<std::string>{"cities", "gdańsk", "łodz"}));
  EXPECT_EQ(results.list.totals.lngTotalOccurrences, 8);
  EXPECT_EQ(results.list.totals.intLongestWord, 6);
}

std::string Listing(const UnicodeTable& table, const UnicodeListResults& results, WordOrder order,
                    DisplayFormat format) {
  std::string text;
  StringSink sink(text);
  ListingOptions options;
  options.order = order;
  options.format = format;
  EXPECT_EQ(WriteUnicodeListing(table, results, options, sink), ListingOutcome::Completed);
  return text;
}

// The word column is padded by characters, so the columns after it line up
// however many bytes the words take; ranks follow the locale's order on
// equal counts, and the code-point order is an option.
TEST(UnicodeResultsTest, ListingsInUtf8) {
  UnicodeSettings settings = PlainSettings("sv");
  const auto table = CountText("ål zebra ål Ελληνικά apa 東京 zebra", settings);
  const UnicodeListResults results = RunUnicodeResultsStages(*table, {});
  EXPECT_EQ(Listing(*table, results, WordOrder::ByFrequency, DisplayFormat::RankWordFrequency),
            "   Rank  Word        Freq\r\n"
            "      1  zebra          2\r\n"
            "      2  ål             2\r\n"
            "      3  apa            1\r\n"
            "      4  ελληνικά       1\r\n"
            "      5  東京             1\r\n");
  EXPECT_EQ(Listing(*table, results, WordOrder::Alphabetical, DisplayFormat::RankFrequencyWord),
            "   Rank    Freq  Word (longest has 8 characters)\r\n"
            "      3       1  apa\r\n"
            "      1       2  zebra\r\n"
            "      2       2  ål\r\n"
            "      4       1  ελληνικά\r\n"
            "      5       1  東京\r\n");

  settings.order = UnicodeOrder::CodePoint;
  const auto byCodePoint = CountText("ål zebra apa", settings);
  const UnicodeListResults cp = RunUnicodeResultsStages(*byCodePoint, {});
  EXPECT_EQ(Listing(*byCodePoint, cp, WordOrder::Alphabetical, DisplayFormat::Word),
            "Word (longest has 5 characters)\r\napa\r\nzebra\r\nål\r\n");
}

TEST(UnicodeResultsTest, LocaleChecks) {
  for (const char* known : {"", "root", "und", "sv", "tr_TR", "de_XX", "de@collation=phonebook",
                            "zh_Hant_TW", "en_US_POSIX"})
    EXPECT_EQ(CheckCollationLocale(known), LocaleStatus::Known) << known;
  for (const char* unknown : {"xx", "klingon", "zz_ZZ", "C", "-"})
    EXPECT_EQ(CheckCollationLocale(unknown), LocaleStatus::Unknown) << unknown;
  EXPECT_EQ(UnknownLocaleMessage("xx"), "Unknown locale for sorting words: \"xx\".");

  struct EnvCase {
    const char *all, *collate, *lang, *expected;
  };
  const EnvCase env[] = {
      {"", "", "", ""},
      {"", "", "C.UTF-8", ""},
      {"", "sv_SE.UTF-8", "de_DE.UTF-8", "sv_SE"},
      {"POSIX", "sv_SE.UTF-8", "", ""},
      {"", "", "sr_RS.UTF-8@latin", "sr_RS@latin"},
      {"", "", "tr_TR", "tr_TR"},
  };
  for (const EnvCase& e : env)
    EXPECT_EQ(CollationLocaleFromEnvironment(e.all, e.collate, e.lang), e.expected) << e.lang;
}

}  // namespace
}  // namespace zet
