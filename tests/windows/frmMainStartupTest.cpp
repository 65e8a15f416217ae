// Start-up, shutdown, saving the state, and the small handlers of the main
// window.

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "tests/support/ProblemText.h"
#include "tests/support/RunAsUnprivileged.h"
#include "tests/windows/MainWindowFixture.h"
#include "windows/MainTexts.h"
#include "windows/ParamControls.h"

namespace zet::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(MainWindowTest, FirstStartRunsOnTheDefaults) {
  Start();
  EXPECT_TRUE(frm->form.Visible());
  EXPECT_EQ(frm->form.Caption(), "ZET 1.0.0");
  EXPECT_EQ(frm->Label1.Caption(), "Click here to paste the clipboard's text into the textbox");
  EXPECT_EQ(frm->cmdCopyToClipboard.Caption(), "Copy to clipboard");
  EXPECT_TRUE(frm->optInFile.Value());
  EXPECT_EQ(frm->txbFile0.Text(), "");
  EXPECT_EQ(frm->txbFile1.Text(), "");
  EXPECT_FALSE(frm->chkDisableOutputToFile.Enabled());
  EXPECT_EQ(frm->lblFilesize.Caption(), "");
  ParameterSet defaults;
  ParameterSet now = Params();
  for (ParamId id : {ParamId::chkCaseSignificant, ParamId::chkAllowWordsWithHyphens,
                     ParamId::chkDropFinalS, ParamId::cboShortWordSize, ParamId::cboWordOrder,
                     ParamId::cboDisplayFormat, ParamId::chkIgnoreCommonWords})
    EXPECT_EQ(now.Value(id), defaults.Value(id)) << GetParamInfo(id).name;
  EXPECT_EQ(now.Text(ParamId::txbStartComment0), "/*");
  EXPECT_EQ(frm->cboWordOrder.ItemCount(), 2);
  EXPECT_EQ(frm->cboDisplayFormat.ItemCount(), 10);
  EXPECT_EQ(frm->form.Focused(), &frm->cmdFile0);
  EXPECT_FALSE(frm->lblNumberOfWords.Visible());
  EXPECT_FALSE(frm->paramsWindow.form.Visible());
  EXPECT_TRUE(frm->blnStartUpCompleted);
  EXPECT_EQ(frm->UserSettingsFile(), SettingsPath());
  // Was: the box was empty although the file ships with the program.
  EXPECT_EQ(frm->paramsWindow.txbCommonWordsFile.Text(), programFolder + "/cwds_en.txt");
}

TEST_F(MainWindowTest, RestoredInputFileThatWasDeletedIsDroppedSilently) {
  ParameterSet saved;
  saved.SetText(ParamId::txbFileInput, temp.File("gone.txt"));
  saved.SetText(ParamId::txbFileOutput, temp.File("out.txt"));
  (void)saved.SetValue(ParamId::cboDisplayFormat, 8);
  WriteSettings(saved);
  Start();
  EXPECT_EQ(frm->txbFile0.Text(), "");
  EXPECT_EQ(frm->lblFilesize.Caption(), "");
  EXPECT_EQ(frm->txbFile1.Text(), temp.File("out.txt"));
  EXPECT_TRUE(frm->chkDisableOutputToFile.Enabled());
  EXPECT_EQ(frm->cboDisplayFormat.ListIndex(), 8);
  // The folder of the vanished file is where the dialogs open now.
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(temp.Path()));
}

TEST_F(MainWindowTest, RestoredInputFileIsMeasuredAndTakesTheFocusToTheCountButton) {
  ParameterSet saved;
  saved.SetText(ParamId::txbFileInput, Write("in.txt", std::string(10000, 'a')));
  WriteSettings(saved);
  Start();
  EXPECT_EQ(frm->lblFilesize.Caption(), "Filesize:   10,000 bytes    9.77 KB");
  EXPECT_EQ(frm->form.Focused(), &frm->cmdListWords);
}

