#pragma once
// The checks of an input file before a count, shared by both programs.

#include <cstdint>
#include <string>

#include "engine/FileProc.h"
#include "params/Outcome.h"
#include "scanner/Encoding.h"

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

/// What the text check learnt of a file.
struct InputText {
  TextCheck check = TextCheck::Text;   ///< the line endings seen (or Empty)
  Encoding encoding = Encoding::Utf8;  ///< the one encoding the file is read in
};

/// Decides the file's encoding (`forced`, or from the whole file: see
/// DecideFileEncoding) and checks the first kTextCheckSample bytes as text
/// in it, so UTF-16 text is text: a file with characters text cannot hold
/// is a NotText problem; otherwise the line endings, which the caller may
/// warn about (LineEndingsMessage). A file that cannot be read is a
/// CannotRead problem.
[[nodiscard]] Outcome<InputText> CheckInputText(const std::string& path,
                                                Encoding forced = Encoding::Auto);

/// CheckInputText for a file the caller goes on to read: on success `fd`
/// is the file, open at its start, for the caller to close (opening it
/// once is a good part of the cost of a small file of a corpus). The
/// encoding check takes up to `jobs` threads (0: one per core).
[[nodiscard]] Outcome<InputText> CheckInputText(const std::string& path, Encoding forced, int& fd,
                                                unsigned jobs = 0);

/// The line endings `result` saw, as a TextCheck (Empty for no bytes).
[[nodiscard]] TextCheck LineEndingsOf(const TextCheckResult& result, bool empty);

/// The problem of an output file that is the input file.
[[nodiscard]] Problem OutputSameAsInputProblem(const std::string& output);

}  // namespace zet
