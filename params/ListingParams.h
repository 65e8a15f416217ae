#pragma once
// What the parameter set means to the results stages: the exclusion
// settings, whether and when the list goes to the output file, and the
// texts that depend on the parameters.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "params/ParameterSet.h"
#include "results/FilterSettings.h"
#include "results/Listing.h"
#include "results/OutputStage.h"
#include "results/ReportError.h"

namespace zet {

/// The settings of `params`, with the words to ignore `strWordsToIgnore`
/// (Windows-1252, see MakeWordsToIgnoreSet) and the loaded common words
/// `commonWords` (null when none are loaded). The common words are used
/// only when "Ignore common words in file:" is checked. A long-word list
/// with nothing selected keeps its default limit rather than leaving out
/// every word.
[[nodiscard]] FilterSettings MakeFilterSettings(const ParameterSet& params,
                                                std::string_view strWordsToIgnore,
                                                std::shared_ptr<const WordSet> commonWords);

/// True when the list goes to the output file: a file is named and
/// "Disable" is not checked.
[[nodiscard]] bool IsOutputToFile(const ParameterSet& params);

/// True when the user must be asked kOverwriteQuestion before writing: the
/// list goes to the file, "Warn before overwriting output file" has any
/// non-zero value, and the file `fileExists`. On the answer No the caller
/// checks "Disable" and writes no file.
[[nodiscard]] bool MustAskOverwrite(const ParameterSet& params, bool fileExists);

/// The textbox text that explains an empty list. With no words counted at
/// all (`lngNumWords` 0): kNoWordsFound. Otherwise two lines, CR LF
/// between, naming the short-word size (its list, whether or not its box is
/// checked) and the frequency threshold in force, e.g. "No words with more
/// than 2 letters" and "occur at least once.".
[[nodiscard]] std::string ReportNoWordsListed(std::size_t lngNumWords, const ParameterSet& params);

/// The context as `params` and the output stage's `blnOutputFileWritten`
/// give it.
[[nodiscard]] ErrorReportContext MakeErrorReportContext(const ParameterSet& params,
                                                        bool blnOutputFileWritten);

/// The chosen order (the word-order list: 1 is alphabetical, anything
/// else by frequency).
[[nodiscard]] WordOrder OrderOf(const ParameterSet& params);

/// The chosen display format; format 0 when the list has no valid
/// selection.
[[nodiscard]] DisplayFormat FormatOf(const ParameterSet& params);

/// How a listing for `target` is written under `params`: order, format,
/// and the comma layout, which only the output file takes.
[[nodiscard]] ListingOptions ListingOptionsFor(const ParameterSet& params, ListingTarget target);

}  // namespace zet
