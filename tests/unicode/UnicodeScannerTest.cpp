#include "unicode/UnicodeScanner.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "tests/unicode/UnicodeTestSupport.h"

namespace zet {
namespace {

using test::CountText;
using test::IcuLetterWords;
using test::PlainSettings;
using test::PrimaryCollator;
using test::U16;
using test::Utf8;

struct LanguageCase {
  const char* locale;
  const char* text;
};

// Short texts whose words ICU's word break and our cutting must agree on:
// no digits, apostrophes, hyphens or periods inside words.
const LanguageCase kLanguages[] = {
    {"el", "Η ελληνική γλώσσα είναι μία από τις αρχαιότερες γλώσσες. Η ΓΛΩΣΣΑ και η γλωσσα."},
    {"ru", "Съешь же ещё этих мягких французских булок, да выпей чаю! ЁЖ, ёж и еж."},
    {"pl", "Łódź to miasto. Zażółć gęślą jaźń; LODZ, lodz, ŁÓDŹ i łodz."},
    {"cs", "Příliš žluťoučký kůň úpěl ďábelské ódy. Chata, CHATA a hata."},
    {"tr", "Işık ılık süt iç. İstanbul, ISTANBUL ve istanbul; ıi İI."},
    {"de", "Größe und Grösse, Straße und STRASSE. Äpfel, apfel und Öl."},
    {"zh", "我们今天去北京参观故宫。中华人民共和国成立了，我们很高兴！"},
    {"ja", "私は東京で日本語を勉強しています。カタカナとひらがなとコーヒー。"},
    {"th", "ภาษาไทยเป็นภาษาที่สวยงาม ฉันรักประเทศไทย และฉันชอบกินข้าว"},
};

class LanguageTest : public ::testing::TestWithParam<LanguageCase> {};

// The words counted are ICU's letter words, grouped by the locale's
// collator at primary strength, each shown in the locale's lower case of
// its first spelling, with the number of its occurrences.
TEST_P(LanguageTest, WordsAreIcuWordBreakGroupedByCollator) {
  const LanguageCase& c = GetParam();
  const auto collator = PrimaryCollator(c.locale);
  std::vector<std::pair<std::string, std::int64_t>> expected;  // first spelling, count
  for (const std::string& word : IcuLetterWords(c.text, c.locale)) {
    auto same = std::find_if(expected.begin(), expected.end(), [&](const auto& e) {
      UErrorCode status = U_ZERO_ERROR;
      return collator->compare(U16(e.first), U16(word), status) == UCOL_EQUAL;
    });
    if (same != expected.end())
      ++same->second;
    else
      expected.emplace_back(Utf8(U16(word).toLower(icu::Locale(c.locale))), 1);
  }
  ASSERT_FALSE(expected.empty());

  const auto table = CountText(c.text, PlainSettings(c.locale));
  std::map<std::string, std::int64_t> got;
  for (std::size_t i = 0; i < table->Words().size(); ++i)
    got.emplace(table->Words()[i].strWord(), table->Words()[i].lngCount);
  EXPECT_EQ(got, (std::map<std::string, std::int64_t>(expected.begin(), expected.end())));
}

// Key order is the collator's order: each entry strictly before the next.
TEST_P(LanguageTest, KeyOrderIsCollationOrder) {
  const LanguageCase& c = GetParam();
  const auto collator = PrimaryCollator(c.locale);
  const auto table = CountText(c.text, PlainSettings(c.locale));
  const WordTable& words = table->Words();
  for (std::size_t i = 1; i < words.size(); ++i) {
    UErrorCode status = U_ZERO_ERROR;
    EXPECT_EQ(collator->compare(U16(words[i - 1].strWord()), U16(words[i].strWord()), status),
              UCOL_LESS)
        << words[i - 1].strWord() << " / " << words[i].strWord();
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, ::testing::ValuesIn(kLanguages),
                         [](const auto& row) { return std::string(row.param.locale); });

struct OrderCase {
  const char* locale;
  const char* text;
  std::vector<std::string> order;  // the words in key order
};

// Hand-checked rows that fail if the locale does not reach the collator or
// the lower-casing.
TEST(UnicodeScannerTest, LocaleDecidesIdentityAndOrder) {
  const OrderCase cases[] = {
      {"sv", "ål zebra apa Ål", {"apa", "zebra", "ål"}},
      {"", "ål zebra apa", {"ål", "apa", "zebra"}},  // root: "å" is "a" at primary strength
      {"tr", "ISTANBUL istanbul İzmir", {"ıstanbul", "istanbul", "izmir"}},
      {"en", "ISTANBUL istanbul", {"istanbul"}},
      {"de", "Straße strasse STRASSE", {"straße"}},
  };
  for (const OrderCase& c : cases) {
    UnicodeSettings settings = PlainSettings(c.locale);
    const auto table = CountText(c.text, settings);
    std::vector<std::string> got;
    for (std::size_t i = 0; i < table->Words().size(); ++i)
      got.emplace_back(table->Words()[i].strWord());
    EXPECT_EQ(got, c.order) << c.locale << ": " << c.text;
  }
}

struct CutCase {
  const char* text;
  std::vector<std::string> words;  // different words, in key order (root)
  void (*adjust)(UnicodeSettings&) = nullptr;
};

// The rules the default model applies keep their meaning on Unicode text.
TEST(UnicodeScannerTest, WordRules) {
  const CutCase cases[] = {
      {"Łódź-Kraków e-mail", {"e", "kraków", "łódź", "mail"}},
      {"Łódź-Kraków e-mail-- x",
       {"e-mail", "łódź-kraków", "x"},
       [](UnicodeSettings& s) { s.scan.allow.blnAllowHyphens = true; }},
      {"abc123 ٣٤abc x٣", {"abc", "x"}},
      {"abc123 ٣٤abc x٣",
       {"abc", "abc123", "x٣"},
       [](UnicodeSettings& s) { s.scan.allow.blnAllowNumerals = true; }},
      {"cats glass Łódźs мыс",
       {"cat", "glass", "łódź", "мыс"},
       [](UnicodeSettings& s) { s.scan.blnDropFinalS = true; }},
      {"don't won’t", {"don", "won"}},
      {"caf&eacute; na&iuml;ve", {"café", "naïve"}},
      {"Tokyo東京", {"tokyo", "東京"}},
      {"a\xCC\x81 e\xCC\x81\xCC\x81 \xEF\xBF\xBD\xFF"
       "b",
       {"a\xCC\x81", "b", "e\xCC\x81\xCC\x81"}},
      {"/* Łódź */ Kraków // Gdańsk",
       {"kraków"},
       [](UnicodeSettings& s) {
         s.scan.markers.strStartComment = {"/*", "//"};
         s.scan.markers.strEndComment = {"*/", ""};
         s.scan.blnIsCodeFile = true;
       }},
      {"Kraków REM Łódź mer Gdańsk",
       {"gdańsk", "kraków"},
       [](UnicodeSettings& s) {
         s.scan.markers.strStartComment = {"rem", ""};
         s.scan.markers.strEndComment = {"MER", ""};
         s.scan.chkAllowCommentMarkers = true;
       }},
  };
  for (const CutCase& c : cases) {
    UnicodeSettings settings = PlainSettings("");
    if (c.adjust) c.adjust(settings);
    const auto table = CountText(c.text, settings);
    std::vector<std::string> got;
    for (std::size_t i = 0; i < table->Words().size(); ++i)
      got.emplace_back(table->Words()[i].strWord());
    EXPECT_EQ(got, c.words) << c.text;
  }
}

// The first spelling found is the one shown; case significance keeps it.
TEST(UnicodeScannerTest, FirstSpellingIsShown) {
  UnicodeSettings settings = PlainSettings("pl");
  settings.scan.blnCaseSignificant = true;
  const auto table = CountText("ŁÓDŹ Łódź łódź", settings);
  ASSERT_EQ(table->Words().size(), 1u);
  EXPECT_EQ(table->Words()[0].strWord(), "ŁÓDŹ");
  EXPECT_EQ(table->Words()[0].lngCount, 3);
}

// Results never depend on the read size: UTF-8 sequences and CR LF split
// across reads are joined again.
TEST(UnicodeScannerTest, ReadSizeDoesNotMatter) {
  const std::string text =
      "Zażółć gęślą jaźń\r\n我们今天去北京。\rภาษาไทยเป็นภาษา\nΕλληνικά ΕΛΛΗΝΙΚΆ\r\n";
  const UnicodeSettings settings = PlainSettings("");
  const auto whole = CountText(text, settings);
  for (const std::size_t capacity : {1u, 2u, 3u, 7u, 65536u}) {
    const auto pieces = CountText(text, settings, capacity);
    ASSERT_EQ(pieces->Words().size(), whole->Words().size()) << capacity;
    for (std::size_t i = 0; i < whole->Words().size(); ++i) {
      EXPECT_EQ(pieces->Words()[i].strWord(), whole->Words()[i].strWord()) << capacity;
      EXPECT_EQ(pieces->Words()[i].lngCount, whole->Words()[i].lngCount) << capacity;
    }
  }
}

// Runs longer than any word are cut into pieces and, being too long, not
// counted; the words around them still are.
TEST(UnicodeScannerTest, HugeRunsAreBoundedAndSkipped) {
  std::string marks = "a";
  for (int i = 0; i < 100000; ++i) marks += "\xCC\x81";
  std::string han;
  for (int i = 0; i < 40000; ++i) han += "我们";
  const auto table =
      CountText("before " + marks + " " + std::string(200000, 'x') + " after", PlainSettings(""));
  std::vector<std::string> got;
  for (std::size_t i = 0; i < table->Words().size(); ++i)
    got.emplace_back(table->Words()[i].strWord());
  EXPECT_EQ(got, (std::vector<std::string>{"after", "before"}));
  const auto chinese = CountText(han, PlainSettings("zh"));
  ASSERT_EQ(chinese->Words().size(), 1u);
  EXPECT_EQ(chinese->Words()[0].strWord(), "我们");
  EXPECT_GT(chinese->Words()[0].lngCount, 39990);  // a few cut where a piece ends
}

}  // namespace
}  // namespace zet
