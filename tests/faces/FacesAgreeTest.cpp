// The desktop program and zet-count decide each shared flow the same way:
// every case runs through both faces and must give the same refusal with
// the same text, or the same list.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "cli/CountCommand.h"
#include "params/SettingsFile.h"
#include "tests/support/ProblemText.h"
#include "tests/windows/MainWindowFixture.h"
#include "windows/LeftOutWordsTable.h"
#include "windows/ListedLedger.h"
#include "windows/MainDrops.h"
#include "windows/MainExports.h"

namespace zet::test {
namespace {

using ::testing::HasSubstr;

struct CliRun {
  int status = 0;
  std::string out;
  std::string err;
};

class FacesAgreeTest : public MainWindowTest {
 protected:
  void SetUp() override {
    Start();
    input = Write("in.txt", "the cat and the dog\n");
  }

  CliRun Cli(const std::vector<std::string>& args) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCountCommand(args, in, out, err, CountEnvironment{});
    return {status, out.str(), err.str()};
  }

  // Counts on the desktop and returns the first message box shown.
  ShownMessage DesktopCount(const std::string& file, const std::string& output) {
    frm->txbFile0.SetText(file);
    frm->txbFile1.SetText(output);
    frm->blnWordsGot = false;  // as leaving the box after typing a name does
    hp.messageBoxes.ClearShown();
    hp.messageBoxes.AnswerOk(3);
    Count();
    while (hp.messageBoxes.PendingAnswers() > 0) (void)hp.messageBoxes.Show("", "", {}, {});
    return hp.messageBoxes.Shown().empty() ? ShownMessage{} : hp.messageBoxes.Shown().front();
  }

  std::string input;
};

// A refusal before counting: the desktop's box and zet-count's error line
// carry the same text, and zet-count fails.
TEST_F(FacesAgreeTest, InputRefusalsReadAlike) {
  struct Case {
    std::string name;
    std::string file;
    std::string output;
    std::string message;
    std::string title;
  };
  ::mkdir(temp.File("notes.d").c_str(), 0700);
  const std::string binary = Write("data.txt", std::string("ab\x01\x02", 4));
  const std::vector<Case> cases = {
      {"missing", temp.File("gone.txt"), "", "Input file does not exist.", "File not found"},
      {"folder", temp.File("notes.d"), "", "This is a folder, not a file.", "Invalid input"},
      {"folder with a slash", temp.File("notes.d") + "/", "", "This is a folder, not a file.",
       "Invalid input"},
      {"not text", binary, "", "This is not a text file.", "Invalid input"},
      {"output is input", input, input, "Output file cannot be the same as the input file.",
       "Error"},
  };
  for (const Case& c : cases) {
    const ShownMessage box = DesktopCount(c.file, c.output);
    EXPECT_EQ(box.text, c.message) << c.name;
    EXPECT_EQ(box.title, c.title) << c.name;
    std::vector<std::string> args = {c.file};
    if (!c.output.empty()) args = {"-o", c.output, c.file};
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, 1) << c.name;
    EXPECT_THAT(run.err, HasSubstr(c.message)) << c.name;
  }
}

// Was: a marker holding "--" was accepted and never found, since every
// "--" is read as a space first: nothing skipped, or as an end marker the
// rest of the text skipped. Both programs refuse it before counting.
TEST_F(FacesAgreeTest, MarkersThatCanNeverBeFoundAreRefused) {
  frm->paramsWindow.chkAllowCommentMarkers.SetValue(1);
  frm->paramsWindow.chkAllowWordsWithHyphens.SetValue(0);
  frm->paramsWindow.txbStartComment0.SetText("{");
  frm->paramsWindow.txbEndComment0.SetText("--}");
  const ShownMessage box = DesktopCount(input, "");
  EXPECT_THAT(box.text, ::testing::StartsWith("The comment marker \"--}\" would never be found"));
  EXPECT_EQ(frm->txbOutput.Text(), "");
  const CliRun run = Cli({"--disallow", "hyphens", "--comment-markers", "{", "--}", input});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("the marker '--}' can never be found"));
}

// Names without an extension are ordinary file names on this system.
TEST_F(FacesAgreeTest, NameWithoutExtensionIsCounted) {
  const std::string readme = Write("README", "the cat\n");
  EXPECT_EQ(DesktopCount(readme, "").text, "");
  EXPECT_THAT(frm->txbOutput.Text(), HasSubstr("cat"));
  const CliRun run = Cli({readme});
  EXPECT_EQ(run.status, 0);
  EXPECT_THAT(run.out, HasSubstr("cat"));
}

