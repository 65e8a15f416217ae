#include "cli/CountCommand.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>
#include <thread>

#include "params/ParameterSet.h"
#include "params/SettingsFile.h"
#include "tests/cli/RunCount.h"
#include "tests/support/ProblemText.h"
#include "tests/support/TempDir.h"

namespace zet {
namespace {

using test::TempDir;

using test::Count;
using test::Outcome;

constexpr const char* kText = "The cat and the dog.\nThe CAT sat; dogs ran.\n";

TEST(CountCommandTest, ListsStandardInputAsTheTextboxShowsIt) {
  const Outcome r = Count({}, kText);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "   Rank    Freq  Word (longest has 3 characters)\n"
            "      1       3  the\n"
            "      2       2  cat\n"
            "      3       2  dog\n"
            "      4       1  and\n"
            "      5       1  ran\n"
            "      6       1  sat\n");
}

TEST(CountCommandTest, FormatNineIsOneLineAndTotalsFollow) {
  const Outcome r = Count({"--format", "9", "--order", "alphabetical", "--totals"}, kText);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "and, cat, dog, ran, sat, the\n"
            "Number of words in this list:  6\n"
            "Number of words excluded:  0\n"
            "No. of occurrences in file of words in this list: 10\n"
            "Total number of words in file: 10\n");
}

TEST(CountCommandTest, OutputFileIsWrittenExactlyAndReplaced) {
  TempDir dir;
  const std::string input = dir.Write("in.txt", kText);
  const std::string output = dir.Write("out.txt", "old contents");
  const Outcome r = Count({"-o", output, "--commas", "--format", "7", input});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(TempDir::Read(output),
            "  Word  ,   Freq\r\n"
            "  the   ,      3\r\n"
            "  cat   ,      2\r\n"
            "  dog   ,      2\r\n"
            "  and   ,      1\r\n"
            "  ran   ,      1\r\n"
            "  sat   ,      1\r\n");
  const Outcome nine = Count({"-o", output, "--format", "word (+ commas)", input});
  ASSERT_EQ(nine.status, 0);
  EXPECT_EQ(TempDir::Read(output), "the, cat, dog, and, ran, sat");
}

TEST(CountCommandTest, FiltersCommonWordsAndWordsToIgnore) {
  TempDir dir;
  const std::string common = dir.Write("common.txt", "/* my list */ The AND\n");
  const Outcome r =
      Count({"--common-words", common, "--ignore", "Sat,,ran", "--format", "8"}, kText);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Word (longest has 3 characters)\ncat\ndog\n");
}

TEST(CountCommandTest, CommonWordsAreCutWithTheCountsRules) {
  // "e-mail" in the list must leave out "e-mail" in the text when hyphens
  // are allowed, and the parts "e" and "mail" when they are not.
  TempDir dir;
  const std::string common = dir.Write("common.txt", "e-mail\n");
  const std::string text = "e-mail mail box\n";
  EXPECT_EQ(Count({"--common-words", common, "--format", "9"}, text).out, "box, mail\n");
  EXPECT_EQ(Count({"--common-words", common, "--disallow", "hyphens", "--format", "9"}, text).out,
            "box\n");
}

TEST(CountCommandTest, RefusalsSayWhyAndFail) {
  TempDir dir;
  const std::string binary = dir.Write("data.bin", std::string("abc\0def", 7));
  const std::string text = dir.Write("notes.txt", "rem hidden\nshown\n");
  ::symlink(text.c_str(), dir.File("link.txt").c_str());
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      // A refusal names the file it is about.
      {{dir.File("missing.txt")},
       "zet-count: Input file does not exist. (" + dir.File("missing.txt") + ")\n"},
      {{dir.Path()}, "zet-count: This is a folder, not a file. (" + dir.Path() + ")\n"},
      {{binary}, "zet-count: This is not a text file. (" + binary + ")\n"},
      {{"-o", dir.File("link.txt"), text},
       "zet-count: Output file cannot be the same as the input file.\n" + dir.File("link.txt") +
           " is " + text + "\n"},
      {{"--common-words", dir.File("none.txt"), text},
       "zet-count: File for common words not found.\nzet-count: Error when attempting to load "
       "common words from " +
           dir.File("none.txt") + "\n"},
      {{"--common-words", binary, text},
       "zet-count: This is not a text file.\nzet-count: Error when attempting to load common words "
       "from " +
           binary + "\n"},
  };
  for (const auto& [args, err] : rows) {
    const Outcome r = Count(args);
    EXPECT_EQ(r.status, 1) << err;
    EXPECT_EQ(r.err, err);
    EXPECT_EQ(r.out, "");
  }
}