TEST_F(MainWindowTest, UnusableSettingsFileGivesTheDefaultsWithoutAMessage) {
  std::filesystem::create_directories(temp.File("config") + "/zet");
  ParameterSet saved;
  (void)saved.SetValue(ParamId::chkCaseSignificant, 1);
  WriteSettings(saved);
  std::string text = TempDir::Read(SettingsPath());
  // Line 9 (the long-word list) one past its last item.
  std::size_t at = 0;
  for (int line = 1; line < 9; ++line) at = text.find("\r\n", at) + 2;
  text.replace(at, text.find("\r\n", at) - at, "7");
  temp.Write("config/zet/zet.usr", text);
  Start();
  EXPECT_EQ(Params().Value(ParamId::chkCaseSignificant), 0);
}

// Whatever stands where the settings file should be, start-up neither
// hangs (a named pipe with no writer) nor complains: it runs on the defaults.
TEST_F(MainWindowTest, SettingsThatCannotBeReadGiveTheDefaultsSilently) {
  const std::string folder = temp.File("config") + "/zet";
  const std::vector<std::function<int(const std::string&)>> makers = {
      [](const std::string& p) { return ::symlink("/nonexistent/zet.usr", p.c_str()); },
      [](const std::string& p) { return ::mkdir(p.c_str(), 0700); },
      [](const std::string& p) { return ::mkfifo(p.c_str(), 0600); },
  };
  for (const auto& make : makers) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    ASSERT_EQ(make(SettingsPath()), 0);
    frm = std::make_unique<frmMain>(hp.platform);
    Start();
    EXPECT_EQ(Params().Value(ParamId::cboShortWordSize),
              GetParamInfo(ParamId::cboShortWordSize).defaultValue);
  }
}

TEST_F(MainWindowTest, MissingCatalogueEndsTheProgramBeforeTheWindowAppears) {
  std::filesystem::remove(programFolder + "/zet_text.dat");
  hp.messageBoxes.AnswerOk();
  EXPECT_FALSE(frm->Form_Load());
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box(
                  "Cannot open file containing program text.\r\n" + programFolder + "/zet_text.dat",
                  "", MessageIcon::kCritical)));
  EXPECT_TRUE(hp.application.QuitRequested());
  EXPECT_EQ(hp.application.ExitCode(), 1);
  EXPECT_FALSE(frm->form.Visible());
}

TEST_F(MainWindowTest, CommonWordsNamedInTheSettingsAreLoadedAtStartUp) {
  const std::string words = Write("common.txt", "The cats /* not these */ and dogs\n");
  ParameterSet saved;
  (void)saved.SetValue(ParamId::chkIgnoreCommonWords, 1);
  saved.SetText(ParamId::strCommonWordsFile, words);
  saved.SetText(ParamId::txbCommonWordsFile, words);
  WriteSettings(saved);
  hp.messageBoxes.AnswerOk();
  ASSERT_TRUE(frm->Form_Load());
  EXPECT_THAT(hp.messageBoxes.Shown(), ElementsAre(Box("Common words loaded from " + words,
                                                       "Common words", MessageIcon::kInformation)));
  ASSERT_NE(frm->CommonWords(), nullptr);
  EXPECT_THAT(*frm->CommonWords(), ::testing::UnorderedElementsAre("the", "cat", "and", "dog"));
  EXPECT_TRUE(frm->blnCommonWordsLoaded);
  EXPECT_EQ(frm->txbOutput.Text(), "");
}

TEST_F(MainWindowTest, MissingCommonWordsFileAtStartUpFallsBackToTheDefaultName) {
  ParameterSet saved;
  (void)saved.SetValue(ParamId::chkIgnoreCommonWords, 1);
  saved.SetText(ParamId::strCommonWordsFile, temp.File("gone.txt"));
  WriteSettings(saved);
  hp.messageBoxes.AnswerOk();
  ASSERT_TRUE(frm->Form_Load());
  const std::string fallback = programFolder + "/cwds_en.txt";
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box("Error when attempting to load common words from " + fallback,
                              "Common words")));
  EXPECT_EQ(frm->strCommonWordsFile, fallback);
  EXPECT_FALSE(frm->paramsWindow.chkIgnoreCommonWords.Checked());
  EXPECT_FALSE(frm->blnCommonWordsLoaded);
}

