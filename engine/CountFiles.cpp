#include "engine/CountFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "engine/FdCloser.h"
#include "engine/FileProc.h"
#include "engine/FileTexts.h"
#include "engine/InputFile.h"
#include "params/RunTimeError.h"
#include "params/ScanSnapshot.h"
#include "scanner/Encoding.h"
#include "scanner/ParallelScan.h"
#include "scanner/Scanner.h"
#include "scanner/SourceReader.h"

namespace zet {
namespace {

// Messages have LF line breaks, whatever the text they were made from.
void Fail(CountReport& report, std::string_view message) {
  std::string text;
  for (char c : message)
    if (c != '\r') text += c;
  report.Say(text);
}

// A stream reports no error number of its own: its failures are I/O errors.
std::string ErrnoText(int errnum) {
  const RunTimeError e = RunTimeErrorFromErrno(errnum != 0 ? errnum : EIO);
  return "Error " + std::to_string(e.number) + ": " + e.description;
}

void FailErrno(CountReport& report, int errnum) { Fail(report, ErrnoText(errnum)); }

// Keeps one file's messages, to be said with its name once it is counted;
// its progress goes on at once.
class FileMessages final : public CountReport {
 public:
  explicit FileMessages(CountReport& corpus) : corpus_(corpus) {}
  void Say(std::string_view message) override {
    text_ += message;
    text_ += '\n';
  }
  void Progress(std::uint64_t done, std::uint64_t total) override { corpus_.Progress(done, total); }
  [[nodiscard]] const std::string& Text() const noexcept { return text_; }

