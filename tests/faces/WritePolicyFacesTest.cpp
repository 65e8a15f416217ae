// The output file under the write policy, through both programs: each kind
// of target is written, written in place or refused the same way by
// zet-count and the desktop, and leaves no temporary file.

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "cli/CountCommand.h"
#include "tests/support/RunAsUnprivileged.h"
#include "tests/windows/MainWindowFixture.h"

namespace zet::test {
namespace {

using ::testing::HasSubstr;
namespace fs = std::filesystem;

constexpr std::string_view kText = "the cat and the dog\n";
constexpr std::string_view kOld = "the previous list\r\n";
// The list of kText as the output file has it.
constexpr std::string_view kList =
    "   Rank    Freq  Word (longest has 3 characters)\r\n"
    "      1       2  the\r\n"
    "      2       1  and\r\n"
    "      3       1  cat\r\n"
    "      4       1  dog\r\n";

enum class Face { Cli, Desktop };
enum class Result { Replaced, InPlace, Created, Refused };

struct Target {
  std::string path;  // the name given as the output file
  std::string file;  // the file that holds the list ("" for none to look at)
};

struct Row {
  const char* name;
  std::function<Target(const std::string& folder, const std::string& input)> make;
  Result result;
  const char* refusal = "";  // part of the message of a refusal
  bool asNobody = false;
  friend void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }
};

std::string Existing(const std::string& path, mode_t mode) {
  std::ofstream(path, std::ios::binary) << kOld;
  EXPECT_EQ(::chmod(path.c_str(), mode), 0);
  return path;
}

const Row kRows[] = {
    {"new file",
     [](const std::string& f, const std::string&) {
       return Target{f + "/new.txt", f + "/new.txt"};
     },
     Result::Created},
    {"existing 0644 file",
     [](const std::string& f, const std::string&) {
       const std::string p = Existing(f + "/out.txt", 0644);
       return Target{p, p};
     },
     Result::Replaced},
    {"private 0600 file",
     [](const std::string& f, const std::string&) {
       const std::string p = Existing(f + "/out.txt", 0600);
       return Target{p, p};
     },
     Result::Replaced},
    {"hard-linked file",
     [](const std::string& f, const std::string&) {
       const std::string p = Existing(f + "/out.txt", 0644);
       EXPECT_EQ(::link(p.c_str(), (f + "/other.txt").c_str()), 0);
       return Target{p, p};
     },
     Result::InPlace},
    {"symbolic link",
     [](const std::string& f, const std::string&) {
       const std::string p = Existing(f + "/out.txt", 0640);
       EXPECT_EQ(::symlink("out.txt", (f + "/link.txt").c_str()), 0);
       return Target{f + "/link.txt", p};
     },
     Result::Replaced},
    {"dangling symbolic link",
     [](const std::string& f, const std::string&) {
       EXPECT_EQ(::symlink("made.txt", (f + "/link.txt").c_str()), 0);
       return Target{f + "/link.txt", f + "/made.txt"};
     },
     Result::Created},
    {"link loop",
     [](const std::string& f, const std::string&) {
       EXPECT_EQ(::symlink("b", (f + "/a").c_str()), 0);
       EXPECT_EQ(::symlink("a", (f + "/b").c_str()), 0);
       return Target{f + "/a", ""};
     },
     Result::Refused, "symbolic links lead round in a loop"},
    {"device",
     [](const std::string&, const std::string&) {
       return Target{"/dev/null", ""};
     },
     Result::InPlace},
    {"input through a symbolic link",
     [](const std::string& f, const std::string& in) {
       EXPECT_EQ(::symlink(in.c_str(), (f + "/link.txt").c_str()), 0);
       return Target{f + "/link.txt", in};
     },
     Result::Refused, "cannot be the same as the input file"},
    {"input through a hard link",
     [](const std::string& f, const std::string& in) {
       EXPECT_EQ(::link(in.c_str(), (f + "/hard.txt").c_str()), 0);
       return Target{f + "/hard.txt", in};
     },
     Result::Refused, "cannot be the same as the input file"},
    {"input through ../",
     [](const std::string& f, const std::string& in) {
       return Target{f + "/../" + fs::path(in).filename().string(), in};
     },
     Result::Refused, "cannot be the same as the input file"},
    {"write-protected file",
     [](const std::string& f, const std::string&) {
       const std::string p = Existing(f + "/out.txt", 0444);
       return Target{p, p};
     },
     Result::Refused, "Cannot write the output file", true},
    {"missing folder",
     [](const std::string& f, const std::string&) {
       return Target{f + "/none/out.txt", ""};
     },
     Result::Refused, "Cannot write the output file"},
    {"new file in a read-only folder",
     [](const std::string& f, const std::string&) {
       EXPECT_EQ(::chmod(f.c_str(), 0555), 0);
       return Target{f + "/new.txt", ""};
     },
     Result::Refused, "Cannot write the output file", true},
    {"writable file in a read-only folder",
     [](const std::string& f, const std::string&) {
       const std::string p = Existing(f + "/out.txt", 0666);
       EXPECT_EQ(::chmod(f.c_str(), 0555), 0);
       return Target{p, p};
     },
     Result::InPlace, "", true},
};

int Temporaries(const std::string& folder) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename().string().starts_with(".")) ++count;
  return count;
}

