#pragma once
// Comment-marker sets: which one a source uses and whether the user's
// markers may be used.

#include <cstdint>
#include <string>
#include <string_view>

#include "scanner/ScanSettings.h"

namespace zet {

/// The pairs a marker-set type makes active: "HTML" gives "<" ">" and "&"
/// ";", "C" gives "/*" "*/" and "//" "" (to the end of the line), the empty
/// type gives no markers, and any other type the user's markers. The type
/// is compared exactly.
[[nodiscard]] CommentMarkers SetCommentMarkers(std::string_view strType,
                                               const CommentMarkers& userMarkers);

/// How a file pass chooses its markers from the file name's extension.
enum class MarkerChoice : std::uint8_t {
  Html,  ///< extension contains "htm", or is "php" or "xml": tags and entities
  C,     ///< extension "c" or "cpp": block and line comments
  User,  ///< other files while comment markers are allowed
  None,  ///< other files otherwise
};

/// The choice for a file whose extension (any case) is `extension`.
[[nodiscard]] MarkerChoice ChooseMarkersForExtension(std::string_view extension,
                                                     bool allowCommentMarkers);

/// Which check of the user's markers failed.
enum class MarkerCheck : std::uint8_t {
  Ok,
  StartEmpty,
  StartEqualsEnd,
  HoldsDoubleHyphen,
  StartIsWord
};

struct MarkerValidation {
  MarkerCheck check = MarkerCheck::Ok;
  int pair = -1;        ///< the pair that failed, 0 or 1
  std::string message;  ///< the message to show (UTF-8; title "Error")

  [[nodiscard]] bool ok() const noexcept { return check == MarkerCheck::Ok; }
};

/// Checks the user's markers (Windows-1252) before a pass uses them: first
/// that both start markers are non-empty, then that no start marker equals
/// its end marker, then that no marker holds "--" (read as a space before
/// markers are looked for, so it is never found), then that no start
/// marker consists wholly of word
/// characters (it could not be told from a word). `numerals` and `extra`
/// are the word-character settings of the check (see IsWordChar).
[[nodiscard]] MarkerValidation ValidateCommentMarkers(const CommentMarkers& userMarkers,
                                                      bool numerals, std::string_view extra);

}  // namespace zet
