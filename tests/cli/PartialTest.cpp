// Counts that merge: partial counts of pieces of a text, merged in any
// tree, list exactly what one count of the text lists; the map and reduce
// steps do the same through their lines; a partial count that is not
// whole, or not of these word rules, is refused and named.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>

#include "cli/CountCommand.h"
#include "engine/PartialCount.h"
#include "tests/support/TempDir.h"

namespace zet {
namespace {

using test::TempDir;

struct Ran {
  int status = -1;
  std::string out;
  std::string err;
};

Ran Count(std::vector<std::string> args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCountCommand(args, in, out, err);
  return {status, out.str(), err.str()};
}

// Lines of words in several spellings of one key ("Café", "cafe", "CAFÉ"),
// so which spelling a merge keeps shows.
std::string GeneratedText(std::mt19937& random, std::size_t lines) {
  static const char* const kWords[] = {"Café",  "cafe",       "CAFÉ",    "apple", "Apple", "naïve",
                                       "Naive", "Straße",     "strasse", "rôle",  "role",  "cats",
                                       "don't", "well-known", "x",       "Zebra", "zebra", "Œuvre"};
  std::string text;
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kWords) - 1);
  for (std::size_t i = 0; i < lines; ++i) {
    for (int w = 0; w < 7; ++w) text += std::string(kWords[pick(random)]) + (w < 6 ? " " : "\n");
  }
  return text;
}

std::string SampleText() { return TempDir::Read(ZET_SOURCE_DIR "/data/sample.txt"); }

