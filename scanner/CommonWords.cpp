#include "scanner/CommonWords.h"

#include "scanner/CommentMarkers.h"
#include "scanner/Cp1252.h"
#include "scanner/Scanner.h"
#include "scanner/SourceReader.h"
#include "scanner/StrProc.h"
#include "scanner/WordTable.h"

namespace zet {

bool ReadCommonWords(ByteSource& source, const WordRules& rules, CommonWordList& list,
                     ScanObserver& observer, Encoding encoding) {
  ScanSettings settings;
  settings.allow = rules.allow;
  settings.blnDropFinalS = rules.blnDropFinalS;
  settings.blnCaseSignificant = false;  // common words are always lower-cased
  settings.markers = SetCommentMarkers("C", {});
  settings.chkAllowCommentMarkers = true;
  settings.blnSuppressWords = true;

  WordTable table;
  Scanner scanner(settings, table, observer);
  if (ScanLines(source, scanner, encoding).failed) return false;

  CommonWordList read;
  read.rules = rules;
  read.words.reserve(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) read.words.emplace(table[i].strWord());
  list = std::move(read);
  return true;
}

WordsToIgnore ParseWordsToIgnore(std::string_view typed) {
  std::string text(TrimSpaces(cp1252::Lower(typed)));
  std::string cleaned;
  cleaned.reserve(text.size());
  for (char c : text) {
    if (c == ' ') c = ',';
    if (c == ',' && !cleaned.empty() && cleaned.back() == ',') continue;
    cleaned.push_back(c);
  }
  if (!cleaned.empty() && cleaned.back() == ',') cleaned.pop_back();
  return {cleaned, cleaned + ","};
}

}  // namespace zet
