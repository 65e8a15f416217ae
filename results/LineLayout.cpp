#include "results/LineLayout.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace zet {
namespace {

int DigitCount(std::int64_t value) {
  char digits[24];
  return static_cast<int>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
}

void PadLeft(std::string_view text, int width, std::string& out) {
  if (const int pad = width - static_cast<int>(text.size()); pad > 0)
    out.append(static_cast<std::size_t>(pad), ' ');
  out.append(text);
}

void PadRight(std::string_view text, int width, std::string& out) {
  out.append(text);
  if (const int pad = width - static_cast<int>(text.size()); pad > 0)
    out.append(static_cast<std::size_t>(pad), ' ');
}

// "00" to "99", for writing two digits at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> t{};
  for (std::size_t i = 0; i < 100; ++i) {
    t[2 * i] = static_cast<char>('0' + i / 10);
    t[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return t;
}();

// The decimal digits of `value`, written backwards from `end`; returns
// where they start, two digits per division: every line of a listing has
// one or two numbers, and to_chars took over a quarter of the listing's
// time (4 million lines, perf).
char* WriteDigits(std::int64_t value, char* end) {
  const bool negative = value < 0;
  std::uint64_t v =
      negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  while (v >= 100) {
    const std::size_t pair = 2 * static_cast<std::size_t>(v % 100);
    v /= 100;
    *--end = kDigitPairs[pair + 1];
    *--end = kDigitPairs[pair];
  }
  if (v >= 10) {
    *--end = kDigitPairs[2 * v + 1];
    *--end = kDigitPairs[2 * v];
  } else {
    *--end = static_cast<char>('0' + v);
  }
  if (negative) *--end = '-';
  return end;
}

void NumberField(std::int64_t value, int width, std::string& out) {
  char digits[24];
  char* const end = digits + sizeof digits;
  const char* const begin = WriteDigits(value, end);
  PadLeft({begin, static_cast<std::size_t>(end - begin)}, width, out);
}

std::string_view BareWord(const WordEntry* entry) {
  if (!entry) return "Word";
  std::string_view word = entry->strWord();
  const std::size_t first = word.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  word.remove_prefix(first);
  return word.substr(0, word.find_last_not_of(' ') + 1);
}

enum class Col : std::uint8_t { R, F, W, Bare };

// One of formats 0 to 7: what comes before the first column, the
// separator between columns, and the columns in order.
struct Columns {
  std::string_view lead;
  std::string_view sep;
  int count;
  Col cols[3];
};

constexpr Columns kPlain[] = {
    {" ", "  ", 3, {Col::R, Col::F, Col::Bare}},
    {" ", "  ", 3, {Col::R, Col::W, Col::F}},
    {" ", "  ", 2, {Col::R, Col::F}},
    {" ", "  ", 2, {Col::R, Col::Bare}},
    {" ", "  ", 2, {Col::F, Col::R}},
    {"  ", "  ", 2, {Col::F, Col::Bare}},
    {"  ", " ", 2, {Col::W, Col::R}},
    {"  ", " ", 2, {Col::W, Col::F}},
};
constexpr Columns kComma[] = {
    {"  ", ",  ", 3, {Col::R, Col::F, Col::Bare}},
    {"  ", ",  ", 3, {Col::R, Col::W, Col::F}},
    {"  ", ",  ", 2, {Col::R, Col::F}},
    {"  ", ",  ", 2, {Col::R, Col::Bare}},
    {"  ", ",  ", 2, {Col::F, Col::R}},
    {"  ", ",  ", 2, {Col::F, Col::Bare}},
    {"  ", ", ", 2, {Col::W, Col::R}},
    {"  ", ", ", 2, {Col::W, Col::F}},
};

void Column(Col col, const WordEntry* entry, const ColumnWidths& w, std::string& out) {
  switch (col) {
    case Col::R:
      RankField(entry, w.intRankWidth, out);
      break;
    case Col::F:
      FrequencyField(entry, w.intFreqWidth, out);
      break;
    case Col::W:
      WordField(entry, w.intWordWidth, out);
      break;
    case Col::Bare:
      out.append(BareWord(entry));
      break;
  }
}

void ColumnsLine(const Columns& c, const WordEntry* entry, const ColumnWidths& w,
                 std::string& out) {
  out.append(c.lead);
  for (int i = 0; i < c.count; ++i) {
    if (i > 0) out.append(c.sep);
    Column(c.cols[i], entry, w, out);
  }
}

bool HeaderShowsLongest(DisplayFormat format) {
  return format == DisplayFormat::RankFrequencyWord || format == DisplayFormat::RankWord ||
         format == DisplayFormat::FrequencyWord || format == DisplayFormat::Word;
}

void AppendLongestSuffix(std::size_t lineStart, std::int64_t longest, std::string& line) {
  const std::size_t last = line.find_last_not_of(' ');
  line.resize(last == std::string::npos || last < lineStart ? lineStart : last + 1);
  line.append(" (longest has ");
  char digits[24];
  line.append(digits, std::to_chars(digits, digits + sizeof digits, longest).ptr);
  line.append(" characters)");
}

}  // namespace

ColumnWidths SetColumnWidths(const ListTotals& totals, int intMinColumnWidth) {
  ColumnWidths w;
  w.intRankWidth = std::max(DigitCount(totals.lngNumListed), intMinColumnWidth);
  w.intFreqWidth = std::max(DigitCount(totals.lngMaxCount), intMinColumnWidth);
  w.intWordWidth =
      static_cast<int>(std::max<std::int64_t>(totals.intLongestWord, intMinColumnWidth));
  return w;
}

void RankField(const WordEntry* entry, int width, std::string& out) {
  if (entry)
    NumberField(entry->lngRank, width, out);
  else
    PadLeft("Rank", width, out);
}

void FrequencyField(const WordEntry* entry, int width, std::string& out) {
  if (entry)
    NumberField(entry->lngCount, width, out);
  else
    PadLeft("Freq", width, out);
}

void WordField(const WordEntry* entry, int width, std::string& out) {
  PadRight(BareWord(entry), width, out);
}

void OutputLine(const WordEntry* entry, const LineLayout& layout, std::string& line) {
  const auto index = static_cast<std::size_t>(layout.format);
  const std::size_t lineStart = line.size();
  if (layout.format == DisplayFormat::WordCommas) {
    if (entry) line.append(BareWord(entry));
    return;
  }
  if (layout.format == DisplayFormat::Word)
    line.append(BareWord(entry));
  else if (index < std::size(kPlain))
    ColumnsLine(layout.blnCommaMode ? kComma[index] : kPlain[index], entry, layout.widths, line);
  else
    return;
  if (!entry && HeaderShowsLongest(layout.format))
    AppendLongestSuffix(lineStart, layout.intLongestWord, line);
}

}  // namespace zet
