#include "engine/FileProc.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <limits>

#include "engine/FileTexts.h"
#include "tests/support/RunAsUnprivileged.h"
#include "tests/support/TempDir.h"

namespace zet {
namespace {

using test::TempDir;

std::string At(std::size_t position, char byte, std::size_t size) {
  std::string bytes(size, 'a');
  bytes[position] = byte;
  return bytes;
}

struct TextRow {
  const char* name;
  std::string bytes;
  TextCheck expected;
  friend void PrintTo(const TextRow& row, std::ostream* os) { *os << row.name; }
};

class CheckTextFileTest : public ::testing::TestWithParam<TextRow> {};

TEST_P(CheckTextFileTest, Classifies) {
  TempDir dir;
  EXPECT_EQ(CheckTextFile(dir.Write("f.txt", GetParam().bytes)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CheckTextFileTest,
    ::testing::Values(TextRow{"empty", "", TextCheck::Empty},
                      TextRow{"crlf", "a\r\nb\r\n", TextCheck::Text},
                      TextRow{"no_line_break", "one line", TextCheck::Text},
                      TextRow{"crlf_with_stray_lf", "a\r\nb\nc\r\n", TextCheck::Text},
                      TextRow{"lf_only", "a\nb\n", TextCheck::UnixLineEndings},
                      TextRow{"cr_only", "a\rb\r", TextCheck::MacLineEndings},
                      TextRow{"tab_and_high_bytes", "a\tb\x7F\xE9\xFF", TextCheck::Text},
                      TextRow{"nul", std::string("a\0b", 3), TextCheck::NotText},
                      TextRow{"eof_byte", "a\x1A", TextCheck::NotText},
                      TextRow{"form_feed", "a\fb", TextCheck::NotText},
                      TextRow{"nul_last_examined_byte", At(16383, '\0', 20000), TextCheck::NotText},
                      TextRow{"nul_after_sample", At(16384, '\0', 20000), TextCheck::Text},
                      TextRow{"eof_byte_after_sample", At(30000, '\x1A', 40000), TextCheck::Text},
                      TextRow{"lf_after_sample_not_seen", At(16384, '\n', 20000), TextCheck::Text}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(CheckTextFileOtherTest, LargerLimitExaminesMore) {
  TempDir dir;
  const std::string path = dir.Write("f.txt", At(20000, '\0', 40000));
  EXPECT_EQ(CheckTextFile(path, 16384), TextCheck::Text);
  EXPECT_EQ(CheckTextFile(path, 16385), TextCheck::NotText);
}

TEST(CheckTextFileOtherTest, MissingAndUnreadableFiles) {
  TempDir dir;
  EXPECT_EQ(CheckTextFile(dir.File("none.txt")), TextCheck::Missing);
  EXPECT_EQ(CheckTextFile(dir.Path()), TextCheck::Missing);
  EXPECT_EQ(TextCheckCode(TextCheck::Missing), -1);
  const std::string locked = dir.Write("locked.txt", "text");
  ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
  test::LetEveryoneIn(dir.Path());
  EXPECT_EQ(
      test::RunAsUnprivileged([&] { return std::to_string(TextCheckCode(CheckTextFile(locked))); }),
      std::to_string(TextCheckCode(TextCheck::CannotOpen)));
}

// Whatever a checked name has come to stand for, opening it never hangs and
// only a regular file is opened.
TEST(FileProcTest, OpenRegularFileOpensOnlyRegularFiles) {
  TempDir dir;
  const std::string file = dir.Write("words.txt", "alpha\n");
  const std::string fifo = dir.File("pipe.txt");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_EQ(::symlink(file.c_str(), dir.File("link.txt").c_str()), 0);
  const std::pair<std::string, int> rows[] = {
      {file, 0},      {dir.File("link.txt"), 0},      {dir.Path(), EISDIR},
      {fifo, EINVAL}, {dir.File("none.txt"), ENOENT},
  };
  for (const auto& [path, error] : rows) {
    errno = 0;
    const int fd = OpenRegularFile(path);
    EXPECT_EQ(fd < 0 ? errno : 0, error) << path;
    if (fd < 0) continue;
    char buffer[8];
    EXPECT_EQ(::read(fd, buffer, sizeof buffer), 6) << "a blocking descriptor that reads";
    ::close(fd);
  }
  const std::string locked = dir.Write("locked.txt", "text");
  ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
  test::LetEveryoneIn(dir.Path());
  EXPECT_EQ(test::RunAsUnprivileged([&] {
              const int fd = OpenRegularFile(locked);
              return std::to_string(fd < 0 ? errno : 0);
            }),
            std::to_string(EACCES));
}

TEST(FileProcTest, LineEndingsMessages) {
  EXPECT_EQ(LineEndingsMessage(TextCheck::UnixLineEndings),
            "This file has Unix/Linux line endings.\r\n\r\n");
  EXPECT_EQ(LineEndingsMessage(TextCheck::MacLineEndings),
            "This file has Macintosh line endings.\r\n\r\n");
  EXPECT_EQ(LineEndingsMessage(TextCheck::Text), "");
}

struct PathRow {
  std::string path;
  std::string extension;  // lower-cased
  std::string extensionAsIs;
  std::string folder;
  friend void PrintTo(const PathRow& row, std::ostream* os) { *os << '"' << row.path << '"'; }
};

class PathTest : public ::testing::TestWithParam<PathRow> {};

TEST_P(PathTest, SplitsThePath) {
  const PathRow& row = GetParam();
  EXPECT_EQ(GetFileExtension(row.path, true), row.extension);
  EXPECT_EQ(GetFileExtension(row.path, false), row.extensionAsIs);
  EXPECT_EQ(GetFolderOfPath(row.path), row.folder);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PathTest,
    ::testing::Values(
        PathRow{"/home/ann/My Texts/Book.TXT", "txt", "TXT", "/home/ann/My Texts/"},
        PathRow{"notes.Html", "html", "Html", ""}, PathRow{"archive.tar.gz", "gz", "gz", ""},
        PathRow{"/data.v2/readme", "", "", "/data.v2/"}, PathRow{"name.", "", "", ""},
        PathRow{".profile", "profile", "profile", ""}, PathRow{"/a.txt", "txt", "txt", "/"},
        PathRow{"//server/share/x.c", "c", "c", "//server/share/"},
        PathRow{"C:/My Texts/A.TXT", "txt", "TXT", "C:/My Texts/"}, PathRow{"dir/", "", "", "dir/"},
        PathRow{"x.\xC3\x89T\xC3\x89", "\xC3\x89t\xC3\x89", "\xC3\x89T\xC3\x89", ""},
        PathRow{"", "", "", ""}));

struct NumberRow {
  std::int64_t number;
  std::string text;
  friend void PrintTo(const NumberRow& row, std::ostream* os) { *os << row.number; }
};

class FileSizeTextTest : public ::testing::TestWithParam<NumberRow> {};

TEST_P(FileSizeTextTest, Describes) { EXPECT_EQ(FileSizeText(GetParam().number), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Rows, FileSizeTextTest,
    ::testing::Values(
        NumberRow{0, "Filesize:   0 bytes"}, NumberRow{9999, "Filesize:   9,999 bytes"},
        NumberRow{10000, "Filesize:   10,000 bytes    9.77 KB"},
        // 9.875 KB: a half rounds away from zero, 10.125 likewise.
        NumberRow{10112, "Filesize:   10,112 bytes    9.88 KB"},
        NumberRow{10368, "Filesize:   10,368 bytes    10.13 KB"},
        NumberRow{10238976, "Filesize:   10,238,976 bytes    9,999.00 KB"},
        NumberRow{10240000, "Filesize:   10,240,000 bytes    10,000.00 KB    9.77 MB"},
        NumberRow{5368709120, "Filesize:   5,368,709,120 bytes    5,242,880.00 KB    5,120.00 MB"},
        // Past single precision's 24 bits the kilobytes are the nearest float.
        NumberRow{17179869183,
                  "Filesize:   17,179,869,183 bytes    16,777,216.00 KB    16,384.00 MB"}));

TEST(FileProcTest, FileExistsAndLength) {
  TempDir dir;
  const std::string good = dir.Write("a.txt", "text");
  EXPECT_TRUE(FileExists(good));
  EXPECT_FALSE(FileExists(dir.Path()));
  EXPECT_EQ(FileLength(good), 4);
  EXPECT_EQ(FileLength(dir.File("missing.txt")), -1);
}

TEST(FileProcTest, SameFileSeesThroughPathsAndLinks) {
  TempDir dir;
  const std::string a = dir.Write("a.txt", "a");
  const std::string b = dir.Write("b.txt", "a");
  ASSERT_EQ(::mkdir(dir.File("sub").c_str(), 0700), 0);
  const std::string soft = dir.File("soft.txt");
  const std::string hard = dir.File("hard.txt");
  ASSERT_EQ(::symlink("a.txt", soft.c_str()), 0);
  ASSERT_EQ(::link(a.c_str(), hard.c_str()), 0);
  EXPECT_TRUE(SameFile(a, a));
  EXPECT_TRUE(SameFile(a, dir.Path() + "/sub/../a.txt"));
  EXPECT_TRUE(SameFile(a, dir.Path() + "//./a.txt"));
  EXPECT_TRUE(SameFile(a, soft));
  EXPECT_TRUE(SameFile(a, hard));
  EXPECT_FALSE(SameFile(a, b));
  EXPECT_FALSE(SameFile(a, dir.File("new.txt")));
  EXPECT_TRUE(SameFile(dir.File("new.txt"), dir.Path() + "/sub/../new.txt"));
  EXPECT_FALSE(SameFile(dir.File("new.txt"), dir.File("sub/new.txt")));
  EXPECT_TRUE(SameFile(dir.File("none/x.txt"), dir.File("none/x.txt")));
  EXPECT_FALSE(SameFile(dir.File("none/x.txt"), dir.File("none/y.txt")));
  EXPECT_FALSE(SameFile("", ""));
}

TEST(FileProcTest, NotTextExplanationIsSixLines) {
  const std::string_view text = texts::kNotTextFileExplanation;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
  EXPECT_FALSE(text.ends_with("\n"));
}

}  // namespace
}  // namespace zet