 private:
  CountReport& corpus_;
  std::string text_;
};

// Refuses what is not text; warns of CR-only line endings (LF is this
// system's own ending, so it gets no warning).
bool AcceptText(TextCheck check, CountReport& report) {
  if (check == TextCheck::NotText) {
    Fail(report, texts::kNotTextFile);
    return false;
  }
  if (check == TextCheck::MacLineEndings)
    Fail(report, std::string("warning: ") + std::string(texts::kLineEndingsPrefix) +
                     std::string(texts::kMacintoshLineEndings));
  return true;
}

bool ChooseMarkers(const ParameterSet& params, MarkerChoice choice, CountReport& report) {
  if (choice != MarkerChoice::User) return true;
  const MarkerValidation v = ValidateUserMarkers(params);
  if (!v.ok()) Fail(report, v.message);
  return v.ok();
}

// Where a scan shows its progress: over its own `size` bytes, or in a
// corpus of `total` bytes, from the bytes of the files before it.
struct Progress {
  bool inCorpus = false;
  std::uint64_t before = 0;
  std::uint64_t total = 0;
};

// Reports how a read ended; true when it went to the end.
bool ReadEnded(const ReadOutcome& outcome, CountReport& report) {
  if (outcome.firstInvalidUtf8)
    Fail(report, "warning: the input is not UTF-8 from byte " +
                     std::to_string(*outcome.firstInvalidUtf8) +
                     " on; such bytes were read as Windows-1252");
  if (outcome.failed) FailErrno(report, outcome.errorNumber);
  return !outcome.failed;
}

// How far a file got: refused before any of its words were counted, failed
// while they were being counted, or stopped by the observer.
enum class FileCount : std::uint8_t { Counted, Refused, ReadFailed, Stopped };

// A fresh Scanner for each source, so that no comment stays open from the
// one before.
FileCount Scan(ByteSource& source, const CountInputRequest& request, MarkerChoice choice,
               Encoding encoding, std::uint64_t size, WordTable& table, CountReport& report,
               Progress progress = {}) {
  QuietObserver quiet;
  Scanner scanner(ScanSettingsFor(request.params, choice), table,
                  request.observer != nullptr ? *request.observer : quiet);
  const std::uint64_t total = progress.inCorpus ? progress.total : size;
  // A small file of a corpus reads into a buffer its own size (it grows
  // for a longer line): mapping and touching the full one for each of
  // thousands of files cost more than their words.
  const std::size_t capacity = progress.inCorpus && size > 0 && size < LineReader::kDefaultCapacity
                                   ? std::max<std::size_t>(static_cast<std::size_t>(size) + 1, 4096)
                                   : LineReader::kDefaultCapacity;
  const ReadOutcome outcome = ScanLines(
      source, scanner, encoding,
      [&](std::uint64_t done) { report.Progress(progress.before + done, total); }, capacity);
  if (!progress.inCorpus) report.EndProgress();
  if (!ReadEnded(outcome, report)) return FileCount::ReadFailed;
  return scanner.StopRequested() ? FileCount::Stopped : FileCount::Counted;
}

// A regular file, on as many threads as asked for.
FileCount ScanFile(int fd, const CountInputRequest& request, MarkerChoice choice, Encoding encoding,
                   std::uint64_t size, WordTable& table, CountReport& report) {
  const unsigned jobs = request.jobs == 0 ? DefaultJobs() : request.jobs;
  const ReadOutcome outcome =
      ScanFileParallel(fd, size, ScanSettingsFor(request.params, choice), encoding, jobs, table,
                       [&](std::uint64_t done) { report.Progress(done, size); });
  report.EndProgress();
  return ReadEnded(outcome, report) ? FileCount::Counted : FileCount::ReadFailed;
}

// Standard input, a pipe or a device: its encoding is decided on its first
// MiB and its text checked on its first bytes.
FileCount CountStream(ByteSource& source, const CountInputRequest& request, WordTable& table,
                      CountReport& report, Progress progress = {}) {
  SourceHead head(source);
  if (head.Failed()) {
    FailErrno(report, source.ErrorNumber());
    return FileCount::ReadFailed;
  }
  const Encoding encoding = request.encoding == Encoding::Auto ? head.Decide() : request.encoding;
  const std::string_view sample = head.Bytes().substr(0, kTextCheckSample);
  if (!AcceptText(LineEndingsOf(CheckDecodedText(sample, encoding), sample.empty()), report))
    return FileCount::ReadFailed;
  const MarkerChoice choice =
      ChooseMarkersForExtension(request.typeExtension.empty() ? "txt" : request.typeExtension,
                                request.params.IsChecked(ParamId::chkAllowCommentMarkers));
  if (!ChooseMarkers(request.params, choice, report)) return FileCount::ReadFailed;
  return Scan(head, request, choice, encoding, 0, table, report, progress);
}

// Every message a file's count said, as lines that name the file.
void Relay(const std::string& messages, const std::string& path, std::string_view prefix,
           CountReport& report) {
  std::istringstream lines(messages);
  std::string line;
  while (std::getline(lines, line)) {
    std::string text = std::string(prefix) + line;
    if (line.find(path) == std::string::npos) text += " (" + path + ")";
    report.Say(text);
  }
}

FileCount CountOneFile(const CountInputRequest& request, WordTable& table, CountReport& report,
                       Progress progress) {
  const std::string& path = request.inputFile;
  const Outcome<InputFacts> checked = CheckInputFile(path, request.outputFile, true);
  // A refusal names the file: a script's log may hold many runs.
  if (!checked) {
    Relay(checked.problem().message, path, "", report);
    return FileCount::Refused;
  }
  InputText text;
  int fd = -1;
  if (checked.value().regular) {
    const Outcome<InputText> checkedText = CheckInputText(path, request.encoding, fd, request.jobs);
    if (!checkedText) {
      Relay(checkedText.problem().message, path, "", report);
      return FileCount::Refused;
    }
    text = checkedText.value();
  } else {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      Relay(ErrnoText(errno), path, "", report);
      return FileCount::Refused;
    }
  }
  const FdCloser closer(fd);
  if (checked.value().regular && !AcceptText(text.check, report)) return FileCount::Refused;
  FdByteSource source(fd);
  if (!checked.value().regular)
    return CountStream(source, request, table, report, progress);  // a pipe or a device
  const MarkerChoice choice = ChooseMarkersForExtension(
      request.typeExtension.empty() ? GetFileExtension(path, true) : request.typeExtension,
      request.params.IsChecked(ParamId::chkAllowCommentMarkers));
  if (!ChooseMarkers(request.params, choice, report)) return FileCount::Refused;
  const auto size = static_cast<std::uint64_t>(checked.value().size);
  // One file on its own is counted on every core; a corpus's files one
  // after the other.
  // (Spellings are gathered by an observer of one scanner: one thread then.)
  return !progress.inCorpus && request.observer == nullptr
             ? ScanFile(fd, request, choice, text.encoding, size, table, report)
             : Scan(source, request, choice, text.encoding, size, table, report, progress);
}

// The byte size of a file, 0 for what cannot be looked at (its count will
// say why).
std::uint64_t SizeOf(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  return error ? 0 : static_cast<std::uint64_t>(size);
}

}  // namespace

