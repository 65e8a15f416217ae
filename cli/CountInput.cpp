#include "cli/CountInput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>

#include "cli/ProgressBar.h"
#include "engine/FdCloser.h"
#include "engine/FileProc.h"
#include "engine/FileTexts.h"
#include "engine/InputFile.h"
#include "engine/RunTimeError.h"
#include "params/ScanSnapshot.h"
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

// Serves bytes already read, then the rest of another source.
class ChainSource final : public ByteSource {
 public:
  ChainSource(std::string head, ByteSource& rest) : head_(std::move(head)), rest_(rest) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    if (offset_ < head_.size()) {
      const std::size_t n = std::min(size, head_.size() - offset_);
      std::memcpy(buffer, head_.data() + offset_, n);
      offset_ += n;
      return static_cast<std::ptrdiff_t>(n);
    }
    return rest_.Read(buffer, size);
  }
  [[nodiscard]] int ErrorNumber() const override { return rest_.ErrorNumber(); }

 private:
  std::string head_;
  std::size_t offset_ = 0;
  ByteSource& rest_;
};

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

bool Scan(ByteSource& source, const CountInputRequest& request, MarkerChoice choice,
          std::uint64_t size, WordTable& table, std::ostream& err) {
  QuietObserver quiet;
  Scanner scanner(ScanSettingsFor(request.params, choice), table, quiet);
  ProgressBar bar(err, size, request.showProgress && size > kProgressThreshold);
  const ReadOutcome outcome =
      ScanLines(source, scanner, [&](std::uint64_t done) { bar.Update(done); });
  bar.Clear();
  if (outcome.failed) FailErrno(err, outcome.errorNumber);
  return !outcome.failed;
}

// Standard input, a pipe or a device: checked on its first bytes.
bool CountStream(ByteSource& source, const CountInputRequest& request, WordTable& table,
                 std::ostream& err) {
  std::string head(kTextCheckSample, '\0');
  std::size_t got = 0;
  while (got < head.size()) {
    const std::ptrdiff_t n = source.Read(head.data() + got, head.size() - got);
    if (n < 0) {
      FailErrno(err, source.ErrorNumber());
      return false;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  head.resize(got);
  if (!AcceptText(CheckTextBytes(head), err)) return false;
  const MarkerChoice choice = ChooseMarkersForExtension(
      request.typeExtension.empty() ? "txt" : request.typeExtension,
      request.params.IsChecked(ParamId::chkAllowCommentMarkers));
  if (!ChooseMarkers(request.params, choice, err)) return false;
  ChainSource chain(std::move(head), source);
  return Scan(chain, request, choice, 0, table, err);
}

bool CountFile(const CountInputRequest& request, WordTable& table, std::ostream& err) {
  const std::string& path = request.inputFile;
  const Outcome<InputFacts> checked = CheckInputFile(path, request.outputFile, true);
  if (!checked) {
    Fail(err, checked.problem().message);
    return false;
  }
  if (checked.value().regular) {
    const Outcome<TextCheck> text = CheckInputText(path);
    if (!text) {
      Fail(err, text.problem().message);
      return false;
    }
    if (!AcceptText(text.value(), err)) return false;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    FailErrno(err, errno);
    return false;
  }
  const FdCloser closer(fd);
  FdByteSource source(fd);
  if (!checked.value().regular)
    return CountStream(source, request, table, err);  // a pipe or a device
  const MarkerChoice choice = ChooseMarkersForExtension(
      request.typeExtension.empty() ? GetFileExtension(path, true) : request.typeExtension,
      request.params.IsChecked(ParamId::chkAllowCommentMarkers));
  return ChooseMarkers(request.params, choice, err) &&
         Scan(source, request, choice, static_cast<std::uint64_t>(checked.value().size), table,
              err);
}

}  // namespace

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
