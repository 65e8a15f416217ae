#pragma once
// The line tokenizer: turns prepared lines into counted words.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "scanner/ScanObserver.h"
#include "scanner/ScanSettings.h"
#include "scanner/WordChars.h"
#include "scanner/WordTable.h"

namespace zet {

/// Scans the lines of one source into a word table. A Scanner is made for
/// one pass: it snapshots the settings and starts with no comment open, so
/// a comment left open by an earlier source never swallows this one.
class Scanner {
 public:
  /// `table` and `observer` must outlive the scanner.
  Scanner(const ScanSettings& settings, WordTable& table, ScanObserver& observer);

  /// The per-line preparation of a file pass, then ScanLine: trims leading
  /// and trailing spaces (the space character only), skips an empty line,
  /// lower-cases unless case is significant, appends one space. `line` is
  /// Windows-1252 text without its terminator.
  void ScanSourceLine(std::string_view line);

  /// ScanSourceLine without a copy: the line is prepared where it is, and
  /// the byte just after it must be writable too (LineReader::NextWritable
  /// gives such lines). The line's contents are lost.
  void ScanSourceLineInPlace(std::span<char> line);

  /// True when lines can be scanned many at a time (ScanSourceLinesInPlace):
  /// no comment markers, so a line's end only separates words, and a batch
  /// count, whose observer is not pumped (a window's progress and Stop go
  /// line by line).
  [[nodiscard]] bool ScansManyLines() const noexcept { return !processComments_ && !pumps_; }

  /// ScanSourceLineInPlace for whole lines at once, as NextLinesWritable
  /// gives them (CR and LF between them): the words and their order are
  /// those of the lines one by one, at a fraction of the cost per line.
  /// Only when ScansManyLines().
  void ScanSourceLinesInPlace(std::span<char> lines);

  /// The clipboard pass: the whole text as one line, lower-cased unless case
  /// is significant, with one space appended; not trimmed, its line breaks
  /// kept (they separate words). An empty text scans nothing.
  void ScanWholeText(std::string_view text);

  /// Scans a prepared line: not empty, trimmed, case settled, and ending in
  /// the one appended space, which is never examined. The line is rewritten
  /// in place (white space, "--", entities).
  void ScanLine(std::string& strCurrentLine);

  /// The pair whose comment is open (0 or 1), or -1.
  [[nodiscard]] int intOpenComment() const noexcept { return intOpenComment_; }
  /// Starts the scan inside comment `pair` (0 or 1), as a scan of the text
  /// before would leave it: for a part of a source scanned on its own.
  void ContinueInComment(int pair) noexcept { intOpenComment_ = pair; }

  /// True once the observer asked to stop; nothing more is scanned.
  [[nodiscard]] bool StopRequested() const noexcept { return stopRequested_; }

  /// Takes the run of word characters at `lngScanPos` (0-based) off the
  /// line, advances the position past it and returns the normalised word,
  /// possibly empty: trailing "-", "'", "_", ":" and "." removed, a final
  /// "s" dropped under the final-s rule, apostrophe fragments discarded.
  [[nodiscard]] std::string_view GetNextWord(std::string_view line, std::size_t& lngScanPos);

 private:
  // Prepares `line` into `out`, which may be where the line is and has room
  // for one more character (the sentinel), and scans it.
  void PrepareAndScan(std::string_view line, char* out);
  // Replaces "--" and decodes entities where asked; returns the new length.
  static std::size_t Rewrite(char* line, std::size_t size, bool hasHyphen, bool hasAmpersand);
  // Scans a prepared, rewritten line that ends in its sentinel space.
  void ScanPrepared(std::string_view text);
  [[gnu::always_inline]] inline void AddWord(std::string_view word, std::string_view key,
                                             std::uint32_t hash);
  [[gnu::noinline, gnu::cold]] void ReportWord(std::string_view word, std::string_view key);
  void QueueWord(std::string_view word);
  // Counts a word (empty: a word start that gave none) and pumps, with no
  // word queued; false once the observer asked to stop.
  [[gnu::always_inline]] inline bool CountWord(std::string_view word);
  bool FlushWords();
  [[nodiscard]] int FindCommentStart(std::string_view line, std::size_t pos) const;
  void FindCommentEnd(std::string_view line, std::size_t& pos);

  ScanSettings settings_;
  WordTable& table_;
  ScanObserver& observer_;
  WordCharClasses classes_;
  bool processComments_ = false;
  std::array<std::string, 2> lowerStart_;
  std::array<std::string, 2> lowerEnd_;
  int intOpenComment_ = -1;
  bool stopRequested_ = false;
  bool showWords_ = true;
  bool pumps_ = true;               // the observer's Pump does something
  bool reportsWords_ = false;       // the observer wants WordCounted
  bool lastWordKeyStable_ = false;  // the last word taken is its own key

  // Words found but not yet counted. Counting a few words at a time lets
  // the table fetch their slots from memory together; each still gets its
  // own pump and stop test, in order.
  static constexpr std::size_t kBatch = 16;
  struct QueuedWord {
    std::string_view word;  // empty: a word start that gave no word
    std::string_view key;
    std::uint32_t hash = 0;
  };
  std::array<QueuedWord, kBatch> queue_{};
  std::array<std::string, kBatch> keyBuffers_;
  std::size_t queued_ = 0;
  std::string line_;  // reused buffer for the prepared line
};

}  // namespace zet
