#pragma once
// The program-text catalogue: numbered texts (captions, addresses) read
// from a file at start-up, so that they can change without rebuilding.
//
// File format (UTF-8, lines ending in LF, CR LF or CR):
//
//     # A comment line; blank lines are ignored too.
//     1=ZET
//     19=Click here to paste the clipboard's text into the textbox
//
// Each other line is a text number (1 to 32767), "=", and the text: all of
// the rest of the line, spaces included. A text is one line of at most 1024
// characters. A file has at most 500 lines and 1 MiB.
//
// Texts may contain the token {DOCDIR} (kDocDirToken), which the window
// logic replaces with the folder of the bundled manual
// (Application::DocumentationFolder), so that the manual's addresses work
// wherever the program is installed.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "params/Outcome.h"

namespace zet {

class ByteSource;

/// Placeholder in a text for the folder of the bundled manual.
inline constexpr std::string_view kDocDirToken = "{DOCDIR}";

/// The numbered program texts. Load once, then Get by number.
class Catalogue {
 public:
  static constexpr std::size_t kMaxTextLength = 1024;  // characters
  static constexpr int kMaxLines = 500;
  static constexpr std::uintmax_t kMaxFileBytes = 1024 * 1024;
  static constexpr int kMaxNumber = 32767;

  /// Reads the catalogue file at `path`, replacing any texts held. Returns
  /// the number of texts (1 or more); otherwise the problem that the first
  /// failure in the file makes, naming `path` (the message box's text, word
  /// for word), and the catalogue is then empty.
  [[nodiscard]] Outcome<std::size_t> Load(const std::string& path);

  /// Load over a file's bytes already in memory: the same outcomes, with
  /// the size limits applied to `bytes`, naming no file.
  [[nodiscard]] Outcome<std::size_t> LoadText(std::string_view bytes);

  /// The text numbered `number`, or empty when there is none.
  [[nodiscard]] std::string Get(int number) const;

  /// Number of texts held.
  [[nodiscard]] std::size_t Size() const noexcept { return texts_.size(); }

 private:
  // Parses one line (1-based `lineNumber`) into texts_; 1 when it held a
  // text, 0 when it was blank or a comment, else a failure code (Catalogue.cpp).
  int ParseLine(std::string_view line, int lineNumber);
  // Reads the lines of a source whose size was checked: the number of texts,
  // or a failure code.
  int LoadLines(ByteSource& source);
  // The outcome of a load that ended with `result` (a count or a failure
  // code), the file named `path`.
  Outcome<std::size_t> Loaded(int result, const std::string& path, int errorNumber = 0);

  std::unordered_map<int, std::string> texts_;
};

}  // namespace zet
