#pragma once
// The main window: the source and the file names, the count command and its
// run, the output textbox with its counters, and the program's start-up and
// shutdown. The window logic makes every decision; a platform only mirrors
// the controls (see platform/Control.h).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Catalogue.h"
#include "engine/FileWrites.h"
#include "engine/ListingFile.h"
#include "engine/UnicodeRun.h"
#include "platform/Button.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/MultiLineTextBox.h"
#include "platform/OptionButton.h"
#include "platform/Platform.h"
#include "platform/TextBox.h"
#include "results/ResultsStages.h"
#include "results/WordChecks.h"
#include "scanner/CommentMarkers.h"
#include "scanner/Encoding.h"
#include "scanner/ScanSettings.h"
#include "scanner/SourceReader.h"
#include "scanner/WordTable.h"
#include "windows/MainProcs.h"
#include "windows/ParamControls.h"
#include "windows/ParamsHost.h"
#include "windows/frmHelp.h"
#include "windows/frmParams.h"

namespace zet {

/// The program's main window and the owner of a run. It owns the
/// parameters window (made hidden with it) and the help window (made on
/// first use); both are only hidden, never destroyed, until the program
/// ends.
///
/// One thread: the long loops (reading a source, listing) let window events
/// run after every word, and the only thing an event may do meanwhile is
/// stop the run (the count button reads "Stop"), quit, or change what is
/// shown (source option, word order, display format, "Don't display words
/// as found"); every other control, and the parameters window, is disabled
/// for the length of a run.
class frmMain final : public ParamsHost {
 public:
  /// Makes the window and its parameters window, hidden and wired. The
  /// platform's services must outlive the window.
  explicit frmMain(Platform& platform);
  ~frmMain() override;
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;

  /// Start-up: loads the program texts (a failure is shown and ends the
  /// program: false), puts every setting at its default, shows the window,
  /// restores the user settings file (silently falling back to the
  /// defaults), checks the restored input file quietly, loads the common
  /// words when they are to be ignored, and sets the focus.
  bool Form_Load();

  /// Shutdown ("Quit", or closing the window): saves the state when "Save
  /// state when quitting" is checked, stops a run at its next word and asks
  /// the platform to end the program. Only the first call acts.
  void cmdQuit_Click();

  /// Writes the whole state (the parameters and this window's saved
  /// settings) to `strParameterFile`, or to the user settings file when it
  /// is empty. A failure is frmParams::SaveState's problem.
  [[nodiscard]] Outcome<Done> SaveState(const std::string& strParameterFile);
  /// Reads the whole state from `strParameterFile`, or from the user
  /// settings file when it is empty, and applies what it read. A failure
  /// is the restore's problem (what was read before stays).
  [[nodiscard]] Outcome<Done> RestoreSavedState(const std::string& strParameterFile);

  // What the parameters window asks of this window.
  [[nodiscard]] bool WordsGot() const override { return blnWordsGot; }
  void ClearWordsGot() override { blnWordsGot = false; }
  [[nodiscard]] bool StartUpCompleted() const override { return blnStartUpCompleted; }
  void Initialize() override;
  void InitializeVariables() override;
  void SetTheFocus() override;
  [[nodiscard]] std::string CommonWordsFile() const override { return strCommonWordsFile; }
  void SetCommonWordsFile(std::string path) override { strCommonWordsFile = std::move(path); }
  [[nodiscard]] bool CommonWordsLoaded() const override { return blnCommonWordsLoaded; }
  void SetCommonWordsLoaded(bool loaded) override { blnCommonWordsLoaded = loaded; }
  void AttemptToReadCommonWords() override;
  void ConcealNumWords() override;
  void SelectWordOrder(int index) override { cboWordOrder.SetListIndex(index); }
  void SelectDisplayFormat(int index) override { cboDisplayFormat.SetListIndex(index); }
  void CollectMainSettings(ParameterSet& params) const override;
  void ApplyMainSettings(const ParameterSet& params) override;
  void UpdateDisableOutputBox() override;
  [[nodiscard]] std::string UserSettingsFile() const override { return strUserSettingsFile_; }
  [[nodiscard]] Geometry MainWindowPlace() const override { return form.Place(); }
  [[nodiscard]] int SetParametersButtonWidth() const override {
    return cmdSetParameters.Place().width;
  }