// Each source is read in one encoding, the same in both programs: a
// Windows-1252 text whose bytes happen to form UTF-8 pairs keeps its
// letters, and UTF-16 is counted, not refused.
TEST_F(FacesAgreeTest, EncodingsAreDecidedAlike) {
  const std::pair<const char*, std::string> texts[] = {
      {"Windows-1252", "gro\xDF\x93 na\xDF\x85 caf\xE9\n"},
      {"UTF-16LE", std::string("\xFF\xFEg\0r\0o\0\xDF\0 \0c\0a\0f\0\xE9\0\n\0", 20)},
  };
  for (const auto& [name, bytes] : texts) {
    const std::string file = Write(std::string(name) + ".txt", bytes);
    EXPECT_EQ(DesktopCount(file, "").text, "") << name;
    std::string desktop = frm->txbOutput.Text();
    std::erase(desktop, '\r');
    const CliRun run = Cli({file});
    EXPECT_EQ(run.out, desktop) << name;
    EXPECT_THAT(run.out, HasSubstr("caf\xC3\xA9")) << name;
    EXPECT_THAT(run.out, HasSubstr("gro\xC3\x9F")) << name;
  }
}

// Was: the desktop trimmed a common-words name from a parameter file and
// zet-count did not, so zet-count refused the file.
TEST_F(FacesAgreeTest, CommonWordsNameFromAParameterFileIsTrimmed) {
  std::filesystem::current_path(temp.Path());
  Write("words.txt", "the\n");
  ParameterSet params;
  ASSERT_TRUE(params.SetValue(ParamId::chkIgnoreCommonWords, 1));
  params.SetText(ParamId::strCommonWordsFile, " words.txt ");
  params.SetText(ParamId::txbFileInput, input);
  const std::string paramsFile = temp.File("trim.zet");
  ASSERT_EQ(test::ProblemText(SaveState(paramsFile, params)), "");

  const CliRun run = Cli({"--params", paramsFile, input});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.out, ::testing::Not(HasSubstr("the")));
  EXPECT_THAT(run.out, HasSubstr("cat"));

  frm->paramsWindow.form.Show();
  hp.fileDialogs.Answer(paramsFile);
  hp.messageBoxes.AnswerOk(2);
  ASSERT_TRUE(frm->paramsWindow.cmdSaveLoadParameters1.UserClick());
  hp.messageBoxes.ClearShown();
  DesktopCount(input, "");
  EXPECT_THAT(frm->txbOutput.Text(), ::testing::Not(HasSubstr("the")));
  EXPECT_THAT(frm->txbOutput.Text(), HasSubstr("cat"));
}

TEST_F(FacesAgreeTest, CommonWordsFileMissingReadsAlike) {
  const std::string missing = temp.File("nowords.txt");
  frm->strCommonWordsFile = missing;
  hp.messageBoxes.AnswerOk(2);
  frm->AttemptToReadCommonWords();
  ASSERT_EQ(hp.messageBoxes.Shown().size(), 2U);
  const CliRun run = Cli({"--common-words", missing, input});
  EXPECT_EQ(run.status, 1);
  for (const ShownMessage& box : hp.messageBoxes.Shown()) EXPECT_THAT(run.err, HasSubstr(box.text));
}

// Was: zet-count --save-params in.txt in.txt replaced the counted text with
// the parameters and reported success.
TEST_F(FacesAgreeTest, ParametersAreNeverSavedOverTheInput) {
  frm->txbFile0.SetText(input);
  frm->paramsWindow.form.Show();
  hp.fileDialogs.Answer(input);
  hp.messageBoxes.AnswerOk();
  ASSERT_TRUE(frm->paramsWindow.cmdSaveLoadParameters0.UserClick());
  ASSERT_EQ(hp.messageBoxes.Shown().size(), 1U);
  const std::string message = hp.messageBoxes.Shown().front().text;
  EXPECT_THAT(message, HasSubstr("input file"));

  const CliRun run = Cli({"--save-params", input, input});
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.err, HasSubstr(message));
  std::ifstream kept(input);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "the cat and the dog\n");

  const std::string out = temp.File("out.txt");
  const CliRun both = Cli({"--save-params", out, "-o", out, input});
  EXPECT_EQ(both.status, 1);
  EXPECT_THAT(both.err, HasSubstr("output file"));
}

