#include "cli/CountInput.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <sstream>

#include "cli/ProgressBar.h"
#include "engine/FdCloser.h"
#include "engine/FileProc.h"
#include "engine/FileTexts.h"
#include "engine/InputFile.h"
#include "engine/RunTimeError.h"
#include "params/ScanSnapshot.h"
#include "scanner/Encoding.h"
#include "scanner/ParallelScan.h"
#include "scanner/Scanner.h"
#include "scanner/SourceReader.h"

namespace zet {
namespace {

// Inputs larger than this get a progress bar on a terminal.
constexpr std::uint64_t kProgressThreshold = std::uint64_t{4} << 20;

void Fail(std::ostream& err, std::string_view message) {
  err << "zet-count: ";
  for (char c : message)
    if (c != '\r') err << c;
  err << '\n';
}

// A stream reports no error number of its own: its failures are I/O errors.
void FailErrno(std::ostream& err, int errnum) {
  const RunTimeError e = RunTimeErrorFromErrno(errnum != 0 ? errnum : EIO);
  Fail(err, "Error " + std::to_string(e.number) + ": " + e.description);
}

// Refuses what is not text; warns of CR-only line endings (LF is this
// system's own ending, so it gets no warning).
bool AcceptText(TextCheck check, std::ostream& err) {
  if (check == TextCheck::NotText) {
    Fail(err, texts::kNotTextFile);
    return false;
  }
  if (check == TextCheck::MacLineEndings)
    Fail(err, std::string("warning: ") + std::string(texts::kLineEndingsPrefix) +
                  std::string(texts::kMacintoshLineEndings));
  return true;
}

bool ChooseMarkers(const ParameterSet& params, MarkerChoice choice, std::ostream& err) {
  if (choice != MarkerChoice::User) return true;
  const MarkerValidation v = ValidateUserMarkers(params);
  if (!v.ok()) Fail(err, v.message);
  return v.ok();
}

// Where a scan shows its progress: its own bar over `size` bytes, or the
// corpus's bar, from the bytes of the files before it.
struct Progress {
  ProgressBar* corpusBar = nullptr;
  std::uint64_t before = 0;
};

// Reports how a read ended; true when it went to the end.
bool ReadEnded(const ReadOutcome& outcome, std::ostream& err) {
  if (outcome.firstInvalidUtf8)
    Fail(err, "warning: the input is not UTF-8 from byte " +
                  std::to_string(*outcome.firstInvalidUtf8) +
                  " on; such bytes were read as Windows-1252");
  if (outcome.failed) FailErrno(err, outcome.errorNumber);
  return !outcome.failed;
}

// A fresh Scanner for each source, so that no comment stays open from the
// one before.
bool Scan(ByteSource& source, const CountInputRequest& request, MarkerChoice choice,
          Encoding encoding, std::uint64_t size, WordTable& table, std::ostream& err,
          Progress progress = {}) {
  QuietObserver quiet;
  Scanner scanner(ScanSettingsFor(request.params, choice), table,
                  request.observer != nullptr ? *request.observer : quiet);
  ProgressBar ownBar(err, size, !progress.corpusBar && request.showProgress && size > kProgressThreshold);
  ProgressBar& bar = progress.corpusBar ? *progress.corpusBar : ownBar;
  // A small file of a corpus reads into a buffer its own size (it grows
  // for a longer line): mapping and touching the full one for each of
  // thousands of files cost more than their words.
  const std::size_t capacity =
      progress.corpusBar && size > 0 && size < LineReader::kDefaultCapacity
          ? std::max<std::size_t>(static_cast<std::size_t>(size) + 1, 4096)
          : LineReader::kDefaultCapacity;
  const ReadOutcome outcome = ScanLines(
      source, scanner, encoding, [&](std::uint64_t done) { bar.Update(progress.before + done); },
      capacity);
  if (!progress.corpusBar || outcome.firstInvalidUtf8 || outcome.failed) bar.Clear();
  return ReadEnded(outcome, err);
}

// A regular file, on as many threads as asked for.
bool ScanFile(int fd, const CountInputRequest& request, MarkerChoice choice, Encoding encoding,
              std::uint64_t size, WordTable& table, std::ostream& err) {
  ProgressBar bar(err, size, request.showProgress && size > kProgressThreshold);
  const unsigned jobs = request.jobs == 0 ? DefaultJobs() : request.jobs;
  const ReadOutcome outcome =
      ScanFileParallel(fd, size, ScanSettingsFor(request.params, choice), encoding, jobs, table,
                       [&](std::uint64_t done) { bar.Update(done); });
  bar.Clear();
  return ReadEnded(outcome, err);
}

// Standard input, a pipe or a device: its encoding is decided on its first
// MiB and its text checked on its first bytes.
bool CountStream(ByteSource& source, const CountInputRequest& request, WordTable& table,
                 std::ostream& err, Progress progress = {}) {
  SourceHead head(source);
  if (head.Failed()) {
    FailErrno(err, source.ErrorNumber());
    return false;
  }
  const Encoding encoding = request.encoding == Encoding::Auto ? head.Decide() : request.encoding;
  const std::string_view sample = head.Bytes().substr(0, kTextCheckSample);
  if (!AcceptText(LineEndingsOf(CheckDecodedText(sample, encoding), sample.empty()), err))
    return false;
  const MarkerChoice choice = ChooseMarkersForExtension(
      request.typeExtension.empty() ? "txt" : request.typeExtension,
      request.params.IsChecked(ParamId::chkAllowCommentMarkers));
  if (!ChooseMarkers(request.params, choice, err)) return false;
  return Scan(head, request, choice, encoding, 0, table, err, progress);
}

// How far a file got: refused before any of its words were counted, or
// failed while they were being counted.
enum class FileCount : std::uint8_t { Counted, Refused, ReadFailed };

FileCount CountOneFile(const CountInputRequest& request, WordTable& table, std::ostream& err,
                       Progress progress);

bool CountFile(const CountInputRequest& request, WordTable& table, std::ostream& err) {
  return CountOneFile(request, table, err, {}) == FileCount::Counted;
}

FileCount CountOneFile(const CountInputRequest& request, WordTable& table, std::ostream& err,
                       Progress progress) {
  const std::string& path = request.inputFile;
  const Outcome<InputFacts> checked = CheckInputFile(path, request.outputFile, true);
  if (!checked) {
    Fail(err, checked.problem().message);
    return FileCount::Refused;
  }
  InputText text;
  int fd = -1;
  if (checked.value().regular) {
    const Outcome<InputText> checkedText = CheckInputText(path, request.encoding, fd);
    if (!checkedText) {
      Fail(err, checkedText.problem().message);
      return FileCount::Refused;
    }
    text = checkedText.value();
  } else {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      FailErrno(err, errno);
      return FileCount::Refused;
    }
  }
  const FdCloser closer(fd);
  if (checked.value().regular && !AcceptText(text.check, err)) return FileCount::Refused;
  FdByteSource source(fd);
  if (!checked.value().regular)
    return CountStream(source, request, table, err, progress)  // a pipe or a device
               ? FileCount::Counted
               : FileCount::ReadFailed;
  const MarkerChoice choice = ChooseMarkersForExtension(
      request.typeExtension.empty() ? GetFileExtension(path, true) : request.typeExtension,
      request.params.IsChecked(ParamId::chkAllowCommentMarkers));
  if (!ChooseMarkers(request.params, choice, err)) return FileCount::Refused;
  const auto size = static_cast<std::uint64_t>(checked.value().size);
  // One file on its own is counted on every core; a corpus's files one
  // after the other.
  // (Spellings are gathered by an observer of one scanner: one thread then.)
  const bool counted = progress.corpusBar == nullptr && request.observer == nullptr
                           ? ScanFile(fd, request, choice, text.encoding, size, table, err)
                           : Scan(source, request, choice, text.encoding, size, table, err, progress);
  return counted ? FileCount::Counted : FileCount::ReadFailed;
}

// Every message a file's count wrote, as lines that name the file.
void Relay(const std::string& messages, const std::string& path, std::string_view prefix,
           std::ostream& err) {
  std::istringstream lines(messages);
  std::string line;
  while (std::getline(lines, line)) {
    constexpr std::string_view kProgram = "zet-count: ";
    std::string_view text(line);
    if (text.starts_with(kProgram)) text.remove_prefix(kProgram.size());
    err << kProgram << prefix << text;
    if (text.find(path) == std::string_view::npos) err << " (" << path << ")";
    err << '\n';
  }
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
                                                    std::uint64_t& skipped, std::ostream& err) {
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
      const RunTimeError e = RunTimeErrorFromErrno(error.value());
      const std::string message = "Error " + std::to_string(e.number) + ": " + e.description;
      if (!keepGoing) {
        Relay(message, argument, "", err);
        return std::nullopt;
      }
      Relay(message, argument, "warning: skipped a folder that cannot be read: ", err);
      ++skipped;
    }
    std::sort(below.begin(), below.end());
    files.insert(files.end(), below.begin(), below.end());
  }
  return files;
}

