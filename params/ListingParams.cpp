#include "params/ListingParams.h"

#include <charconv>

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

bool IsOutputToFile(const ParameterSet& params) {
  return !params.Text(ParamId::txbFileOutput).empty() &&
         params.Value(ParamId::chkDisableOutputToFile) != 1;
}

bool MustAskOverwrite(const ParameterSet& params, bool fileExists) {
  return IsOutputToFile(params) && params.Value(ParamId::chkWarnOnOverwrite) != 0 && fileExists;
}

std::string ReportNoWordsListed(std::size_t lngNumWords, const ParameterSet& params) {
  if (lngNumWords == 0) return std::string(kNoWordsFound);
  const int shortIndex = params.Value(ParamId::cboShortWordSize);
  std::string text = "No words with more than ";
  text += std::to_string(shortIndex + 1);
  text += " letter";
  if (shortIndex != 0) text += "s";
  text += "\r\noccur at least ";
  // The threshold the filter applied: with its box unchecked (or nothing
  // selected) no word was left out for being rare.
  const int threshold = params.IsChecked(ParamId::chkIgnoreInfrequentWords)
                            ? params.Value(ParamId::cboThresholdFrequency) + 2
                            : 1;
  if (threshold <= 1)
    text += "once.";
  else if (threshold == 2)
    text += "twice.";
  else
    text += std::to_string(threshold) + " times.";
  return text;
}

ErrorReportContext MakeErrorReportContext(const ParameterSet& params, bool blnOutputFileWritten) {
  return {!params.Text(ParamId::txbFileOutput).empty(),
          params.Value(ParamId::chkDisableOutputToFile) == 1, blnOutputFileWritten};
}

WordOrder OrderOf(const ParameterSet& params) {
  return params.Value(ParamId::cboWordOrder) == 1 ? WordOrder::Alphabetical
                                                  : WordOrder::ByFrequency;
}

DisplayFormat FormatOf(const ParameterSet& params) {
  const int index = params.Value(ParamId::cboDisplayFormat);
  return index >= 0 && index < kDisplayFormatCount ? static_cast<DisplayFormat>(index)
                                                   : DisplayFormat::RankFrequencyWord;
}

ListingOptions ListingOptionsFor(const ParameterSet& params, ListingTarget target) {
  const bool commas =
      target == ListingTarget::OutputFile && params.IsChecked(ParamId::chkOutputWithCommas);
  return {OrderOf(params), FormatOf(params), commas, target, kMinColumnWidth, {}};
}

}  // namespace zet