  // The window's public flags.
  bool blnCommonWordsLoaded = false;
  /// The word table holds a finished count of the current source under the
  /// current scanning parameters: a count only lists again.
  bool blnWordsGot = false;
  bool blnStartUpCompleted = false;
  /// The last file pass chose its comment markers from the extension.
  bool blnIsCodeFile = false;
  /// The common-words file (UTF-8 path, never case-changed).
  std::string strCommonWordsFile;

  // Read-only state of the run, for the platform and tests.
  [[nodiscard]] bool StopRequested() const noexcept { return blnStopRequested_; }
  [[nodiscard]] bool ListShown() const noexcept { return blnListShown_; }
  [[nodiscard]] bool CountIncomplete() const noexcept { return blnCountIncomplete_; }
  [[nodiscard]] bool Running() const noexcept { return blnRunning_; }
  [[nodiscard]] bool Quitting() const noexcept { return blnQuitting_; }
  [[nodiscard]] const WordTable& Words() const noexcept { return table_; }
  /// Whether the words held were counted with the Unicode word model (the
  /// table, exports and Explain read the default model's words only).
  [[nodiscard]] bool CountedWithUnicode() const noexcept { return unicode_.table != nullptr; }
  /// The common words in force (lower-case, Windows-1252), or null.
  [[nodiscard]] const WordSet* CommonWords() const noexcept { return commonWords_.get(); }
  /// The same, shared: for filter settings that outlive a change of them.
  [[nodiscard]] std::shared_ptr<const WordSet> CommonWordsInForce() const { return commonWords_; }
  /// The help window, or nullptr before it was first opened.
  [[nodiscard]] frmHelp* HelpWindow() const noexcept { return help_.get(); }
  /// The parameters window and this window's settings as one parameter set.
  [[nodiscard]] ParameterSet CurrentParameters() const;

  /// What the results stages made of the last count: the listed entries of
  /// Words() and their totals. Valid from the end of a run until
  /// onResultsChanging.
  [[nodiscard]] const ListResults& Results() const noexcept { return results_; }
  /// Runs before the word table or its results change (the textbox is
  /// cleared, or a run begins): whatever reads them lets go.
  std::function<void()> onResultsChanging;
  /// Runs when the words were listed (after a count, or listed again in
  /// another order or format), once the controls are back.
  std::function<void()> onListed;

  /// Makes `paths` (UTF-8 files and folders, as dropped on the window) the
  /// source, as one corpus: the files named and every file below the
  /// folders, but the output file. The file count and size take the file
  /// size's place, the input file box is emptied, and the words are counted
  /// and listed as the count button does; a file that cannot be counted is
  /// skipped and named in a box after the count. Choosing an input file
  /// makes that file the source again.
  void CountCorpus(const std::vector<std::string>& paths);
  /// The files of the corpus that is the source, or none while the input
  /// file is.
  [[nodiscard]] const std::vector<std::string>& CorpusFiles() const noexcept {
    return corpusFiles_;
  }
  /// The files a count reads (the input file or the corpus, the common
  /// words): what neither the output file nor an export may replace.
  [[nodiscard]] FilesRead FilesCounted() const;

  /// Runs when the help window has just been made, before it is first
  /// shown: the platform attaches its views here.
  std::function<void(frmHelp&)> onHelpWindowCreated;