class WritePolicyFacesTest : public MainWindowTest,
                             public ::testing::WithParamInterface<std::tuple<Row, Face>> {
 protected:
  // Counts `input` into `output`; the first message, or zet-count's error.
  std::string RunFace(Face face, const std::string& input, const std::string& output) {
    if (face == Face::Cli) {
      std::istringstream in;
      std::ostringstream out;
      std::ostringstream err;
      const int status = RunCountCommand({"-o", output, input}, in, out, err);
      return std::to_string(status) + "|" + err.str();
    }
    frm->txbFile0.SetText(input);
    frm->txbFile1.SetText(output);
    hp.messageBoxes.ClearShown();
    hp.messageBoxes.AnswerOk(3);
    frm->cmdListWords.UserClick();
    while (hp.messageBoxes.PendingAnswers() > 0) (void)hp.messageBoxes.Show("", "", {}, {});
    const bool listed = frm->txbOutput.Text().find("dog") != std::string::npos;
    return std::string(listed ? "0|" : "1|") +
           (hp.messageBoxes.Shown().empty() ? "" : hp.messageBoxes.Shown().front().text);
  }
};

TEST_P(WritePolicyFacesTest, BothProgramsWriteOrRefuseAlike) {
  const auto& [row, face] = GetParam();
  Start();
  frm->paramsWindow.chkWarnOnOverwrite.SetValue(0);
  LetEveryoneIn(temp.Path());
  const std::string folder = temp.File("row");
  ASSERT_EQ(::mkdir(folder.c_str(), 0777), 0);
  ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
  const std::string input = Write("in.txt", kText);
  const Target target = row.make(folder, input);
  struct stat before {};
  const bool existed = !target.file.empty() && ::stat(target.file.c_str(), &before) == 0;
  const auto run = [&] { return RunFace(face, input, target.path); };
  const std::optional<std::string> outcome = row.asNobody ? RunAsUnprivileged(run) : run();
  ::chmod(folder.c_str(), 0777);
  ASSERT_TRUE(outcome.has_value());
  if (row.result == Result::Refused) {
    EXPECT_THAT(*outcome, ::testing::StartsWith("1|"));
    EXPECT_THAT(*outcome, HasSubstr(row.refusal));
    // The file is named; the desktop keeps its own text for the input file.
    if (face == Face::Cli ||
        std::string_view(row.refusal) != "cannot be the same as the input file") {
      EXPECT_THAT(*outcome, HasSubstr(target.path));
    }
  } else {
    EXPECT_EQ(*outcome, "0|");
  }
  EXPECT_EQ(Temporaries(folder), 0);
  EXPECT_EQ(TempDir::Read(input), kText);
  if (target.file.empty() || target.file == input) return;
  struct stat after {};
  ASSERT_EQ(::stat(target.file.c_str(), &after), 0);
  EXPECT_EQ(TempDir::Read(target.file), row.result == Result::Refused ? kOld : kList);
  if (!existed) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(after.st_mode & 07777, 0666 & ~mask);
    return;
  }
  EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_nlink, before.st_nlink);
  EXPECT_EQ(after.st_ino == before.st_ino, row.result != Result::Replaced);
  if (target.path != target.file) {
    EXPECT_TRUE(fs::is_symlink(target.path));
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, WritePolicyFacesTest,
                         ::testing::Combine(::testing::ValuesIn(kRows),
                                            ::testing::Values(Face::Cli, Face::Desktop)));