// `text` cut at `n - 1` random line ends.
std::vector<std::string> SplitLines(const std::string& text, std::size_t n, std::mt19937& random) {
  std::vector<std::size_t> ends;
  for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
    ends.push_back(i + 1);
  std::shuffle(ends.begin(), ends.end(), random);
  ends.resize(std::min(ends.size(), n - 1));
  std::sort(ends.begin(), ends.end());
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (const std::size_t end : ends) {
    pieces.push_back(text.substr(start, end - start));
    start = end;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

const std::vector<std::vector<std::string>> kListings = {
    {},
    {"--order", "alphabetical", "--format", "8"},
    {"--min-count", "2", "--totals"},
    {"--range", "--min-range", "2", "--format", "3"}};

// The lines map and reduce cannot give: their lines hold no count of files.
std::string WithoutFileTotals(const std::string& listing) {
  std::string kept;
  std::istringstream lines(listing);
  for (std::string line; std::getline(lines, line);)
    if (!line.starts_with("Number of files")) kept += line + '\n';
  return kept;
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct SplitCase {
  std::string name;
  std::size_t pieces;
  bool generated;
  friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
};

class MergeEqualsOnePass : public ::testing::TestWithParam<SplitCase> {};

// The pieces are files; runs of one to three of them are counted into one
// partial count each, numbered from the run's first piece, and merged in a
// shuffled order (the ordinals decide) as one count of all the files; then
// the same through map and reduce, a piece at a time.
TEST_P(MergeEqualsOnePass, ListsAsOneCount) {
  const SplitCase& c = GetParam();
  for (unsigned seed = 1; seed <= 3; ++seed) {
    std::mt19937 random(seed);
    const std::string text = c.generated ? GeneratedText(random, 300) : SampleText();
    TempDir dir;
    const std::vector<std::string> pieces = SplitLines(text, c.pieces, random);
    std::vector<std::string> files;
    std::string mapped;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      files.push_back(dir.Write("p" + std::to_string(i) + ".txt", pieces[i]));
      mapped += Count({"--map", "--source", std::to_string(i)}, pieces[i]).out;
    }
    std::vector<std::string> parts;
    for (std::size_t first = 0; first < files.size();) {
      const std::size_t end =
          std::min(files.size(), first + std::uniform_int_distribution<std::size_t>(1, 3)(random));
      parts.push_back(dir.File("g" + std::to_string(first) + ".part"));
      const Ran counted =
          Count(Joined({"--partial", parts.back(), "--source", std::to_string(first)},
                       {files.begin() + first, files.begin() + end}));
      ASSERT_EQ(counted.status, 0) << counted.err;
      first = end;
    }
    std::vector<std::string> lines;
    for (std::istringstream s(mapped); std::getline(s, lines.emplace_back());) {
    }
    std::sort(lines.begin(), lines.end());
    std::string sorted;
    for (const std::string& l : lines)
      if (!l.empty()) sorted += l + "\n";
    const Ran reduced = Count({"--reduce"}, sorted);
    ASSERT_EQ(reduced.status, 0) << reduced.err;

    std::shuffle(parts.begin(), parts.end(), random);
    for (const std::vector<std::string>& listing : kListings) {
      const Ran one = Count(Joined(listing, files));
      ASSERT_EQ(one.status, 0);
      const Ran merged = Count(Joined(Joined({"--merge"}, listing), parts));
      EXPECT_EQ(merged.status, 0) << merged.err;
      EXPECT_EQ(merged.out, one.out) << "seed " << seed;
      const std::string words = WithoutFileTotals(one.out);
      EXPECT_EQ(Count(Joined({"--reduce", "--list"}, listing), reduced.out).out, words);
      EXPECT_EQ(Count(Joined({"--reduce", "--list"}, listing), mapped).out, words)
          << "unsorted lines";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Splits, MergeEqualsOnePass,
                         ::testing::Values(SplitCase{"sample_in_2", 2, false},
                                           SplitCase{"sample_in_7", 7, false},
                                           SplitCase{"generated_in_3", 3, true},
                                           SplitCase{"generated_in_12", 12, true}),
                         [](const auto& row) { return row.param.name; });

// (A+B)+C, A+(B+C) and one count of A, B, C agree, by ordinals or, without
// them, by the order the partial counts are given; so does -o's file.
TEST(PartialMerge, IsAssociative) {
  std::mt19937 random(7);
  TempDir dir;
  const std::string text = GeneratedText(random, 200);
  const std::vector<std::string> pieces = SplitLines(text, 3, random);
  std::vector<std::string> p;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string file = dir.Write("t" + std::to_string(i) + ".txt", pieces[i]);
    p.push_back(dir.File("t" + std::to_string(i) + ".part"));
    ASSERT_EQ(Count({"--partial", p[i], file}).status, 0);  // every ordinal 0
  }
  const std::string ab = dir.File("ab.part"), bc = dir.File("bc.part");
  ASSERT_EQ(Count({"--merge", p[0], p[1], "--partial", ab}).status, 0);
  ASSERT_EQ(Count({"--merge", p[1], p[2], "--partial", bc}).status, 0);
  const std::string left = dir.File("left.part"), right = dir.File("right.part");
  ASSERT_EQ(Count({"--merge", ab, p[2], "--partial", left}).status, 0);
  ASSERT_EQ(Count({"--merge", p[0], bc, "--partial", right}).status, 0);
  EXPECT_EQ(TempDir::Read(left), TempDir::Read(right));

  const std::string whole = dir.Write("whole.txt", text);
  const std::string one = dir.File("one.txt"), merged = dir.File("merged.txt");
  ASSERT_EQ(Count({"--format", "8", "-o", one, whole}).status, 0);
  ASSERT_EQ(Count({"--merge", "--format", "8", "-o", merged, left}).status, 0);
  EXPECT_EQ(TempDir::Read(merged), TempDir::Read(one));
}

struct BadPart {
  std::string name;
  std::string (*spoil)(const std::string& good, const std::string& other);
  std::string message;
  friend void PrintTo(const BadPart& c, std::ostream* os) { *os << c.name; }
};

class RefusedPartial : public ::testing::TestWithParam<BadPart> {};

// Status 1, a message naming the file, and no list.
TEST_P(RefusedPartial, IsNamedAndNothingListed) {
  TempDir dir;
  const std::string text = dir.Write("t.txt", SampleText());
  const std::string goodPath = dir.File("good.part"), otherPath = dir.File("other.part");
  ASSERT_EQ(Count({"--partial", goodPath, text}).status, 0);
  ASSERT_EQ(Count({"--partial", otherPath, "--keep-final-s", text}).status, 0);
  const std::string bad =
      dir.Write("bad.part", GetParam().spoil(TempDir::Read(goodPath), TempDir::Read(otherPath)));
  const std::string listed = dir.File("list.txt");
  const Ran run = Count({"--merge", goodPath, bad, "-o", listed});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(bad), std::string::npos) << run.err;
  EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(listed));
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedPartial,
    ::testing::Values(
        BadPart{"empty", [](const std::string&, const std::string&) { return std::string(); },
                "empty"},
        BadPart{"truncated",
                [](const std::string& g, const std::string&) { return g.substr(0, g.size() / 2); },
                "truncated"},
        BadPart{"end_line_cut",
                [](const std::string& g, const std::string&) { return g.substr(0, g.size() - 1); },
                "truncated"},
        BadPart{"other_version",
                [](const std::string& g, const std::string&) {
                  return "ZET-PARTIAL 2" + g.substr(g.find('\n'));
                },
                "another version (2)"},
        BadPart{"other_rules", [](const std::string&, const std::string& o) { return o; },
                "other word rules"},
        BadPart{"corrupted_byte",
                [](const std::string& g, const std::string&) {
                  std::string b = g;
                  b[b.size() / 2] ^= 0x04;
                  return b;
                },
                "checksum"},
        BadPart{"count_changed",
                [](const std::string& g, const std::string&) {
                  std::string b = g;
                  b[b.find("\t27\t") + 1] = '3';
                  return b;
                },
                "checksum"},
        BadPart{"concatenated", [](const std::string& g, const std::string& o) { return g + o; },
                "joined"},
        BadPart{"not_a_partial",
                [](const std::string&, const std::string&) { return std::string("a\tb\n"); },
                "not a partial count"}),
    [](const auto& row) { return row.param.name; });

TEST(RefusedPartial, MissingFileAndBadReduceLines) {
  TempDir dir;
  const Ran missing = Count({"--merge", dir.File("none.part")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("none.part"), std::string::npos);
  const std::string lines = Count({"--map"}, "one two two\n").out;
  const Ran otherRules = Count({"--reduce", "--keep-final-s"}, lines);
  EXPECT_EQ(otherRules.status, 1);
  EXPECT_NE(otherRules.err.find("line 1: counted under other word rules"), std::string::npos);
  const Ran garbled = Count({"--reduce", "--list"}, lines + "two\tTwo\t0\t0\t0\t1\t0\n");
  EXPECT_EQ(garbled.status, 1);
  EXPECT_NE(garbled.err.find("line 3: not a line of zet-count --map or --reduce ("),
            std::string::npos)
      << garbled.err;
  EXPECT_EQ(garbled.out, "");
}

// Everything the reader accepts it writes back byte for byte; a spelling
// found earlier wins whichever side of the merge it is on.
TEST(PartialFormat, RoundTripsAndKeepsTheEarliestSpelling) {
  PartialCount a{
      "model=windows-1252 test", 1, {{"cafe", "Caf\xe9", 2, 0, 3, 1}, {"x", "x", 2, 0, 1, 1}}};
  PartialCount b{"model=windows-1252 test", 1, {{"cafe", "CAFE", 1, 9, 1, 1}}};
  const std::string bytes = FormatPartial(a);
  const Outcome<PartialCount> read = ReadPartial(bytes, "a.part");
  ASSERT_TRUE(read.ok()) << read.problem().message;
  EXPECT_EQ(read.value(), a);
  EXPECT_NE(bytes.find("Caf\xc3\xa9"), std::string::npos) << "UTF-8 in the file";
  for (const PartialCount& m : {MergePartials({a, b}), MergePartials({b, a})}) {
    ASSERT_EQ(m.entries.size(), 2u);
    EXPECT_EQ(m.entries[0], (PartialEntry{"cafe", "CAFE", 1, 9, 4, 2}));
    EXPECT_EQ(m.pieces, 2u);
  }
}

}  // namespace
}  // namespace zet
