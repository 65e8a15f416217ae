// What the desktop program adds beside the main window, decided without a
// desktop: the results table's rows, the vocabulary profile, recent files
// and dropped files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/windows/MainWindowFixture.h"
#include "windows/LeftOutWordsTable.h"
#include "windows/ListedWordsTable.h"
#include "windows/MainDrops.h"
#include "windows/RecentFiles.h"
#include "windows/VocabularyProfile.h"

namespace zet {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// The words of `text`, counted and ranked as a listing ranks them.
struct Counted {
  explicit Counted(const std::vector<std::pair<std::string, int>>& words) {
    for (const auto& [word, count] : words)
      for (int i = 0; i < count; ++i) (void)table.Add(word);
    FilterSettings keepAll;
    keepAll.blnIgnoreRepetitions = false;
    keepAll.blnIgnoreRomNum40 = false;
    keepAll.blnIgnoreNoVowelOrY = false;
    results = RunResultsStages(table, keepAll);
  }
  WordTable table;
  ListResults results;
};

std::vector<std::string> Column(const TableRows& rows, std::size_t column) {
  std::vector<std::string> cells;
  for (std::size_t row = 0; row < rows.RowCount(); ++row) cells.push_back(rows.Cell(row, column));
  return cells;
}

TEST(ListedWordsTableTest, SortsEveryColumnBothWays) {
  const Counted counted({{"pear", 2}, {"apple", 5}, {"fig", 1}, {"date", 2}});
  ListedWordsTable rows(counted.table, counted.results);
  struct Row {
    std::size_t column;
    bool ascending;
    std::vector<std::string> words;
  };
  const std::vector<Row> cases = {
      {ListedWordsTable::kRank, true, {"apple", "date", "pear", "fig"}},
      {ListedWordsTable::kRank, false, {"fig", "pear", "date", "apple"}},
      {ListedWordsTable::kWord, true, {"apple", "date", "fig", "pear"}},
      {ListedWordsTable::kWord, false, {"pear", "fig", "date", "apple"}},
      {ListedWordsTable::kFrequency, false, {"apple", "date", "pear", "fig"}},
      {ListedWordsTable::kFrequency, true, {"fig", "pear", "date", "apple"}},
      {ListedWordsTable::kPercentage, false, {"apple", "date", "pear", "fig"}},
  };
  for (const Row& row : cases) {
    rows.Sort(row.column, row.ascending);
    EXPECT_EQ(Column(rows, ListedWordsTable::kWord), row.words)
        << "column " << row.column << (row.ascending ? " ascending" : " descending");
  }
  rows.Sort(ListedWordsTable::kRank, true);
  EXPECT_THAT(Column(rows, ListedWordsTable::kRank), ElementsAre("1", "2", "3", "4"));
  EXPECT_THAT(Column(rows, ListedWordsTable::kFrequency), ElementsAre("5", "2", "2", "1"));
  EXPECT_THAT(Column(rows, ListedWordsTable::kPercentage),
              ElementsAre("50.0000", "20.0000", "20.0000", "10.0000"));
}

TEST(ListedWordsTableTest, FilterKeepsTheSortAndIgnoresCase) {
  // Word order is the listing's alphabetical order: case and accents aside.
  const Counted counted({{"Paris", 1}, {"apple", 3}, {"grape", 2}, {"\xE9pat\xE9", 4}});
  ListedWordsTable rows(counted.table, counted.results);
  rows.Sort(ListedWordsTable::kWord, true);
  struct Row {
    std::string filter;
    std::vector<std::string> words;
  };
  const std::vector<Row> cases = {
      {"AP", {"apple", "grape"}},
      {"pa", {"\xC3\xA9pat\xC3\xA9", "Paris"}},  // UTF-8 out
      {"\xC3\x89P", {"\xC3\xA9pat\xC3\xA9"}},    // É typed finds é
      {"zz", {}},
      {"", {"apple", "\xC3\xA9pat\xC3\xA9", "grape", "Paris"}},
  };
  for (const Row& row : cases) {
    rows.Filter(row.filter);
    EXPECT_EQ(Column(rows, ListedWordsTable::kWord), row.words) << row.filter;
  }
  rows.Filter("a");
  rows.Sort(ListedWordsTable::kFrequency, false);
  EXPECT_EQ(Column(rows, ListedWordsTable::kWord),
            (std::vector<std::string>{"\xC3\xA9pat\xC3\xA9", "apple", "grape", "Paris"}));
}

// The left-out words sort by each column, the reason keeping frequency
// order within it, and filter on the word as the listed words do.
TEST(LeftOutWordsTableTest, SortsByEachColumnAndFiltersOnTheWord) {
  WordTable table;
  for (const auto& [word, count] : std::vector<std::pair<std::string, int>>{
           {"zz", 1}, {"mm", 3}, {"xiv", 2}, {"ok", 5}, {"ab", 4}, {"kept", 9}})
    for (int i = 0; i < count; ++i) (void)table.Add(word);
  FilterSettings filters;              // repetitions, Roman numerals and no-vowel words go
  filters.blnIgnoreShortWords = true;  // so do words of fewer than 3 letters
  (void)RunResultsStages(table, filters);
  LeftOutWordsTable rows(table, filters);
  struct Row {
    std::size_t column;
    bool ascending;
    std::vector<std::string> words;
  };
  const std::vector<Row> cases = {
      {LeftOutWordsTable::kWord, true, {"ab", "mm", "ok", "xiv", "zz"}},
      {LeftOutWordsTable::kFrequency, false, {"ok", "ab", "mm", "xiv", "zz"}},
      {LeftOutWordsTable::kFrequency, true, {"zz", "xiv", "mm", "ab", "ok"}},
      // Short words are tested before repetitions and numerals.
      {LeftOutWordsTable::kReason, true, {"ok", "ab", "mm", "zz", "xiv"}},
  };
  for (const Row& row : cases) {
    rows.Sort(row.column, row.ascending);
    EXPECT_EQ(Column(rows, LeftOutWordsTable::kWord), row.words) << row.column;
  }
  rows.Filter("M");
  EXPECT_EQ(Column(rows, LeftOutWordsTable::kWord), (std::vector<std::string>{"mm"}));
  EXPECT_EQ(rows.Cell(0, LeftOutWordsTable::kReason), "shorter than 3");
  EXPECT_EQ(rows.RowsAsTsv({0}), "Word\tFrequency\tLeft out because\nmm\t3\tshorter than 3\n");
}

TEST(ListedWordsTableTest, SelectedRowsAsTabSeparatedValues) {
  const Counted counted({{"b", 1}, {"a", 3}});
  const ListedWordsTable rows(counted.table, counted.results);
  EXPECT_EQ(rows.RowsAsTsv({1, 0, 7}),
            "Rank\tWord\tFrequency\tPercentage\n"
            "2\tb\t1\t25.0000\n"
            "1\ta\t3\t75.0000\n");
}

TEST(ListedWordsTableTest, ResultsOfAnotherTableDoNotMatch) {
  const Counted small({{"a", 1}});
  const Counted large({{"a", 1}, {"b", 2}, {"c", 3}});
  EXPECT_TRUE(ResultsMatchTable(large.table, large.results));
  EXPECT_FALSE(ResultsMatchTable(small.table, large.results));
  EXPECT_FALSE(ResultsMatchTable(large.table, small.results));
}

TEST(VocabularyProfileTest, FiguresOfAKnownText) {
  // Counts 8, 4, 2, 2, 1, 1: a perfect Zipf head would halve each time.
  const Counted counted({{"the", 8}, {"of", 4}, {"and", 2}, {"to", 2}, {"a", 1}, {"in", 1}});
  const ProfileFigures profile = ProfileOf(counted.table, counted.results);
  EXPECT_EQ(profile.types, 6);
  EXPECT_EQ(profile.tokens, 18);
  EXPECT_DOUBLE_EQ(profile.typeTokenRatio, 6.0 / 18.0);
  EXPECT_EQ(profile.onceOnly, 2);
  EXPECT_EQ(profile.twice, 2);
  ASSERT_EQ(profile.curve.size(), 6U);
  EXPECT_DOUBLE_EQ(profile.curve.front().logFrequency, std::log10(8.0));
  EXPECT_DOUBLE_EQ(profile.curve.back().logRank, std::log10(6.0));
  // The least-squares line through the six points, worked out by hand.
  double sx = 0, sy = 0, sxx = 0, sxy = 0;
  const int counts[] = {8, 4, 2, 2, 1, 1};
  for (int r = 1; r <= 6; ++r) {
    const double x = std::log10(r), y = std::log10(counts[r - 1]);
    sx += x, sy += y, sxx += x * x, sxy += x * y;
  }
  const double slope = (6 * sxy - sx * sy) / (6 * sxx - sx * sx);
  EXPECT_NEAR(profile.slope, slope, 1e-12);
  EXPECT_NEAR(profile.intercept, (sy - slope * sx) / 6, 1e-12);
  EXPECT_LT(profile.slope, -1.0);
}

TEST(VocabularyProfileTest, CurveIsThinnedButKeepsHeadAndLastRank) {
  std::vector<std::pair<std::string, int>> words;
  for (int i = 0; i < 5000; ++i) words.push_back({"w" + std::to_string(i), 1 + i % 7});
  const Counted counted(words);
  const ProfileFigures profile = ProfileOf(counted.table, counted.results, 100);
  ASSERT_LE(profile.curve.size(), 100U);
  EXPECT_GE(profile.curve.size(), 90U);
  EXPECT_DOUBLE_EQ(profile.curve[0].logRank, 0.0);
  EXPECT_DOUBLE_EQ(profile.curve[49].logRank, std::log10(50.0));
  EXPECT_DOUBLE_EQ(profile.curve.back().logRank, std::log10(5000.0));
  for (std::size_t i = 1; i < profile.curve.size(); ++i)
    EXPECT_LT(profile.curve[i - 1].logRank, profile.curve[i].logRank);
}

TEST(VocabularyProfileTest, NothingListedGivesZeros) {
  const Counted counted({});
  const ProfileFigures profile = ProfileOf(counted.table, counted.results);
  EXPECT_EQ(profile.types, 0);
  EXPECT_EQ(profile.typeTokenRatio, 0.0);
  EXPECT_TRUE(profile.curve.empty());
  EXPECT_EQ(profile.slope, 0.0);
}

TEST(RecentFilesTest, NewestFirstWithoutRepeatsAtMostTen) {
  struct Row {
    std::vector<std::string> before;
    std::string path;
    std::vector<std::string> after;
  };
  std::vector<std::string> ten, tenAfter{"new"};
  for (int i = 0; i < 10; ++i) ten.push_back(std::to_string(i));
  for (int i = 0; i < 9; ++i) tenAfter.push_back(std::to_string(i));
  const std::vector<Row> cases = {
      {{}, "/a", {"/a"}},
      {{"/a", "/b"}, "/b", {"/b", "/a"}},
      {{"/a", "/b"}, "", {"/a", "/b"}},
      {ten, "new", tenAfter},
      {ten, "9", {"9", "0", "1", "2", "3", "4", "5", "6", "7", "8"}},
  };
  for (const Row& row : cases)
    EXPECT_EQ(WithRecentFile(row.before, row.path), row.after) << row.path;
}

TEST(DropTest, KindOfDrop) {
  const auto folder = [](const std::string& path) { return path.ends_with("/"); };
  EXPECT_EQ(KindOfDrop({}, folder), DropKind::Nothing);
  EXPECT_EQ(KindOfDrop({"/t/a.txt"}, folder), DropKind::InputFile);
  EXPECT_EQ(KindOfDrop({"/t/"}, folder), DropKind::Corpus);
  EXPECT_EQ(KindOfDrop({"/t/a.txt", "/t/b.txt"}, folder), DropKind::Corpus);
}

class MainDropsTest : public test::MainWindowTest {};

TEST_F(MainDropsTest, OneFileIsTheInputFileWithItsChecks) {
  Start();
  const std::string text = Write("book.txt", "one two two\n");
  ASSERT_TRUE(frm->optInTextBox.UserClick());
  MainDrops drops(*frm);
  ASSERT_TRUE(drops.Drop({text}));
  EXPECT_EQ(frm->txbFile0.Text(), text);
  EXPECT_THAT(frm->lblFilesize.Caption(), HasSubstr("12 bytes"));
  EXPECT_TRUE(frm->optInFile.Value());
  // The logic's focus move after leaving the box stays.
  EXPECT_TRUE(frm->cmdListWords.HasFocus());
  EXPECT_THAT(hp.messageBoxes.Shown(), ::testing::IsEmpty());
}

TEST_F(MainDropsTest, AMissingFileIsReportedAsWhenTyped) {
  Start();
  const std::string missing = temp.File("gone.txt");
  hp.messageBoxes.AnswerOk();
  MainDrops drops(*frm);
  ASSERT_TRUE(drops.Drop({missing}));
  EXPECT_EQ(frm->lblFilesize.Caption(), "");
  ASSERT_EQ(hp.messageBoxes.Shown().size(), 1U);
  EXPECT_THAT(hp.messageBoxes.Shown()[0].text, HasSubstr("does not exist"));
  hp.messageBoxes.ClearShown();
}

// Several files, or a folder, are counted as the one text they would make
// together: the list is the list of their concatenation.
TEST_F(MainDropsTest, SeveralFilesOrAFolderAreCountedAsOneCorpus) {
  Start();
  std::filesystem::create_directories(temp.File("c/sub"));
  const std::string a = Write("c/a.txt", "one two two\n");
  const std::string b = Write("c/sub/b.txt", "two three\n");
  const std::string picture = Write("c/sub/pic.png", std::string("\x89PNG\x01\x02", 6));
  const std::string all = Write("all.txt", "one two two\ntwo three\n");
  TypeInputFile(all);
  Count();
  const std::string expected = frm->txbOutput.Text();
  ASSERT_THAT(expected, HasSubstr("three"));
  struct Row {
    std::vector<std::string> dropped;
    std::string size;
    std::vector<std::string> notes;  // in the box after the count
  };
  const std::vector<Row> rows = {
      {{a, b}, "Corpus:   2 files    22 bytes", {}},
      {{temp.File("c")},
       "Corpus:   3 files    28 bytes    (1 skipped)",
       {"warning: skipped: This is not a text file. (" + picture + ")"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.size);
    hp.messageBoxes.ClearShown();
    if (!row.notes.empty()) hp.messageBoxes.AnswerOk();
    MainDrops drops(*frm);
    ASSERT_TRUE(drops.Drop(row.dropped));
    EXPECT_EQ(frm->txbOutput.Text(), expected);
    EXPECT_EQ(frm->lblFilesize.Caption(), row.size);
    EXPECT_EQ(frm->txbFile0.Text(), "");
    ASSERT_EQ(hp.messageBoxes.Shown().size(), row.notes.size());
    for (const std::string& note : row.notes)
      EXPECT_THAT(hp.messageBoxes.Shown()[0].text, HasSubstr(note));
    // The corpus stays the source: counting again lists the same words.
    Count();
    EXPECT_EQ(frm->txbOutput.Text(), expected);
  }
  // Choosing a file makes it the source again.
  TypeInputFile(a);
  EXPECT_TRUE(frm->CorpusFiles().empty());
  EXPECT_THAT(frm->lblFilesize.Caption(), HasSubstr("Filesize:   12 bytes"));
}

// Was: an output file that was one of the dropped files was skipped as
// input and then replaced by the list.
TEST_F(MainDropsTest, TheOutputFileIsNeverAFileOfTheCorpus) {
  Start();
  const std::string a = Write("a.txt", "alpha\n");
  const std::string b = Write("b.txt", "beta\n");
  TypeOutputFile(b);
  hp.messageBoxes.AnswerOk();
  MainDrops drops(*frm);
  ASSERT_TRUE(drops.Drop({a, b}));
  ASSERT_EQ(hp.messageBoxes.Shown().size(), 1U);
  EXPECT_THAT(hp.messageBoxes.Shown()[0].text, HasSubstr("cannot be the same as the input file"));
  std::ifstream kept(b, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "beta\n");
  EXPECT_EQ(frm->Words().size(), 0U);
}

// Stop ends a corpus where it is: the files after it are not read, and the
// question whether to list what was counted is the one a file gets.
TEST_F(MainDropsTest, StopEndsACorpusCountInTheFileItIsIn) {
  Start();
  const std::string a = Write("a.txt", "alpha beta gamma delta\n");
  const std::string b = Write("b.txt", "omega\n");
  hp.eventPump.ResetCounts();
  hp.eventPump.At(2, [&] { ASSERT_TRUE(frm->cmdListWords.UserClick()); });
  hp.messageBoxes.Answer(MessageAnswer::kYes);
  MainDrops drops(*frm);
  ASSERT_TRUE(drops.Drop({a, b}));
  ASSERT_EQ(hp.messageBoxes.Shown().size(), 1U);
  EXPECT_EQ(hp.messageBoxes.Shown()[0].title, "Counting interrupted");
  EXPECT_TRUE(frm->CountIncomplete());
  EXPECT_EQ(frm->Words().FindKey("omega"), nullptr);
  EXPECT_THAT(frm->txbOutput.Text(), HasSubstr("alpha"));
}

// A corpus is counted with the default word model only: refused while
// "Unicode letters" is ticked, and listed as itself after a Unicode count
// (was: the earlier Unicode list came back).
TEST_F(MainDropsTest, ACorpusIsCountedWithTheDefaultModelOnly) {
  Start();
  const std::string a = Write("a.txt", "alpha gamma\n");
  const std::string b = Write("b.txt", "beta\n");
  frm->paramsWindow.chkUnicodeLetters.SetValue(CheckBox::kChecked);
  MainDrops drops(*frm);
  ASSERT_TRUE(drops.Drop({a}));
  ASSERT_TRUE(frm->cmdListWords.UserClick());
  EXPECT_THAT(frm->txbOutput.Text(), HasSubstr("gamma"));

  hp.messageBoxes.AnswerOk();
  drops.Drop({a, b});
  ASSERT_EQ(hp.messageBoxes.Shown().size(), 1U);
  EXPECT_THAT(hp.messageBoxes.Shown()[0].text, HasSubstr("default word model only"));

  frm->paramsWindow.chkUnicodeLetters.SetValue(CheckBox::kUnchecked);
  ASSERT_TRUE(drops.Drop({a, b}));
  EXPECT_THAT(frm->txbOutput.Text(), HasSubstr("beta"));
  EXPECT_NE(frm->Words().FindKey("beta"), nullptr);
}

}  // namespace
}  // namespace zet