  // The controls, in tab order. Element 0 of a file control belongs to the
  // input file, element 1 to the output file.
  Form form{"frmMain"};
  TextBox txbFile0{form, "txbFile(0)"};
  Button cmdFile0{form, "cmdFile(0)", ParamCaption(ParamId::txbFileInput)};
  Button cmdClearFile0{form, "cmdClearFile(0)", "Clear"};
  TextBox txbFile1{form, "txbFile(1)"};
  Button cmdFile1{form, "cmdFile(1)", ParamCaption(ParamId::txbFileOutput)};
  Button cmdClearFile1{form, "cmdClearFile(1)", "Clear"};
  CheckBox chkDisableOutputToFile = ParamCheckBox(form, ParamId::chkDisableOutputToFile);
  Label lblFilesize{form, "lblFilesize"};
  Label Label3{form, "Label3",
               "Specify whether to count the words in the input file or in the clipboard then "
               "click on the button below."};
  Frame fraSource{form, "fraSource"};
  Label Label5{form, "Label5", "Source: "};
  OptionButton optInFile{form, "optInFile", "file"};
  OptionButton optInTextBox{form, "optInTextBox", "clipboard"};
  Button cmdListWords{form, "cmdListWords", "Count word frequencies"};
  CheckBox chkSuppressWords = ParamCheckBox(form, ParamId::chkSuppressWords);
  Frame fraDisplay{form, "fraDisplay"};
  Label lblWordOrder{form, "lblWordOrder", ParamCaption(ParamId::cboWordOrder)};
  ComboBox cboWordOrder{form, "cboWordOrder"};
  Label lblDisplayFormat{form, "lblDisplayFormat", ParamCaption(ParamId::cboDisplayFormat)};
  ComboBox cboDisplayFormat{form, "cboDisplayFormat"};
  Label Label4{form, "Label4", "The words can be redisplayed in various ways by selecting these:"};
  MultiLineTextBox txbOutput{form, "txbOutput", kOutputTextboxCapacity};
  Label Label1{form, "Label1"};
  Label Label2{form, "Label2"};
  Label lblSizeOfClipboardContents{form, "lblSizeOfClipboardContents"};
  Frame fraCounters{form, "fraCounters"};
  Label lblTwirler{form, "lblTwirler", " "};
  Label lblNumberOfWords{form, "lblNumberOfWords"};
  Label lblNumWordsExcluded{form, "lblNumWordsExcluded"};
  Label lblNumOccurrences{form, "lblNumOccurrences"};
  Label lblTotalNumOccurrences{form, "lblTotalNumOccurrences"};
  Button cmdSetParameters{form, "cmdSetParameters", "Set parameters"};
  Button cmdCopyToClipboard{form, "cmdCopyToClipboard", "Copy to clipboard"};
  Button cmdClearOutput{form, "cmdClearOutput", "Clear textbox"};
  Button cmdSaveState{form, "cmdSaveState", "Save state"};
  Button cmdHelp{form, "cmdHelp", "Help"};
  Button cmdQuit{form, "cmdQuit", "Quit"};
  Label lblOnlineDocumentation{form, "lblOnlineDocumentation", "Online user manual"};
  Label lblAboutZet{form, "lblAboutZet", "About ZET"};

  /// The parameters window ("ZET: Set parameters").
  frmParams paramsWindow;

 private:
  // Wiring (frmMain.cpp).
  void SetupFileControls();
  void SetupSourceControls();
  void SetupOutputControls();
  void SetupButtons();
  void SetupFonts();
  TextBox& txbFile(int index) { return index == 0 ? txbFile0 : txbFile1; }
  Button& cmdFile(int index) { return index == 0 ? cmdFile0 : cmdFile1; }

  // Start-up, the small handlers and links (frmMainStartup.cpp).
  [[nodiscard]] bool LoadProgramTexts();
  void PlaceWindow();
  void FillComboBoxes();
  void SetDefaultCommonWordsFile();
  void RestoreStartUpState();
  void optInFile_Click();
  void optInTextBox_Click();
  void cmdSetParameters_Click();
  void HelpKey_KeyUp(int keyCode);
  void cmdHelp_Click();
  void LaunchWebBrowser(const std::string& address);
  void lblAboutZet_Click();
  void lblOnlineDocumentation_Click();
  void cmdSaveState_Click();

  // The run (frmMainRun.cpp).
  void cmdListWords_Click();
  void RunCount();
  [[nodiscard]] bool CountSource();
  [[nodiscard]] bool ListPartialCount();
  void ShowResults();
  void BeginRun();
  void EndRun();
  void EnableControls(bool enabled);
  void GuardRun(const std::function<void()>& work);
  void ReportError(int number, std::string_view description);
  void ReportError(const RunTimeError& error) { ReportError(error.number, error.description); }
  void ShowWordCounts();
  void cmdClearOutput_Click();
  void SetOutputText(std::string_view text);
  void AppendOutputText(std::string_view text);

  // The output stage (frmMainOutput.cpp).
  void ListAgain();
  void OutputResults();
  void OutputResultsOnce();
  void WriteOutputFileNamed(const std::string& path, const ParameterSet& params);
  void ListInTextbox(const ParameterSet& params);
  [[nodiscard]] bool ListingGoesOn();

