#include "engine/InputFile.h"

#include <sys/stat.h>

#include <cerrno>

#include "engine/FileTexts.h"

namespace zet {
namespace {

Problem InputProblem(ProblemKind kind, std::string_view message, std::string_view title,
                     const std::string& path) {
  return {kind, std::string(message), std::string(title), path, {}};
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
    Problem problem = InputProblem(ProblemKind::CannotRead, "", texts::kTitleError, path);
    problem.error = RunTimeErrorFromErrno(errno);
    problem.message = ErrorText(problem.error);
    return problem;
  }
  if (S_ISDIR(st.st_mode))
    return InputProblem(ProblemKind::InputIsFolder, texts::kInputIsFolder,
                        texts::kTitleInvalidInput, path);
  if (!S_ISREG(st.st_mode) && !allowStreams)
    return InputProblem(ProblemKind::InputMissing, texts::kInputFileDoesNotExist,
                        texts::kTitleFileNotFound, path);
  if (!output.empty() && SameFile(path, output)) return OutputSameAsInputProblem(output);
  return InputFacts{static_cast<std::int64_t>(st.st_size), S_ISREG(st.st_mode)};
}

Outcome<TextCheck> CheckInputText(const std::string& path) {
  const TextCheck check = CheckTextFile(path);
  switch (check) {
    case TextCheck::NotText:
      return InputProblem(ProblemKind::NotText, texts::kNotTextFile, texts::kTitleInvalidInput,
                          path);
    case TextCheck::Missing:
      return InputProblem(ProblemKind::InputMissing, texts::kInputFileDoesNotExist,
                          texts::kTitleFileNotFound, path);
    case TextCheck::CannotOpen: {
      Problem problem = InputProblem(ProblemKind::CannotRead, "", texts::kTitleError, path);
      problem.error = RunTimeErrorFromErrno(errno != 0 ? errno : EIO);
      problem.message = ErrorText(problem.error);
      return problem;
    }
    default:
      return check;
  }
}

}  // namespace zet
