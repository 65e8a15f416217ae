#include "params/SettingsFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <random>

#include "params/ModelSettings.h"
#include "scanner/TextCodec.h"
#include "tests/support/ProblemText.h"
#include "tests/support/RunAsUnprivileged.h"
#include "tests/support/TempDir.h"

namespace zet {
namespace {

using P = ParamId;
using test::TempDir;

const std::string kSaveError = "Error when attempting to save parameters: ";
const std::string kRestoreError = "Error when attempting to restore parameters: ";

// The file every default gives, one entry per line.
const std::vector<std::string> kDefaultLines = {
    R"("")", R"("")", R"("")", R"("/*")", R"("*/")", R"("//")", R"("")", "1", "3", "0",
    "0",     "0",     "0",     "1",       "1",       "1",       "0",     "1", "1", "0",
    "0",     "0",     "0",     "0",       "0",       "0",       "0",     "0", "0", "0",
    "1",     "1",     "0",     "0",       "0",       "0",       R"("")"};

std::string Join(const std::vector<std::string>& lines, std::string_view ending = "\r\n") {
  std::string out;
  for (const std::string& line : lines) out += line + std::string(ending);
  return out;
}

// The default file with line `number` (1-based) replaced.
std::string DefaultsWith(std::initializer_list<std::pair<int, std::string>> changes) {
  std::vector<std::string> lines = kDefaultLines;
  for (const auto& [number, text] : changes) lines[static_cast<std::size_t>(number - 1)] = text;
  return Join(lines);
}

bool AllInRange(const ParameterSet& params) {
  for (const ParamInfo& info : AllParams()) {
    if (info.kind == ParamKind::Text) {
      if (ToValidUtf8(params.Text(info.id)) != params.Text(info.id)) return false;
    } else if (!IsValidValue(info, params.Value(info.id))) {
      return false;
    }
  }
  return true;
}

TEST(SettingsFileTest, DefaultsGiveTheKnownFile) {
  EXPECT_EQ(FormatSettings(ParameterSet()), Join(kDefaultLines));
}

TEST(SettingsFileTest, DefaultFileRestoresTheDefaults) {
  ParameterSet params;
  ASSERT_TRUE(params.SetValue(P::chkCaseSignificant, 1));
  ASSERT_TRUE(params.SetValue(P::cboDisplayFormat, 4));
  params.SetText(P::txbStartComment0, "{");
  EXPECT_EQ(test::ProblemText(RestoreSettingsText(Join(kDefaultLines), params)), "");
  EXPECT_EQ(params, ParameterSet());
}

ParameterSet EveryValueChanged() {
  ParameterSet params;
  int n = 0;
  for (const ParamInfo& info : AllParams()) {
    if (info.kind == ParamKind::CheckBox) {
      EXPECT_TRUE(params.SetValue(info.id, 1 + (n++ % 2)));
    } else if (info.kind == ParamKind::List) {
      const int last = static_cast<int>(info.items.size()) - 1;
      EXPECT_TRUE(params.SetValue(info.id, info.defaultValue == last ? 0 : last));
    }
  }
  params.SetText(P::txbFileInput, "/home/ann/\xE6\x97\xA5\xE6\x9C\xAC/caf\xC3\xA9 book.txt");
  params.SetText(P::txbFileOutput, "");
  params.SetText(P::txbWordsToIgnore, "a, an, the,");
  params.SetText(P::txbStartComment0, "<!--");
  params.SetText(P::txbEndComment0, R"(say "hi")");
  params.SetText(P::txbStartComment1, "\"");
  params.SetText(P::txbEndComment1, "");
  params.SetText(P::strCommonWordsFile, "/usr/share/zet/cwds_en.txt");
  // Only the common-words file name is stored; the box beside its check box
  // gets the same name back.
  params.SetText(P::txbCommonWordsFile, "/usr/share/zet/cwds_en.txt");
  return params;
}

TEST(SettingsFileTest, SaveAndRestoreGiveBackEveryValue) {
  TempDir dir;
  const ParameterSet saved = EveryValueChanged();
  const std::string path = dir.File("all.zet");
  ASSERT_EQ(test::ProblemText(SaveState(path, saved)), "");
  ParameterSet restored;
  EXPECT_EQ(test::ProblemText(RestoreSavedState(path, restored)), "");
  EXPECT_EQ(restored, saved);
}

TEST(SettingsFileTest, LineBreaksInTextsAreSavedAsSpaces) {
  ParameterSet params;
  params.SetText(P::txbWordsToIgnore, "a\r\nb\nc\rd");
  const std::string file = FormatSettings(params);
  EXPECT_NE(file.find("\"a  b c d\"\r\n"), std::string::npos);
  ParameterSet restored;
  EXPECT_EQ(test::ProblemText(RestoreSettingsText(file, restored)), "");
  EXPECT_EQ(restored.Text(P::txbWordsToIgnore), "a  b c d");
  EXPECT_EQ(restored.Value(P::cboDisplayFormat), 0);
}

// Linux names are bytes: one that is not UTF-8 comes back byte for byte,
// while names that are UTF-8 keep the plain line they always had.
TEST(SettingsFileTest, NamesThatAreNotUtf8ComeBackByteForByte) {
  const std::string latin1 = "/home/ann/caf\xE9 \x93q\x94.txt";
  const std::string mixed = "/tmp/\xC3\xA9t\xE9/\xFF\x01\"x\".txt";
  ParameterSet saved;
  saved.SetText(P::txbFileInput, latin1);
  saved.SetText(P::strCommonWordsFile, mixed);
  saved.SetText(P::txbCommonWordsFile, mixed);
  saved.SetText(P::txbFileOutput, "/home/ann/\xC3\xA9t\xC3\xA9.txt");
  const std::string file = FormatSettings(saved);
  EXPECT_EQ(ToValidUtf8(file), file);
  EXPECT_NE(file.find("\r\n\"/home/ann/\xC3\xA9t\xC3\xA9.txt\"\r\n"), std::string::npos);
  EXPECT_NE(file.find("\"/home/ann/caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D.txt\" "
                      "bytes:2F686F6D652F616E6E2F636166E92093719"
                      "42E747874\r\n"),
            std::string::npos);
  TempDir dir;
  const std::string path = dir.File("names.zet");
  ASSERT_EQ(test::ProblemText(SaveState(path, saved)), "");
  ParameterSet restored;
  EXPECT_EQ(test::ProblemText(RestoreSavedState(path, restored)), "");
  EXPECT_EQ(restored, saved);
  EXPECT_EQ(restored.Text(P::txbFileInput), latin1);
  EXPECT_EQ(restored.Text(P::txbCommonWordsFile), mixed);
}

struct NoteRow {
  const char* name;
  std::string line;
  std::string text;
  friend void PrintTo(const NoteRow& row, std::ostream* os) { *os << row.name; }
};

class ExactBytesNoteTest : public ::testing::TestWithParam<NoteRow> {};

// The note is used only while it matches the quoted text: a name edited by
// hand is read as edited, and a malformed note is ignored.
TEST_P(ExactBytesNoteTest, ReadsTheNoteOnlyWhenItMatches) {
  ParameterSet params;
  EXPECT_EQ(test::ProblemText(RestoreSettingsText(DefaultsWith({{1, GetParam().line}}), params)),
            "");
  EXPECT_EQ(params.Text(P::txbFileInput), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExactBytesNoteTest,
    ::testing::Values(NoteRow{"matching", "\"caf\xC3\xA9\" bytes:636166e9", "caf\xE9"},
                      NoteRow{"trailing_blanks", "\"caf\xC3\xA9\" bytes:636166E9  ", "caf\xE9"},
                      NoteRow{"edited_by_hand", "\"cafe\" bytes:636166E9", "cafe"},
                      NoteRow{"odd_digits", "\"caf\xC3\xA9\" bytes:636166E", "caf\xC3\xA9"},
                      NoteRow{"not_hex", "\"caf\xC3\xA9\" bytes:636166EG", "caf\xC3\xA9"},
                      NoteRow{"line_break_in_bytes", "\"a \" bytes:610A", "a "},
                      NoteRow{"other_words", "\"caf\xC3\xA9\" 636166E9", "caf\xC3\xA9"}),
    [](const auto& p) { return std::string(p.param.name); });

// A file is read in its one encoding: Windows-1252 whole (also where a
// byte pair looks like UTF-8) and UTF-16 with its mark.
TEST(SettingsFileTest, ReadsWindows1252AndUtf16Files) {
  const std::string cp1252 = DefaultsWith({{1, "\"gro\xDF\x93\""}, {3, "\"na\xDF\""}});
  ParameterSet params;
  EXPECT_EQ(test::ProblemText(RestoreSettingsText(cp1252, params)), "");
  EXPECT_EQ(params.Text(P::txbFileInput), "gro\xC3\x9F\xE2\x80\x9C");
  EXPECT_EQ(params.Text(P::txbWordsToIgnore), "na\xC3\x9F");
  std::string utf16 = "\xFF\xFE";
  for (char c : DefaultsWith({{3, "\"x\""}})) utf16 += std::string{c, '\0'};
  ParameterSet wide;
  EXPECT_EQ(test::ProblemText(RestoreSettingsText(utf16, wide)), "");
  EXPECT_EQ(wide.Text(P::txbWordsToIgnore), "x");
}

struct LineRow {
  const char* name;
  int line;
  std::string content;
  std::string result;  // expected result of the restore
  ParamId id;
  int value;         // expected value for check boxes and lists
  std::string text;  // expected text for texts
  friend void PrintTo(const LineRow& row, std::ostream* os) { *os << row.name; }
};

class RestoreLineTest : public ::testing::TestWithParam<LineRow> {};

TEST_P(RestoreLineTest, ReadsTheLine) {
  const LineRow& row = GetParam();
  ParameterSet params;
  EXPECT_EQ(test::ProblemText(RestoreSettingsText(DefaultsWith({{row.line, row.content}}), params)),
            row.result);
  if (GetParamInfo(row.id).kind == ParamKind::Text)
    EXPECT_EQ(params.Text(row.id), row.text);
  else
    EXPECT_EQ(params.Value(row.id), row.value);
}

const std::string kOutOfRange11 = kRestoreError + "line 11: value out of range";
const std::string kOutOfRange9 = kRestoreError + "line 9: value out of range";
const std::string kNoQuotes1 = kRestoreError + "line 1: the text is not enclosed in double quotes";

INSTANTIATE_TEST_SUITE_P(
    Rows, RestoreLineTest,
    ::testing::Values(
        LineRow{"check_digit_then_letters", 11, "1abc", "", P::chkIgnoreShortWords, 1, ""},
        LineRow{"check_letters_only_is_0", 14, "abc", "", P::chkIgnoreRepetitions, 0, ""},
        LineRow{"check_empty_is_0", 14, "", "", P::chkIgnoreRepetitions, 0, ""},
        LineRow{"check_blanks_and_half_to_even_down", 11, "  2.5", "", P::chkIgnoreShortWords, 2,
                ""},
        LineRow{"check_half_to_even_up", 11, "1.5", "", P::chkIgnoreShortWords, 2, ""},
        LineRow{"check_half_to_zero", 14, "0.5", "", P::chkIgnoreRepetitions, 0, ""},
        LineRow{"check_fraction_without_digits_before", 11, ".6", "", P::chkIgnoreShortWords, 1,
                ""},
        LineRow{"check_small_negative_is_0", 14, "-0.4", "", P::chkIgnoreRepetitions, 0, ""},
        LineRow{"check_plus_sign", 11, "+1", "", P::chkIgnoreShortWords, 1, ""},
        LineRow{"check_tab_before", 11, "\t1", "", P::chkIgnoreShortWords, 1, ""},
        LineRow{"check_exponent_not_read", 11, "1e5", "", P::chkIgnoreShortWords, 1, ""},
        LineRow{"check_3_fails", 11, "3", kOutOfRange11, P::chkIgnoreShortWords, 0, ""},
        LineRow{"check_2_6_fails", 11, "2.6", kOutOfRange11, P::chkIgnoreShortWords, 0, ""},
        LineRow{"check_minus_1_fails", 11, "-1", kOutOfRange11, P::chkIgnoreShortWords, 0, ""},
        LineRow{"check_huge_fails", 11, std::string(400, '9'), kOutOfRange11,
                P::chkIgnoreShortWords, 0, ""},
        LineRow{"check_tiny_is_0", 14, "0." + std::string(400, '0') + "1", "",
                P::chkIgnoreRepetitions, 0, ""},
        LineRow{"list_last_index", 9, "6", "", P::cboLongWordSize, 6, ""},
        LineRow{"list_blanks_around", 9, " 2 ", "", P::cboLongWordSize, 2, ""},
        LineRow{"list_one_past_last_fails", 9, "7", kOutOfRange9, P::cboLongWordSize, 3, ""},
        LineRow{"list_below_minus_1_fails", 9, "-2", kOutOfRange9, P::cboLongWordSize, 3, ""},
        LineRow{"list_huge_fails", 9, "99999999999999999999999", kOutOfRange9, P::cboLongWordSize,
                3, ""},
        LineRow{"list_not_a_number_fails", 9, "x", kRestoreError + "line 9: not a whole number",
                P::cboLongWordSize, 3, ""},
        LineRow{"list_fraction_fails", 9, "1.5", kRestoreError + "line 9: not a whole number",
                P::cboLongWordSize, 3, ""},
        LineRow{"list_plus_sign", 9, "+4", "", P::cboLongWordSize, 4, ""},
        LineRow{"list_two_signs_fail", 9, "+-1", kRestoreError + "line 9: not a whole number",
                P::cboLongWordSize, 3, ""},
        LineRow{"list_empty_fails", 9, "", kRestoreError + "line 9: not a whole number",
                P::cboLongWordSize, 3, ""},
        LineRow{"text_without_quotes_fails", 1, "in.txt", kNoQuotes1, P::txbFileInput, 0, ""},
        LineRow{"text_with_one_quote_fails", 1, "\"in.txt", kNoQuotes1, P::txbFileInput, 0, ""},
        LineRow{"text_inner_quote_kept", 1, R"("a"b")", "", P::txbFileInput, 0, "a\"b"},
        LineRow{"text_outside_quotes_ignored", 1, R"(  "a" x)", "", P::txbFileInput, 0, "a"},
        LineRow{"text_cp1252_bytes_become_utf8", 3, "\"caf\xE9 \x93q\x94\"", "",
                P::txbWordsToIgnore, 0, "caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D"},
        LineRow{"text_utf8_kept_whole", 3, "\"\xE6\x97\xA5\xE6\x9C\xAC\"", "", P::txbWordsToIgnore,
                0, "\xE6\x97\xA5\xE6\x9C\xAC"},
        LineRow{"text_byte_order_mark_ignored", 1, "\xEF\xBB\xBF\"in.txt\"", "", P::txbFileInput, 0,
                "in.txt"},
        LineRow{"reserved_line_anything", 29, "garbage", "", P::chkOutputWithCommas, 0, ""},
        LineRow{"common_words_file_fills_both", 37, R"("/c.txt")", "", P::txbCommonWordsFile, 0,
                "/c.txt"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SettingsFileTest, UnselectedListIsReportedAfterReadingEveryLine) {
  ParameterSet params;
  EXPECT_EQ(test::ProblemText(
                RestoreSettingsText(DefaultsWith({{35, "-1"}, {36, "2"}, {37, R"("x")"}}), params)),
            "Invalid combo box index");
  EXPECT_EQ(params.Value(P::cboWordOrder), -1);
  EXPECT_EQ(params.Value(P::cboDisplayFormat), 2);
  EXPECT_EQ(params.Text(P::strCommonWordsFile), "x");
}

TEST(SettingsFileTest, FailedLineKeepsEarlierLinesAndSkipsLaterOnes) {
  ParameterSet params;
  const std::string file = DefaultsWith({{1, R"("in.txt")"}, {8, "5"}, {9, "7"}, {10, "4"}});
  EXPECT_EQ(test::ProblemText(RestoreSettingsText(file, params)), kOutOfRange9);
  EXPECT_EQ(params.Text(P::txbFileInput), "in.txt");
  EXPECT_EQ(params.Value(P::cboShortWordSize), 5);
  EXPECT_EQ(params.Value(P::cboLongWordSize), 3);
  EXPECT_EQ(params.Value(P::cboThresholdFrequency), 0);
}

TEST(SettingsFileTest, ShortFilesFail) {
  const std::string tooFew = kRestoreError + "the file has fewer than 37 lines";
  std::vector<std::string> lines = kDefaultLines;
  lines.pop_back();
  ParameterSet params;
  EXPECT_EQ(test::ProblemText(RestoreSettingsText(Join(lines), params)), tooFew);
  EXPECT_EQ(test::ProblemText(RestoreSettingsText("", params)), tooFew);
  // The last line may lack its line break.
  EXPECT_EQ(test::ProblemText(RestoreSettingsText(Join(lines) + R"("last")", params)), "");
  EXPECT_EQ(params.Text(P::strCommonWordsFile), "last");
}

TEST(SettingsFileTest, LinesAfterTheLastAreIgnored) {
  ParameterSet params;
  EXPECT_EQ(
      test::ProblemText(RestoreSettingsText(Join(kDefaultLines) + "junk\r\n-1\r\n\"\r\n", params)),
      "");
  EXPECT_EQ(params, ParameterSet());
}

TEST(SettingsFileTest, AnyLineEndingReads) {
  for (std::string_view ending : {"\n", "\r", "\r\n"}) {
    ParameterSet params;
    EXPECT_EQ(test::ProblemText(RestoreSettingsText(Join(kDefaultLines, ending), params)), "")
        << ending.size();
    EXPECT_EQ(params, ParameterSet());
  }
}

TEST(SettingsFileTest, AnyBytesLeaveEveryValueInRange) {
  std::mt19937 random(20240611);
  const std::string valid = FormatSettings(EveryValueChanged());
  const std::string alphabet("0123456789-+. \t\"\r\n\0\xE9\xC3\xFFx", 23);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    if (round % 2 == 0) {
      // Damage a valid file, so that later lines are reached too.
      bytes = valid;
      for (int k = 0; k < 3; ++k)
        bytes[random() % bytes.size()] = alphabet[random() % alphabet.size()];
    } else {
      bytes.resize(random() % 600);
      for (char& c : bytes)
        c = static_cast<char>(random() % 3 == 0 ? random() % 256
                                                : alphabet[random() % alphabet.size()]);
    }
    ParameterSet params;
    (void)test::ProblemText(RestoreSettingsText(bytes, params));
    ASSERT_TRUE(AllInRange(params)) << "round " << round;
  }
}

TEST(SettingsFileTest, MissingOrUnusualFilesFailToRestore) {
  TempDir dir;
  ParameterSet params;
  EXPECT_EQ(test::ProblemText(RestoreSavedState(dir.File("none.usr"), params)),
            kRestoreError + "file not found");
  EXPECT_EQ(test::ProblemText(RestoreSavedState(dir.Path(), params)),
            kRestoreError + "not a regular file");
  const std::string fifo = dir.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(test::ProblemText(RestoreSavedState(fifo, params)),
            kRestoreError + "not a regular file");
  EXPECT_EQ(test::ProblemText(RestoreSavedState("", params)), kRestoreError + "no file name given");
  EXPECT_EQ(params, ParameterSet());
}

TEST(SettingsFileTest, SaveReplacesTheFileAndKeepsItsPermissions) {
  TempDir dir;
  const std::string path = dir.Write("p.zet", std::string(5000, 'x'));
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_EQ(test::ProblemText(SaveState(path, ParameterSet())), "");
  EXPECT_EQ(TempDir::Read(path), Join(kDefaultLines));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(SettingsFileTest, SaveThroughALinkKeepsTheLink) {
  TempDir dir;
  const std::string real = dir.Write("real.usr", "old");
  const std::string link = dir.File("link.usr");
  ASSERT_EQ(::symlink("real.usr", link.c_str()), 0);
  ASSERT_EQ(test::ProblemText(SaveState(link, ParameterSet())), "");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(TempDir::Read(real), Join(kDefaultLines));
}

TEST(SettingsFileTest, SaveIntoMissingOrFalseFolderReportsTheSystemError) {
  TempDir dir;
  const std::string file = dir.Write("file", "");
  EXPECT_EQ(test::ProblemText(SaveState(dir.File("none/p.zet"), ParameterSet())),
            kSaveError + std::strerror(ENOENT));
  EXPECT_EQ(test::ProblemText(SaveState(file + "/p.zet", ParameterSet())),
            kSaveError + std::strerror(ENOTDIR));
  EXPECT_EQ(test::ProblemText(SaveState(dir.Path(), ParameterSet())).rfind(kSaveError, 0), 0u);
  EXPECT_EQ(test::ProblemText(SaveState("", ParameterSet())), kSaveError + "no file name given");
}

// Every failure says what kind it is, which file it concerns and, for a
// save the system refused, the system's error: a face reports from these
// without reading the text.
TEST(SettingsFileTest, FailuresNameTheirKindFileAndSystemError) {
  TempDir dir;
  const std::string missing = dir.File("none/p.zet");
  const std::string absent = dir.File("absent.zet");
  const std::string shortFile = dir.Write("short.zet", "\"\"\r\n");
  ParameterSet params;
  struct Row {
    const char* what;
    Outcome<Done> outcome;
    ProblemKind kind;
    std::string file;
    std::string_view title;
    int errorNumber;
  };
  const Row rows[] = {
      {"save into a missing folder", SaveState(missing, params), ProblemKind::CannotWrite, missing,
       kSaveParametersTitle, errnum::kFileNotFound},
      {"save with no name", SaveState("", params), ProblemKind::CannotWrite, "",
       kSaveParametersTitle, 0},
      {"side file into a missing folder", SaveModelSettings(missing, {}), ProblemKind::CannotWrite,
       ModelSettingsPath(missing), kSaveParametersTitle, errnum::kFileNotFound},
      {"restore a missing file", RestoreSavedState(absent, params), ProblemKind::BadFile, absent,
       kLoadParametersTitle, 0},
      {"restore a short file", RestoreSavedState(shortFile, params), ProblemKind::BadFile,
       shortFile, kLoadParametersTitle, 0},
      {"restore bytes in memory", RestoreSettingsText("", params), ProblemKind::BadFile, "",
       kLoadParametersTitle, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    ASSERT_FALSE(row.outcome.ok());
    const Problem& problem = row.outcome.problem();
    EXPECT_EQ(problem.kind, row.kind);
    EXPECT_EQ(problem.file, row.file);
    EXPECT_EQ(problem.title, row.title);
    EXPECT_EQ(problem.error.number, row.errorNumber);
    EXPECT_EQ(
        problem.message.rfind(row.kind == ProblemKind::CannotWrite ? kSaveError : kRestoreError, 0),
        0U);
  }
  // A first start: no user settings yet is no failure, and changes nothing.
  EXPECT_TRUE(RestoreUserSettings(absent, params).ok());
  EXPECT_EQ(params, ParameterSet());
}

// A write that fails halfway (as on a full disk) must not touch the file.
TEST(SettingsFileTest, FailedWriteLeavesThePreviousFile) {
  TempDir dir;
  const std::string old = FormatSettings(EveryValueChanged());
  const std::string path = dir.Write("p.zet", old);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 20;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::string result = test::ProblemText(SaveState(path, ParameterSet()));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(result, kSaveError + std::strerror(EFBIG));
  EXPECT_EQ(TempDir::Read(path), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

// The folder would take a new file: only the file's own mode forbids it,
// and a rename must not go round it.
TEST(SettingsFileTest, SaveOverAWriteProtectedFileLeavesIt) {
  TempDir dir;
  const std::string path = dir.Write("p.zet", "old");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);
  EXPECT_EQ(
      test::RunAsUnprivileged([&] { return test::ProblemText(SaveState(path, ParameterSet())); }),
      kSaveError + std::strerror(EACCES));
  ::chmod(dir.Path().c_str(), 0700);
  EXPECT_EQ(TempDir::Read(path), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
}  // namespace zet