std::optional<std::vector<std::string>> CorpusFiles(const std::vector<std::string>& arguments,
                                                    bool recursive, bool keepGoing,
                                                    const std::string& outputFile,
                                                    std::uint64_t& skipped, CountReport& report) {
  namespace fs = std::filesystem;
  // The output file of an earlier run may lie in the folder: it is not
  // part of the corpus (named on its own, it is refused as always). Only a
  // file of its name is looked at, saving two stats a file; a link to it
  // under another name is refused when it is counted, as a file named is.
  const fs::path outputName = fs::path(outputFile).filename();
  const auto isOutput = [&](const fs::path& path) {
    std::error_code error;
    return !outputFile.empty() && path.filename() == outputName &&
           fs::equivalent(path, outputFile, error);
  };
  std::vector<std::string> files;
  for (const std::string& argument : arguments) {
    std::error_code error;
    if (!recursive || !fs::is_directory(argument, error)) {
      files.push_back(argument);
      continue;
    }
    std::vector<std::string> below;
    fs::recursive_directory_iterator it(argument, error), end;
    for (; !error && it != end; it.increment(error)) {
      std::error_code typeError;
      if (it->is_regular_file(typeError) && !isOutput(it->path()))
        below.push_back(it->path().string());
    }
    if (error) {
      const std::string message = ErrnoText(error.value());
      if (!keepGoing) {
        Relay(message, argument, "", report);
        return std::nullopt;
      }
      Relay(message, argument, "warning: skipped a folder that cannot be read: ", report);
      ++skipped;
    }
    std::sort(below.begin(), below.end());
    files.insert(files.end(), below.begin(), below.end());
  }
  return files;
}

bool CountCorpus(const CountInputRequest& request, const std::vector<std::string>& files,
                 bool keepGoing, bool countRanges, WordTable& table, CorpusCount& count,
                 CountReport& report) {
  // The sizes are only needed for the progress: a stat per file is a tenth
  // of the cost of counting a small one.
  std::vector<std::uint64_t> sizes(files.size());
  if (request.reportProgress)
    for (std::size_t k = 0; k < files.size(); ++k) sizes[k] = SizeOf(files[k]);
  std::uint64_t total = 0;
  for (const std::uint64_t size : sizes) total += size;
  WordTable fileTable;
  if (countRanges) table.TrackFiles();
  std::uint64_t before = 0;
  for (std::size_t k = 0; k < files.size(); ++k) {
    const std::string& path = files[k];
    CountInputRequest one = request;
    one.inputFile = path;
    FileMessages messages(report);
    if (countRanges) fileTable.ClearToReuse();
    const FileCount counted =
        CountOneFile(one, countRanges ? fileTable : table, messages, {true, before, total});
    before += sizes[k];
    if (counted == FileCount::Counted || counted == FileCount::Stopped) {
      Relay(messages.Text(), path, "", report);
      if (countRanges) table.MergeFileFrom(fileTable, k);
      ++count.filesCounted;
      if (counted == FileCount::Counted) continue;
      count.stopped = true;
      break;
    }
    // A file that failed half-way has put some of its words into the table
    // already: skipping it would leave a count that matches no set of files.
    if (keepGoing && (counted == FileCount::Refused || countRanges)) {
      Relay(messages.Text(), path, "warning: skipped: ", report);
      ++count.filesSkipped;
      continue;
    }
    Relay(messages.Text(), path, "", report);
    report.EndProgress();
    return false;
  }
  report.EndProgress();
  if (countRanges) {
    count.ranges.resize(table.size());
    for (std::size_t i = 0; i < table.size(); ++i) count.ranges[i] = table.FilesOf(i);
  }
  return true;
}

bool CountInput(const CountInputRequest& request, std::istream& in, WordTable& table,
                CountReport& report) {
  if (!request.inputFile.empty())
    return CountOneFile(request, table, report, {}) == FileCount::Counted;
  if (request.stdinFd >= 0) {
    FdByteSource source(request.stdinFd);
    return CountStream(source, request, table, report) == FileCount::Counted;
  }
  StreamByteSource source(in);
  return CountStream(source, request, table, report) == FileCount::Counted;
}

}  // namespace zet
