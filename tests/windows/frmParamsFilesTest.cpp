#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include <string>
#include <vector>

#include "params/ModelSettings.h"
#include "params/SettingsFile.h"
#include "tests/support/ProblemText.h"
#include "tests/support/RunAsUnprivileged.h"
#include "tests/support/TempDir.h"
#include "tests/windows/ParamsWindowFixture.h"
#include "windows/frmParams.h"

namespace zet {
namespace {

using P = ParamId;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

const std::string kSaveError = "Error when attempting to save parameters: ";
const std::string kRestoreError = "Error when attempting to restore parameters: ";

// The file every default gives, one entry per line.
const std::vector<std::string> kDefaultLines = {
    R"("")", R"("")", R"("")", R"("/*")", R"("*/")", R"("//")", R"("")", "1", "3", "0",
    "0",     "0",     "0",     "1",       "1",       "1",       "0",     "1", "1", "0",
    "0",     "0",     "0",     "0",       "0",       "0",       "0",     "0", "0", "0",
    "1",     "1",     "0",     "0",       "0",       "0",       R"("")"};

// The default file with some lines (1-based) replaced, and more lines added.
std::string DefaultsWith(std::initializer_list<std::pair<int, std::string>> changes,
                         const std::vector<std::string>& extra = {}) {
  std::vector<std::string> lines = kDefaultLines;
  for (const auto& [number, text] : changes) lines[static_cast<std::size_t>(number - 1)] = text;
  lines.insert(lines.end(), extra.begin(), extra.end());
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

// The first `count` lines of `file`.
std::string FirstLines(const std::string& file, int count) {
  std::size_t end = 0;
  for (int i = 0; i < count; ++i) end = file.find("\r\n", end) + 2;
  return file.substr(0, end);
}

class ParameterFilesTest : public test::ParamsWindowTest {
 protected:
  ParameterFilesTest() { host.userSettingsFile = dir.File("zet.usr"); }

  // Whole state: this window's parameters and the main window's settings.
  ParameterSet State() {
    ParameterSet state = window.Parameters();
    host.CollectMainSettings(state);
    return state;
  }

  // Gives every value of the state something other than its default.
  void ChangeEverything() {
    window.cmdClearCheckboxes1.UserClick();
    window.chkCaseSignificant.SetValue(0);
    window.chkIgnoreRomNum40.SetValue(CheckBox::kGrayed);
    window.blnSettingValues = true;
    window.chkIgnoreCommonWords.SetValue(1);
    window.blnSettingValues = false;
    window.cboShortWordSize.SetListIndex(7);
    window.cboLongWordSize.SetListIndex(0);
    window.cboThresholdFrequency.SetListIndex(4);
    window.txbStartComment0.SetText("<!--");
    window.txbEndComment0.SetText("-->");
    window.txbStartComment1.SetText("#");
    window.txbEndComment1.SetText("");  // a line comment
    window.txbWordsToIgnore.SetText("a, an, the");
    window.txbWordsToIgnore_LostFocus();  // "a,an,the": commas inside quotes
    host.commonWordsFile = "/usr/share/zet/cwds_en.txt";
    window.txbCommonWordsFile.SetText(host.commonWordsFile);
    host.main.SetText(P::txbFileInput, "/home/ann/Report, final.txt");
    host.main.SetText(P::txbFileOutput, "/home/ann/out.csv");
    (void)host.main.SetValue(P::chkSuppressWords, 1);
    (void)host.main.SetValue(P::chkDisableOutputToFile, 1);
    (void)host.main.SetValue(P::cboWordOrder, 1);
    (void)host.main.SetValue(P::cboDisplayFormat, 9);
  }

  void ClickSave(const std::string& path) {
    hp.fileDialogs.Answer(path);
    window.cmdSaveLoadParameters0.UserClick();
  }
  void ClickLoad(const std::string& path) {
    hp.fileDialogs.Answer(path);
    window.cmdSaveLoadParameters1.UserClick();
  }
  static ShownMessage Error(const std::string& text, const std::string& title) {
    return {text, title, MessageIcon::kExclamation, MessageButtons::kOk, MessageAnswer::kOk, true};
  }

  test::TempDir dir;
};

TEST_F(ParameterFilesTest, TheDefaultStateSavesAsTheKnownFile) {
  EXPECT_EQ(test::ProblemText(window.SaveState("")), "");
  EXPECT_EQ(test::TempDir::Read(host.userSettingsFile), DefaultsWith({}));
}

// The Unicode box is kept in a side file beside the 37 lines, which stay
// byte for byte what an older version writes and reads; a file without a
// side file (an older version's) loads with the box unticked.
TEST_F(ParameterFilesTest, TheUnicodeBoxTravelsInASideFile) {
  const std::string plain = dir.File("plain.zet");
  const std::string ticked = dir.File("ticked.zet");
  const std::string older = dir.File("older.zet");
  ClickSave(plain);
  window.chkUnicodeLetters.UserClick();
  ClickSave(ticked);
  ClickSave(older);
  std::filesystem::remove(dir.File("older.zetx"));
  EXPECT_EQ(test::ProblemText(window.SaveState("")), "");
  EXPECT_EQ(test::TempDir::Read(ticked), test::TempDir::Read(plain));
  EXPECT_EQ(test::TempDir::Read(host.userSettingsFile), DefaultsWith({}));
  EXPECT_EQ(test::TempDir::Read(dir.File("zet.zetx")), FormatModelSettings({true}));
  EXPECT_EQ(test::TempDir::Read(dir.File("plain.zetx")), FormatModelSettings({false}));

  struct Row {
    const char* name;
    std::string file;
    bool tickedBefore;
    bool tickedAfter;
  };
  const Row rows[] = {
      {"saved ticked", ticked, false, true},
      {"saved unticked", plain, true, false},
      {"no side file", older, true, false},
      {"user settings", "", false, true},
  };
  for (const Row& row : rows) {
    window.chkUnicodeLetters.SetValue(row.tickedBefore ? CheckBox::kChecked : CheckBox::kUnchecked);
    host.wordsGot = true;
    EXPECT_EQ(test::ProblemText(window.RestoreSavedState(row.file)), "") << row.name;
    EXPECT_EQ(window.chkUnicodeLetters.Checked(), row.tickedAfter) << row.name;
    // Words counted under the other model are stale, and nothing asked.
    EXPECT_FALSE(host.wordsGot) << row.name;
  }
  EXPECT_THAT(Shown(), IsEmpty());
}

// The side file is refused, like the parameter file itself, where it
// would replace a file the run reads.
TEST_F(ParameterFilesTest, TheSideFileNeverReplacesTheInputFile) {
  const std::string input = dir.Write("notes.zetx", "the words to count\n");
  host.main.SetText(P::txbFileInput, input);
  const std::string result = test::ProblemText(window.SaveState(dir.File("notes.zet")));
  EXPECT_THAT(result, StartsWith(kSaveError + input + " is the input file"));
  EXPECT_EQ(test::TempDir::Read(input), "the words to count\n");
}

TEST_F(ParameterFilesTest, SavingAndLoadingAFileGivesBackEveryValue) {
  ChangeEverything();
  const ParameterSet saved = State();
  const std::string path = dir.File("mine.zet");
  ClickSave(path);
  EXPECT_EQ(window.lblParameters.Caption(), "Parameters saved to");
  EXPECT_EQ(window.txbParametersFile.Text(), path);

  window.cmdInitialize.UserClick();
  host.main.SetText(P::txbFileInput, "");
  window.txbStartComment0.SetText("/*");
  ASSERT_NE(State(), saved);
  ClickLoad(path);
  EXPECT_EQ(State(), saved);
  EXPECT_EQ(window.strWordsToIgnore(), "a,an,the,");
  EXPECT_EQ(window.lblParameters.Caption(), "Parameters loaded from");
  EXPECT_EQ(window.txbParametersFile.Text(), path);
  EXPECT_THAT(Shown(), IsEmpty());
  EXPECT_EQ(host.Count("UpdateDisableOutputBox"), 2);  // reinitialize, load
}

// Was: "myparams" was saved without a suffix, so the load dialog, which
// shows *.zet files, hid it. An existing file chosen keeps its name.
TEST_F(ParameterFilesTest, ANewNameWithoutExtensionGetsTheSuffix) {
  ClickSave(dir.File("myparams"));
  EXPECT_TRUE(std::filesystem::exists(dir.File("myparams.zet")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("myparams")));
  EXPECT_EQ(window.txbParametersFile.Text(), dir.File("myparams.zet"));
  const std::string existing = dir.Write("settings", "old");
  ClickSave(existing);
  EXPECT_NE(test::TempDir::Read(existing), "old");
}

TEST_F(ParameterFilesTest, TheDialogsAskForParameterFiles) {
  const std::string path = dir.File("p.zet");
  ClickSave(path);
  ClickLoad(path);
  const std::vector<ShownFileDialog>& dialogs = hp.fileDialogs.Shown();
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_EQ(dialogs[0].kind, FileDialogKind::kSave);
  EXPECT_EQ(dialogs[0].request.title, "Specify file to save parameters to");
  EXPECT_EQ(dialogs[1].kind, FileDialogKind::kOpen);
  EXPECT_EQ(dialogs[1].request.title, "Specify file to load parameters from.");
  for (const ShownFileDialog& dialog : dialogs) {
    EXPECT_EQ(dialog.request.filter, "Parameter files (*.zet) | *.zet");
    EXPECT_EQ(dialog.request.fileName, "");
    EXPECT_TRUE(dialog.request.flags.pathMustExist);
    EXPECT_TRUE(dialog.request.flags.hideReadOnly);
  }
  EXPECT_TRUE(dialogs[0].request.flags.overwritePrompt);
  EXPECT_FALSE(dialogs[0].request.flags.fileMustExist);
  EXPECT_FALSE(dialogs[1].request.flags.overwritePrompt);
  EXPECT_TRUE(dialogs[1].request.flags.fileMustExist);
}

TEST_F(ParameterFilesTest, CancellingADialogChangesNothing) {
  window.lblParameters.SetCaption("Parameters saved to");
  window.txbParametersFile.SetText("/old.zet");
  hp.fileDialogs.AnswerCancel();
  window.cmdSaveLoadParameters0.UserClick();
  hp.fileDialogs.AnswerCancel();
  window.cmdSaveLoadParameters1.UserClick();
  EXPECT_EQ(window.lblParameters.Caption(), "Parameters saved to");
  EXPECT_EQ(window.txbParametersFile.Text(), "/old.zet");
  EXPECT_THAT(host.calls, IsEmpty());
}

TEST_F(ParameterFilesTest, TextsWithQuotesAndLineBreaksReadBackOnTheirLines) {
  host.main.SetText(P::txbFileInput, R"(/home/ann/"best" words.txt)");
  window.txbStartComment1.SetText("<%\r\n");
  EXPECT_EQ(test::ProblemText(window.SaveState("")), "");
  host.main.SetText(P::txbFileInput, "");
  window.txbStartComment1.SetText("//");
  EXPECT_EQ(test::ProblemText(window.RestoreSavedState("")), "");
  EXPECT_EQ(host.main.Text(P::txbFileInput), R"(/home/ann/"best" words.txt)");
  EXPECT_EQ(window.txbStartComment1.Text(), "<%  ");
}

struct BadFileRow {
  const char* what;
  std::string file;
  std::string message;
};

void PrintTo(const BadFileRow& row, std::ostream* os) { *os << row.what; }

class BadParameterFileTest : public ParameterFilesTest,
                             public ::testing::WithParamInterface<BadFileRow> {};

TEST_P(BadParameterFileTest, LoadingReportsTheErrorAndResetsTheProgram) {
  const std::string path = dir.Write("bad.zet", GetParam().file);
  window.chkCaseSignificant.SetValue(1);
  hp.messageBoxes.AnswerOk();
  ClickLoad(path);
  EXPECT_THAT(Shown(), ElementsAre(Error(GetParam().message, "Load parameters")));
  EXPECT_EQ(window.lblParameters.Caption(), "Error loading from");
  EXPECT_EQ(window.txbParametersFile.Text(), "");
  EXPECT_EQ(host.Count("InitializeVariables"), 1);
  EXPECT_EQ(window.chkCaseSignificant.Value(), 0);
  EXPECT_FALSE(window.blnSettingValues);
  // The reset leaves the marker texts as the file gave them.
  EXPECT_EQ(window.txbStartComment0.Text(), "{");
  // Every list has a selection again.
  for (ParamId id : {P::cboShortWordSize, P::cboLongWordSize, P::cboThresholdFrequency,
                     P::cboWordOrder, P::cboDisplayFormat})
    EXPECT_NE(State().Value(id), -1) << GetParamInfo(id).name;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadParameterFileTest,
    ::testing::Values(BadFileRow{"LongWordSizePastTheLastItem",
                                 DefaultsWith({{4, R"("{")"}, {9, "7"}}),
                                 kRestoreError + "line 9: value out of range"},
                      BadFileRow{"WordOrderWithoutSelection",
                                 DefaultsWith({{4, R"("{")"}, {35, "-1"}}),
                                 "Invalid combo box index"},
                      BadFileRow{"TooShort", FirstLines(DefaultsWith({{4, R"("{")"}}), 20),
                                 kRestoreError + "the file has fewer than 37 lines"}),
    [](const auto& row) { return std::string(row.param.what); });

TEST_F(ParameterFilesTest, AListLineOfMinusOneIsReadToTheEnd) {
  hp.messageBoxes.AnswerOk();
  ClickLoad(dir.Write("p.zet", DefaultsWith({{13, "1"}, {35, "-1"}, {36, "3"}})));
  // The lines after the bad one were applied; the reset leaves these.
  EXPECT_EQ(host.main.Value(P::cboDisplayFormat), 3);
  EXPECT_EQ(window.chkIgnoreCommonWords.Value(), 1);
  EXPECT_EQ(host.main.Value(P::cboWordOrder), 0);
  EXPECT_THAT(host.calls, ::testing::Contains("SelectWordOrder(0)"));
  EXPECT_EQ(Shown().size(), 1u);
}

TEST_F(ParameterFilesTest, CheckBoxLinesTakeTheirLeadingNumberAndExtraLinesAreIgnored) {
  const std::string file = DefaultsWith({{17, "1abc"}, {18, "abc"}, {27, " 2"}, {30, "1.4"}},
                                        {"1", "garbage", R"("x")"});
  ClickLoad(dir.Write("p.zet", file));
  EXPECT_THAT(Shown(), IsEmpty());
  EXPECT_EQ(window.chkCaseSignificant.Value(), 1);
  EXPECT_EQ(window.chkDropFinalS.Value(), 0);
  EXPECT_EQ(window.chkAllowWordsWithNumerals.Value(), 2);
  EXPECT_EQ(window.chkAllowCommentMarkers.Value(), 1);
  EXPECT_EQ(window.lblParameters.Caption(), "Parameters loaded from");
}

TEST_F(ParameterFilesTest, LoadingWhileWordsAreHeldAsksNothing) {
  host.wordsGot = true;
  const std::string file = DefaultsWith({{13, "1"}, {17, "1"}, {19, "0"}, {27, "1"}, {30, "1"}});
  ClickLoad(dir.Write("p.zet", file));
  EXPECT_THAT(Shown(), IsEmpty());
  EXPECT_EQ(window.chkAllowWordsWithHyphens.Value(), 0);
  EXPECT_EQ(window.chkIgnoreCommonWords.Value(), 1);
  EXPECT_EQ(host.Count("AttemptToReadCommonWords"), 0);
  EXPECT_THAT(host.settingValuesDuringApply, ElementsAre(true));
  EXPECT_FALSE(window.blnSettingValues);
}

// Was: the held words, cut under the old rules, were listed again under the
// loaded ones as if they matched.
TEST_F(ParameterFilesTest, LoadedScanningRulesMakeHeldWordsStaleAndFiltersDoNot) {
  struct Row {
    const char* what;
    std::string file;
    bool stale;
  };
  for (const Row& row : {Row{"hyphens", DefaultsWith({{19, "0"}}), true},
                         Row{"case", DefaultsWith({{17, "1"}}), true},
                         Row{"markers allowed", DefaultsWith({{30, "1"}}), true},
                         Row{"short words", DefaultsWith({{11, "1"}, {8, "5"}}), false},
                         Row{"greyed case box", DefaultsWith({{17, "2"}}), false},
                         Row{"file names", DefaultsWith({{1, R"("/a.txt")"}}), false},
                         Row{"marker text", DefaultsWith({{7, R"("--")"}}), true}}) {
    window.cmdInitialize.UserClick();  // back to the defaults, markers aside: so last
    host.wordsGot = true;
    EXPECT_EQ(test::ProblemText(window.RestoreSavedState(dir.Write("p.zet", row.file))), "")
        << row.what;
    EXPECT_EQ(host.wordsGot, !row.stale) << row.what;
  }
  EXPECT_THAT(Shown(), IsEmpty());
}

TEST_F(ParameterFilesTest, TheUserSettingsFileLoadsAsAParameterFile) {
  ChangeEverything();
  const ParameterSet saved = State();
  ASSERT_EQ(test::ProblemText(window.SaveState("")), "");
  window.cmdInitialize.UserClick();
  ClickLoad(host.userSettingsFile);
  EXPECT_EQ(State(), saved);
}

TEST_F(ParameterFilesTest, RestoringAMissingFileReportsItAndChangesNothing) {
  ChangeEverything();
  const ParameterSet before = State();
  EXPECT_THAT(test::ProblemText(window.RestoreSavedState("")), StartsWith(kRestoreError));
  EXPECT_EQ(State(), before);
}

TEST_F(ParameterFilesTest, AFailedSaveIsReportedAndTheLabelSaysSo) {
  const std::string path = dir.File("taken.zet");
  ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);  // a folder where the file would go
  hp.messageBoxes.AnswerOk();
  ClickSave(path);
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_THAT(Shown()[0].text, StartsWith(kSaveError));
  EXPECT_EQ(Shown()[0], Error(Shown()[0].text, "Save parameters"));
  EXPECT_EQ(window.lblParameters.Caption(), "Error saving to");
  EXPECT_EQ(window.txbParametersFile.Text(), path);
}

TEST_F(ParameterFilesTest, SavingWhereTheFolderIsMissingOrAFileFailsAndKeepsThatFile) {
  host.userSettingsFile = dir.File("missing/zet.usr");
  EXPECT_THAT(test::ProblemText(window.SaveState("")), StartsWith(kSaveError));
  const std::string blocker = dir.Write("blocker", "not a folder\r\n");
  host.userSettingsFile = blocker + "/zet.usr";
  EXPECT_THAT(test::ProblemText(window.SaveState("")), StartsWith(kSaveError));
  EXPECT_EQ(test::TempDir::Read(blocker), "not a folder\r\n");
  // The program goes on: the state stays as it was and can be saved elsewhere.
  EXPECT_EQ(test::ProblemText(window.SaveState(dir.File("elsewhere.zet"))), "");
}

TEST_F(ParameterFilesTest, SavingToAFullDeviceIsAnErrorNotASave) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  hp.messageBoxes.AnswerOk();
  ClickSave("/dev/full");
  EXPECT_THAT(Shown(), ElementsAre(Error(kSaveError + std::strerror(ENOSPC) + "\r\n/dev/full",
                                         "Save parameters")));
  EXPECT_EQ(window.lblParameters.Caption(), "Error saving to");
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}

TEST_F(ParameterFilesTest, SavingOverAWriteProtectedFileKeepsIt) {
  const std::string folder = dir.File("locked");
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  const std::string path = dir.Write("locked/p.zet", "previous\r\n");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);  // only the file's own mode forbids it
  test::LetEveryoneIn(dir.Path());
  const auto outcome = test::RunAsUnprivileged([&] {
    hp.messageBoxes.AnswerOk();
    ClickSave(path);
    return (Shown().empty() ? std::string() : Shown()[0].text) + "|" +
           window.lblParameters.Caption();
  });
  ::chmod(folder.c_str(), 0700);
  EXPECT_EQ(outcome, kSaveError + std::strerror(EACCES) + "\r\n" + path + "|Error saving to");
  EXPECT_EQ(test::TempDir::Read(path), "previous\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(ParameterFilesTest, RestoringAtStartUpAsksNothingAndMovesNoFocus) {
  dir.Write("zet.usr", DefaultsWith({{11, "1"}, {14, "0"}, {17, "1"}, {13, "1"}, {9, "6"}}));
  host.startUpCompleted = false;
  host.wordsGot = true;
  window.txbWordsToIgnore.UserFocus();
  EXPECT_EQ(test::ProblemText(window.RestoreSavedState("")), "");
  EXPECT_THAT(Shown(), IsEmpty());
  EXPECT_TRUE(window.txbWordsToIgnore.HasFocus());
  EXPECT_EQ(window.cboLongWordSize.ListIndex(), 6);
  EXPECT_EQ(window.chkIgnoreShortWords.Value(), 1);
  EXPECT_EQ(host.Count("AttemptToReadCommonWords"), 0);
}

}  // namespace
}  // namespace zet
