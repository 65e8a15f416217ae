#include "results/FilterSettings.h"

#include <charconv>

#include "scanner/Cp1252.h"

namespace zet {
namespace {

// A list's selection index + 2: the value of the "2" to "9" lists. With no
// selection this is 1, which leaves nothing out.
std::int64_t TwoToNineValue(const ParameterSet& params, ParamId id) {
  return std::int64_t{params.Value(id)} + 2;
}

std::size_t LongWordSize(const ParameterSet& params) {
  int size = params.ListNumber(ParamId::cboLongWordSize);
  if (size < 0) {
    const ParamInfo& info = GetParamInfo(ParamId::cboLongWordSize);
    const std::string_view item = info.items[static_cast<std::size_t>(info.defaultValue)];
    std::from_chars(item.data(), item.data() + item.size(), size);
  }
  return static_cast<std::size_t>(size);
}

}  // namespace

WordSet MakeWordsToIgnoreSet(std::string_view strWordsToIgnore) {
  WordSet words;
  std::size_t start = 0;
  while (start < strWordsToIgnore.size()) {
    std::size_t end = strWordsToIgnore.find_first_of(", ", start);
    if (end == std::string_view::npos) end = strWordsToIgnore.size();
    if (end > start) words.insert(cp1252::Lower(strWordsToIgnore.substr(start, end - start)));
    start = end + 1;
  }
  return words;
}

FilterSettings MakeFilterSettings(const ParameterSet& params, std::string_view strWordsToIgnore,
                                  std::shared_ptr<const WordSet> commonWords) {
  FilterSettings s;
  s.blnIgnoreInfrequentWords = params.IsChecked(ParamId::chkIgnoreInfrequentWords);
  s.lngThresholdFrequency = TwoToNineValue(params, ParamId::cboThresholdFrequency);
  s.blnIgnoreShortWords = params.IsChecked(ParamId::chkIgnoreShortWords);
  s.intShortWordSize = static_cast<std::size_t>(TwoToNineValue(params, ParamId::cboShortWordSize));
  s.intLongWordSize = LongWordSize(params);
  s.wordsToIgnore = MakeWordsToIgnoreSet(strWordsToIgnore);
  if (params.IsChecked(ParamId::chkIgnoreCommonWords)) s.commonWords = std::move(commonWords);
  s.blnIgnoreRepetitions = params.IsChecked(ParamId::chkIgnoreRepetitions);
  s.blnIgnoreRomNum40 = params.IsChecked(ParamId::chkIgnoreRomNum40);
  s.blnIgnoreNoVowelOrY = params.IsChecked(ParamId::chkIgnoreNoVowelOrY);
  return s;
}

}  // namespace zet
