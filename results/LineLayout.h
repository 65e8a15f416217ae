#pragma once
// The display formats: column widths, fields and the layout of one line.
//
// Lines are built as Windows-1252 text (one byte per character, so padding
// by bytes pads by characters) and appended to a buffer the caller reuses.

#include <cstdint>
#include <string>

#include "results/DisplayFormat.h"
#include "results/ListTotals.h"
#include "scanner/WordTable.h"

namespace zet {

/// Where the lines of a listing go. Only the output file has the comma
/// layout and writes format 9 without a trailing separator.
enum class ListingTarget : std::uint8_t { OutputFile, Textbox };

/// The narrowest a column gets (intMinColumnWidth).
inline constexpr int kMinColumnWidth = 6;

/// Widths of the rank, frequency and word columns, in characters.
struct ColumnWidths {
  int intRankWidth = kMinColumnWidth;
  int intFreqWidth = kMinColumnWidth;
  int intWordWidth = kMinColumnWidth;

  friend bool operator==(const ColumnWidths&, const ColumnWidths&) = default;
};

/// The widths for `totals`: the digits of lngNumListed, the digits of
/// lngMaxCount and intLongestWord, each at least `intMinColumnWidth`. No
/// field of the list is ever wider than its column.
[[nodiscard]] ColumnWidths SetColumnWidths(const ListTotals& totals,
                                           int intMinColumnWidth = kMinColumnWidth);

/// Appends the rank field: the digits of lngRank of `entry`, or "Rank" for
/// the header (`entry` null), with spaces on the left up to `width`.
void RankField(const WordEntry* entry, int width, std::string& out);

/// Appends the frequency field: the digits of lngCount, or "Freq" for the
/// header, with spaces on the left up to `width`.
void FrequencyField(const WordEntry* entry, int width, std::string& out);

/// Appends the word field: the word without surrounding spaces, or "Word"
/// for the header, with spaces on the right up to `width`.
void WordField(const WordEntry* entry, int width, std::string& out);

/// Everything that shapes the lines of one listing.
struct LineLayout {
  DisplayFormat format = DisplayFormat::RankFrequencyWord;
  /// The comma layout: only for the output file with "Include commas".
  bool blnCommaMode = false;
  ColumnWidths widths;
  /// Shown in the header of the formats that end with the word.
  std::int64_t intLongestWord = 0;
};

/// Appends the line of `entry`, or the header when `entry` is null, in the
/// layout's format, without a line end. Formats 0, 3, 5 and 8 end their
/// header with " (longest has N characters)". Formats 8 and 9 give the bare
/// word; format 9 has no header (nothing is appended), and a format outside
/// the ten gives an empty line.
void OutputLine(const WordEntry* entry, const LineLayout& layout, std::string& line);

}  // namespace zet
