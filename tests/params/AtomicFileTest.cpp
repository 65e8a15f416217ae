// The write policy every file the programs write goes through.

#include "params/AtomicFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "tests/support/RunAsUnprivileged.h"
#include "tests/support/TempDir.h"

namespace zet {
namespace {

using test::TempDir;
namespace fs = std::filesystem;

constexpr std::string_view kOld = "previous contents\n";
constexpr std::string_view kNew = "new list\n";

enum class Result { Created, Replaced, InPlace, Refused };

// What a row writes (`path`) and the file that must hold the bytes
// (`file`: the link's target for a link).
struct Target {
  std::string path;
  std::string file;
};

struct WriteRow {
  const char* name;
  std::function<Target(const std::string& folder)> make;
  bool asNobody;  // permissions bind only an ordinary user
  Result result;
  int error = 0;            // the refusal's errno
  mode_t mode = 0;          // the file's mode afterwards (0: not checked)
  bool otherOwner = false;  // the file is root's, written by another user
  friend void PrintTo(const WriteRow& row, std::ostream* os) { *os << row.name; }
};

std::string Existing(const std::string& folder, mode_t mode) {
  const std::string path = folder + "/out.txt";
  std::ofstream(path, std::ios::binary) << kOld;
  EXPECT_EQ(::chmod(path.c_str(), mode), 0);
  return path;
}

// Hidden files beside the target: a temporary file left behind.
int Temporaries(const std::string& folder) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename().string().starts_with(".")) ++count;
  return count;
}

const WriteRow kRows[] = {
    {"new file",
     [](const std::string& f) {
       return Target{f + "/new.txt", f + "/new.txt"};
     },
     false, Result::Created, 0, 0644},
    {"existing 0644 file",
     [](const std::string& f) {
       const std::string p = Existing(f, 0644);
       return Target{p, p};
     },
     false, Result::Replaced, 0, 0644},
    {"private 0640 file keeps its mode",
     [](const std::string& f) {
       const std::string p = Existing(f, 0640);
       return Target{p, p};
     },
     false, Result::Replaced, 0, 0640},
    {"hard-linked file is written in place",
     [](const std::string& f) {
       const std::string p = Existing(f, 0644);
       EXPECT_EQ(::link(p.c_str(), (f + "/other.txt").c_str()), 0);
       return Target{p, p};
     },
     false, Result::InPlace, 0, 0644},
    {"symbolic link writes the file it names",
     [](const std::string& f) {
       const std::string p = Existing(f, 0600);
       EXPECT_EQ(::symlink("out.txt", (f + "/link.txt").c_str()), 0);
       return Target{f + "/link.txt", p};
     },
     false, Result::Replaced, 0, 0600},
    {"dangling link creates its target",
     [](const std::string& f) {
       EXPECT_EQ(::symlink("made.txt", (f + "/link.txt").c_str()), 0);
       return Target{f + "/link.txt", f + "/made.txt"};
     },
     false, Result::Created, 0, 0644},
    {"link loop is refused",
     [](const std::string& f) {
       EXPECT_EQ(::symlink("b", (f + "/a").c_str()), 0);
       EXPECT_EQ(::symlink("a", (f + "/b").c_str()), 0);
       return Target{f + "/a", ""};
     },
     false, Result::Refused, ELOOP},
    {"a folder is refused",
     [](const std::string& f) {
       return Target{f, ""};
     },
     false, Result::Refused, EISDIR},
    {"missing folder is refused",
     [](const std::string& f) {
       return Target{f + "/none/out.txt", ""};
     },
     false, Result::Refused, ENOENT},
    {"device is written as it is",
     [](const std::string&) {
       return Target{"/dev/null", ""};
     },
     false, Result::InPlace},
    {"write-protected file is refused",
     [](const std::string& f) {
       const std::string p = Existing(f, 0444);
       EXPECT_EQ(::chown(p.c_str(), test::kUnprivilegedId, test::kUnprivilegedId), 0);
       return Target{p, p};
     },
     true, Result::Refused, EACCES, 0444},
    {"writable file in a read-only folder is written in place",
     [](const std::string& f) {
       const std::string p = Existing(f, 0666);
       EXPECT_EQ(::chmod(f.c_str(), 0555), 0);
       return Target{p, p};
     },
     true, Result::InPlace, 0, 0666},
    {"new file in a read-only folder is refused",
     [](const std::string& f) {
       EXPECT_EQ(::chmod(f.c_str(), 0555), 0);
       return Target{f + "/new.txt", ""};
     },
     true, Result::Refused, EACCES},
    {"another user's writable file keeps its owner",
     [](const std::string& f) {
       const std::string p = Existing(f, 0666);
       return Target{p, p};
     },
     true, Result::InPlace, 0, 0666, true},
};

class WritePolicyTest : public ::testing::TestWithParam<WriteRow> {};

