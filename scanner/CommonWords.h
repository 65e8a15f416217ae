#pragma once
// The words left out of the list: a common-words file and typed words.

#include <string>
#include <string_view>
#include <unordered_set>

#include "scanner/Encoding.h"
#include "scanner/LineReader.h"
#include "scanner/ScanObserver.h"
#include "scanner/ScanSettings.h"

namespace zet {

/// The common words read from a file, as the scanner cut them, with the
/// word rules they were cut with: a count under other rules must read the
/// file again, or "e-mail" in the file would be cut differently from
/// "e-mail" in the text.
struct CommonWordList {
  std::unordered_set<std::string> words;  ///< lower-case, Windows-1252
  WordRules rules;
};

/// Reads common words from `source` into `list`: each line trimmed of
/// spaces, skipped when empty, lower-cased and scanned under `rules`, with
/// "/*" ... "*/" and "//" comments skipped whatever the parameters say. Only
/// the different words are kept; there is no limit on their number. On a
/// read error returns false and leaves `list` as it was. `observer` sees the
/// count of different words as they are found (the words are not shown).
/// The file is read in `encoding` (see ScanLines), best decided first with
/// DecideFileEncoding.
[[nodiscard]] bool ReadCommonWords(ByteSource& source, const WordRules& rules, CommonWordList& list,
                                   ScanObserver& observer, Encoding encoding = Encoding::Utf8);

/// The words to ignore typed by the user, as the box shows them after
/// cleaning and as the filter uses them.
struct WordsToIgnore {
  std::string boxText;  ///< "the,and,of"
  std::string list;     ///< "the,and,of," (the empty list is ",")
};

/// Cleans typed words to ignore (Windows-1252): lower-cased, trimmed of
/// spaces, spaces turned into commas, runs of commas into one, a final comma
/// dropped. Only spaces and commas separate words.
[[nodiscard]] WordsToIgnore ParseWordsToIgnore(std::string_view typed);

}  // namespace zet