TEST_F(MainWindowTest, SaveStateConfirmsAndQuittingSavesSilently) {
  Start();
  TypeOutputFile(temp.File("out.txt"));
  hp.messageBoxes.AnswerOk();
  ASSERT_TRUE(frm->cmdSaveState.UserClick());
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box("State saved.", "Save", MessageIcon::kNone)));
  std::filesystem::remove(SettingsPath());
  frm->paramsWindow.chkSaveStateOnQuit.SetValue(1);
  frm->form.UserClose();
  EXPECT_TRUE(hp.application.QuitRequested());
  ParameterSet read;
  EXPECT_EQ(test::ProblemText(RestoreSavedState(SettingsPath(), read)), "");
  EXPECT_EQ(read.Text(ParamId::txbFileOutput), temp.File("out.txt"));
  EXPECT_EQ(hp.messageBoxes.Shown().size(), 1U);  // no second "State saved."
}

TEST_F(MainWindowTest, QuittingWithoutSaveStateWritesNothing) {
  Start();
  frm->paramsWindow.chkSaveStateOnQuit.SetValue(0);
  ASSERT_TRUE(frm->cmdQuit.UserClick());
  EXPECT_TRUE(hp.application.QuitRequested());
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
}

TEST_F(MainWindowTest, FailedSaveIsReportedAsAnError) {
  Start();
  std::filesystem::remove_all(temp.File("config"));
  temp.Write("config", "a file where the folder should be");
  hp.messageBoxes.AnswerOk();
  ASSERT_TRUE(frm->cmdSaveState.UserClick());
  ASSERT_EQ(hp.messageBoxes.Shown().size(), 1U);
  EXPECT_THAT(hp.messageBoxes.Shown()[0].text,
              ::testing::StartsWith("Error when attempting to save parameters: "));
  EXPECT_EQ(hp.messageBoxes.Shown()[0].title, "Error");
}

TEST_F(MainWindowTest, SavingTheStateToAFullDeviceIsAnErrorNotASave) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  Start();
  std::filesystem::create_directories(temp.File("config") + "/zet");
  ASSERT_EQ(::symlink("/dev/full", SettingsPath().c_str()), 0);
  hp.messageBoxes.AnswerOk();
  ASSERT_TRUE(frm->cmdSaveState.UserClick());
  EXPECT_THAT(
      hp.messageBoxes.Shown(),
      ElementsAre(Box(
          "Error when attempting to save parameters: No space left on device\r\n" + SettingsPath(),
          "Error")));
  EXPECT_TRUE(std::filesystem::is_symlink(SettingsPath()));
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}

TEST_F(MainWindowTest, SavingOverWriteProtectedSettingsKeepsThem) {
  ParameterSet saved;
  (void)saved.SetValue(ParamId::chkCaseSignificant, 1);
  WriteSettings(saved);
  Start();
  const std::string previous = TempDir::Read(SettingsPath());
  const std::string folder = temp.File("config") + "/zet";
  ASSERT_EQ(::chmod(SettingsPath().c_str(), 0444), 0);
  ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);  // only the file's own mode forbids it
  test::LetEveryoneIn(temp.Path());
  test::LetEveryoneIn(temp.File("config"));
  frm->paramsWindow.chkCaseSignificant.SetValue(0);
  const auto outcome = test::RunAsUnprivileged([&] {
    hp.messageBoxes.AnswerOk();
    frm->cmdSaveState.UserClick();
    return hp.messageBoxes.Shown().empty() ? std::string() : hp.messageBoxes.Shown()[0].text;
  });
  ::chmod(folder.c_str(), 0700);
  EXPECT_EQ(outcome,
            "Error when attempting to save parameters: Permission denied\r\n" + SettingsPath());
  EXPECT_EQ(TempDir::Read(SettingsPath()), previous);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(MainWindowTest, F1OnTheFourHelpControlsOpensTheHelpWindow) {
  Start();
  TypeOutputFile(temp.File("out.txt"));
  for (Button* button : {&frm->cmdHelp, &frm->cmdFile0, &frm->cmdFile1, &frm->cmdListWords}) {
    if (frm->HelpWindow() != nullptr) frm->HelpWindow()->cmdClose.UserClick();
    ASSERT_TRUE(button->UserFocus());
    frm->form.UserKeyUp(key::kF1 + 1);  // F2 does nothing
    EXPECT_TRUE(frm->HelpWindow() == nullptr || !frm->HelpWindow()->form.Visible());
    ASSERT_TRUE(frm->form.UserKeyUp(key::kF1)) << button->Name();
    ASSERT_NE(frm->HelpWindow(), nullptr);
    EXPECT_TRUE(frm->HelpWindow()->form.Visible()) << button->Name();
  }
  frm->HelpWindow()->cmdClose.UserClick();
  ASSERT_TRUE(frm->cmdQuit.UserFocus());
  frm->paramsWindow.chkSaveStateOnQuit.SetValue(0);
  frm->form.UserKeyUp(key::kF1);  // Quit's own key handling is none
  EXPECT_FALSE(frm->HelpWindow()->form.Visible());
}

