#include "scanner/Scanner.h"

#include <gtest/gtest.h>

#include <functional>

#include "scanner/CommentMarkers.h"
#include "tests/support/ScanHelpers.h"

namespace zet {
namespace {

using test::Counted;
using test::CountLines;
using test::DefaultSettings;
using test::Words;

using Tweak = std::function<void(ScanSettings&)>;

struct ScanRow {
  const char* name;
  std::string text;  // Windows-1252, lines split at LF
  Tweak tweak;
  Counted expected;
  friend void PrintTo(const ScanRow& row, std::ostream* os) { *os << row.name; }
};

void None(ScanSettings&) {}
void Numerals(ScanSettings& s) { s.allow.blnAllowNumerals = true; }
void NoHyphens(ScanSettings& s) { s.allow.blnAllowHyphens = false; }
void KeepFinalS(ScanSettings& s) { s.blnDropFinalS = false; }
void Apostrophes(ScanSettings& s) { s.allow.blnAllowApostrophes = true; }
void CaseSignificant(ScanSettings& s) { s.blnCaseSignificant = true; }
void Html(ScanSettings& s) {
  s.markers = SetCommentMarkers("HTML", {});
  s.blnIsCodeFile = true;
}
void CFile(ScanSettings& s) {
  s.markers = SetCommentMarkers("C", {});
  s.blnIsCodeFile = true;
}
Tweak UserMarkers(std::string a0, std::string b0, std::string a1, std::string b1) {
  return [=](ScanSettings& s) {
    s.markers = {{a0, a1}, {b0, b1}};
    s.chkAllowCommentMarkers = true;
  };
}

class ScanLineTest : public ::testing::TestWithParam<ScanRow> {};

TEST_P(ScanLineTest, CountsTheExpectedWords) {
  ScanSettings settings = DefaultSettings();
  GetParam().tweak(settings);
  EXPECT_EQ(CountLines(GetParam().text, settings), GetParam().expected);
}

// Word characters and word starts.
INSTANTIATE_TEST_SUITE_P(
    WordCharacters, ScanLineTest,
    ::testing::Values(
        ScanRow{"one_letter_word_at_line_end", "a b", None, Words({{"a", 1}, {"b", 1}})},
        ScanRow{"digits_never_start_a_word", "1999 2nd", None, Words({{"nd", 1}})},
        ScanRow{"numerals_continue_words", "mp3", Numerals, Words({{"mp3", 1}})},
        ScanRow{"numerals_off_cut_the_run", "mp3", None, Words({{"mp", 1}})},
        ScanRow{"hyphen_joins_when_allowed", "e-mail", None, Words({{"e-mail", 1}})},
        ScanRow{"hyphen_splits_otherwise", "e-mail", NoHyphens, Words({{"e", 1}, {"mail", 1}})},
        ScanRow{
            "path_with_colons_and_backslashes", "C:\\Temp\\notes",
            [](ScanSettings& s) { s.allow.blnAllowColons = s.allow.blnAllowBackslashes = true; },
            Words({{"c:\\temp\\notes", 1}})},
        ScanRow{"at_sign_cannot_start", "@home", None, Words({{"home", 1}})},
        ScanRow{"multiply_and_divide_separate",
                "a\xD7"
                "b c\xF7"
                "d",
                None, Words({{"a", 1}, {"b", 1}, {"c", 1}, {"d", 1}})},
        ScanRow{"accented_letters_are_letters", "\xE9t\xE9 ni\xF1o", None,
                Words({{"\xE9t\xE9", 1}, {"ni\xF1o", 1}})},
        ScanRow{"codes_128_to_191_separate", "\x8Cuvre \x8Aum", None,
                Words({{"um", 1}, {"uvre", 1}})},
        ScanRow{"typographic_apostrophe_always_separates", "don\x92t", Apostrophes,
                Words({{"don", 1}, {"t", 1}})},
        ScanRow{"underscore_starts_only_when_allowed", "_x __init__",
                [](ScanSettings& s) { s.allow.blnAllowUnderscores = true; },
                Words({{"__init", 1}, {"_x", 1}})},
        ScanRow{"underscore_separates_otherwise", "_x a_b", None,
                Words({{"a", 1}, {"b", 1}, {"x", 1}})}),
    [](const auto& p) { return std::string(p.param.name); });

// Normalisation of the word taken off the line.
INSTANTIATE_TEST_SUITE_P(
    Normalisation, ScanLineTest,
    ::testing::Values(
        ScanRow{"final_s_dropped", "cats days its news physics", None,
                Words({{"cat", 1}, {"day", 1}, {"it", 1}, {"new", 1}, {"physic", 1}})},
        ScanRow{
            "final_s_kept", "glass bus gas is us mathematics", None,
            Words(
                {{"bus", 1}, {"gas", 1}, {"glass", 1}, {"is", 1}, {"mathematics", 1}, {"us", 1}})},
        ScanRow{"maths_exempt_in_any_case", "Maths", CaseSignificant, Words({{"Maths", 1}})},
        ScanRow{"upper_case_s_kept", "CATS AREAs", CaseSignificant,
                Words({{"AREA", 1}, {"CATS", 1}})},
        ScanRow{"final_s_rule_off", "cats", KeepFinalS, Words({{"cats", 1}})},
        ScanRow{"possessive_kept_with_apostrophes", "John's dogs'",
                [](ScanSettings& s) {
                  s.allow.blnAllowApostrophes = true;
                  s.blnCaseSignificant = true;
                },
                Words({{"dog", 1}, {"John's", 1}})},
        ScanRow{"contraction_fragments_discarded", "don't isn't John's o'clock", None,
                Words({{"clock", 1}, {"don", 1}, {"john", 1}, {"o", 1}})},
        ScanRow{"stem_tails_discarded", "en n weren", None, Words({})},
        ScanRow{"trailing_punctuation_trimmed", "end. e.g. pre- note: etc.-",
                [](ScanSettings& s) { s.allow.blnAllowPeriods = s.allow.blnAllowColons = true; },
                Words({{"e.g", 1}, {"end", 1}, {"etc", 1}, {"note", 1}, {"pre", 1}})},
        ScanRow{"slash_and_at_sign_kept", "path/ user@",
                [](ScanSettings& s) {
                  s.allow.blnAllowForwardslashes = s.allow.blnAllowAtSigns = true;
                },
                Words({{"path/", 1}, {"user@", 1}})},
        ScanRow{"double_hyphen_separates", "well--known well-known", None,
                Words({{"known", 1}, {"well", 1}, {"well-known", 1}})},
        ScanRow{"triple_hyphen", "a---b", None, Words({{"a", 1}, {"b", 1}})},
        ScanRow{"hyphen_at_line_end_does_not_join", "well-\nknown", None,
                Words({{"known", 1}, {"well", 1}})},
        ScanRow{"word_of_80_kept_81_dropped", std::string(80, 'a') + " " + std::string(81, 'b'),
                KeepFinalS, Words({{std::string(80, 'a'), 1}})},
        ScanRow{"first_spelling_kept_case_significant", "The the THE", CaseSignificant,
                Words({{"The", 3}})},
        ScanRow{"accents_and_ligatures_fold",
                "Stra\xDF"
                "e strasse M\xFCller Mueller Muller",
                CaseSignificant,
                Words({{"M\xFCller", 2},
                       {"Muller", 1},
                       {"Stra\xDF"
                        "e",
                        2}})},
        ScanRow{"cafe_lower_cased_first", "Caf\xE9 cafe", None, Words({{"caf\xE9", 2}})},
        ScanRow{"whitespace_characters_separate",
                "a\tb\xA0"
                "c",
                None, Words({{"a", 1}, {"b", 1}, {"c", 1}})},
        ScanRow{"space_only_line_skipped_tab_line_scanned", "   \n\t", None, Words({})}),
    [](const auto& p) { return std::string(p.param.name); });

// Entities and comment markers.
INSTANTIATE_TEST_SUITE_P(
    EntitiesAndComments, ScanLineTest,
    ::testing::Values(
        ScanRow{"latin1_entities_decoded", "&eacute;t&eacute;", None, Words({{"\xE9t\xE9", 1}})},
        ScanRow{"other_entities_counted_in_text", "&amp; &nbsp;", None,
                Words({{"amp", 1}, {"nbsp", 1}})},
        ScanRow{"other_entities_skipped_in_html", "&amp; x &nbsp;", Html, Words({{"x", 1}})},
        ScanRow{"numeric_reference_skipped_in_html", "&#233; y", Html, Words({{"y", 1}})},
        ScanRow{"numeric_reference_no_word_in_text", "&#233;", None, Words({})},
        ScanRow{"at_and_t_in_html", "at&t; x", Html, Words({{"at", 1}, {"x", 1}})},
        ScanRow{"ampersand_before_space_not_a_comment", "R & D;", Html,
                Words({{"d", 1}, {"r", 1}})},
        ScanRow{"ampersand_at_line_end_not_a_comment", "a&b", Html, Words({{"a", 1}, {"b", 1}})},
        ScanRow{"tags_skipped", "<b>bold</b>", Html, Words({{"bold", 1}})},
        ScanRow{"tag_over_three_lines", "a <p\nhidden\nstill> b", Html,
                Words({{"a", 1}, {"b", 1}})},
        ScanRow{"c_line_comment", "x = 1; // count", CFile, Words({{"x", 1}})},
        ScanRow{"c_block_over_lines", "/* a\nb */ c", CFile, Words({{"c", 1}})},
        ScanRow{"comments_do_not_nest", "/* a // b */ c", CFile, Words({{"c", 1}})},
        ScanRow{"line_comment_hides_block_start", "// a /* b\nc", CFile, Words({{"c", 1}})},
        ScanRow{"only_a_start_marker", "//\nd", CFile, Words({{"d", 1}})},
        ScanRow{"markers_with_double_hyphen_never_match", "<!-- x -->",
                UserMarkers("<!--", "-->", "#", ""), Words({{"x", 1}})},
        ScanRow{"start_markers_ignore_case_end_must_be_lower", "REM a ENDREM b\nendrem c",
                [](ScanSettings& s) {
                  s.markers = {{"rem", "#"}, {"endrem", ""}};
                  s.chkAllowCommentMarkers = true;
                  s.blnCaseSignificant = true;
                },
                Words({{"c", 1}})},
        ScanRow{"user_markers_need_the_check_box", "/* a */ b",
                [](ScanSettings& s) { s.markers = SetCommentMarkers("C", {}); },
                Words({{"a", 1}, {"b", 1}})},
        ScanRow{"unterminated_comment_swallows_the_rest", "x /* y\nz\nw", CFile,
                Words({{"x", 1}})}),
    [](const auto& p) { return std::string(p.param.name); });

// Runs of plain letters are tested sixteen bytes at a time, and near a
// line's end its last sixteen bytes are: words across those boundaries.
INSTANTIATE_TEST_SUITE_P(
    SixteenAtOnce, ScanLineTest,
    ::testing::Values(
        ScanRow{"sixteen_and_seventeen_letters", "abcdefghijklmnop abcdefghijklmnopq x", KeepFinalS,
                Words({{"abcdefghijklmnop", 1}, {"abcdefghijklmnopq", 1}, {"x", 1}})},
        ScanRow{"hyphen_after_fifteen_letters", "abcdefghijklmno-pq rest", None,
                Words({{"abcdefghijklmno-pq", 1}, {"rest", 1}})},
        ScanRow{"trailing_hyphen_past_sixteen", "abcdefghijklmnopqrst- end", None,
                Words({{"abcdefghijklmnopqrst", 1}, {"end", 1}})},
        ScanRow{"words_in_the_last_sixteen_bytes", "aaaa bbbb cccc dddd eeee", None,
                Words({{"aaaa", 1}, {"bbbb", 1}, {"cccc", 1}, {"dddd", 1}, {"eeee", 1}})},
        ScanRow{"line_of_fifteen_fourteen_and_two", "abcdefghijklmno\nabcdefghijklmn\nab", None,
                Words({{"ab", 1}, {"abcdefghijklmn", 1}, {"abcdefghijklmno", 1}})},
        ScanRow{"accent_after_plain_letters", "abcdefghij na\xEFve caf\xE9", None,
                Words({{"abcdefghij", 1}, {"caf\xE9", 1}, {"na\xEFve", 1}})},
        ScanRow{"capital_inside_a_run", "abcdefghiJklm abcdefghijklm", CaseSignificant,
                Words({{"abcdefghiJklm", 2}})},
        ScanRow{"digits_inside_a_run", "abcdefgh12ijklmnopq", Numerals,
                Words({{"abcdefgh12ijklmnopq", 1}})}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ScanLineRuns, RunLongerThan65000IsTakenInPieces) {
  // Each piece is far too long to count; a run that trims down to a short
  // word still counts, exactly as the pieces fall.
  const std::string longRun(65000 * 2 + 5, 'a');
  EXPECT_EQ(CountLines(longRun + " ok", DefaultSettings()), Words({{"aaaaa", 1}, {"ok", 1}}));
  const std::string hyphens = "a" + std::string(70000, '-') + " end";
  EXPECT_EQ(CountLines(hyphens, DefaultSettings()), Words({{"a", 1}, {"end", 1}}));
}

TEST(ScanLineRuns, MegabyteLineOfWords) {
  std::string line;
  for (int i = 0; i < 200000; ++i) line += "word ";
  EXPECT_EQ(CountLines(line, DefaultSettings()), Words({{"word", 200000}}));
}

TEST(ScanLineRuns, LinesOfManyMegabytesBetweenShortOnes) {
  // Lines this long get storage of their own; the short lines around them
  // and a second, shorter long line must still be read whole.
  std::string big;
  for (int i = 0; i < 1200000; ++i) big += "Word ";
  const std::string text = "start\n" + big + "\nmiddle\n" + big.substr(0, 5000000) + "\nend";
  EXPECT_EQ(CountLines(text, DefaultSettings()),
            Words({{"end", 1}, {"middle", 1}, {"start", 1}, {"word", 2200000}}));
}

TEST(ScanLineRuns, LoneAmpersandsAndSemicolonsAreNotWords) {
  EXPECT_EQ(CountLines("& ; &; ;& &&& ;;;", DefaultSettings()), Words({}));
  ScanSettings html = DefaultSettings();
  Html(html);
  EXPECT_EQ(CountLines("& ; &; ;& &&& ;;; x", html), Words({{"x", 1}}));
}

TEST(ScanLineRuns, ArbitraryBytesNeverCrash) {
  // Every byte value, in every marker setting: no crash and no word that is
  // not made of word characters.
  std::string all;
  for (int round = 0; round < 4; ++round)
    for (int c = 0; c < 256; ++c) all.push_back(static_cast<char>((c * 37 + round * 11) & 0xFF));
  for (const Tweak& tweak : {Tweak(None), Tweak(Html), Tweak(CFile), Tweak(Numerals)}) {
    ScanSettings s = DefaultSettings();
    tweak(s);
    for (const auto& [word, count] : CountLines(all, s)) {
      EXPECT_FALSE(word.empty());
      EXPECT_GE(count, 1);
    }
  }
}

// Records what the scanner shows, and stops it at a chosen word.
class RecordingObserver : public ScanObserver {
 public:
  void ShowFirstWord(std::string_view word) override { shown = std::string(word) + " "; }
  void ShowNewWord(std::string_view word) override { shown += std::string(word) + " "; }
  void NewWordCounted(std::size_t n) override {
    if (n % 10 == 0) label = "Number of different words found so far: " + std::to_string(n);
    ++labelShows;
  }
  void SuppressWordDisplay() override {
    shown += "\r\n\r\n[Suppressing display of words to avoid buffer overflow.]";
    ++suppressions;
  }
  bool Pump() override { return ++pumps != stopAt; }

  std::string shown;
  std::string label;
  int labelShows = 0;
  int suppressions = 0;
  int pumps = 0;
  int stopAt = -1;
};

std::string DistinctWords(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) {
    std::string w;
    for (int v = i; w.empty() || v > 0; v /= 26) w.push_back(static_cast<char>('a' + v % 26));
    text += "q" + w + "x ";  // never a contraction stem, never a final s
  }
  return text;
}

TEST(ScannerDisplay, FirstWordReplacesTextAndLabelCountsFromTheSecond) {
  WordTable table;
  RecordingObserver obs;
  Scanner scanner(DefaultSettings(), table, obs);
  scanner.ScanSourceLine(DistinctWords(10));
  EXPECT_EQ(obs.shown.substr(0, 4), "qax ");
  EXPECT_EQ(obs.labelShows, 9);
  EXPECT_EQ(obs.label, "Number of different words found so far: 10");
  EXPECT_EQ(obs.pumps, 10);
}

TEST(ScannerDisplay, WordDisplayStopsAfter2000DifferentWords) {
  WordTable table;
  RecordingObserver obs;
  Scanner scanner(DefaultSettings(), table, obs);
  scanner.ScanSourceLine(DistinctWords(2500));
  EXPECT_EQ(obs.suppressions, 1);
  EXPECT_EQ(table.size(), 2500u);
  const std::string tail = "[Suppressing display of words to avoid buffer overflow.]";
  ASSERT_GE(obs.shown.size(), tail.size());
  EXPECT_EQ(obs.shown.substr(obs.shown.size() - tail.size()), tail);
}

TEST(ScannerDisplay, SuppressedPassShowsNoWordsButCountsThem) {
  WordTable table;
  RecordingObserver obs;
  ScanSettings settings = DefaultSettings();
  settings.blnSuppressWords = true;
  Scanner scanner(settings, table, obs);
  scanner.ScanSourceLine(DistinctWords(20));
  EXPECT_EQ(obs.shown, "");
  EXPECT_EQ(obs.label, "Number of different words found so far: 20");
}

TEST(ScannerStop, StopEndsThePassAfterTheCurrentWord) {
  WordTable table;
  RecordingObserver obs;
  obs.stopAt = 3;
  Scanner scanner(DefaultSettings(), table, obs);
  scanner.ScanSourceLine("one two three four");
  scanner.ScanSourceLine("five");
  EXPECT_TRUE(scanner.StopRequested());
  EXPECT_EQ(test::Entries(table), Words({{"one", 1}, {"three", 1}, {"two", 1}}));
}

TEST(ScannerPasses, EachScannerStartsWithNoCommentOpen) {
  ScanSettings c = DefaultSettings();
  CFile(c);
  WordTable table;
  ScanObserver quiet;
  {
    Scanner first(c, table, quiet);
    first.ScanSourceLine("a /* never closed");
    EXPECT_EQ(first.intOpenComment(), 0);
  }
  Scanner second(c, table, quiet);
  second.ScanSourceLine("visible");
  EXPECT_EQ(test::Entries(table), Words({{"a", 1}, {"visible", 1}}));
}

TEST(ScannerPasses, ClipboardTextIsOneLineWithItsBreaksSeparatingWords) {
  ScanSettings c = DefaultSettings();
  CFile(c);
  c.blnIsCodeFile = false;
  c.chkAllowCommentMarkers = true;
  WordTable table;
  ScanObserver quiet;
  Scanner scanner(c, table, quiet);
  scanner.ScanWholeText("  Alpha\r\nbeta // gamma\r\ndelta");
  EXPECT_EQ(test::Entries(table), Words({{"alpha", 1}, {"beta", 1}}));
}

// Past about 46000 different words the table no longer fits the caches and
// the scanner counts words in batches; the counts, the announcements and
// the stop must not change.
constexpr int kBeyondCache = 50000;

TEST(ScannerBigTable, BatchedWordsAreCountedUnderTheirKeys) {
  WordTable table;
  RecordingObserver obs;
  ScanSettings settings = DefaultSettings();
  settings.blnCaseSignificant = true;
  Scanner scanner(settings, table, obs);
  const std::string words = DistinctWords(kBeyondCache);
  scanner.ScanSourceLine(words);
  ASSERT_FALSE(table.FitsInCache());
  scanner.ScanSourceLine(words);
  scanner.ScanSourceLine(
      "QAX Qax Caf\xE9 cafe Stra\xDF"
      "e strasse");
  EXPECT_EQ(table.size(), static_cast<std::size_t>(kBeyondCache) + 2);
  EXPECT_EQ(table.TotalOccurrences(), 2 * kBeyondCache + 6);
  EXPECT_EQ(obs.pumps, 2 * kBeyondCache + 6);
  EXPECT_EQ(obs.labelShows, kBeyondCache + 1);
  ASSERT_NE(table.FindKey("qax"), nullptr);
  EXPECT_EQ(table.FindKey("qax")->lngCount, 4);
  ASSERT_NE(table.FindKey("cafe"), nullptr);
  EXPECT_EQ(table.FindKey("cafe")->strWord(), "Caf\xE9");
  EXPECT_EQ(table.FindKey("strasse")->lngCount, 2);
}

TEST(ScannerBigTable, StopInsideABatchCountsNoWordAfterIt) {
  WordTable table;
  RecordingObserver obs;
  obs.stopAt = kBeyondCache + 5;
  Scanner scanner(DefaultSettings(), table, obs);
  scanner.ScanSourceLine(DistinctWords(kBeyondCache + 100));
  scanner.ScanSourceLine("more words");
  EXPECT_TRUE(scanner.StopRequested());
  EXPECT_EQ(obs.pumps, kBeyondCache + 5);
  EXPECT_EQ(table.TotalOccurrences(), kBeyondCache + 5);
  EXPECT_EQ(table.FindKey("more"), nullptr);
}

}  // namespace
}  // namespace zet
