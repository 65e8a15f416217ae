#pragma once
// Partial counts: a count written down so that counts of other sources,
// made on other machines, merge into the list one count of them all gives.
// The file format is docs/partial-format.md.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "params/Outcome.h"
#include "params/ParameterSet.h"
#include "scanner/WordTable.h"

namespace zet {

/// One word of a partial count. Texts are Windows-1252, as in the table.
struct PartialEntry {
  std::string key;           ///< the table's key; unique in a count
  std::string word;          ///< the first spelling found
  std::uint64_t source = 0;  ///< ordinal of the source the spelling came from
  std::uint64_t offset = 0;  ///< byte offset in that source where the counted piece begins
  std::int64_t count = 0;    ///< occurrences, at least 1
  std::int64_t files = 0;    ///< counted pieces (files) that hold the word, at least 1

  friend bool operator==(const PartialEntry&, const PartialEntry&) = default;
};

/// True when `a`'s spelling was found before `b`'s: the earlier source,
/// then the earlier piece of it.
[[nodiscard]] inline bool FoundBefore(const PartialEntry& a, const PartialEntry& b) noexcept {
  return a.source != b.source ? a.source < b.source : a.offset < b.offset;
}

/// Merges `from` into `into` (same key): counts add, the spelling found
/// first stays; on a tie `into`'s, so merging keeps the order given.
void MergeEntry(PartialEntry& into, const PartialEntry& from);

/// A count of one or more pieces of text.
struct PartialCount {
  std::string rules;                  ///< PartialRules of the count (UTF-8, one line)
  std::uint64_t pieces = 0;           ///< how many files or pieces were counted
  std::vector<PartialEntry> entries;  ///< strictly ascending by key (byte order)

  friend bool operator==(const PartialCount&, const PartialCount&) = default;
};

inline constexpr int kPartialVersion = 1;

/// The word rules a count was made under, as one line of text: everything
/// that decides how text is cut into words and keyed (the model, the
/// allowed characters, case, the final "s", the comment markers and how
/// they are chosen). Two counts merge only when these are equal.
/// `typeExtension` is --type's ("txt", "html", "c"), empty: by extension.
[[nodiscard]] std::string PartialRules(const ParameterSet& params, std::string_view typeExtension);

/// A 64-bit digest of rules (FNV-1a), as 16 lower-case hex digits.
[[nodiscard]] std::string RulesDigest(std::string_view rules);

/// The checksum of the format: FNV-1a over 8-byte little-endian words,
/// then the remaining bytes one at a time. Each step is a bijection of the
/// state, so a change confined to one word or byte is always detected.
[[nodiscard]] std::uint64_t PartialChecksum(std::string_view bytes) noexcept;

/// The count in `table` as a partial count: of one piece, `source`; or,
/// when the table tracks files, of its files, numbered from `source` in
/// the order counted. `offset` is where the first of them begins.
[[nodiscard]] PartialCount PartialFromTable(const WordTable& table, std::string rules,
                                            std::uint64_t source, std::uint64_t offset);

/// Merges counts made under the same rules, in the order given: counts
/// add, the spelling found first wins (on a tie the earlier count's), so
/// merging is associative and any tree of merges gives the same count.
[[nodiscard]] PartialCount MergePartials(std::vector<PartialCount> parts);

/// MergePartials handing each merged entry, in ascending key order, to
/// `take` instead of keeping them all; the parts are emptied.
void MergePartialsInto(std::vector<PartialCount>& parts,
                       const std::function<void(PartialEntry&&)>& take);

/// Fills an empty word table from entries in ascending key order, as
/// counting the sources would have filled it (same keys, spellings and
/// counts), and `ranges` (when not null) with each entry's files.
class TableFiller {
 public:
  explicit TableFiller(WordTable& table, std::vector<std::int64_t>* ranges = nullptr)
      : table_(table), ranges_(ranges) {}
  void Add(const PartialEntry& entry);
  /// Sets the counts; call once, after the last Add.
  void Finish();

 private:
  WordTable& table_;
  std::vector<std::int64_t>* ranges_;
  std::vector<std::int64_t> counts_;
};

/// TableFiller over a whole count.
void FillTable(const PartialCount& count, WordTable& table,
               std::vector<std::int64_t>* ranges = nullptr);

/// Writes the file's bytes entry by entry, for a merge too large to hold twice.
class PartialWriter {
 public:
  PartialWriter(std::string_view rules, std::uint64_t pieces);
  /// Entries come in strictly ascending key order.
  void Add(const PartialEntry& entry);
  /// The file's bytes (UTF-8), with its end line.
  [[nodiscard]] std::string Finish();

 private:
  std::string out_;
  std::uint64_t entries_ = 0;
};

/// The file's bytes (UTF-8).
[[nodiscard]] std::string FormatPartial(const PartialCount& count);

/// Reads a partial count file's bytes; `name` names it in the messages. A
/// file that is not exactly what FormatPartial writes (empty, truncated,
/// another version, a checksum that does not match, something after its
/// end, entries out of order) is a BadFile problem naming the file.
[[nodiscard]] Outcome<PartialCount> ReadPartial(std::string_view bytes, const std::string& name);

/// ReadPartial one entry at a time, so that a merge holds the files' bytes
/// but not every entry of them at once.
class PartialReader {
 public:
  /// Checks the file as a whole (its version, end line, checksum and
  /// header); the entries are checked as they are read. `bytes` must
  /// outlive the reader.
  [[nodiscard]] static Outcome<PartialReader> Open(std::string_view bytes, std::string name);

  [[nodiscard]] const std::string& Rules() const noexcept { return rules_; }
  [[nodiscard]] std::uint64_t Pieces() const noexcept { return pieces_; }
  /// Reads the next entry: false at the end, or when the entry is not
  /// what the writer writes (then Failure() says why).
  [[nodiscard]] bool Next(PartialEntry& entry);
  [[nodiscard]] const std::optional<Problem>& Failure() const noexcept { return problem_; }

 private:
  PartialReader() = default;
  bool Fail(std::string_view why);

  std::string name_;
  std::string rules_;
  std::uint64_t pieces_ = 0;
  std::string_view rest_;    // the entries not yet read
  std::size_t entries_ = 0;  // as the end line says
  std::size_t read_ = 0;
  std::string lastKey_;
  std::string keyBuffer_;
  std::optional<Problem> problem_;
};

/// Merges what the readers hold, as MergePartialsInto; stops at the first
/// entry a reader refuses and returns that reader's problem.
[[nodiscard]] std::optional<Problem> MergeReadersInto(
    std::vector<PartialReader>& readers, const std::function<void(PartialEntry&&)>& take);

// The line protocol of map and reduce steps (Hadoop streaming, Spark's
// pipe): one entry a line, the key first, then a tab and the value.

/// Appends the line of `entry` (LF ended).
void AppendMapLine(const PartialEntry& entry, std::string_view rulesDigest, std::string& out);

/// Reads one line (without its line end) into `entry` and `rulesDigest`;
/// a BadFile problem saying why the line is not one AppendMapLine wrote.
[[nodiscard]] Outcome<Done> ParseMapLine(std::string_view line, PartialEntry& entry,
                                         std::string& rulesDigest);

}  // namespace zet
