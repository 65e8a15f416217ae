#include "scanner/Scanner.h"

#include <cstring>

#include "scanner/Cp1252.h"
#include "scanner/Entities.h"
#include "scanner/StrProc.h"

namespace zet {
namespace {

// More different words than this are not displayed while a pass runs, so
// the output text does not grow without bound.
constexpr std::size_t kMaxWordsShown = 2000;

// Preparation tables: white space normalised, and lower-cased unless case is
// significant, in the one pass that copies the line.
constexpr std::array<unsigned char, 256> MakePrepareTable(bool lower) {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) {
    const auto c = static_cast<std::size_t>(i);
    t[c] = lower ? cp1252::kLower[c] : static_cast<unsigned char>(i);
  }
  for (std::size_t ws : {0x09u, 0x0Au, 0x0Du, 0xA0u}) t[ws] = ' ';
  return t;
}
constexpr std::array<unsigned char, 256> kPrepareLower = MakePrepareTable(true);
constexpr std::array<unsigned char, 256> kPrepareKeepCase = MakePrepareTable(false);

bool IsTrailingPunctuation(char c) {
  return c == '-' || c == '\'' || c == '_' || c == ':' || c == '.';
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerMarker) {
  if (text.size() != lowerMarker.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (cp1252::ToLower(text[i]) != static_cast<unsigned char>(lowerMarker[i])) return false;
  return true;
}

bool IsExemptFromFinalS(std::string_view word) {
  if (word.size() != 11 && word.size() != 5) return false;
  const std::string lower = cp1252::Lower(word);
  return lower == "mathematics" || lower == "maths";
}

}  // namespace

Scanner::Scanner(const ScanSettings& settings, WordTable& table, ScanObserver& observer)
    : settings_(settings),
      table_(table),
      observer_(observer),
      classes_(settings.allow),
      showWords_(!settings.blnSuppressWords) {
  for (std::size_t k = 0; k < 2; ++k) {
    lowerStart_[k] = cp1252::Lower(settings_.markers.strStartComment[k]);
    lowerEnd_[k] = cp1252::Lower(settings_.markers.strEndComment[k]);
  }
  processComments_ = settings_.blnIsCodeFile ||
                     ((!lowerStart_[0].empty() || !lowerStart_[1].empty()) &&
                      settings_.chkAllowCommentMarkers);
}

void Scanner::ScanSourceLine(std::string_view line) {
  line = TrimSpaces(line);
  if (line.empty() || stopRequested_) return;
  const auto& table = settings_.blnCaseSignificant ? kPrepareKeepCase : kPrepareLower;
  line_.resize(line.size() + 1);
  for (std::size_t i = 0; i < line.size(); ++i)
    line_[i] = static_cast<char>(table[static_cast<unsigned char>(line[i])]);
  line_.back() = ' ';
  ScanNormalized(line_);
}

void Scanner::ScanWholeText(std::string_view text) {
  if (text.empty() || stopRequested_) return;
  line_.assign(text);
  if (!settings_.blnCaseSignificant) cp1252::LowerInPlace(line_);
  line_.push_back(' ');
  ScanLine(line_);
}

void Scanner::ScanLine(std::string& strCurrentLine) {
  NormalizeWhitespace(strCurrentLine);
  ScanNormalized(strCurrentLine);
}

void Scanner::ScanNormalized(std::string& line) {
  if (stopRequested_) return;
  if (std::memchr(line.data(), '-', line.size()) != nullptr) ReplaceDoubleHyphens(line);
  if (std::memchr(line.data(), '&', line.size()) != nullptr) DecodeEntities(line);
  if (line.size() < 2) return;  // nothing before the sentinel

  const std::string_view text = line;
  const std::size_t last = text.size() - 1;  // the sentinel, never examined
  std::size_t pos = 0;
  while (pos < last) {
    if (processComments_) {
      if (intOpenComment_ == -1) intOpenComment_ = FindCommentStart(text, pos);
      while (intOpenComment_ >= 0) {
        FindCommentEnd(text, pos);
        if (pos > last) return;  // still open: it goes on on the next line
        if (pos == last) {
          intOpenComment_ = -1;
          return;
        }
        intOpenComment_ = FindCommentStart(text, pos);
      }
    } else {
      // Without markers nothing happens between words: skip to the next start.
      while (pos < last && !classes_.StartsWord(text[pos])) ++pos;
      if (pos == last) return;
    }
    if (classes_.StartsWord(text[pos])) {
      const std::string_view word = GetNextWord(text, pos);
      if (!word.empty()) AddWord(word);
      if (!observer_.Pump()) {
        stopRequested_ = true;
        return;
      }
    } else if (++pos == last) {
      return;
    }
  }
}

std::string_view Scanner::GetNextWord(std::string_view line, std::size_t& lngScanPos) {
  const std::size_t start = lngScanPos;
  std::size_t n = 0;
  while (start + n < line.size() && classes_.ContinuesWord(line[start + n]) && n < kMaxWordRun) ++n;
  lngScanPos += n;
  std::string_view word = line.substr(start, n);

  while (!word.empty() && IsTrailingPunctuation(word.back())) word.remove_suffix(1);

  if (settings_.blnDropFinalS && word.size() > 2 && word.back() == 's' && !IsExemptFromFinalS(word)) {
    const char before = word[word.size() - 2];
    if (before != 's' && before != '\'' && !StartsWithVowel(word.substr(word.size() - 2, 1)))
      word.remove_suffix(1);
  }

  if (!settings_.allow.blnAllowApostrophes && !word.empty()) {
    if (word.size() == 1 && (cp1252::ToLower(word[0]) == 's' || cp1252::ToLower(word[0]) == 't'))
      return {};
    if (word.size() <= 7 && IsContractionStem(word)) return {};
  }
  return word;
}

void Scanner::AddWord(std::string_view word) {
  if (table_.Add(word) != WordTable::AddResult::New) return;
  const std::size_t numWords = table_.size();
  if (numWords == 1) {
    if (showWords_) observer_.ShowFirstWord(word);
    return;
  }
  observer_.NewWordCounted(numWords);
  if (!showWords_) return;
  observer_.ShowNewWord(word);
  if (numWords > kMaxWordsShown) {
    observer_.SuppressWordDisplay();
    showWords_ = false;
  }
}

int Scanner::FindCommentStart(std::string_view line, std::size_t pos) const {
  for (std::size_t k = 0; k < 2; ++k) {
    const std::string& marker = lowerStart_[k];
    if (marker.empty()) continue;
    if (!EqualsIgnoringCase(line.substr(pos, marker.size()), marker)) continue;
    if (k == 1 && marker == "&" && settings_.blnIsCodeFile)
      return IsEntityAt(line.substr(pos)) > 0 ? 1 : -1;
    return static_cast<int>(k);
  }
  return -1;
}

void Scanner::FindCommentEnd(std::string_view line, std::size_t& pos) {
  const std::string& end = lowerEnd_[static_cast<std::size_t>(intOpenComment_)];
  if (end.empty()) {
    // A line comment: the rest of the line is skipped and nothing carries over.
    intOpenComment_ = -1;
    pos = line.size();
    return;
  }
  const std::size_t found = line.find(end, pos);
  pos = found == std::string_view::npos ? line.size() : found + end.size();
}

}  // namespace zet
