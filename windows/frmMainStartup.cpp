// The main window's start-up, focus, small handlers, help and web links.

#include <filesystem>
#include <system_error>

#include "engine/FileTexts.h"
#include "params/AppDataPath.h"
#include "platform/Control.h"
#include "windows/MainTexts.h"
#include "windows/frmMain.h"

namespace zet {
namespace {

constexpr std::string_view kCatalogueFileName = "zet_text.dat";
constexpr std::string_view kProgramVersion = "1.0.0";
// The main window's client area, in twips.
constexpr int kWindowWidthTwips = 11370;
constexpr int kWindowHeightTwips = 7050;

}  // namespace

bool frmMain::Form_Load() {
  blnStartUpCompleted = false;
  if (!LoadProgramTexts()) return false;
  Label1.SetCaption(catalogue_.Get(19));
  Label2.SetCaption(catalogue_.Get(20));
  blnQuitting_ = false;
  SetDefaultCommonWordsFile();
  FillComboBoxes();
  InitializeVariables();
  // The folder the file dialogs first open in.
  std::error_code ignored;
  std::filesystem::current_path(GetFirstFixedDrive(), ignored);
  PlaceWindow();
  paramsWindow.Form_Load();  // placed beside this window, so after it
  form.Show();
  form.SetCaption(catalogue_.Get(1) + " " + std::string(kProgramVersion));
  cmdCopyToClipboard.SetCaption(catalogue_.Get(9));
  cmdCopyToClipboard.SetFont(Font{"MS Sans Serif", 9.75, false});
  RestoreStartUpState();
  (void)CheckInputFile(txbFile0.Text());  // quiet: start-up has not completed
  ConcealNumWords();
  if (paramsWindow.chkIgnoreCommonWords.Checked() && !strCommonWordsFile.empty()) {
    AttemptToReadCommonWords();
    ConcealNumWords();
  }
  SetTheFocus();
  blnStartUpCompleted = true;
  return true;
}

bool frmMain::LoadProgramTexts() {
  const std::string path = PathInFolder(platform_.application.ProgramFolder(), kCatalogueFileName);
  const Outcome<std::size_t> loaded = catalogue_.Load(path);
  if (loaded) return true;
  platform_.messageBoxes.Show(loaded.problem().message, loaded.problem().title,
                              MessageIcon::kCritical, MessageButtons::kOk);
  platform_.application.Quit(1);
  return false;
}

void frmMain::PlaceWindow() {
  const int width = TwipsToPixels(kWindowWidthTwips);
  const int height = TwipsToPixels(kWindowHeightTwips);
  const ScreenSize screen = platform_.application.AvailableScreenSize();
  form.SetPlace({TwipsToPixels(100), (screen.height - height) / 3, width, height});
}

void frmMain::RestoreStartUpState() {
  SetDefaultCommonWordsFile();
  FillComboBoxes();
  if (!RestoreSavedState("")) {
    // No settings file yet, or an unusable one: run on the defaults, with
    // the common-words file that ships with the program named in its box.
    InitializeVariables();
    FillComboBoxes();
    SetDefaultCommonWordsFile();
  }
}

void frmMain::FillComboBoxes() {
  paramsWindow.FillComboBoxes();
  FillParamLists(form);
}

void frmMain::SetDefaultCommonWordsFile() {
  strCommonWordsFile =
      PathInFolder(platform_.application.ProgramFolder(), texts::kDefaultCommonWordsFileName);
  paramsWindow.txbCommonWordsFile.SetText(strCommonWordsFile);
}

void frmMain::InitializeVariables() {
  optInFile.SetValue(true);
  lblSizeOfClipboardContents.SetCaption("");
  lblFilesize.SetCaption("");
  strUserSettingsFile_ = GetAppDataFilePath(kUserSettingsFileName, kAppDataFolderName);
  lblTwirler.SetCaption(" ");
  Initialize();
}

void frmMain::Initialize() {
  txbFile0.SetText("");
  txbFile1.SetText("");
  paramsWindow.txbWordsToIgnore.SetText("");
  paramsWindow.SetDefaultValues();
  chkSuppressWords.SetValue(CheckBox::kUnchecked);
  paramsWindow.txbCommonWordsFile.SetText("");
  strCommonWordsFile.clear();
  blnCommonWordsLoaded = false;  // the words loaded belong to no named file now
  paramsWindow.txbParametersFile.SetText("");
  paramsWindow.txbWordsToIgnore_LostFocus();
  UpdateDisableOutputBox();
}

void frmMain::SetTheFocus() {
  if (!form.Visible()) return;
  if (txbFile0.Text().empty() && cmdFile0.Enabled())
    cmdFile0.SetFocus();
  else if (cmdListWords.Enabled())
    cmdListWords.SetFocus();
  lblTwirler.SetCaption(" ");
}

void frmMain::optInFile_Click() {
  blnWordsGot = false;
  SetTheFocus();
}

void frmMain::optInTextBox_Click() {
  blnWordsGot = false;
  if (blnListShown_) txbOutput.Clear();  // free for pasted text
  SetTheFocus();
}

void frmMain::cmdSetParameters_Click() { paramsWindow.form.Show(); }

void frmMain::HelpKey_KeyUp(int keyCode) {
  if (keyCode == key::kF1) cmdHelp_Click();
}

void frmMain::cmdHelp_Click() {
  if (!help_) {
    help_ = std::make_unique<frmHelp>(form, [this] { SetTheFocus(); });
    if (onHelpWindowCreated) onHelpWindowCreated(*help_);
  }
  if (help_->form.Visible() && help_->form.State() == WindowState::kMinimized)
    help_->form.SetState(WindowState::kNormal);
  else
    help_->form.Show();
}

void frmMain::LaunchWebBrowser(const std::string& address) {
  if (platform_.shell.OpenAddress(address)) return;
  platform_.messageBoxes.Show(texts::kBrowserError, texts::kTitleCannotLaunchBrowser,
                              MessageIcon::kExclamation, MessageButtons::kOk);
}

void frmMain::lblAboutZet_Click() {
  LaunchWebBrowser(ExpandDocDir(catalogue_.Get(14), platform_.application.DocumentationFolder()));
}

void frmMain::lblOnlineDocumentation_Click() {
  LaunchWebBrowser(ExpandDocDir(catalogue_.Get(15), platform_.application.DocumentationFolder()));
}

void frmMain::cmdSaveState_Click() {
  const Outcome<Done> saved = SaveState("");
  if (!saved)
    platform_.messageBoxes.Show(saved.problem().message, texts::kTitleError,
                                MessageIcon::kExclamation, MessageButtons::kOk);
  else if (!blnQuitting_)
    platform_.messageBoxes.Show(texts::kStateSaved, texts::kTitleSave, MessageIcon::kNone,
                                MessageButtons::kOk);
  SetTheFocus();
}

void frmMain::cmdQuit_Click() {
  if (blnQuitting_) return;
  blnQuitting_ = true;
  blnStopRequested_ = true;  // a run in progress ends at its next word
  if (paramsWindow.chkSaveStateOnQuit.Checked()) cmdSaveState_Click();
  platform_.application.Quit(0);
}

}  // namespace zet
