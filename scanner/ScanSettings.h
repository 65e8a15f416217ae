#pragma once
// What the scanner is told before a pass: a snapshot, never read from windows.

#include <array>
#include <string>

namespace zet {

/// The nine "Allow 'words' with" flags, snapshot at the start of a count.
struct AllowFlags {
  bool blnAllowHyphens = false;
  bool blnAllowApostrophes = false;
  bool blnAllowUnderscores = false;
  bool blnAllowColons = false;
  bool blnAllowBackslashes = false;
  bool blnAllowForwardslashes = false;
  bool blnAllowPeriods = false;
  bool blnAllowAtSigns = false;
  bool blnAllowNumerals = false;
  /// The apostrophes box holds 2: apostrophes end words as when unchecked,
  /// but the fragments they leave ("s", "t", "don") are kept, since that
  /// rule is for the box at 0 only.
  bool blnKeepApostropheFragments = false;

  friend bool operator==(const AllowFlags&, const AllowFlags&) = default;
};

/// Two comment-marker pairs (Windows-1252). Pair 0 is tried before pair 1.
/// An empty start marker never matches; an empty end marker makes its pair
/// a line comment that ends at the end of the line.
struct CommentMarkers {
  std::array<std::string, 2> strStartComment;
  std::array<std::string, 2> strEndComment;

  friend bool operator==(const CommentMarkers&, const CommentMarkers&) = default;
};

/// Everything a pass of the scanner depends on.
struct ScanSettings {
  AllowFlags allow;
  /// "Upper/lower case significant": when false each line is lower-cased
  /// before it is scanned.
  bool blnCaseSignificant = false;
  /// "Drop final 's' unless 'ss' or vowel+'s'".
  bool blnDropFinalS = true;
  /// "Allow start- and end-comment markers".
  bool chkAllowCommentMarkers = false;
  /// The markers were chosen from the file's extension (HTML or C files):
  /// they act whatever chkAllowCommentMarkers says.
  bool blnIsCodeFile = false;
  /// The active markers.
  CommentMarkers markers;
  /// "Don't display words as found", as it was when the pass started.
  bool blnSuppressWords = false;

  friend bool operator==(const ScanSettings&, const ScanSettings&) = default;
};

/// The rules that decide how text is cut into words (everything but the
/// display flag and the markers' choice for one source): two snapshots with
/// equal rules cut any text the same way.
struct WordRules {
  AllowFlags allow;
  bool blnCaseSignificant = false;
  bool blnDropFinalS = true;

  friend bool operator==(const WordRules&, const WordRules&) = default;
};

}  // namespace zet
