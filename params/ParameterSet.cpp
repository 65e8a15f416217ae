#include "params/ParameterSet.h"

#include <cassert>
#include <charconv>

namespace zet {
namespace {

constexpr std::string_view kTwoToNine[] = {"2", "3", "4", "5", "6", "7", "8", "9"};
constexpr std::string_view kLongSizes[] = {"20", "30", "40", "50", "60", "70", "80"};
constexpr std::string_view kWordOrders[] = {"by frequency", "alphabetical"};
constexpr std::string_view kDisplayFormats[] = {
    "rank frequency word", "rank word frequency", "rank frequency", "rank word", "frequency rank",
    "frequency word",      "word rank",           "word frequency", "word",      "word (+ commas)"};

using K = ParamKind;
using P = ParamId;

constexpr ParamInfo Check(P id, std::string_view name, std::string_view caption, std::int16_t def,
                          bool restored = true) {
  return {id, name, K::CheckBox, caption, def, {}, {}, restored};
}
constexpr ParamInfo Text(P id, std::string_view name, std::string_view caption,
                         std::string_view def = {}) {
  return {id, name, K::Text, caption, 0, def, {}, false};
}
constexpr ParamInfo List(P id, std::string_view name, std::string_view caption, std::int16_t def,
                         std::span<const std::string_view> items, bool restored) {
  return {id, name, K::List, caption, def, {}, items, restored};
}

constexpr ParamInfo kParams[] = {
    Check(P::chkCaseSignificant, "chkCaseSignificant", "Upper/lower case significant", 0),
    Check(P::chkAllowWordsWithHyphens, "chkAllowWordsWithHyphens", "hyphens -", 1),
    Check(P::chkAllowWordsWithApostrophes, "chkAllowWordsWithApostrophes", "apostrophes '", 0),
    Check(P::chkAllowWordsWithUnderscores, "chkAllowWordsWithUnderscores", "underscores _", 0),
    Check(P::chkAllowWordsWithColons, "chkAllowWordsWithColons", "colons :", 0),
    Check(P::chkAllowWordsWithBackslashes, "chkAllowWordsWithBackslashes", "backslashes \\", 0),
    Check(P::chkAllowWordsWithForwardslashes, "chkAllowWordsWithForwardslashes",
          "forward slashes /", 0),
    Check(P::chkAllowWordsWithPeriods, "chkAllowWordsWithPeriods", "periods .", 0),
    Check(P::chkAllowWordsWithAtSigns, "chkAllowWordsWithAtSigns", "at-signs @", 0),
    Check(P::chkAllowWordsWithNumerals, "chkAllowWordsWithNumerals", "numerals", 0),
    Check(P::chkDropFinalS, "chkDropFinalS", "Drop final 's' unless 'ss' or vowel+'s'", 1),
    Check(P::chkAllowCommentMarkers, "chkAllowCommentMarkers",
          "Allow start- and end-comment markers", 0),
    Text(P::txbStartComment0, "txbStartComment(0)", "1st pair:", "/*"),
    Text(P::txbEndComment0, "txbEndComment(0)", "1st pair:", "*/"),
    Text(P::txbStartComment1, "txbStartComment(1)", "2nd pair:", "//"),
    Text(P::txbEndComment1, "txbEndComment(1)", "2nd pair:", ""),
    Check(P::chkIgnoreCommonWords, "chkIgnoreCommonWords", "Ignore common words in file:", 0,
          false),
    Text(P::txbCommonWordsFile, "txbCommonWordsFile", ""),
    Text(P::txbWordsToIgnore, "txbWordsToIgnore", "Ignore these words:"),
    Check(P::chkIgnoreRepetitions, "chkIgnoreRepetitions",
          "Ignore a word if consists of a repetition of a single letter", 1),
    Check(P::chkIgnoreRomNum40, "chkIgnoreRomNum40", "Ignore Roman numerals less than 40", 1),
    Check(P::chkIgnoreNoVowelOrY, "chkIgnoreNoVowelOrY", "Ignore word if it has no vowel or 'y'",
          1),
    Check(P::chkIgnoreShortWords, "chkIgnoreShortWords", "Ignore words with fewer than", 0),
    List(P::cboShortWordSize, "cboShortWordSize", "characters", 1, kTwoToNine, true),
    List(P::cboLongWordSize, "cboLongWordSize", "Ignore words with more than", 3, kLongSizes, true),
    Check(P::chkIgnoreInfrequentWords, "chkIgnoreInfrequentWords", "Ignore words with fewer than",
          0),
    List(P::cboThresholdFrequency, "cboThresholdFrequency", "occurrences", 0, kTwoToNine, true),
    Check(P::chkOutputWithCommas, "chkOutputWithCommas", "Include commas in output file", 0),
    Check(P::chkWarnOnOverwrite, "chkWarnOnOverwrite", "Warn before overwriting output file", 1),
    Check(P::chkSaveStateOnQuit, "chkSaveStateOnQuit", "Save state when quitting", 1),
    Text(P::txbFileInput, "txbFile(0)", "Input file"),
    Text(P::txbFileOutput, "txbFile(1)", "Output file"),
    Check(P::chkSuppressWords, "chkSuppressWords", "Don't display words as found", 0, false),
    Check(P::chkDisableOutputToFile, "chkDisableOutputToFile", "Disable", 0, false),
    List(P::cboWordOrder, "cboWordOrder", "Word order:", 0, kWordOrders, false),
    List(P::cboDisplayFormat, "cboDisplayFormat", "Display format:", 0, kDisplayFormats, false),
    Text(P::strCommonWordsFile, "strCommonWordsFile", ""),
};
static_assert(std::size(kParams) == kParamCount);

constexpr bool TableInIdOrder() {
  for (std::size_t i = 0; i < kParamCount; ++i)
    if (static_cast<std::size_t>(kParams[i].id) != i) return false;
  return true;
}
static_assert(TableInIdOrder(), "the parameter table must follow ParamId order");

constexpr std::size_t Index(ParamId id) { return static_cast<std::size_t>(id); }

}  // namespace

std::span<const ParamInfo> AllParams() noexcept { return kParams; }

const ParamInfo& GetParamInfo(ParamId id) noexcept { return kParams[Index(id)]; }

const ParamInfo* FindParam(std::string_view name) noexcept {
  for (const ParamInfo& info : kParams)
    if (info.name == name) return &info;
  return nullptr;
}

bool IsValidValue(const ParamInfo& info, int value) noexcept {
  switch (info.kind) {
    case ParamKind::CheckBox:
      return value >= 0 && value <= 2;
    case ParamKind::List:
      return value >= -1 && value < static_cast<int>(info.items.size());
    case ParamKind::Text:
      return false;
  }
  return false;
}

ParameterSet::ParameterSet() {
  for (const ParamInfo& info : kParams) {
    if (info.kind == ParamKind::Text)
      texts_[Index(info.id)] = std::string(info.defaultText);
    else if (info.kind == ParamKind::List)
      values_[Index(info.id)] = info.defaultValue;
  }
  SetDefaultValues();
}

std::int16_t ParameterSet::Value(ParamId id) const noexcept { return values_[Index(id)]; }

bool ParameterSet::SetValue(ParamId id, int value) noexcept {
  if (!IsValidValue(GetParamInfo(id), value)) return false;
  values_[Index(id)] = static_cast<std::int16_t>(value);
  return true;
}

const std::string& ParameterSet::Text(ParamId id) const noexcept { return texts_[Index(id)]; }

bool ParameterSet::SetText(ParamId id, std::string text) {
  if (GetParamInfo(id).kind != ParamKind::Text) return false;
  texts_[Index(id)] = std::move(text);
  return true;
}

int ParameterSet::ListNumber(ParamId id) const noexcept {
  const ParamInfo& info = GetParamInfo(id);
  assert(info.kind == ParamKind::List);
  const int index = values_[Index(id)];
  if (index < 0 || index >= static_cast<int>(info.items.size())) return -1;
  const std::string_view item = info.items[static_cast<std::size_t>(index)];
  int number = -1;
  std::from_chars(item.data(), item.data() + item.size(), number);
  return number;
}

void ParameterSet::SetDefaultValues() noexcept {
  for (const ParamInfo& info : kParams)
    if (info.restoredByDefaults) values_[Index(info.id)] = info.defaultValue;
}

}  // namespace zet