TEST(CountCommandTest, CommentMarkersReplaceBothPairsAndBadOnesAreUsageErrors) {
  const std::string text = "see http://example.com/page -(hidden)- and more words\n";
  const std::string all = "and, com, example, hidden, more, page, see, word\n";
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      {{}, all},
      {{"--use-comment-markers"}, "see\n"},  // "//" skips the rest of the line
      {{"--comment-markers", "{{", "}}"}, all},
      {{"--comment-markers", "{{", "}}", "--comment-markers", "//", ""}, "see\n"},
      {{"--comment-markers=-(", ")-"}, "and, com, example, more, page, see, word\n"},
  };
  for (const auto& [args, list] : rows) {
    std::vector<std::string> withFormat = args;
    withFormat.insert(withFormat.end(), {"--format", "9", "--order", "alphabetical"});
    const Outcome r = Count(withFormat, text);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, list);
  }
  TempDir dir;
  const std::string input = dir.Write("notes.txt", text);
  const Outcome bad = Count({"--comment-markers", "rem", "", input});
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(
      bad.err,
      "zet-count: option '--comment-markers': the start marker 'rem' could be part of a word; "
      "choose another, or --disallow the characters it is made of\nTry 'zet-count --help'.\n");
}

TEST(CountCommandTest, TypeReadsAnyInputAsThatKindOfFile) {
  TempDir dir;
  const std::string page = "<p class=\"x\">caf&eacute; &amp; tea /* no */</p>\n";
  const std::string html = dir.Write("page.html", page);
  const std::string txt = dir.Write("page.txt", page);
  const std::string asHtml = Count({"--format", "9", html}).out;
  EXPECT_EQ(asHtml, "caf\xC3\xA9, no, tea\n");
  EXPECT_EQ(Count({"--format", "9", "--type", "html"}, page).out, asHtml);
  EXPECT_EQ(Count({"--format", "9", "--type=html", txt}).out, asHtml);
  const std::string asText = Count({"--format", "9"}, page).out;
  EXPECT_NE(asText, asHtml);
  EXPECT_EQ(Count({"--format", "9", txt}).out, asText);
  EXPECT_EQ(Count({"--format", "9", "--type", "text", html}).out, asText);
  EXPECT_EQ(Count({"--format", "9", "--type", "c"}, page).out,
            Count({"--format", "9", dir.Write("page.c", page)}).out);
}

// A check box holds 0, 1 or 2, and 2 counts as unchecked; the rule that
// drops what apostrophes leave ("s", "t", "isn") is for the box at 0 only.
TEST(CountCommandTest, ApostropheFragmentsAreDroppedOnlyWithTheBoxAtZero) {
  TempDir dir;
  const std::pair<int, std::string> rows[] = {
      {0, "dog, it\n"},
      {1, "dog's, isn't, it's\n"},
      {2, "dog, isn, it, s, t\n"},
  };
  for (const auto& [box, list] : rows) {
    ParameterSet saved;
    ASSERT_TRUE(saved.SetValue(ParamId::chkAllowWordsWithApostrophes, box));
    const std::string params = dir.File("p" + std::to_string(box) + ".zet");
    ASSERT_EQ(test::ProblemText(SaveState(params, saved)), "");
    const Outcome r = Count({"--params", params, "--keep-no-vowel", "--keep-repetitions",
                             "--format", "9", "--order", "alphabetical"},
                            "isn't it's dog's\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, list) << box;
  }
}

TEST(CountCommandTest, UnwritableOutputIsReportedAndLeavesNothing) {
  TempDir dir;
  const std::string input = dir.Write("in.txt", kText);
  const Outcome missing = Count({"-o", dir.File("no/such/folder/out.txt"), input});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "zet-count: Cannot write the output file " +
                             dir.File("no/such/folder/out.txt") + ": No such file or directory\n");
  const Outcome notFolder = Count({"-o", input + "/out.txt", input});
  EXPECT_EQ(notFolder.status, 1);
  EXPECT_EQ(notFolder.err,
            "zet-count: Cannot write the output file " + input + "/out.txt: Not a directory\n");
  EXPECT_EQ(TempDir::Read(input), kText);
}

// Was: the output went through a temporary file renamed over the target,
// so "-o /dev/null" run as root replaced the device with a plain file. A
// named pipe stands for the devices here, so that a regression cannot
// damage the machine running the tests.
TEST(CountCommandTest, DevicesAndPipesAreWrittenToNotReplaced) {
  TempDir dir;
  const std::string input = dir.Write("in.txt", kText);
  const std::string fifo = dir.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const auto& args : {std::vector<std::string>{"-o", fifo, "--format", "9", input},
                           std::vector<std::string>{"--save-params", fifo, input}}) {
    std::string received;
    std::thread reader([&] { received = TempDir::Read(fifo); });
    EXPECT_EQ(Count(args).status, 0);
    // Should the pipe have been replaced, the reader still waits for a
    // writer: release it, so that the test fails instead of hanging.
    const int unblock = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (unblock >= 0) ::close(unblock);
    reader.join();
    EXPECT_FALSE(received.empty());
    struct stat st {};
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
  }
}

