// zet-count when the machine lets it down: full devices, locked folders,
// closed or broken standard streams, files that vanish or change as they
// are read. Some cases run the program itself, with prepared descriptors.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <set>
#include <sstream>
#include <streambuf>
#include <thread>

#include "cli/CountCommand.h"
#include "params/ParameterSet.h"
#include "params/SettingsFile.h"
#include "tests/support/ProblemText.h"
#include "tests/support/RunAsUnprivileged.h"
#include "tests/support/TempDir.h"

namespace zet {
namespace {

using test::TempDir;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
  friend bool operator==(const Outcome&, const Outcome&) = default;
  friend void PrintTo(const Outcome& o, std::ostream* os) {
    *os << "status " << o.status << ", out \"" << o.out << "\", err \"" << o.err << '"';
  }
};

Outcome Count(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              const CountEnvironment& env = {}) {
  std::ostringstream err;
  const int status = RunCountCommand(args, in, out, err, env);
  return {status, "", err.str()};
}

Outcome Count(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  Outcome outcome = Count(args, in, out);
  outcome.out = out.str();
  return outcome;
}

// `count` different words of letters only, one a line: their list is about
// 24 bytes a word.
std::string DistinctWords(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    for (int n = i, place = 0; place < 4; ++place, n /= 26) text += static_cast<char>('a' + n % 26);
    text += '\n';
  }
  return text;
}

// Serves `good` bytes, then fails as a device does.
class FailingInput final : public std::streambuf {
 public:
  explicit FailingInput(std::string good) : good_(std::move(good)) {
    setg(good_.data(), good_.data(), good_.data() + good_.size());
  }

 protected:
  int_type underflow() override { throw std::ios_base::failure("read error"); }

 private:
  std::string good_;
};

// Takes `room` bytes, then refuses every write.
class FailingOutput final : public std::streambuf {
 public:
  explicit FailingOutput(std::size_t room) : room_(room) {}

 protected:
  int_type overflow(int_type c) override {
    if (room_ == 0) return traits_type::eof();
    --room_;
    return traits_type::not_eof(c);
  }

 private:
  std::size_t room_;
};

constexpr const char* kText = "alpha beta beta gamma\n";

TEST(CountFaultsTest, StreamsThatFailAreErrorsNotEndsOrSuccesses) {
  // Was: a read error on standard input was reported as "Error 57: Success".
  FailingInput failing("alpha beta\n");
  std::istream in(&failing);
  std::ostringstream out;
  EXPECT_EQ(Count({}, in, out), (Outcome{1, "", "zet-count: Error 57: Input/output error\n"}));
  EXPECT_EQ(out.str(), "");

  // Was: a listing that standard output refused ended with status 1 and no word why.
  for (const std::size_t room : {std::size_t{0}, std::size_t{10}}) {
    std::istringstream text(kText);
    FailingOutput refusing(room);
    std::ostream refused(&refusing);
    EXPECT_EQ(Count({}, text, refused),
              (Outcome{1, "", "zet-count: Error 57: Input/output error (standard output)\n"}))
        << "room " << room;
  }
}

TEST(CountFaultsTest, DescriptorsThatFailAreReportedWithTheirReason) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  ::close(fds[0]);
  ::close(fds[1]);
  CountEnvironment closed;
  closed.stdinFd = fds[0];  // closed: reading it fails
  std::istringstream unused(kText);
  std::ostringstream out;
  EXPECT_EQ(Count({}, unused, out, closed),
            (Outcome{1, "", "zet-count: Error 57: Bad file descriptor\n"}));

  // A regular file, as the system reports it, whose reading fails (EIO).
  const int mem = ::open("/proc/self/mem", O_RDONLY | O_CLOEXEC);
  char byte;
  const bool memoryFails = mem >= 0 && ::read(mem, &byte, 1) < 0 && errno == EIO;
  if (mem >= 0) ::close(mem);
  if (!memoryFails) GTEST_SKIP() << "no unreadable regular file to be had";
  TempDir dir;
  ASSERT_EQ(::symlink("/proc/self/mem", dir.File("failing.txt").c_str()), 0);
  EXPECT_EQ(Count({dir.File("failing.txt")}), (Outcome{1, "",
                                                       "zet-count: Error 57: Input/output error (" +
                                                           dir.File("failing.txt") + ")\n"}));
}

TEST(CountFaultsTest, AnInputCutShortIsCountedAsFarAsItGoes) {
  // A writer that stops in the middle of a line: the part line still counts.
  EXPECT_EQ(Count({"--format", "9"}, "alpha beta\ngam"), (Outcome{0, "alpha, beta, gam\n", ""}));
}

TEST(CountFaultsTest, AFullDeviceFailsEveryFileItIsGiven) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  const std::string many = DistinctWords(20000);  // more than one block of the output file
  const struct {
    std::vector<std::string> args;
    std::string input;
    std::string err;
  } rows[] = {
      {{"-o", "/dev/full"},
       kText,
       "zet-count: Cannot write the output file /dev/full: No space left on device\n"},
      {{"-o", "/dev/full"},
       many,
       "zet-count: Cannot write the output file /dev/full: No space left on device\n"},
      {{"--save-params", "/dev/full"},
       kText,
       "zet-count: Error when attempting to save parameters: No space left on device "
       "(/dev/full)\n"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Count(row.args, row.input), (Outcome{1, "", row.err})) << row.args[0];
  }
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}