TEST_F(MainWindowTest, HelpWindowIsMadeOnceAndRestoredWhenMinimised) {
  Start();
  int created = 0;
  frm->onHelpWindowCreated = [&](frmHelp&) { ++created; };
  ASSERT_TRUE(frm->cmdHelp.UserClick());
  frmHelp* help = frm->HelpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->form.Caption(), "ZET: Help");
  help->form.UserSetState(WindowState::kMinimized);
  ASSERT_TRUE(frm->cmdHelp.UserClick());
  EXPECT_EQ(frm->HelpWindow(), help);
  EXPECT_EQ(help->form.State(), WindowState::kNormal);
  EXPECT_EQ(created, 1);
  ASSERT_TRUE(help->cmdClose.UserClick());
  EXPECT_FALSE(help->form.Visible());
  EXPECT_EQ(frm->form.Focused(), &frm->cmdFile0);
}

TEST_F(MainWindowTest, LinkLabelsOpenTheManualAndReportAFailure) {
  Start();
  ASSERT_TRUE(frm->lblAboutZet.UserClick());
  ASSERT_TRUE(frm->lblOnlineDocumentation.UserClick());
  EXPECT_THAT(hp.shell.Opened(), ElementsAre("file:///opt/zet%20docs/manual.html#about",
                                             "file:///opt/zet%20docs/manual.html"));
  EXPECT_EQ(frm->lblAboutZet.Caption(), "About ZET");
  hp.shell.SetSucceeds(false);
  hp.messageBoxes.AnswerOk();
  ASSERT_TRUE(frm->lblOnlineDocumentation.UserClick());
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box("Error launching web browser.  Please make sure that your web "
                              "browser is correctly installed and configured.",
                              "Cannot launch web browser")));
}

TEST_F(MainWindowTest, InputFileNameChecksAfterStartUp) {
  Start();
  Write("noext", "x");
  std::filesystem::create_directory(temp.File("notes.d"));
  hp.messageBoxes.AnswerOk(2);
  // Was: a name without an extension was refused; on this system it is an
  // ordinary file name.
  TypeInputFile(temp.File("noext"));
  EXPECT_EQ(frm->lblFilesize.Caption(), "Filesize:   1 bytes");
  TypeInputFile(temp.File("notes.d"));
  TypeInputFile(temp.File("missing.txt"));
  EXPECT_THAT(hp.messageBoxes.Shown(),
              ElementsAre(Box("This is a folder, not a file.", "Invalid input"),
                          Box("Input file does not exist.", "File not found")));
  EXPECT_EQ(frm->txbFile0.Text(), temp.File("missing.txt"));  // kept for correcting
  EXPECT_EQ(frm->lblFilesize.Caption(), "");
}

