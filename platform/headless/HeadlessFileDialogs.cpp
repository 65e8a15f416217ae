#include "platform/headless/HeadlessFileDialogs.h"

#include <filesystem>
#include <system_error>

namespace zet {

std::string HeadlessFileDialogs::ShowOpen(const FileDialogRequest& request) {
  return Show(FileDialogKind::kOpen, request);
}

std::string HeadlessFileDialogs::ShowSave(const FileDialogRequest& request) {
  return Show(FileDialogKind::kSave, request);
}

std::string HeadlessFileDialogs::Show(FileDialogKind kind, const FileDialogRequest& request) {
  ShownFileDialog shown{kind, request, {}, false};
  std::string problem;
  if (answers_.empty()) {
    problem = "file dialog shown with no scripted answer";
  } else {
    problem = Refusal(request, answers_.front());
    if (problem.empty()) {
      shown.answer = answers_.front();
      shown.scripted = true;
    }
    answers_.pop_front();
  }
  shown_.push_back(shown);
  if (!problem.empty()) failures_.Report(problem + ": title \"" + request.title + "\"");
  return shown.answer;
}

std::string HeadlessFileDialogs::Refusal(const FileDialogRequest& request,
                                         const std::string& path) {
  if (path.empty()) return {};
  namespace fs = std::filesystem;
  std::error_code error;
  if (request.flags.fileMustExist && !fs::is_regular_file(path, error)) {
    return "scripted answer \"" + path + "\" is not an existing file";
  }
  const fs::path folder = fs::path(path).parent_path();
  if (request.flags.pathMustExist && !folder.empty() && !fs::is_directory(folder, error)) {
    return "scripted answer \"" + path + "\" is not in an existing folder";
  }
  return {};
}

}  // namespace zet
