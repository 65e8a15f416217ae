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
#include "scanner/Encoding.h"
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

bool Scan(ByteSource& source, const CountInputRequest& request, MarkerChoice choice,
          Encoding encoding, std::uint64_t size, WordTable& table, std::ostream& err) {
  QuietObserver quiet;
  Scanner scanner(ScanSettingsFor(request.params, choice), table,
                  request.observer != nullptr ? *request.observer : quiet);
  ProgressBar bar(err, size, request.showProgress && size > kProgressThreshold);
  const ReadOutcome outcome =
      ScanLines(source, scanner, encoding, [&](std::uint64_t done) { bar.Update(done); });
  bar.Clear();
  if (outcome.firstInvalidUtf8)
    Fail(err, "warning: the input is not UTF-8 from byte " +
                  std::to_string(*outcome.firstInvalidUtf8) +
                  " on; such bytes were read as Windows-1252");
  if (outcome.failed) FailErrno(err, outcome.errorNumber);
  return !outcome.failed;
}

// Standard input, a pipe or a device: its encoding is decided on its first
// MiB and its text checked on its first bytes.
bool CountStream(ByteSource& source, const CountInputRequest& request, WordTable& table,
                 std::ostream& err) {
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
  return Scan(head, request, choice, encoding, 0, table, err);
}

bool CountFile(const CountInputRequest& request, WordTable& table, std::ostream& err) {
  const std::string& path = request.inputFile;
  const Outcome<InputFacts> checked = CheckInputFile(path, request.outputFile, true);
  if (!checked) {
    Fail(err, checked.problem().message);
    return false;
  }
  InputText text;
  if (checked.value().regular) {
    const Outcome<InputText> checkedText = CheckInputText(path, request.encoding);
    if (!checkedText) {
      Fail(err, checkedText.problem().message);
      return false;
    }
    text = checkedText.value();
    if (!AcceptText(text.check, err)) return false;
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
         Scan(source, request, choice, text.encoding,
              static_cast<std::uint64_t>(checked.value().size), table, err);
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
