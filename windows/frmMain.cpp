// The main window: construction, wiring, and the settings it shares with
// the parameters window.

#include "windows/frmMain.h"

#include "engine/CommonWordsFile.h"
#include "engine/FileProc.h"
#include "params/SettingsFile.h"
#include "platform/Control.h"

namespace zet {

frmMain::frmMain(Platform& platform) : paramsWindow(platform, *this), platform_(platform) {
  OptionButton::Group({&optInFile, &optInTextBox});
  SetupFileControls();
  SetupSourceControls();
  SetupOutputControls();
  SetupButtons();
  SetupFonts();
}

frmMain::~frmMain() = default;

void frmMain::SetupFileControls() {
  for (int index : {0, 1}) {
    cmdFile(index).onClick = [this, index] { cmdFile_Click(index); };
    cmdFile(index).onKeyUp = [this](int keyCode) { HelpKey_KeyUp(keyCode); };
    txbFile(index).onLostFocus = [this, index] { txbFile_LostFocus(index); };
  }
  cmdClearFile0.onClick = [this] { cmdClearFile_Click(0); };
  cmdClearFile1.onClick = [this] { cmdClearFile_Click(1); };
}

void frmMain::SetupSourceControls() {
  optInFile.onClick = [this] { optInFile_Click(); };
  optInTextBox.onClick = [this] { optInTextBox_Click(); };
  cmdListWords.onClick = [this] { cmdListWords_Click(); };
  cmdListWords.onKeyUp = [this](int keyCode) { HelpKey_KeyUp(keyCode); };
  chkSuppressWords.onClick = [this] {
    // Ticked or unticked during a pass: the user's value, kept after it.
    if (blnRunning_) intSavedSuppressWords_ = chkSuppressWords.Value();
    SetTheFocus();
  };
  cboWordOrder.onClick = [this] { ListAgain(); };
  cboDisplayFormat.onClick = [this] { ListAgain(); };
}

void frmMain::SetupOutputControls() {
  Label1.onClick = [this] { Label1_Click(); };
  lblOnlineDocumentation.SetLinkStyle(true);
  lblOnlineDocumentation.onClick = [this] { lblOnlineDocumentation_Click(); };
  lblAboutZet.SetLinkStyle(true);
  lblAboutZet.onClick = [this] { lblAboutZet_Click(); };
  lblTotalNumOccurrences.SetAlignment(Alignment::kRight);
  for (Label* counter :
       {&lblNumberOfWords, &lblNumWordsExcluded, &lblNumOccurrences, &lblTotalNumOccurrences})
    counter->SetVisible(false);
}

void frmMain::SetupButtons() {
  cmdSetParameters.onClick = [this] { cmdSetParameters_Click(); };
  cmdCopyToClipboard.onClick = [this] { CopyOutputToClipboard(); };
  cmdClearOutput.onClick = [this] { cmdClearOutput_Click(); };
  cmdSaveState.onClick = [this] { cmdSaveState_Click(); };
  cmdHelp.onClick = [this] { cmdHelp_Click(); };
  cmdHelp.onKeyUp = [this](int keyCode) { HelpKey_KeyUp(keyCode); };
  cmdQuit.onClick = [this] { cmdQuit_Click(); };
  form.onCloseRequest = [this] { cmdQuit_Click(); };  // Form_Unload
}

void frmMain::SetupFonts() {
  const Font fixed{"Courier New", 8.25};
  const Font small{"MS Sans Serif", 8.25};
  for (Control* control : std::initializer_list<Control*>{&txbFile0, &txbFile1, &txbOutput})
    control->SetFont(fixed);
  for (Control* control : std::initializer_list<Control*>{&cmdClearFile0, &cmdClearFile1,
                                                          &cboWordOrder, &cboDisplayFormat})
    control->SetFont(small);
  for (Label* link : {&lblOnlineDocumentation, &lblAboutZet})
    link->SetFont(Font{"MS Sans Serif", 8.25, false, true});
  lblTwirler.SetFont(Font{"Terminal", 9});
}

ParameterSet frmMain::CurrentParameters() const {
  ParameterSet params = paramsWindow.Parameters();
  CollectMainSettings(params);
  return params;
}

void frmMain::CollectMainSettings(ParameterSet& params) const {
  ReadParamControls(form, params);
  // During a pass the box may show the pass's own ticking; the user's value
  // is the one saved.
  if (blnRunning_) (void)params.SetValue(ParamId::chkSuppressWords, intSavedSuppressWords_);
  params.SetText(ParamId::strCommonWordsFile, strCommonWordsFile);
}

void frmMain::ApplyMainSettings(const ParameterSet& params) {
  if (params.Text(ParamId::txbFileInput) != txbFile0.Text()) {
    // Another input file: the words held are not its words.
    txbFile0.SetText(params.Text(ParamId::txbFileInput));
    blnWordsGot = false;
    const std::int64_t size = FileLength(txbFile0.Text());
    lblFilesize.SetCaption(size >= 0 && FileExists(txbFile0.Text()) ? FileSizeText(size) : "");
  }
  ShowParamControls(form, params);
  const std::string commonWords = CommonWordsPath(params.Text(ParamId::strCommonWordsFile));
  if (commonWords != CommonWordsPath(strCommonWordsFile)) {
    blnCommonWordsLoaded = false;
    blnCommonWordsPending_ = !commonWords.empty();
    commonWords_.reset();
  }
  strCommonWordsFile = commonWords;
}

// The parameters window keeps the whole state's file; an empty name means
// the user settings file.
Outcome<Done> frmMain::SaveState(const std::string& strParameterFile) {
  return paramsWindow.SaveState(strParameterFile);
}

Outcome<Done> frmMain::RestoreSavedState(const std::string& strParameterFile) {
  return paramsWindow.RestoreSavedState(strParameterFile);
}

}  // namespace zet
