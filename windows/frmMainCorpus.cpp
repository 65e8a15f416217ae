// Several files dropped together, counted as one text.

#include "engine/CountFiles.h"
#include "engine/FileProc.h"
#include "engine/FileTexts.h"
#include "params/ListingParams.h"
#include "params/ScanSnapshot.h"
#include "windows/MainProcs.h"
#include "windows/MainTexts.h"
#include "windows/WinScanObserver.h"
#include "windows/frmMain.h"

namespace zet {
namespace {

constexpr std::string_view kCorpusTitle = "Several files";
constexpr std::string_view kUnicodeCorpusRefused =
    "Several files are counted as one text with the default word model only.\r\n\r\n"
    "Untick 'Unicode letters (all scripts)' in the parameters window to count them, or "
    "count one file at a time.";
// A box lists this many notes at most; the rest are counted.
constexpr std::size_t kNotesShown = 15;

// "Corpus:   3 files    12,345 bytes    12.06 KB", where the file size is
// shown for one file.
std::string CorpusSizeText(std::size_t files, std::int64_t bytes) {
  constexpr std::string_view kFileSize = "Filesize:   ";
  std::string size = FileSizeText(bytes);
  if (size.starts_with(kFileSize)) size.erase(0, kFileSize.size());
  return "Corpus:   " + std::to_string(files) + (files == 1 ? " file    " : " files    ") + size;
}

// Keeps what a corpus count says, and shows its progress on the window.
class CorpusNotes final : public CountReport {
 public:
  explicit CorpusNotes(std::function<void(std::uint64_t, std::uint64_t)> progress = {})
      : progress_(std::move(progress)) {}
  void Say(std::string_view message) override { notes.emplace_back(message); }
  void Progress(std::uint64_t done, std::uint64_t total) override {
    if (progress_) progress_(done, total);
  }

  std::vector<std::string> notes;

 private:
  std::function<void(std::uint64_t, std::uint64_t)> progress_;
};

}  // namespace

void frmMain::CountCorpus(const std::vector<std::string>& paths) {
  CorpusNotes listing;
  std::uint64_t skipped = 0;
  // Going on past what cannot be read never gives up on the whole list.
  std::vector<std::string> files =
      zet::CorpusFiles(paths, true, true, txbFile1.Text(), skipped, listing)
          .value_or(std::vector<std::string>{});
  if (files.empty()) {
    listing.notes.insert(listing.notes.begin(), "There is no file to count in what was dropped.");
    ShowCorpusNotes(listing.notes);
    return;
  }
  corpusFiles_ = std::move(files);
  corpusNotes_ = std::move(listing.notes);
  corpusBytes_ = 0;
  for (const std::string& file : corpusFiles_)
    corpusBytes_ += std::max<std::int64_t>(FileLength(file), 0);
  txbFile0.SetText("");
  lblFilesize.SetCaption(CorpusSizeText(corpusFiles_.size(), corpusBytes_));
  blnWordsGot = false;
  if (!optInFile.Value()) optInFile.SetValue(true);
  GuardRun([this] { RunCount(); });
}

FilesRead frmMain::FilesCounted() const {
  FilesRead read = FilesRead::Of(CurrentParameters());
  for (const std::string& file : corpusFiles_) read.Add(file, "input file");
  return read;
}

bool frmMain::CountWordsInCorpus() {
  if (paramsWindow.chkUnicodeLetters.Checked()) {
    platform_.messageBoxes.Show(std::string(kUnicodeCorpusRefused), kCorpusTitle,
                                MessageIcon::kExclamation, MessageButtons::kOk);
    return false;
  }
  if (!AcceptsLargeInput(corpusBytes_, "") || RefusesOutputFile()) return false;
  const ParameterSet params = CurrentParameters();
  // Checked once here rather than refused for every text file of the corpus.
  if (params.IsChecked(ParamId::chkAllowCommentMarkers) && !MarkersAccepted(params)) return false;
  strClipboardText_.clear();
  cmdClearOutput_Click();
  lblSizeOfClipboardContents.SetCaption("");
  intSavedSuppressWords_ = chkSuppressWords.Value();
  table_.Clear();
  unicode_ = {};  // the list to come is this count's, not an earlier Unicode one
  blnIsCodeFile = false;
  blnStopRequested_ = false;
  BeginRun();
  const bool showProgress = corpusBytes_ > kProgressBarThreshold;
  if (showProgress) ShowProgressBar();
  WinScanObserver observer(txbOutput, lblNumberOfWords, chkSuppressWords, &platform_.eventPump,
                           blnStopRequested_, &intSavedSuppressWords_);
  CorpusNotes notes(
      [this, showProgress, shown = -1](std::uint64_t done, std::uint64_t total) mutable {
        const int position = ProgressPosition(done, total);
        if (!showProgress || position == shown) return;
        shown = position;
        lblTotalNumOccurrences.SetCaption(ProgressBarCaption(position));
        lblTotalNumOccurrences.Repaint();
      });
  notes.notes = std::move(corpusNotes_);
  const CountInputRequest request{.params = params,
                                  .outputFile = txbFile1.Text(),
                                  .reportProgress = true,
                                  .observer = &observer};
  CorpusCount count;
  // Going on past a file that cannot be counted: one picture in a folder of
  // texts must not cost the whole count.
  if (!zet::CountCorpus(request, corpusFiles_, true, false, table_, count, notes))
    blnPassFailed_ = true;
  RestoreProgressLabel();
  chkSuppressWords.SetValue(intSavedSuppressWords_);
  lblTwirler.SetCaption(" ");
  if (count.filesSkipped > 0)
    lblFilesize.SetCaption(CorpusSizeText(corpusFiles_.size(), corpusBytes_) + "    (" +
                           std::to_string(count.filesSkipped) + " skipped)");
  ShowCorpusNotes(notes.notes);
  return true;
}

void frmMain::ShowCorpusNotes(const std::vector<std::string>& notes) {
  if (notes.empty() || blnQuitting_) return;
  std::string text = "Some files were not counted as they are, or not at all:\r\n";
  for (std::size_t k = 0; k < notes.size() && k < kNotesShown; ++k) text += "\r\n" + notes[k];
  if (notes.size() > kNotesShown)
    text += "\r\n... and " + std::to_string(notes.size() - kNotesShown) + " more.";
  platform_.messageBoxes.Show(text, kCorpusTitle, MessageIcon::kExclamation, MessageButtons::kOk);
}

}  // namespace zet