// Was: the rename went round the files' own permission and replaced them.
TEST(CountFaultsTest, WriteProtectedFilesAreKept) {
  TempDir dir;
  const std::string input = dir.Write("in.txt", kText);
  const std::string folder = dir.File("locked");
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  const std::string list = dir.Write("locked/out.txt", "previous list");
  const std::string params = dir.Write("locked/p.zet", "previous parameters");
  for (const std::string& path : {list, params}) ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);  // only the files' own mode forbids it
  test::LetEveryoneIn(dir.Path());
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      {{"-o", list, input},
       "zet-count: Cannot write the output file " + list + ": Permission denied\n"},
      {{"--save-params", params, input},
       "zet-count: Error when attempting to save parameters: Permission denied (" + params + ")\n"},
  };
  for (const auto& [args, err] : rows) {
    const auto outcome = test::RunAsUnprivileged([&] {
      const Outcome r = Count(args);
      return std::to_string(r.status) + "|" + r.err;
    });
    EXPECT_EQ(outcome, "1|" + err);
  }
  ::chmod(folder.c_str(), 0700);
  EXPECT_EQ(TempDir::Read(list), "previous list");
  EXPECT_EQ(TempDir::Read(params), "previous parameters");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);
}

TEST(CountFaultsTest, SettingsThatAreNotThereAreAFirstStartAndOthersAreRefused) {
  TempDir dir;
  const std::string fifo = dir.File("fifo.usr");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_EQ(::symlink(dir.File("gone.usr").c_str(), dir.File("dangling.usr").c_str()), 0);
  const std::string restoreError = "zet-count: Error when attempting to restore parameters: ";
  const std::pair<std::string, Outcome> rows[] = {
      {dir.File("never-saved.usr"), {0, "go\n", ""}},
      {dir.File("dangling.usr"), {0, "go\n", ""}},
      {dir.Path(), {1, "", restoreError + "not a regular file (" + dir.Path() + ")\n"}},
      {fifo, {1, "", restoreError + "not a regular file (" + fifo + ")\n"}},  // and no hang
  };
  for (const auto& [path, expected] : rows) {
    CountEnvironment env;
    env.settingsFile = path;
    std::istringstream in("go2\n");
    std::ostringstream out;
    Outcome outcome = Count({"--settings", "--format", "9"}, in, out, env);
    outcome.out = out.str();
    EXPECT_EQ(outcome, expected) << path;
  }
  // A parameter file is asked for by name: one that is not there is an error.
  EXPECT_EQ(Count({"--params", dir.File("dangling.usr")}, "go2\n"),
            (Outcome{1, "", restoreError + "file not found (" + dir.File("dangling.usr") + ")\n"}));
}

// Was: the settings file was looked for and then opened, and one removed in
// between failed the run. Removed and made again while counts run, it must
// give either its own settings or the defaults, never an error.
TEST(CountFaultsTest, SettingsThatComeAndGoNeverFailARun) {
  TempDir dir;
  const std::string path = dir.File("zet.usr");
  ParameterSet numerals;
  ASSERT_TRUE(numerals.SetValue(ParamId::chkAllowWordsWithNumerals, 1));
  const std::string spare = dir.File("spare.usr");
  std::atomic<bool> done{false};
  std::thread churn([&] {
    while (!done) {
      if (SaveState(spare, numerals).ok()) std::filesystem::rename(spare, path);
      std::filesystem::remove(path);
    }
  });
  CountEnvironment env;
  env.settingsFile = path;
  std::set<std::string> seen;
  for (int i = 0; i < 300; ++i) {
    std::istringstream in("go2\n");
    std::ostringstream out;
    const Outcome outcome = Count({"--settings", "--format", "9"}, in, out, env);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    seen.insert(out.str());
  }
  done = true;
  churn.join();
  for (const std::string& listed : seen)
    EXPECT_TRUE(listed == "go2\n" || listed == "go\n") << listed;
}

TEST(CountFaultsTest, CommonWordsThatCannotBeReadAreRefusedWithoutWaiting) {
  TempDir dir;
  const std::string fifo = dir.File("pipe.txt");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string locked = dir.Write("locked.txt", "alpha\n");
  ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
  const std::string failure = "zet-count: Error when attempting to load common words from ";
  for (const std::string& path : {dir.Path(), fifo}) {
    EXPECT_EQ(
        Count({"--common-words", path}, kText),
        (Outcome{1, "", "zet-count: File for common words not found.\n" + failure + path + "\n"}));
  }
  test::LetEveryoneIn(dir.Path());
  const auto outcome = test::RunAsUnprivileged([&] {
    const Outcome r = Count({"--common-words", locked}, kText);
    return std::to_string(r.status) + "|" + r.out + "|" + r.err;
  });
  EXPECT_EQ(outcome, "1||" + failure + locked + ": Permission denied\n");
}

