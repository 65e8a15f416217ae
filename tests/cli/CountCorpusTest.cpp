// zet-count over many files: one corpus, ranges, --keep-going and exports.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/CountCommand.h"
#include "tests/support/TempDir.h"

namespace zet {
namespace {

using test::TempDir;

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result Count(std::vector<std::string> args) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCountCommand(args, in, out, err);
  return {status, out.str(), err.str()};
}

// The named files of a corpus, written into `dir`; returns their paths.
std::vector<std::string> Write(const TempDir& dir,
                               const std::vector<std::pair<std::string, std::string>>& files) {
  std::vector<std::string> paths;
  for (const auto& [name, text] : files) {
    std::filesystem::create_directories(std::filesystem::path(dir.File(name)).parent_path());
    paths.push_back(dir.Write(name, text));
  }
  return paths;
}

std::vector<std::string> Joined(std::vector<std::string> options,
                                const std::vector<std::string>& files) {
  options.insert(options.end(), files.begin(), files.end());
  return options;
}

// Two files without a comment across their boundary list exactly as the
// one file that is their concatenation, under several parameter sets.
TEST(CountCorpusTest, FilesCountAsTheirConcatenation) {
  TempDir dir;
  const std::string a = "The cat sat; the dog's bone.\nDon't stop 42 times, x-ray!\n";
  const std::string b = "the Cat and the DOG /* c */ ran\ncaf\xE9 CAF\xC9 caf\xE9s mm xiv\n";
  const auto files = Write(dir, {{"a.txt", a}, {"b.txt", b}});
  const std::string whole = dir.Write("whole.txt", a + b);
  const std::vector<std::string> optionSets[] = {
      {},
      {"--order", "alphabetical", "--format", "8", "--totals"},
      {"--allow", "all", "--case-sensitive", "--keep-final-s", "--format", "3"},
      {"--keep-repetitions", "--keep-roman-numerals", "--min-count", "2", "--format", "9"},
  };
  for (const auto& options : optionSets) {
    const Result one = Count(Joined(options, {whole}));
    const Result two = Count(Joined(options, files));
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(two.status, 0) << two.err;
    // --totals adds the file counts to a corpus; the rest is the same.
    EXPECT_EQ(two.out.substr(0, one.out.size()), one.out) << testing::PrintToString(options);
  }
}

struct CorpusRow {
  const char* what;
  std::vector<std::pair<std::string, std::string>> files;
  std::vector<std::string> args;  // "@" stands for the folder, "@name" for a file in it
  int status;
  std::string out;
  std::string err;  // what the messages contain; "" for none
};

// Runs `row` in a fresh folder; reports what differs.
void Check(const CorpusRow& row) {
  TempDir dir;
  Write(dir, row.files);
  std::vector<std::string> args;
  for (const std::string& arg : row.args)
    args.push_back(arg.starts_with("@") ? dir.Path() + (arg == "@" ? "" : "/" + arg.substr(1))
                                        : arg);
  const Result r = Count(args);
  EXPECT_EQ(r.status, row.status) << row.what << "\n" << r.err;
  EXPECT_EQ(r.out, row.out) << row.what;
  if (row.err.empty())
    EXPECT_EQ(r.err, "") << row.what;
  else
    EXPECT_NE(r.err.find(row.err), std::string::npos) << row.what << "\n" << r.err;
}

TEST(CountCorpusTest, CorporaAndTheirOptions) {
  const CorpusRow rows[] = {
      {"a comment opened in the first file does not swallow the second",
       {{"a.c", "one /* open\nlost\n"}, {"b.c", "two */ three\n"}},
       {"--format", "8", "@a.c", "@b.c"},
       0,
       "Word (longest has 5 characters)\none\nthree\ntwo\n",
       ""},
      {"each file gets its own extension's markers: HTML tags only in the .html file",
       {{"a.html", "<b>bold</b> word\n"}, {"b.txt", "<span>plain</span>\n"}},
       {"--format", "8", "--order", "alphabetical", "@a.html", "@b.txt"},
       0,
       "Word (longest has 5 characters)\nbold\nplain\nspan\nword\n",
       ""},
      {"each file gets its own encoding: UTF-8 and Windows-1252 spell the same word",
       {{"u.txt", "caf\xC3\xA9\n"}, {"w.txt", "caf\xE9\n"}},
       {"--format", "5", "@u.txt", "@w.txt"},
       0,
       "    Freq  Word (longest has 4 characters)\n       2  caf\xC3\xA9\n",
       ""},
      // The first spelling found is kept, so it tells which file came first:
      // sorted path order, "a.txt" before "a/x.txt" before "b.txt".
      {"-r takes the files below the folder in sorted path order",
       {{"d/b.txt", "cafe\n"},
        {"d/a/x.txt", "caf\xC3\xA8\n"},
        {"d/a.txt", "caf\xC3\xA9\n"},
        {"d/a0/y.txt", "caf\xC3\xAA\n"},
        {"d/c.txt", "caf\xC3\xAB\n"}},
       {"--format", "5", "-r", "@d"},
       0,
       "    Freq  Word (longest has 4 characters)\n       5  caf\xC3\xA9\n",
       ""},
      {"a folder without -r is refused, naming it",
       {{"d/a.txt", "word\n"}, {"b.txt", "word\n"}},
       {"@d", "@b.txt"},
       1,
       "",
       "folder"},
      {"a missing file stops the count, naming it",
       {{"a.txt", "word\n"}},
       {"@a.txt", "@missing.txt"},
       1,
       "",
       "missing.txt"},
      {"--keep-going skips it with a warning, and --totals counts it",
       {{"a.txt", "word word\n"}, {"bin.txt", std::string("\0\1\2\3binary", 10)}},
       {"--keep-going", "--totals", "--format", "5", "@a.txt", "@missing.txt", "@bin.txt"},
       0,
       "    Freq  Word (longest has 4 characters)\n       2  word\n"
       "Number of words in this list: 1\nNumber of words excluded: 0\n"
       "No. of occurrences in file of words in this list: 2\nTotal number of words in file: 2\n"
       "Number of files counted: 1\nNumber of files skipped: 2\n",
       "warning: skipped: "},
      {"--range counts the files a word is found in, as the last column",
       {{"a.txt", "the cat the\n"}, {"b.txt", "the dog\n"}, {"c.txt", "the dog dog\n"}},
       {"--range", "@a.txt", "@b.txt", "@c.txt"},
       0,
       "   Rank    Freq  Word (longest has 3 characters)  Range\n"
       "      1       4  the      3\n"
       "      2       3  dog      2\n"
       "      3       1  cat      1\n",
       ""},
      {"the range column in the comma layout and in format 9",
       {{"a.txt", "the cat\n"}, {"b.txt", "the\n"}},
       {"--range", "--format", "9", "@a.txt", "@b.txt"},
       0,
       "the (2), cat (1)\n",
       ""},
      {"--min-range leaves out words in fewer files; the ranks close up",
       {{"a.txt", "cat cat cat the\n"}, {"b.txt", "the dog\n"}, {"c.txt", "dog\n"}},
       {"--min-range", "2", "--range", "--totals", "@a.txt", "@b.txt", "@c.txt"},
       0,
       "   Rank    Freq  Word (longest has 3 characters)  Range\n"
       "      1       2  dog      2\n"
       "      2       2  the      2\n"
       "Number of words in this list: 2\nNumber of words excluded: 1\n"
       "No. of occurrences in file of words in this list: 4\nTotal number of words in file: 7\n"
       "Number of files counted: 3\nNumber of files skipped: 0\n",
       ""},
      {"-r leaves out the output file of an earlier run in the folder",
       {{"d/a.txt", "word\n"}, {"d/list.txt", "old list\n"}},
       {"--format", "8", "-o", "@d/list.txt", "-r", "@d"},
       0,
       "",
       ""},
      {"--min-range works without the column, and with a single file",
       {{"a.txt", "cat dog\n"}},
       {"--min-range", "1", "--format", "8", "@a.txt"},
       0,
       "Word (longest has 3 characters)\ncat\ndog\n",
       ""},
  };
  for (const CorpusRow& row : rows) Check(row);
}

TEST(CountCorpusTest, RangeGoesIntoTheOutputFileAsWell) {
  TempDir dir;
  const auto files = Write(dir, {{"a.txt", "the cat\n"}, {"b.txt", "the\n"}});
  const std::string output = dir.File("out.txt");
  const Result r = Count(Joined({"--range", "--commas", "--format", "7", "-o", output}, files));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(TempDir::Read(output),
            "  Word  ,   Freq , Range\r\n"
            "  the   ,      2 ,     2\r\n"
            "  cat   ,      1 ,     1\r\n");
}

// Reads an export back with python3's csv or json module and prints one
// line per word: rank, word, frequency, range; checks each percentage
// against the frequency and the listed occurrences on the way.
constexpr const char* kReader = R"(
import csv, json, sys
kind, path = sys.argv[1], sys.argv[2]
raw = open(path, 'rb').read()
assert b'\r' not in raw, 'CR in export'
text = raw.decode('utf-8')
if kind == 'json':
    doc = json.loads(text)
    rows = doc['words']
    listed = doc['totals']['listedOccurrences']
    assert doc['parameters']['order'] == 'frequency', doc['parameters']
    assert doc['parameters']['range'] == 'true', doc['parameters']
else:
    rows = list(csv.DictReader(text.splitlines(), delimiter=',' if kind == 'csv' else '\t'))
    listed = sum(int(r['frequency']) for r in rows)
    assert list(rows[0].keys()) == ['rank', 'word', 'frequency', 'percentage', 'range']
for r in rows:
    share = 100.0 * int(r['frequency']) / listed
    assert abs(float(r['percentage']) - share) < 1e-4, (r, share)
    print(r['rank'], r['word'], r['frequency'], r['range'])
)";