TEST(CountCommandTest, ParameterFilesApplyFirstAndNeverNameTheFiles) {
  TempDir dir;
  ParameterSet saved;
  ASSERT_TRUE(saved.SetValue(ParamId::cboDisplayFormat, 8));
  ASSERT_TRUE(saved.SetValue(ParamId::chkDropFinalS, 0));
  saved.SetText(ParamId::txbFileInput, dir.File("elsewhere.txt"));
  saved.SetText(ParamId::txbFileOutput, dir.File("clobbered.txt"));
  const std::string params = dir.File("p.zet");
  ASSERT_EQ(test::ProblemText(SaveState(params, saved)), "");

  const Outcome r = Count({"--format", "9", "--params", params}, "dogs cats\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "cats, dogs\n");  // final s kept from the file; format from the command line
  EXPECT_FALSE(access(dir.File("clobbered.txt").c_str(), F_OK) == 0);

  const std::string broken = dir.Write("broken.zet", "\"\"\r\n1\r\n");
  const Outcome bad = Count({"--params", broken}, "x\n");
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("Error when attempting to restore parameters: "), std::string::npos);
}

TEST(CountCommandTest, SavedParametersReadBackAndSettingsAreOptional) {
  TempDir dir;
  const std::string saved = dir.File("saved.zet");
  CountEnvironment terminal;
  terminal.stdinIsTerminal = true;
  EXPECT_EQ(Count({"--allow", "numerals", "--save-params", saved}, "", terminal).status, 0);
  ParameterSet p;
  ASSERT_EQ(test::ProblemText(RestoreSavedState(saved, p)), "");
  EXPECT_EQ(p.Value(ParamId::chkAllowWordsWithNumerals), 1);

  CountEnvironment env;
  env.settingsFile = saved;
  EXPECT_EQ(Count({"--settings", "--format", "9"}, "go2\n", env).out, "go2\n");
  env.settingsFile = dir.File("never-saved.usr");  // a first start: the defaults
  EXPECT_EQ(Count({"--settings", "--format", "9"}, "go2\n", env).out, "go\n");
}

TEST(CountCommandTest, NothingToListIsExplainedAndSucceeds) {
  EXPECT_EQ(Count({}, "").out, "No words satisfying the conditions were found.\n");
  const Outcome r = Count({"--min-count", "5"}, kText);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "No words with more than 2 letters\noccur at least 5 times.\n");
}

TEST(CountCommandTest, UsageErrorsAndHelp) {
  const Outcome bad = Count({"--nope"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.err, "zet-count: unknown option '--nope'\nTry 'zet-count --help'.\n");
  EXPECT_EQ(Count({"--help"}).out.rfind("Usage: zet-count [OPTIONS] [FILE...]", 0), 0u);
  EXPECT_EQ(Count({"--version"}).out.rfind("zet-count ", 0), 0u);
  CountEnvironment terminal;
  terminal.stdinIsTerminal = true;
  EXPECT_EQ(Count({}, "", terminal).status, 2);
}

TEST(CountCommandTest, HtmlFilesSkipTagsAndCrOnlyFilesWarn) {
  TempDir dir;
  const std::string html = dir.Write("page.HTML", "<p class=\"x\">caf&eacute; &amp; tea</p>");
  EXPECT_EQ(Count({"--format", "9", html}).out, "caf\xC3\xA9, tea\n");
  const std::string mac = dir.Write("mac.txt", "one\rtwo\r");
  const Outcome r = Count({"--format", "9", mac});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "one, two\n");
  EXPECT_EQ(r.err, "zet-count: warning: This file has Macintosh line endings.\n");
  EXPECT_EQ(Count({"--format", "9", dir.Write("unix.txt", "one\ntwo\n")}).err, "");
}

TEST(CountCommandTest, StandardInputThatIsNotTextIsRefused) {
  const Outcome r = Count({}, std::string("text\0more", 9));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "zet-count: This is not a text file.\n");
}

TEST(CountCommandBinary, RunsAsAProgram) {
  TempDir dir;
  const std::string input = dir.Write("in.txt", kText);
  const std::string output = dir.File("out.txt");
  const std::string command = std::string(ZET_RUNTIME_DIR) + "/zet-count -o '" + output +
                              "' --format 8 '" + input + "' > '" + dir.File("stdout") + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(TempDir::Read(output),
            "Word (longest has 3 characters)\r\nthe\r\ncat\r\ndog\r\nand\r\nran\r\nsat\r\n");
  const std::string missing =
      std::string(ZET_RUNTIME_DIR) + "/zet-count '" + dir.File("none.txt") + "' 2> /dev/null";
  EXPECT_EQ(WEXITSTATUS(std::system(missing.c_str())), 1);
}

}  // namespace
}  // namespace zet