TEST_F(MainWindowTest, FileButtonsChooseAndClearTheNames) {
  Start();
  const std::string input = Write("in.txt", "words");
  ASSERT_TRUE(frm->optInTextBox.UserClick());
  hp.fileDialogs.AnswerCancel();
  ASSERT_TRUE(frm->cmdFile0.UserClick());
  EXPECT_TRUE(frm->optInFile.Value());  // even when cancelled
  hp.fileDialogs.Answer(input);
  hp.fileDialogs.Answer(temp.File("new-out.txt"));
  ASSERT_TRUE(frm->cmdFile0.UserClick());
  ASSERT_TRUE(frm->cmdFile1.UserClick());
  ASSERT_EQ(hp.fileDialogs.Shown().size(), 3U);
  const ShownFileDialog& in = hp.fileDialogs.Shown()[1];
  EXPECT_EQ(in.kind, FileDialogKind::kOpen);
  EXPECT_EQ(in.request.title, "Specify input file");
  EXPECT_EQ(in.request.filter, "Any file containing only text (*.*) | *.*");
  EXPECT_TRUE(in.request.flags.fileMustExist && in.request.flags.pathMustExist);
  const ShownFileDialog& out = hp.fileDialogs.Shown()[2];
  EXPECT_EQ(out.kind, FileDialogKind::kSave);  // a new file can be named
  EXPECT_EQ(out.request.title, "Specify output file");
  EXPECT_TRUE(out.request.flags.hideReadOnly);
  EXPECT_FALSE(out.request.flags.overwritePrompt);
  EXPECT_EQ(frm->txbFile0.Text(), input);
  EXPECT_EQ(frm->lblFilesize.Caption(), "Filesize:   5 bytes");
  EXPECT_TRUE(frm->chkDisableOutputToFile.Enabled());
  frm->chkDisableOutputToFile.SetValue(1);
  ASSERT_TRUE(frm->cmdClearFile1.UserClick());
  EXPECT_EQ(frm->txbFile1.Text(), "");
  EXPECT_EQ(frm->chkDisableOutputToFile.Value(), 0);
  EXPECT_FALSE(frm->chkDisableOutputToFile.Enabled());
  EXPECT_EQ(frm->form.Focused(), &frm->cmdFile1);
}

// Each parameter has one control, in one of the two windows, found by the
// table's name (a renamed control would silently drop its line from every
// saved file); a check box shows the table's caption; and what the windows
// are given is what they hand back for saving.
TEST_F(MainWindowTest, EveryParameterHasOneControlThatKeepsItsValue) {
  Start();
  const Form* const forms[] = {&frm->form, &frm->paramsWindow.form};
  ParameterSet chosen;
  for (const ParamInfo& info : AllParams()) {
    int controls = 0;
    for (const Form* form : forms) {
      if (form->Find(info.name) != nullptr) ++controls;
      if (const CheckBox* box = ParamControl<CheckBox>(*form, info.id)) {
        EXPECT_EQ(box->Caption(), info.caption) << info.name;
      }
    }
    EXPECT_EQ(controls, info.id == ParamId::strCommonWordsFile ? 0 : 1) << info.name;
    switch (info.kind) {
      case ParamKind::CheckBox:
        ASSERT_TRUE(chosen.SetValue(info.id, info.defaultValue == 1 ? 0 : 1)) << info.name;
        break;
      case ParamKind::List:
        ASSERT_TRUE(chosen.SetValue(info.id, info.defaultValue == 0 ? 1 : 0)) << info.name;
        break;
      case ParamKind::Text:
        chosen.SetText(info.id, "/chosen/" + std::string(info.name));
        break;
    }
  }
  frm->paramsWindow.blnSettingValues = true;
  frm->paramsWindow.ApplyParameters(chosen);
  frm->ApplyMainSettings(chosen);
  frm->paramsWindow.blnSettingValues = false;
  EXPECT_EQ(Params(), chosen);
  EXPECT_EQ(frm->lblWordOrder.Caption(), "Word order:");
  EXPECT_EQ(frm->paramsWindow.lblOccurrences.Caption(), "occurrences");
}

}  // namespace
}  // namespace zet::test