// A parameter file that does not read: the desktop's box and zet-count's
// error line give the same reason, and zet-count counts nothing.
TEST_F(FacesAgreeTest, UnreadableParameterFilesReadAlike) {
  ParameterSet params;
  const std::string good = temp.File("good.zet");
  ASSERT_EQ(test::ProblemText(SaveState(good, params)), "");
  std::ifstream read(good, std::ios::binary);
  const std::string lines(std::istreambuf_iterator<char>(read), {});
  const std::pair<const char*, std::string> files[] = {
      {"three lines", "\"a\"\r\n\"b\"\r\n\"c\"\r\n"},
      {"a value out of range", lines.substr(0, lines.find("\r\n1\r\n") + 2) + "99" +
                                   lines.substr(lines.find("\r\n1\r\n") + 3)},
  };
  frm->paramsWindow.form.Show();
  for (const auto& [name, bytes] : files) {
    const std::string file = Write("bad.zet", bytes);
    hp.messageBoxes.ClearShown();
    hp.fileDialogs.Answer(file);
    hp.messageBoxes.AnswerOk();
    (void)frm->paramsWindow.cmdSaveLoadParameters1.UserClick();
    ASSERT_EQ(hp.messageBoxes.Shown().size(), 1U) << name;
    const ShownMessage box = hp.messageBoxes.Shown().front();
    EXPECT_EQ(box.title, "Load parameters") << name;
    EXPECT_FALSE(box.text.empty()) << name;
    const CliRun run = Cli({"--params", file, input});
    EXPECT_EQ(run.status, 1) << name;
    EXPECT_EQ(run.out, "") << name;
    EXPECT_THAT(run.err, HasSubstr(box.text)) << name;
  }
}

// "Unicode letters" on the desktop lists what zet-count --unicode lists
// for the same text, on the screen and in the output file (UTF-8), in the
// collation locale of the environment. A locale ICU does not know is a
// warning on the desktop, which sorts by the root collation, and an error
// for zet-count.
TEST_F(FacesAgreeTest, UnicodeCountsAlike) {
  struct Case {
    const char* name;
    const char* locale;
    std::string text;
    bool known;
    const char* line;  // the most frequent word's, spellings folded
  };
  const Case cases[] = {
      {"Polish", "pl_PL.UTF-8",
       "Łódź to miasto. W Łodzi żyją ludzie. ŁÓDŹ łódź zażółć gęślą jaźń\n", true,
       "      1       3  łódź\n"},
      {"Greek", "el_GR.UTF-8", "Η γλώσσα είναι ελληνικά. ΓΛΩΣΣΑ γλωσσα\n", true,
       "      1       3  γλώσσα\n"},
      {"unknown locale", "xx_QQ.UTF-8", "Łódź γλώσσα b a\n", false, "      2       1  łódź\n"},
  };
  const char* const saved = std::getenv("LC_ALL");
  const std::string before = saved != nullptr ? saved : "";
  frm->paramsWindow.chkUnicodeLetters.SetValue(CheckBox::kChecked);
  for (const Case& c : cases) {
    ::setenv("LC_ALL", c.locale, 1);
    const std::string file = Write(std::string(c.name) + ".txt", c.text);
    const std::string desktopFile = temp.File(std::string(c.name) + "-desktop.out");
    EXPECT_EQ(DesktopCount(file, desktopFile).title, c.known ? "" : "Warning") << c.name;
    std::string shown = frm->txbOutput.Text();
    std::erase(shown, '\r');
    EXPECT_THAT(shown, HasSubstr(c.line)) << c.name;

    if (!c.known) {
      EXPECT_EQ(Cli({"--unicode", file}).status, 2) << c.name;
    }
    std::vector<std::string> args = {"--unicode", file};
    if (!c.known) args = {"--unicode", "--locale", "root", file};
    const CliRun listed = Cli(args);
    EXPECT_EQ(listed.status, 0) << c.name << listed.err;
    EXPECT_EQ(listed.out, shown) << c.name;
    const std::string cliFile = temp.File(std::string(c.name) + "-cli.out");
    args.insert(args.end() - 1, {"-o", cliFile});
    EXPECT_EQ(Cli(args).status, 0) << c.name;
    EXPECT_EQ(TempDir::Read(desktopFile), TempDir::Read(cliFile)) << c.name;

    // The same text from the clipboard lists the same.
    frm->txbFile1.SetText("");
    hp.clipboard.SetText(c.text);
    ASSERT_TRUE(frm->optInTextBox.UserClick());
    Count();
    std::string fromClipboard = frm->txbOutput.Text();
    std::erase(fromClipboard, '\r');
    EXPECT_EQ(fromClipboard, shown) << c.name;
    ASSERT_TRUE(frm->optInFile.UserClick());
  }
  if (saved != nullptr)
    ::setenv("LC_ALL", before.c_str(), 1);
  else
    ::unsetenv("LC_ALL");
}

