#pragma once
// The checks before a file is written, shared by every writer of both
// programs: never over a file the run reads, and only where the system
// lets this user write.

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

#include "params/Outcome.h"
#include "params/ParameterSet.h"

namespace zet {

/// A file the run reads, and what it is to the user ("input file").
struct FileRead {
  std::string path;  ///< empty for standard input
  std::string role;
  dev_t device = 0;  ///< standard input's file, when it is a regular file
  ino_t inode = 0;
};

/// The files a run reads, so that no writer writes over one of them under
/// any name (a symbolic or hard link, a relative path, standard input
/// redirected from it).
class FilesRead {
 public:
  /// The files `params` names for reading: the input file and the
  /// common-words file.
  [[nodiscard]] static FilesRead Of(const ParameterSet& params);

  /// Adds a file by name; an empty name is no file.
  void Add(const std::string& path, std::string_view role);
  /// Adds the file descriptor `fd` reads, when it is a regular file
  /// (standard input redirected from a file); pipes and terminals are not
  /// files that could be written over.
  void AddDescriptor(int fd, std::string_view role);
  /// Adds every file of `other`.
  void Add(const FilesRead& other);

  /// The file read that writing `path` would write over, or null.
  [[nodiscard]] const FileRead* WrittenOverBy(const std::string& path) const;

  /// Refuses to write `path`, the `what` ("output file"), when it is a
  /// file read: a SameFile problem, "Output file cannot be the same as the
  /// common-words file." and a line naming both files.
  [[nodiscard]] Outcome<Done> CheckNotRead(const std::string& path, std::string_view what) const;

 private:
  std::vector<FileRead> files_;
};

/// Whether `path` can be written, checked before long work: a name is
/// given, its folder exists, and this user may write the file (or make it
/// there). A refusal is a CannotWrite problem: "Cannot write the output
/// file NAME: " and the system's reason, with that reason's error number.
[[nodiscard]] Outcome<Done> CheckWritable(const std::string& path,
                                          std::string_view what = "output file");

/// The problem of a write to `path` (the `what`) that the system refused
/// with `errnum` (0 counts as an I/O error).
[[nodiscard]] Problem CannotWriteProblem(const std::string& path, std::string_view what,
                                         int errnum);

}  // namespace zet
