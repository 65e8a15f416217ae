#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/windows/ParamsWindowFixture.h"
#include "windows/frmParams.h"

namespace zet {
namespace {

using test::ParamsWindowTest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// --- Loading and placement --------------------------------------------------

TEST_F(ParamsWindowTest, LoadCaptionsTheWindowAndPlacesItBesideTheMainWindow) {
  EXPECT_EQ(window.form.Caption(), "ZET: Set parameters");
  EXPECT_EQ(window.lblOnThisPage.Caption(),
            "When text is being scanned you can ignore some words by checking the boxes at "
            "right. In addition you can fine tune how the text is scanned by checking the boxes "
            "below.");
  EXPECT_EQ(window.lblParameters.Caption(), "");
  EXPECT_EQ(window.txbParametersFile.Text(), "");
  // 360 twips below the main window's top; the button's width and 300
  // twips right of its left edge (15 twips to the pixel).
  EXPECT_EQ(window.form.Place().top, 200 + 24);
  EXPECT_EQ(window.form.Place().left, 100 + 90 + 20);
}

TEST_F(ParamsWindowTest, ActivationPutsAMovedWindowBackAndFocusesClose) {
  window.txbWordsToIgnore.UserFocus();
  window.form.UserSetPlace({700, 650, 400, 300});
  host.mainPlace = {40, 30, 758, 470};
  window.form.UserActivate();
  EXPECT_EQ(window.form.Place(), (Geometry{40 + 90 + 20, 30 + 24, 400, 300}));
  EXPECT_TRUE(window.cmdClose.HasFocus());
}

// --- The re-read question of the boxes that decide how text is cut ---------

struct ScanningRow {
  const char* box;
  int initial;  // its default value
};

void PrintTo(const ScanningRow& row, std::ostream* os) { *os << row.box; }

class ScanningBoxTest : public ParamsWindowTest,
                        public ::testing::WithParamInterface<ScanningRow> {};

TEST_P(ScanningBoxTest, BeforeACountAChangeStandsWithoutAQuestion) {
  CheckBox& box = Box(GetParam().box);
  ASSERT_EQ(box.Value(), GetParam().initial);
  box.UserClick();
  EXPECT_EQ(box.Value(), 1 - GetParam().initial);
  EXPECT_THAT(Shown(), IsEmpty());
}

TEST_P(ScanningBoxTest, AfterACountNoPutsTheBoxBackAndKeepsTheWords) {
  CheckBox& box = Box(GetParam().box);
  host.wordsGot = true;
  hp.messageBoxes.Answer(MessageAnswer::kNo);
  box.UserClick();
  EXPECT_THAT(Shown(), ElementsAre(Reread(MessageAnswer::kNo)));
  EXPECT_EQ(box.Value(), GetParam().initial);
  EXPECT_TRUE(host.wordsGot);
  EXPECT_FALSE(window.blnSettingValues);
  // The next change asks again.
  hp.messageBoxes.Answer(MessageAnswer::kNo);
  box.UserClick();
  EXPECT_EQ(Shown().size(), 2u);
}

TEST_P(ScanningBoxTest, AfterACountYesKeepsTheChangeAndMakesTheWordsStale) {
  CheckBox& box = Box(GetParam().box);
  host.wordsGot = true;
  hp.messageBoxes.Answer(MessageAnswer::kYes);
  box.UserClick();
  EXPECT_THAT(Shown(), ElementsAre(Reread(MessageAnswer::kYes)));
  EXPECT_EQ(box.Value(), 1 - GetParam().initial);
  EXPECT_FALSE(host.wordsGot);
  // The words are stale now: changing it back asks nothing.
  box.UserClick();
  EXPECT_EQ(Shown().size(), 1u);
}

TEST_P(ScanningBoxTest, NothingIsAskedDuringStartUpOrWhileCodeSetsValues) {
  CheckBox& box = Box(GetParam().box);
  host.wordsGot = true;
  host.startUpCompleted = false;
  box.SetValue(1 - GetParam().initial);
  host.startUpCompleted = true;
  window.blnSettingValues = true;
  box.SetValue(GetParam().initial);
  EXPECT_THAT(Shown(), IsEmpty());
  EXPECT_EQ(box.Value(), GetParam().initial);
  EXPECT_TRUE(host.wordsGot);
}

INSTANTIATE_TEST_SUITE_P(All, ScanningBoxTest,
                         ::testing::Values(ScanningRow{"chkCaseSignificant", 0},
                                           ScanningRow{"chkAllowWordsWithHyphens", 1},
                                           ScanningRow{"chkAllowWordsWithApostrophes", 0},
                                           ScanningRow{"chkAllowWordsWithUnderscores", 0},
                                           ScanningRow{"chkAllowWordsWithColons", 0},
                                           ScanningRow{"chkAllowWordsWithBackslashes", 0},
                                           ScanningRow{"chkAllowWordsWithForwardslashes", 0},
                                           ScanningRow{"chkAllowWordsWithPeriods", 0},
                                           ScanningRow{"chkAllowWordsWithAtSigns", 0},
                                           ScanningRow{"chkAllowWordsWithNumerals", 0},
                                           ScanningRow{"chkAllowCommentMarkers", 0},
                                           ScanningRow{"chkDropFinalS", 1},
                                           ScanningRow{"chkUnicodeLetters", 0}),
                         [](const auto& row) { return std::string(row.param.box); });

// Was: a declined change turned a greyed box (counted as unchecked) into a
// checked one, the opposite of what the user kept.
TEST_F(ParamsWindowTest, ADeclinedChangePutsAGreyedBoxBackToGrey) {
  window.blnSettingValues = true;
  window.chkAllowWordsWithNumerals.SetValue(CheckBox::kGrayed);
  window.blnSettingValues = false;
  host.wordsGot = true;
  hp.messageBoxes.Answer(MessageAnswer::kNo);
  window.chkAllowWordsWithNumerals.UserClick();
  EXPECT_EQ(window.chkAllowWordsWithNumerals.Value(), CheckBox::kGrayed);
}

// --- Filter boxes and lists -------------------------------------------------

TEST_F(ParamsWindowTest, FilterBoxesAndListsAskNothingAndMoveTheFocusToClose) {
  host.wordsGot = true;
  for (const char* name : {"chkIgnoreRepetitions", "chkIgnoreRomNum40", "chkIgnoreNoVowelOrY",
                           "chkIgnoreInfrequentWords", "chkIgnoreShortWords"}) {
    SCOPED_TRACE(name);
    CheckBox& box = Box(name);
    const int before = box.Value();
    box.UserClick();
    EXPECT_EQ(box.Value(), 1 - before);
    EXPECT_TRUE(window.cmdClose.HasFocus());
  }
  for (const char* name : {"cboShortWordSize", "cboLongWordSize", "cboThresholdFrequency"}) {
    SCOPED_TRACE(name);
    List(name).UserSelect(5);
    EXPECT_EQ(List(name).ListIndex(), 5);
    EXPECT_TRUE(window.cmdClose.HasFocus());
  }
  EXPECT_THAT(Shown(), IsEmpty());
  EXPECT_TRUE(host.wordsGot);
  EXPECT_EQ(host.Count("ClearWordsGot"), 0);
}

TEST_F(ParamsWindowTest, OutputBoxesHaveNoChangeHandling) {
  host.wordsGot = true;
  for (CheckBox* box :
       {&window.chkOutputWithCommas, &window.chkWarnOnOverwrite, &window.chkSaveStateOnQuit}) {
    box->UserClick();
    EXPECT_TRUE(box->HasFocus());
  }
  EXPECT_THAT(Shown(), IsEmpty());
  EXPECT_TRUE(host.wordsGot);
}

// --- Clear and set checkboxes -----------------------------------------------

TEST_F(ParamsWindowTest, ClearCheckboxesAfterACountAsksOnceAtHyphens) {
  host.wordsGot = true;
  hp.messageBoxes.onShow = [this](const ShownMessage&) {
    // Asked at the first box that changes, before any later box changed.
    EXPECT_EQ(window.chkAllowWordsWithHyphens.Value(), 0);
    EXPECT_EQ(window.chkDropFinalS.Value(), 1);
    EXPECT_EQ(window.chkIgnoreRepetitions.Value(), 1);
  };
  hp.messageBoxes.Answer(MessageAnswer::kYes);
  window.cmdClearCheckboxes0.UserClick();
  EXPECT_THAT(Shown(), ElementsAre(Reread(MessageAnswer::kYes)));
  EXPECT_EQ(window.cmdClearCheckboxes0.Caption(), "Clear checkboxes");
  for (const ParamInfo& info : AllParams()) {
    if (CheckBox* box = window.CheckBoxOf(info.id)) {
      EXPECT_EQ(box->Value(), 0) << info.name;
    }
  }
  EXPECT_FALSE(host.wordsGot);
}

TEST_F(ParamsWindowTest, ClearCheckboxesAnsweredNoAsksAgainAtTheNextScanningBox) {
  host.wordsGot = true;
  hp.messageBoxes.Answer(MessageAnswer::kNo);  // hyphens
  hp.messageBoxes.Answer(MessageAnswer::kNo);  // drop final "s"
  window.cmdClearCheckboxes0.UserClick();
  EXPECT_THAT(Shown(), ElementsAre(Reread(MessageAnswer::kNo), Reread(MessageAnswer::kNo)));
  EXPECT_EQ(window.chkAllowWordsWithHyphens.Value(), 1);
  EXPECT_EQ(window.chkDropFinalS.Value(), 1);
  EXPECT_EQ(window.chkIgnoreRepetitions.Value(), 0);
  EXPECT_EQ(window.chkSaveStateOnQuit.Value(), 0);
  EXPECT_TRUE(host.wordsGot);
}

TEST_F(ParamsWindowTest, SetCheckboxesLeavesIgnoreCommonWordsAsItIs) {
  host.wordsGot = true;
  hp.messageBoxes.Answer(MessageAnswer::kYes);  // at apostrophes: hyphens is set already
  hp.messageBoxes.onShow = [this](const ShownMessage&) {
    EXPECT_EQ(window.chkAllowWordsWithApostrophes.Value(), 1);
    EXPECT_EQ(window.chkAllowWordsWithUnderscores.Value(), 0);
  };
  window.cmdClearCheckboxes1.UserClick();
  EXPECT_EQ(Shown().size(), 1u);
  EXPECT_EQ(window.cmdClearCheckboxes1.Caption(), "Set checkboxes");
  for (const ParamInfo& info : AllParams()) {
    if (CheckBox* box = window.CheckBoxOf(info.id)) {
      EXPECT_EQ(box->Value(), info.id == ParamId::chkIgnoreCommonWords ? 0 : 1) << info.name;
    }
  }
  EXPECT_EQ(host.Count("AttemptToReadCommonWords"), 0);
}

TEST_F(ParamsWindowTest, ClearCheckboxesUnticksIgnoreCommonWordsWithoutReading) {
  window.blnSettingValues = true;
  window.chkIgnoreCommonWords.SetValue(1);
  window.blnSettingValues = false;
  window.cmdClearCheckboxes0.UserClick();
  EXPECT_EQ(window.chkIgnoreCommonWords.Value(), 0);
  EXPECT_EQ(host.Count("AttemptToReadCommonWords"), 0);
  EXPECT_THAT(Shown(), IsEmpty());
}

// --- Restore defaults, reinitialize, close ----------------------------------

// Values the user may have set that "Restore defaults" must leave alone.
void SetUserValues(frmParams& window, test::FakeParamsHost& host) {
  window.blnSettingValues = true;
  window.chkIgnoreCommonWords.SetValue(1);
  window.blnSettingValues = false;
  window.txbCommonWordsFile.SetText("/words/common.txt");
  host.commonWordsFile = "/words/common.txt";
  window.txbWordsToIgnore.SetText("a,an,the");
  window.txbWordsToIgnore_LostFocus();
  window.txbStartComment0.SetText("{");
  window.txbEndComment1.SetText("!");
  host.main.SetText(ParamId::txbFileInput, "/in.txt");
  (void)host.main.SetValue(ParamId::cboDisplayFormat, 4);
}

TEST_F(ParamsWindowTest, RestoreDefaultsAfterACountAsksNothingAndLeavesTheUsersTexts) {
  SetUserValues(window, host);
  window.cmdClearCheckboxes1.UserClick();
  window.cboLongWordSize.SetListIndex(6);
  host.wordsGot = true;
  window.cmdRestoreDefaults.UserClick();
  EXPECT_THAT(Shown(), IsEmpty());
  EXPECT_FALSE(host.wordsGot);
  EXPECT_TRUE(window.cmdClose.HasFocus());
  ParameterSet expected;  // the defaults, with what defaults leave alone
  (void)expected.SetValue(ParamId::chkIgnoreCommonWords, 1);
  expected.SetText(ParamId::txbCommonWordsFile, "/words/common.txt");
  expected.SetText(ParamId::txbWordsToIgnore, "a,an,the");
  expected.SetText(ParamId::txbStartComment0, "{");
  expected.SetText(ParamId::txbEndComment1, "!");
  EXPECT_EQ(window.Parameters(), expected);
  EXPECT_EQ(window.strWordsToIgnore(), "a,an,the,");
  EXPECT_EQ(host.main.Text(ParamId::txbFileInput), "/in.txt");
  EXPECT_EQ(host.main.Value(ParamId::cboDisplayFormat), 4);
}

TEST_F(ParamsWindowTest, ReinitializeResetsThroughTheMainWindowAndSaysSo) {
  SetUserValues(window, host);
  window.txbParametersFile.SetText("/p.zet");
  window.chkCaseSignificant.SetValue(1);
  window.cmdInitialize.UserClick();
  std::vector<std::string> steps;
  for (const std::string& call : host.calls)
    if (call == "Initialize" || call.starts_with("Select")) steps.push_back(call);
  EXPECT_THAT(steps, ElementsAre("Initialize", "SelectWordOrder(0)", "SelectDisplayFormat(0)"));
  EXPECT_EQ(window.lblParameters.Caption(), "Program reinitialized.");
  EXPECT_EQ(window.chkCaseSignificant.Value(), 0);
  EXPECT_EQ(window.txbWordsToIgnore.Text(), "");
  EXPECT_EQ(window.strWordsToIgnore(), ",");
  EXPECT_EQ(window.txbCommonWordsFile.Text(), "");
  EXPECT_EQ(window.txbParametersFile.Text(), "");
  EXPECT_EQ(host.main.Value(ParamId::cboDisplayFormat), 0);
  // Left as they were.
  EXPECT_EQ(window.chkIgnoreCommonWords.Value(), 1);
  EXPECT_EQ(window.txbStartComment0.Text(), "{");
  EXPECT_EQ(window.txbEndComment1.Text(), "!");
  EXPECT_THAT(Shown(), IsEmpty());
}

TEST_F(ParamsWindowTest, CloseAndTheCloseBoxOnlyHideTheWindow) {
  window.chkAllowWordsWithNumerals.UserClick();
  window.cmdClose.UserClick();
  EXPECT_FALSE(window.form.Visible());
  EXPECT_EQ(host.Count("SetTheFocus"), 1);
  window.form.Show();
  window.form.UserClose();
  EXPECT_FALSE(window.form.Visible());
  EXPECT_EQ(host.Count("SetTheFocus"), 2);
  EXPECT_EQ(window.chkAllowWordsWithNumerals.Value(), 1);
}

// --- Text boxes that clean themselves up ------------------------------------

TEST_F(ParamsWindowTest, MarkerBoxesAreTrimmedOnLeavingAndMakeTheWordsStale) {
  for (TextBox* box : {&window.txbStartComment0, &window.txbEndComment0, &window.txbStartComment1,
                       &window.txbEndComment1}) {
    SCOPED_TRACE(box->Name());
    host.wordsGot = true;
    box->UserFocus();
    box->UserEdit("  <! -- \t ");
    window.cmdClose.UserFocus();
    EXPECT_EQ(box->Text(), "<! -- \t");  // spaces only, as typed inside
    EXPECT_FALSE(host.wordsGot);
  }
  EXPECT_THAT(Shown(), IsEmpty());
}

TEST_F(ParamsWindowTest, WordsToIgnoreAreCleanedOnLeavingAndClearedByTheirButton) {
  struct Row {
    const char* typed;
    const char* shown;
    const char* list;
  };
  for (const Row& row : {Row{"The, and  of", "the,and,of", "the,and,of,"}, Row{",,,", "", ","},
                         Row{" x;y ", "x;y", "x;y,"}}) {
    window.txbWordsToIgnore.UserFocus();
    window.txbWordsToIgnore.UserEdit(row.typed);
    window.chkOutputWithCommas.UserFocus();
    EXPECT_EQ(window.txbWordsToIgnore.Text(), row.shown) << row.typed;
    EXPECT_EQ(window.strWordsToIgnore(), row.list) << row.typed;
  }
  window.txbWordsToIgnore.UserFocus();
  window.txbWordsToIgnore.UserEdit("one two");
  window.cmdClearWordsToIgnore.UserClick();
  EXPECT_EQ(window.txbWordsToIgnore.Text(), "");
  EXPECT_EQ(window.strWordsToIgnore(), ",");
  EXPECT_TRUE(window.cmdClose.HasFocus());
}

}  // namespace
}  // namespace zet