TEST_P(WritePolicyTest, WritesOrRefusesAsThePolicySays) {
  const WriteRow& row = GetParam();
  if (row.otherOwner && ::geteuid() != 0) GTEST_SKIP() << "needs a file of another user";
  const mode_t savedMask = ::umask(022);
  TempDir dir;
  test::LetEveryoneIn(dir.Path());
  const std::string folder = dir.File("row");
  ASSERT_EQ(::mkdir(folder.c_str(), 0777), 0);
  ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
  const Target target = row.make(folder);
  struct stat before {};
  const bool existed = !target.file.empty() && ::stat(target.file.c_str(), &before) == 0;
  const auto write = [&] {
    const int checked = CheckFileWritable(target.path);
    return std::to_string(ReplaceFileContents(target.path, kNew)) + "," + std::to_string(checked);
  };
  const std::optional<std::string> outcome =
      row.asNobody ? test::RunAsUnprivileged(write) : write();
  ::chmod(folder.c_str(), 0777);
  ::umask(savedMask);
  const int expected = row.result == Result::Refused ? row.error : 0;
  // The check before a long count says what the write then finds.
  EXPECT_EQ(outcome, std::to_string(expected) + "," + std::to_string(expected));
  EXPECT_EQ(Temporaries(folder), 0);
  if (target.file.empty()) return;
  struct stat after {};
  ASSERT_EQ(::stat(target.file.c_str(), &after) == 0, row.result != Result::Refused || existed);
  EXPECT_EQ(TempDir::Read(target.file), row.result == Result::Refused ? kOld : kNew);
  if (row.mode != 0) {
    EXPECT_EQ(after.st_mode & 07777, row.mode);
  }
  if (!existed) return;
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
  EXPECT_EQ(after.st_nlink, before.st_nlink);
  EXPECT_EQ(after.st_ino == before.st_ino, row.result != Result::Replaced);
  if (target.path != target.file) {
    EXPECT_TRUE(fs::is_symlink(target.path));
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, WritePolicyTest, ::testing::ValuesIn(kRows));

// A named pipe is written to, never replaced by a file.
TEST(AtomicFileTest, PipeIsWrittenInPlace) {
  TempDir dir;
  const std::string fifo = dir.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = TempDir::Read(fifo); });
  EXPECT_EQ(ReplaceFileContents(fifo, kNew), 0);
  reader.join();
  EXPECT_EQ(received, kNew);
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(Temporaries(dir.Path()), 0);
}

// While it is written the list is readable by its owner alone, whatever the
// target's mode; it gets that mode only when complete.
TEST(AtomicFileTest, TemporaryFileIsPrivateUntilComplete) {
  TempDir dir;
  const std::string path = dir.Write("out.txt", kOld);
  ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
  AtomicFileWriter writer;
  ASSERT_EQ(writer.Open(path), 0);
  ASSERT_EQ(writer.Write(kNew), 0);
  for (const auto& entry : fs::directory_iterator(dir.Path()))
    if (entry.path().filename().string().starts_with(".")) {
      EXPECT_EQ(fs::status(entry.path()).permissions(),
                fs::perms::owner_read | fs::perms::owner_write);
    }
  EXPECT_EQ(TempDir::Read(path), kOld);
  ASSERT_EQ(writer.Commit(), 0);
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, static_cast<fs::perms>(0664));
  EXPECT_EQ(TempDir::Read(path), kNew);
}

// Ctrl-C, a kill or a closed terminal in the middle of a write: the program
// ends by the signal and its temporary file goes with it.
class SignalDuringWriteTest : public ::testing::TestWithParam<int> {};

TEST_P(SignalDuringWriteTest, LeavesNoTemporaryFile) {
  const int sig = GetParam();
  TempDir dir;
  const std::string path = dir.Write("big.txt", kOld);
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(ready[0]);
    InstallTemporaryFileCleanup();
    AtomicFileWriter writer;
    if (writer.Open(path) != 0) ::_exit(2);
    const std::string block(1 << 20, 'x');
    for (int i = 0; i < 8; ++i)
      if (writer.Write(block) != 0) ::_exit(3);
    (void)::write(ready[1], "w", 1);  // half written: the parent may strike
    for (;;) {
      if (writer.Write(block) != 0) ::_exit(4);
      ::pause();
    }
  }
  ::close(ready[1]);
  char byte = 0;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  ::close(ready[0]);
  EXPECT_EQ(Temporaries(dir.Path()), 1);  // the write is under way
  ASSERT_EQ(::kill(child, sig), 0);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), sig);  // ended as the signal ends a program
  EXPECT_EQ(Temporaries(dir.Path()), 0);
  EXPECT_EQ(TempDir::Read(path), kOld);
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalDuringWriteTest,
                         ::testing::Values(SIGINT, SIGTERM, SIGHUP));

}  // namespace
}  // namespace zet