// A named pipe is written to as it is, by both programs.
TEST_F(MainWindowTest, BothProgramsWriteIntoANamedPipe) {
  Start();
  const std::string input = Write("in.txt", kText);
  const std::string fifo = temp.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (Face face : {Face::Cli, Face::Desktop}) {
    std::string received;
    std::thread reader([&] { received = TempDir::Read(fifo); });
    if (face == Face::Cli) {
      std::istringstream in;
      std::ostringstream out;
      std::ostringstream err;
      EXPECT_EQ(RunCountCommand({"-o", fifo, input}, in, out, err), 0) << err.str();
    } else {
      frm->paramsWindow.chkWarnOnOverwrite.SetValue(0);
      frm->txbFile0.SetText(input);
      frm->txbFile1.SetText(fifo);
      Count();
      EXPECT_THAT(hp.messageBoxes.Shown(), ::testing::IsEmpty());
    }
    reader.join();
    EXPECT_EQ(received, kList);
    EXPECT_TRUE(fs::is_fifo(fifo));
  }
}

// Files zet-count reads besides the input: standard input's file, the
// common-words file, the parameter file. Each is refused as the output
// before anything is counted, naming both files.
TEST(WritePolicyCliTest, NeverWritesOverAFileItReads) {
  TempDir dir;
  const std::string input = dir.Write("in.txt", kText);
  const std::string common = dir.Write("common.txt", "the\n");
  const std::string params = dir.File("p.zet");
  {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunCountCommand({"--save-params", params}, in, out, err), 0);
  }
  const int stdinFd = ::open(input.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(stdinFd, 0);
  const struct {
    std::vector<std::string> args;
    std::string refusal;
  } rows[] = {
      {{"-o", dir.Path() + "/./in.txt"},
       "Output file cannot be the same as the file standard input comes from.\n" + dir.Path() +
           "/./in.txt\n"},
      {{"--common-words", common, "-o", common, input},
       "Output file cannot be the same as the common-words file.\n" + common + "\n"},
      {{"--params", params, "-o", params, input},
       "Output file cannot be the same as the parameter file.\n" + params + "\n"},
  };
  for (const auto& row : rows) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    CountEnvironment env;
    env.stdinFd = stdinFd;
    EXPECT_EQ(RunCountCommand(row.args, in, out, err, env), 1);
    EXPECT_EQ(err.str(), "zet-count: " + row.refusal);
  }
  ::close(stdinFd);
  EXPECT_EQ(TempDir::Read(input), kText);
  EXPECT_EQ(TempDir::Read(common), "the\n");
}

// Nothing listed: the output file is emptied, so that a script never reads
// the previous run's list as this one's; the reason goes to the messages.
TEST(WritePolicyCliTest, NothingListedEmptiesTheOutputFile) {
  TempDir dir;
  const std::string input = dir.Write("in.txt", kText);
  const std::string output = dir.Write("out.txt", kOld);
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCountCommand({"--min-count", "5", "-o", output, input}, in, out, err), 0);
  EXPECT_EQ(TempDir::Read(output), "");
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "No words with more than 2 letters\noccur at least 5 times.\n");
}

}  // namespace
}  // namespace zet::test
