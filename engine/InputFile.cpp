#include "engine/InputFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/FdCloser.h"
#include "engine/FileTexts.h"

namespace zet {
namespace {

Problem InputProblem(ProblemKind kind, std::string_view message, std::string_view title,
                     const std::string& path) {
  return {kind, std::string(message), std::string(title), path, {}};
}

Problem ReadProblem(const std::string& path, int errnum) {
  Problem problem = InputProblem(ProblemKind::CannotRead, "", texts::kTitleError, path);
  problem.error = RunTimeErrorFromErrno(errnum != 0 ? errnum : EIO);
  problem.message = ErrorText(problem.error);
  return problem;
}

}  // namespace

Problem OutputSameAsInputProblem(const std::string& output) {
  return InputProblem(ProblemKind::SameFile, texts::kOutputSameAsInput, texts::kTitleError, output);
}

Outcome<InputFacts> CheckInputFile(const std::string& path, const std::string& output,
                                   bool allowStreams) {
  if (path.empty())
    return InputProblem(ProblemKind::InputNotSpecified, texts::kInputFileNotSpecified,
                        texts::kTitleError, path);
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR)
      return InputProblem(ProblemKind::InputMissing, texts::kInputFileDoesNotExist,
                          texts::kTitleFileNotFound, path);
    return ReadProblem(path, errno);
  }
  if (S_ISDIR(st.st_mode))
    return InputProblem(ProblemKind::InputIsFolder, texts::kInputIsFolder,
                        texts::kTitleInvalidInput, path);
  if (!S_ISREG(st.st_mode) && !allowStreams)
    return InputProblem(ProblemKind::InputMissing, texts::kInputFileDoesNotExist,
                        texts::kTitleFileNotFound, path);
  // The input exists: it is the output only when the output exists too.
  // (One stat fewer than SameFile, for each of a corpus's thousands of files.)
  struct stat out {};
  if (!output.empty() && ::stat(output.c_str(), &out) == 0 && out.st_dev == st.st_dev &&
      out.st_ino == st.st_ino)
    return OutputSameAsInputProblem(output);
  return InputFacts{static_cast<std::int64_t>(st.st_size), S_ISREG(st.st_mode)};
}

TextCheck LineEndingsOf(const TextCheckResult& result, bool empty) {
  if (!result.isText) return TextCheck::NotText;
  if (empty) return TextCheck::Empty;
  if (result.crSeen == result.lfSeen) return TextCheck::Text;
  return result.crSeen ? TextCheck::MacLineEndings : TextCheck::UnixLineEndings;
}

Outcome<InputText> CheckInputText(const std::string& path, Encoding forced) {
  int fd = -1;
  Outcome<InputText> text = CheckInputText(path, forced, fd);
  const FdCloser closer(fd);
  return text;
}

Outcome<InputText> CheckInputText(const std::string& path, Encoding forced, int& kept,
                                  unsigned jobs) {
  kept = -1;
  const int fd = OpenRegularFile(path);
  if (fd < 0) {
    if (errno == ENOENT)
      return InputProblem(ProblemKind::InputMissing, texts::kInputFileDoesNotExist,
                          texts::kTitleFileNotFound, path);
    return ReadProblem(path, errno);
  }
  FdCloser closer(fd);
  InputText text;
  if (forced == Encoding::Auto) {
    const EncodingDecision decision = DecideFileEncoding(fd, jobs);
    if (decision.failed) return ReadProblem(path, decision.errorNumber);
    text.encoding = decision.encoding;
  } else {
    text.encoding = forced;
  }
  std::string head(kTextCheckSample, '\0');
  const ssize_t got = ::pread(fd, head.data(), head.size(), 0);
  if (got < 0) return ReadProblem(path, errno);
  head.resize(static_cast<std::size_t>(got));
  text.check = LineEndingsOf(CheckDecodedText(head, text.encoding), head.empty());
  if (text.check == TextCheck::NotText)
    return InputProblem(ProblemKind::NotText, texts::kNotTextFile, texts::kTitleInvalidInput, path);
  kept = closer.Release();
  return text;
}

}  // namespace zet