// How the program's standard input or output is prepared.
enum class Stream : std::uint8_t {
  Closed,      // no descriptor at all
  Pipe,        // a pipe to or from the test
  FullDevice,  // /dev/full (output only)
};

struct ProgramRow {
  const char* name;
  Stream in;
  std::string input;  // written to the input pipe, which is then closed
  Stream out;
  std::size_t readBefore;  // output bytes read before the test stops reading
  std::vector<std::string> args;
  int status;
  std::string out_;  // expected start of what the program wrote
  std::string err;
  friend void PrintTo(const ProgramRow& row, std::ostream* os) { *os << row.name; }
};

// Runs the built program as `row` prepares it; its standard error goes to
// `errFile`. Returns the raw wait status and what was read of its output.
std::pair<int, std::string> RunProgram(const ProgramRow& row, const std::string& errFile) {
  const std::string program = std::string(ZET_RUNTIME_DIR) + "/zet-count";
  std::vector<std::string> args{program};
  args.insert(args.end(), row.args.begin(), row.args.end());
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  int in[2] = {-1, -1};
  int out[2] = {-1, -1};
  if (row.in == Stream::Pipe && ::pipe(in) != 0) return {-1, ""};
  if (row.out == Stream::Pipe && ::pipe(out) != 0) return {-1, ""};
  const pid_t child = ::fork();
  if (child == 0) {
    const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (err < 0 || ::dup2(err, 2) < 0) ::_exit(120);
    if (row.in == Stream::Pipe)
      ::dup2(in[0], 0);
    else
      ::close(0);
    if (row.out == Stream::Pipe)
      ::dup2(out[1], 1);
    else if (row.out == Stream::FullDevice)
      ::dup2(::open("/dev/full", O_WRONLY), 1);
    else
      ::close(1);
    for (const int fd : {in[0], in[1], out[0], out[1], err})
      if (fd > 2) ::close(fd);
    ::execv(program.c_str(), argv.data());
    ::_exit(121);
  }
  std::string read;
  if (row.in == Stream::Pipe) {
    ::close(in[0]);
    // The program reads all of it before it writes a line, so this cannot
    // wait on the output pipe; should the program end early, the write
    // fails instead of ending the test by SIGPIPE.
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    (void)!::write(in[1], row.input.data(), row.input.size());
    std::signal(SIGPIPE, previous);
    ::close(in[1]);
  }
  if (row.out == Stream::Pipe) {
    ::close(out[1]);
    char buffer[4096];
    while (read.size() < row.readBefore) {
      const ssize_t n =
          ::read(out[0], buffer, std::min(sizeof buffer, row.readBefore - read.size()));
      if (n <= 0) break;
      read.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(out[0]);  // the reader goes away, as `head` does
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return {status, read};
}

class ProgramFaultsTest : public ::testing::TestWithParam<ProgramRow> {};

TEST_P(ProgramFaultsTest, EndsWithAStatusAndAClearWord) {
  const ProgramRow& row = GetParam();
  TempDir dir;
  const auto [status, read] = RunProgram(row, dir.File("stderr"));
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal "
                                 << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
  EXPECT_EQ(WEXITSTATUS(status), row.status);
  EXPECT_EQ(read.substr(0, row.out_.size()), row.out_);
  EXPECT_EQ(TempDir::Read(dir.File("stderr")), row.err);
}

const std::string kManyWords = DistinctWords(20000);  // a list far larger than a pipe holds

INSTANTIATE_TEST_SUITE_P(
    Rows, ProgramFaultsTest,
    ::testing::Values(ProgramRow{"closed_input",
                                 Stream::Closed,
                                 "",
                                 Stream::Pipe,
                                 1000,
                                 {},
                                 1,
                                 "",
                                 "zet-count: Error 57: Bad file descriptor\n"},
                      ProgramRow{"writer_stops_halfway",
                                 Stream::Pipe,
                                 "alpha beta\ngam",
                                 Stream::Pipe,
                                 1000,
                                 {"--format", "9"},
                                 0,
                                 "alpha, beta, gam\n",
                                 ""},
                      ProgramRow{
                          "output_to_a_full_device",
                          Stream::Pipe,
                          kText,
                          Stream::FullDevice,
                          0,
                          {},
                          1,
                          "",
                          "zet-count: Error 61: No space left on device (standard output)\n"},
                      ProgramRow{"closed_output",
                                 Stream::Pipe,
                                 kText,
                                 Stream::Closed,
                                 0,
                                 {},
                                 1,
                                 "",
                                 "zet-count: Error 57: Bad file descriptor (standard output)\n"},
                      ProgramRow{"reader_goes_away",
                                 Stream::Pipe,
                                 kManyWords,
                                 Stream::Pipe,
                                 100,
                                 {},
                                 1,
                                 "   Rank    Freq  Word",
                                 ""}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace zet