  // The file pass and the file names (frmMainFile.cpp).
  [[nodiscard]] bool CountWordsInFile();
  [[nodiscard]] bool ValidateInputForCount(const std::string& input);
  [[nodiscard]] bool RefusesSameFile(const std::string& input);
  [[nodiscard]] bool RefusesOutputFile();
  [[nodiscard]] bool CheckInputText(const std::string& input);
  [[nodiscard]] bool MarkersAccepted(const ParameterSet& params);
  void ReadInputFile(const std::string& input, const ScanSettings& settings);
  void ScanOpenFile(int fd, std::int64_t fileLength, const ScanSettings& settings);
  [[nodiscard]] ReadOutcome ScanOnEveryCore(int fd, std::uint64_t fileLength,
                                            const ScanSettings& settings,
                                            const LineProgress& showProgress);
  void ShowProgressBar();
  void RestoreProgressLabel();
  [[nodiscard]] bool CheckInputFile(const std::string& name);
  void cmdFile_Click(int index);
  void cmdClearFile_Click(int index);
  void txbFile_LostFocus(int index);

  // A corpus of files (frmMainCorpus.cpp).
  [[nodiscard]] bool CountWordsInCorpus();
  [[nodiscard]] bool AcceptsLargeInput(std::int64_t bytes, const std::string& input);
  void ShowCorpusNotes(const std::vector<std::string>& notes);

  // The clipboard (frmMainClipboard.cpp).
  [[nodiscard]] bool GetClipboardText(bool blnShowText);
  void ShowClipboardSize(std::int64_t characters);
  [[nodiscard]] bool CountWordsInClipboardText();
  void Label1_Click();
  void CopyOutputToClipboard();
  /// The clipboard's text differs from the text last read from it.
  [[nodiscard]] bool ClipboardChangedSinceCount() const;

  // The Unicode word model (frmMainUnicode.cpp). A count under it fills
  // unicode_ and leaves table_ and results_ empty.
  [[nodiscard]] bool StartUnicodeCount(const ParameterSet& params);
  void RunUnicodeResultsStages(const ParameterSet& params);
  /// The listing of the held count, under whichever model counted it.
  [[nodiscard]] ListingWriter HeldListing(const ListingPump& pump);
  [[nodiscard]] const ListTotals& HeldTotals() const;
  [[nodiscard]] std::size_t HeldWordCount() const;

  // The common words (frmMainCommonWords.cpp).
  [[nodiscard]] bool ReadCommonWords();
  [[nodiscard]] bool LoadCommonWords(const std::string& path, const WordRules& rules);
  void RefreshCommonWords(const ParameterSet& params);

  Platform& platform_;
  Catalogue catalogue_;
  std::unique_ptr<frmHelp> help_;

  // The words of the last pass and what the results stages made of them.
  WordTable table_;
  ListResults results_;
  // The common words in force, and the word rules they were cut with.
  std::shared_ptr<const WordSet> commonWords_;
  WordRules commonWordsRules_;
  // A loaded parameter file named another common-words file: it is read
  // before the next listing, so the old file's words are not applied under
  // the new name.
  bool blnCommonWordsPending_ = false;
  // The last count under the Unicode word model; its table is null when the
  // held words are the default model's.
  UnicodeCounted unicode_;
  // The unknown collation locale already warned about (the root collation
  // is used in its place).
  std::string strLocaleWarned_;
  // The encoding the input file's check decided on, for the count after it.
  Encoding inputEncoding_ = Encoding::Utf8;

  // The corpus that is the source (empty: the input file is), its bytes,
  // and what was said of it before its count.
  std::vector<std::string> corpusFiles_;
  std::int64_t corpusBytes_ = 0;
  std::vector<std::string> corpusNotes_;

  std::string strUserSettingsFile_;
  std::string strClipboardText_;  // Windows-1252
  std::string strClipboardUtf8_;  // the same text as the clipboard gave it
  int intSavedSuppressWords_ = 0;

  bool blnStopRequested_ = false;
  bool blnListShown_ = false;
  bool blnCountIncomplete_ = false;
  bool blnQuitting_ = false;
  bool blnOutputFileWritten_ = false;
  bool blnRunning_ = false;        // a run holds the controls
  bool blnPassFailed_ = false;     // the last pass could not read its source to the end
  bool blnOutputRunning_ = false;  // an output stage is listing
  bool blnRelistPending_ = false;  // the order or format changed during that listing
};

}  // namespace zet