// Files dropped together are one corpus as they are for zet-count -r
// --keep-going: the same list, the same file skipped.
TEST_F(FacesAgreeTest, CorporaAreCountedAlike) {
  std::filesystem::create_directories(temp.File("corpus/sub"));
  const std::string a = Write("corpus/a.txt", "the cat sat\r\n");
  Write("corpus/sub/b.html", "<p>the dog &amp; the cat</p>\n");
  Write("corpus/sub/c.bin", std::string("\x01\x02\x03", 3));
  hp.messageBoxes.AnswerOk();
  MainDrops drops(*frm);
  ASSERT_TRUE(drops.Drop({a, temp.File("corpus/sub")}));
  ASSERT_EQ(hp.messageBoxes.Shown().size(), 1U);
  std::string desktop = frm->txbOutput.Text();
  std::erase(desktop, '\r');
  const CliRun run = Cli({"-r", "--keep-going", a, temp.File("corpus/sub")});
  EXPECT_EQ(run.out, desktop);
  EXPECT_THAT(desktop, HasSubstr("dog"));
  EXPECT_THAT(desktop, ::testing::Not(HasSubstr("amp")));  // HTML, by its extension
  const std::size_t skipped = run.err.find("warning: skipped");
  ASSERT_NE(skipped, std::string::npos);
  EXPECT_THAT(hp.messageBoxes.Shown()[0].text,
              HasSubstr(run.err.substr(skipped, run.err.find('\n', skipped) - skipped)));
}

// Explain gives zet-count --explain's answers, and the left-out words are
// --excluded's rows.
TEST_F(FacesAgreeTest, ExplainAndLeftOutWordsReadAlike) {
  const std::string text = Write("ledger.txt", "the cat sat on the mat; cats xiv mm zzz Cat\n");
  EXPECT_EQ(DesktopCount(text, "").text, "");
  ListedLedger ledger(*frm);
  ledger.Listed();
  const std::vector<std::string> typed = {"cat", "CATS", "on",        "xiv",
                                          "mm",  "dog",  "two words", "--"};
  std::vector<std::string> args;
  for (const std::string& word : typed) args.insert(args.end(), {"--explain", word});
  args.push_back(text);
  const CliRun explained = Cli(args);
  std::string answers;
  for (const std::string& word : typed) answers += ledger.Explain(word) + "\n";
  EXPECT_EQ(explained.out, answers);
  EXPECT_THAT(answers, HasSubstr("left out: Roman numeral"));

  std::unique_ptr<TableRows> rows = ledger.LeftOutRows();
  ASSERT_NE(rows, nullptr);
  rows->Sort(LeftOutWordsTable::kFrequency, false);
  std::vector<std::size_t> all(rows->RowCount());
  for (std::size_t k = 0; k < all.size(); ++k) all[k] = k;
  std::string tsv = rows->RowsAsTsv(all);
  tsv.erase(0, tsv.find('\n') + 1);  // the headers
  EXPECT_EQ(Cli({"--excluded", text}).out, tsv);
}

// An export from the desktop is zet-count --export's, byte for byte.
TEST_F(FacesAgreeTest, ExportsAreWrittenAlike) {
  EXPECT_EQ(DesktopCount(input, "").text, "");
  MainExports exports(*frm, hp.platform);
  exports.Listed();
  for (const char* format : {"tsv", "csv", "json"}) {
    const std::string path = temp.File(std::string("desktop.") + format);
    hp.fileDialogs.Answer(path);
    ASSERT_EQ(exports.Export(*ExportFormatNamed(format)), path) << format;
    std::ifstream written(path, std::ios::binary);
    EXPECT_EQ(Cli({"--export", format, input}).out,
              std::string(std::istreambuf_iterator<char>(written), {}))
        << format;
  }
}

}  // namespace
}  // namespace zet::test