TEST(CountCorpusTest, ExportsReadBackAsTheListing) {
  if (std::system("python3 -c pass >/dev/null 2>&1") != 0) GTEST_SKIP() << "no python3";
  TempDir dir;
  const auto files = Write(dir, {{"a.txt", "The caf\xE9 sat; the dog's bone, the end.\n"},
                                 {"b.html", "<p>the &eacute;t&eacute; dog</p> don't\n"},
                                 {"c.txt", "dogs and cats and the x-ray\n"}});
  const std::string reader = dir.Write("reader.py", kReader);
  // The listing, as "rank word frequency range" lines.
  const Result listing = Count(Joined({"--range", "--format", "0"}, files));
  ASSERT_EQ(listing.status, 0) << listing.err;
  std::istringstream lines(listing.out);
  std::string line, expected;
  std::getline(lines, line);  // the header
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string rank, frequency, word, range;
    fields >> rank >> frequency >> word >> range;
    expected += rank + " " + word + " " + frequency + " " + range + "\n";
  }
  ASSERT_GT(expected.size(), 40u);
  for (const char* kind : {"csv", "tsv", "json"}) {
    const std::string exported = dir.File(std::string("list.") + kind);
    const Result r = Count(Joined({"--range", "--export", kind, "-o", exported}, files));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const std::string read = dir.File("read.txt");
    const std::string command =
        "python3 " + reader + " " + kind + " " + exported + " > " + read + " 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << kind << ": " << TempDir::Read(read);
    EXPECT_EQ(TempDir::Read(read), expected) << kind;
  }
  // Standard output gets the same export as the file.
  const Result out = Count(Joined({"--range", "--export", "csv"}, files));
  EXPECT_EQ(out.out, TempDir::Read(dir.File("list.csv")));
}

// An export that cannot be written is a failure that names the file, and
// one that can replaces what was there whole.
TEST(CountCorpusTest, ExportFileIsReplacedOrTheFailureNamed) {
  TempDir dir;
  const std::string input = dir.Write("a.txt", "word\n");
  const Result missing = Count({"--export", "json", "-o", dir.File("no/such/out.json"), input});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("out.json"), std::string::npos) << missing.err;
  const std::string output = dir.Write("out.tsv", "old contents that are longer than the export");
  const Result r = Count({"--export", "tsv", "-o", output, input});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(TempDir::Read(output), "rank\tword\tfrequency\tpercentage\n1\tword\t1\t100.0000\n");
}

}  // namespace
}  // namespace zet
