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

  // Results of Load. Success is a count of 1 or more.
  static constexpr int kNoTextRead = 0;     // only comments and blank lines
  static constexpr int kCannotOpen = -1;
  static constexpr int kTooMuchText = -3;   // over kMaxLines lines or kMaxFileBytes
  static constexpr int kBadLine = -5;       // a line not of the form number=text
  static constexpr int kFileEmpty = -6;
  static constexpr int kReadError = -7;
  // A failure at line n (1 to kMaxLines) is the base minus n.
  static constexpr int kMissingStringBase = -500;   // "n=" with no text, or no "="
  static constexpr int kTooLongBase = -1000;        // text over kMaxTextLength
  static constexpr int kDuplicateBase = -1500;      // number seen on an earlier line

  /// Reads the catalogue file at `path`, replacing any texts held. Returns
  /// the number of texts (1 or more) on success; otherwise one of the
  /// failure results above, and the catalogue is then empty. The first
  /// failure in the file decides the result.
  [[nodiscard]] int Load(const std::string& path);

  /// Load over a file's bytes already in memory: the same results, with the
  /// size limits applied to `bytes`.
  [[nodiscard]] int LoadText(std::string_view bytes);

  /// The text numbered `number`, or empty when there is none.
  [[nodiscard]] std::string Get(int number) const;

  /// Number of texts held.
  [[nodiscard]] std::size_t Size() const noexcept { return texts_.size(); }

 private:
  // Parses one line (1-based `lineNumber`) into texts_; 1 when it held a
  // text, 0 when it was blank or a comment, else a failure result.
  int ParseLine(std::string_view line, int lineNumber);
  // Reads the lines of a source whose size was checked; a Load result.
  int LoadLines(ByteSource& source);

  std::unordered_map<int, std::string> texts_;
};

/// The message telling the user why loading failed, for a Load `result` of 0
/// or less; `fullPath` is the catalogue file's path. Empty for a success.
[[nodiscard]] std::string LoadProgramTextsMessage(int result, std::string_view fullPath);

}  // namespace zet