bool CountCorpus(const CountInputRequest& request, const std::vector<std::string>& files,
                 bool keepGoing, bool countRanges, WordTable& table, CorpusCount& count,
                 std::ostream& err) {
  // The sizes are only needed for the bar: a stat per file is a tenth of
  // the cost of counting a small one.
  std::vector<std::uint64_t> sizes(files.size());
  if (request.showProgress)
    for (std::size_t k = 0; k < files.size(); ++k) sizes[k] = SizeOf(files[k]);
  std::uint64_t total = 0;
  for (const std::uint64_t size : sizes) total += size;
  ProgressBar bar(err, total, request.showProgress && total > kProgressThreshold);
  WordTable fileTable;
  if (countRanges) table.TrackFiles();
  std::uint64_t before = 0;
  for (std::size_t k = 0; k < files.size(); ++k) {
    const std::string& path = files[k];
    CountInputRequest one = request;
    one.inputFile = path;
    std::ostringstream messages;
    if (countRanges) fileTable.ClearToReuse();
    const FileCount counted =
        CountOneFile(one, countRanges ? fileTable : table, messages, {&bar, before});
    before += sizes[k];
    if (!messages.str().empty()) bar.Clear();
    if (counted == FileCount::Counted) {
      Relay(messages.str(), path, "", err);
      if (countRanges) table.MergeFileFrom(fileTable, k);
      ++count.filesCounted;
      continue;
    }
    // A file that failed half-way has put some of its words into the table
    // already: skipping it would leave a count that matches no set of files.
    if (keepGoing && (counted == FileCount::Refused || countRanges)) {
      Relay(messages.str(), path, "warning: skipped: ", err);
      ++count.filesSkipped;
      continue;
    }
    Relay(messages.str(), path, "", err);
    return false;
  }
  bar.Clear();
  if (countRanges) {
    count.ranges.resize(table.size());
    for (std::size_t i = 0; i < table.size(); ++i) count.ranges[i] = table.FilesOf(i);
  }
  return true;
}

bool CountInput(const CountInputRequest& request, std::istream& in, WordTable& table,
                std::ostream& err) {
  if (!request.inputFile.empty()) return CountFile(request, table, err);
  if (request.stdinFd >= 0) {
    FdByteSource source(request.stdinFd);
    return CountStream(source, request, table, err);
  }
  StreamByteSource source(in);
  return CountStream(source, request, table, err);
}

}  // namespace zet
