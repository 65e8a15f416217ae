#pragma once
// The checks of an input file before a count, shared by both programs.

#include <cstdint>
#include <string>

#include "engine/FileProc.h"
#include "engine/Outcome.h"

namespace zet {

/// What the checks learnt of an accepted input file.
struct InputFacts {
  std::int64_t size = 0;  ///< bytes, as the file system reports them
  bool regular = true;    ///< false: a pipe or a device, read as a stream
};

/// The checks of the name, in order: a name is given; something exists
/// there (links followed); it is not a folder; it is a regular file, or
/// `allowStreams` accepts a pipe or device; and it is not `output` under
/// any name (links, hard links, relative paths). A name without an
/// extension is an ordinary name. Each refusal is a Problem with the
/// program's text, naming `path`.
[[nodiscard]] Outcome<InputFacts> CheckInputFile(const std::string& path, const std::string& output,
                                                 bool allowStreams);

/// The text check of the file's first kTextCheckSample bytes: a file with
/// bytes text cannot hold is a NotText problem; otherwise the check's
/// result, whose line endings the caller may warn about
/// (LineEndingsMessage). A file that cannot be read is a CannotRead problem.
[[nodiscard]] Outcome<TextCheck> CheckInputText(const std::string& path);

/// The problem of an output file that is the input file.
[[nodiscard]] Problem OutputSameAsInputProblem(const std::string& output);

}  // namespace zet
