#include "engine/FileWrites.h"

#include <sys/stat.h>

#include <cerrno>

#include "engine/CommonWordsFile.h"
#include "engine/FileProc.h"
#include "engine/FileTexts.h"
#include "params/AtomicFile.h"

namespace zet {

FilesRead FilesRead::Of(const ParameterSet& params) {
  FilesRead files;
  files.Add(params.Text(ParamId::txbFileInput), "input file");
  files.Add(CommonWordsPath(params.Text(ParamId::strCommonWordsFile)), "common-words file");
  return files;
}

void FilesRead::Add(const std::string& path, std::string_view role) {
  if (!path.empty()) files_.push_back({path, std::string(role)});
}

void FilesRead::AddDescriptor(int fd, std::string_view role) {
  struct stat st {};
  if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return;
  files_.push_back({"", std::string(role), st.st_dev, st.st_ino});
}

void FilesRead::Add(const FilesRead& other) {
  files_.insert(files_.end(), other.files_.begin(), other.files_.end());
}

const FileRead* FilesRead::WrittenOverBy(const std::string& path) const {
  struct stat st {};
  const bool exists = !path.empty() && ::stat(path.c_str(), &st) == 0;
  for (const FileRead& file : files_) {
    if (file.path.empty() ? exists && st.st_dev == file.device && st.st_ino == file.inode
                          : SameFile(path, file.path))
      return &file;
  }
  return nullptr;
}

Outcome<Done> FilesRead::CheckNotRead(const std::string& path, std::string_view what) const {
  const FileRead* read = WrittenOverBy(path);
  if (read == nullptr) return Done{};
  // The first line is the desktop's own for the input file; the second
  // names both files.
  std::string message =
      std::string(what) + " cannot be the same as the " + read->role + ".\r\n" + path;
  if (!read->path.empty() && read->path != path) message += " is " + read->path;
  if (message[0] >= 'a' && message[0] <= 'z')
    message[0] = static_cast<char>(message[0] - 'a' + 'A');
  return Problem{
      ProblemKind::SameFile, std::move(message), std::string(texts::kTitleError), path, {}};
}

Problem CannotWriteProblem(const std::string& path, std::string_view what, int errnum) {
  RunTimeError error = RunTimeErrorFromErrno(errnum != 0 ? errnum : EIO);
  if (errnum == ELOOP) error.description = "its symbolic links lead round in a loop";
  const std::string name =
      path.empty() ? std::string(": no file name given") : " " + path + ": " + error.description;
  return {ProblemKind::CannotWrite, "Cannot write the " + std::string(what) + name,
          std::string(texts::kTitleError), path, error};
}

Outcome<Done> CheckWritable(const std::string& path, std::string_view what) {
  if (const int error = CheckFileWritable(path); error != 0)
    return CannotWriteProblem(path, what, error);
  return Done{};
}

}  // namespace zet
