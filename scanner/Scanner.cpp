#include "scanner/Scanner.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "scanner/Cp1252.h"
#include "scanner/Entities.h"
#include "scanner/Folding.h"
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

// Characters that call for a rewrite of the line before it is scanned.
constexpr unsigned char kHyphen = 1;
constexpr unsigned char kAmpersand = 2;
constexpr std::array<unsigned char, 256> MakeRewriteTable() {
  std::array<unsigned char, 256> t{};
  t['-'] = kHyphen;
  t['&'] = kAmpersand;
  return t;
}
constexpr std::array<unsigned char, 256> kRewrite = MakeRewriteTable();

// Copies `line` to `out` with white space normalised and, when `lower`,
// lower-cased; returns which rewrite characters it holds.
unsigned PrepareLine(std::string_view line, char* out, bool lower) {
  const auto& table = lower ? kPrepareLower : kPrepareKeepCase;
  const char* in = line.data();
  std::size_t n = line.size();
  unsigned rewrite = 0;
#if defined(__SSE2__)
  // Sixteen ASCII bytes at a time: about 8 times fewer instructions than
  // the table on plain text, which is nearly all of a typical corpus.
  const __m128i upperLo = _mm_set1_epi8('A' - 1);
  const __m128i upperHi = _mm_set1_epi8('Z' + 1);
  const __m128i caseBit = _mm_set1_epi8(lower ? 0x20 : 0);
  const __m128i space = _mm_set1_epi8(' ');
  __m128i hyphens = _mm_setzero_si128();
  __m128i ampersands = _mm_setzero_si128();
  for (; n >= 16; n -= 16, in += 16, out += 16) {
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    if (_mm_movemask_epi8(v) != 0) {
      for (int i = 0; i < 16; ++i) {
        const auto c = static_cast<unsigned char>(in[i]);
        out[i] = static_cast<char>(table[c]);
        rewrite |= kRewrite[c];
      }
      continue;
    }
    const __m128i upper = _mm_and_si128(_mm_cmpgt_epi8(v, upperLo), _mm_cmplt_epi8(v, upperHi));
    v = _mm_add_epi8(v, _mm_and_si128(upper, caseBit));
    const __m128i ws = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\t')),
                                                 _mm_cmpeq_epi8(v, _mm_set1_epi8('\n'))),
                                    _mm_cmpeq_epi8(v, _mm_set1_epi8('\r')));
    v = _mm_or_si128(_mm_andnot_si128(ws, v), _mm_and_si128(ws, space));
    hyphens = _mm_or_si128(hyphens, _mm_cmpeq_epi8(v, _mm_set1_epi8('-')));
    ampersands = _mm_or_si128(ampersands, _mm_cmpeq_epi8(v, _mm_set1_epi8('&')));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), v);
  }
  if (_mm_movemask_epi8(hyphens) != 0) rewrite |= kHyphen;
  if (_mm_movemask_epi8(ampersands) != 0) rewrite |= kAmpersand;
#endif
  for (std::size_t i = 0; i < n; ++i) {
    const auto c = static_cast<unsigned char>(in[i]);
    out[i] = static_cast<char>(table[c]);
    rewrite |= kRewrite[c];
  }
  return rewrite;
}

#if defined(__SSE2__)
// A bit for each of the sixteen bytes at `p` that is a plain lower-case
// letter (a-z): every such byte continues a word and is its own key.
unsigned PlainLetterMask(const char* p) {
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i shifted = _mm_add_epi8(v, _mm_set1_epi8(static_cast<char>(0x80 - 'a')));
  return static_cast<unsigned>(
      _mm_movemask_epi8(_mm_cmplt_epi8(shifted, _mm_set1_epi8(static_cast<char>(-128 + 26)))));
}
#endif

// The number of plain lower-case letters that start at `p`, up to 16, in a
// line that ends at `lineEnd` and holds at least `lineSize` bytes; 0 when
// the line is too short to test sixteen bytes at once.
unsigned PlainLetterRun(const char* p, const char* lineEnd, std::size_t lineSize) {
#if defined(__SSE2__)
  if (lineEnd - p >= 16) return static_cast<unsigned>(__builtin_ctz(~PlainLetterMask(p)));
  // Near the end of the line: test its last sixteen bytes instead, so that
  // nothing past the line is read.
  if (lineSize >= 16)
    return static_cast<unsigned>(
        __builtin_ctz(~(PlainLetterMask(lineEnd - 16) >> (p - (lineEnd - 16)))));
#else
  (void)p;
  (void)lineEnd;
  (void)lineSize;
#endif
  return 0;
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
      showWords_(!settings.blnSuppressWords),
      pumps_(observer.NeedsPump()),
      reportsWords_(observer.WantsEachWord()) {
  for (std::size_t k = 0; k < 2; ++k) {
    lowerStart_[k] = cp1252::Lower(settings_.markers.strStartComment[k]);
    lowerEnd_[k] = cp1252::Lower(settings_.markers.strEndComment[k]);
  }
  processComments_ =
      settings_.blnIsCodeFile ||
      ((!lowerStart_[0].empty() || !lowerStart_[1].empty()) && settings_.chkAllowCommentMarkers);
}

void Scanner::ScanSourceLine(std::string_view line) {
  line = TrimSpaces(line);
  if (line.empty() || stopRequested_) return;
  line_.resize(line.size() + 1);
  PrepareAndScan(line, line_.data());
}

void Scanner::ScanSourceLineInPlace(std::span<char> line) {
  const std::string_view trimmed = TrimSpaces(std::string_view(line.data(), line.size()));
  if (trimmed.empty() || stopRequested_) return;
  PrepareAndScan(trimmed, line.data() + (trimmed.data() - line.data()));
}

void Scanner::ScanSourceLinesInPlace(std::span<char> lines) {
  assert(ScansManyLines() && "a line comment would end at the line's end");
  if (lines.empty() || stopRequested_) return;
  // Preparing turns CR and LF into spaces, so words never join across a
  // line's end; only an entity's search for its semicolon would cross it.
  // Lines with an ampersand are rare: they go one by one.
  if (std::memchr(lines.data(), '&', lines.size()) != nullptr) {
    char* at = lines.data();
    char* const end = at + lines.size();
    while (!stopRequested_) {
      char* t = at;
      while (t < end && *t != '\r' && *t != '\n') ++t;
      ScanSourceLineInPlace(std::span<char>(at, t));
      if (t == end) break;
      at = t + 1;  // the LF of a CR LF is an empty line
    }
    return;
  }
  PrepareAndScan(std::string_view(lines.data(), lines.size()), lines.data());
}

void Scanner::PrepareAndScan(std::string_view line, char* out) {
  const unsigned rewrite = PrepareLine(line, out, !settings_.blnCaseSignificant);
  out[line.size()] = ' ';
  const std::size_t size =
      Rewrite(out, line.size() + 1, (rewrite & kHyphen) != 0, (rewrite & kAmpersand) != 0);
  ScanPrepared(std::string_view(out, size));
}

void Scanner::ScanWholeText(std::string_view text) {
  if (text.empty() || stopRequested_) return;
  line_.assign(text);
  if (!settings_.blnCaseSignificant) cp1252::LowerInPlace(line_);
  line_.push_back(' ');
  ScanLine(line_);
}

void Scanner::ScanLine(std::string& strCurrentLine) {
  if (stopRequested_) return;
  NormalizeWhitespace(strCurrentLine);
  strCurrentLine.resize(
      Rewrite(strCurrentLine.data(), strCurrentLine.size(),
              std::memchr(strCurrentLine.data(), '-', strCurrentLine.size()) != nullptr,
              std::memchr(strCurrentLine.data(), '&', strCurrentLine.size()) != nullptr));
  ScanPrepared(strCurrentLine);
}

std::size_t Scanner::Rewrite(char* line, std::size_t size, bool hasHyphen, bool hasAmpersand) {
  if (hasHyphen) size = ReplaceDoubleHyphens(line, size);
  if (hasAmpersand) size = DecodeEntities(line, size);
  return size;
}

void Scanner::ScanPrepared(std::string_view text) {
  if (stopRequested_ || text.size() < 2) return;  // nothing before the sentinel
  assert(text.back() == ' ' && "a prepared line ends in its sentinel space");

  const std::size_t last = text.size() - 1;  // the sentinel, never examined
  std::size_t pos = 0;
  while (pos < last) {
    if (processComments_) {
      if (intOpenComment_ == -1) intOpenComment_ = FindCommentStart(text, pos);
      while (intOpenComment_ >= 0) {
        FindCommentEnd(text, pos);
        if (pos > last) {  // still open: it goes on on the next line
          FlushWords();
          return;
        }
        if (pos == last) {
          intOpenComment_ = -1;
          FlushWords();
          return;
        }
        intOpenComment_ = FindCommentStart(text, pos);
      }
    } else {
      // Without markers nothing happens between words: skip to the next start.
      while (pos < last && !classes_.StartsWord(text[pos])) ++pos;
      if (pos == last) break;
    }
    if (classes_.StartsWord(text[pos])) {
      const std::string_view word = GetNextWord(text, pos);
      // A table that fits in the caches gains nothing from the queue's
      // prefetching: its words are counted at once, at a tenth fewer
      // instructions. Words queued before it are counted first, in order.
      if (queued_ == 0 && table_.FitsInCache()) {
        if (!CountWord(word)) return;
        continue;
      }
      QueueWord(word);
      if (queued_ == kBatch && !FlushWords()) return;
    } else if (++pos == last) {
      break;
    }
  }
  FlushWords();
}

void Scanner::QueueWord(std::string_view word) {
  QueuedWord& q = queue_[queued_];
  // A word too long to count still takes its place, as an empty one: its
  // pump comes in order.
  q.word = word.size() <= WordTable::kMaxWordLength ? word : std::string_view();
  if (!q.word.empty()) {
    q.key = lastWordKeyStable_ ? word : MakeWordKey(word, keyBuffers_[queued_]);
    q.hash = table_.KeyHash(q.key);
    table_.Prefetch(q.hash);
  }
  ++queued_;
}

bool Scanner::CountWord(std::string_view word) {
  if (!word.empty() && word.size() <= WordTable::kMaxWordLength) {
    const std::string_view key = lastWordKeyStable_ ? word : MakeWordKey(word, keyBuffers_[0]);
    AddWord(word, key, table_.KeyHash(key));
  }
  if (pumps_ && !observer_.Pump()) {
    stopRequested_ = true;
    return false;
  }
  return true;
}

bool Scanner::FlushWords() {
  const std::size_t n = queued_;
  queued_ = 0;
  // The slots were asked for when the words were queued; now their records
  // are, all at once, before the first is compared. Even a table that fits
  // the second-level cache waits for both on every word otherwise.
  for (std::size_t i = 0; i < n; ++i) table_.PrefetchRecord(queue_[i].hash);
  for (std::size_t i = 0; i < n; ++i) {
    const QueuedWord& q = queue_[i];
    if (!q.word.empty()) AddWord(q.word, q.key, q.hash);
    if (pumps_ && !observer_.Pump()) {
      stopRequested_ = true;  // the words queued after this one are not counted
      return false;
    }
  }
  return true;
}

std::string_view Scanner::GetNextWord(std::string_view line, std::size_t& lngScanPos) {
  const char* const begin = line.data() + lngScanPos;
  const char* const lineEnd = line.data() + line.size();
  const char* const limit = begin + std::min(line.size() - lngScanPos, kMaxWordRun);
  // Most words are plain lower-case letters: sixteen bytes are tested at
  // once and the byte loop, whose exit at a varying length the processor
  // mispredicts, is skipped (a quarter fewer cycles per word of text).
  const unsigned run = PlainLetterRun(begin, lineEnd, line.size());
  const char* end = begin + run;
  unsigned seen = run > 0 ? classes_.Of('a') : 0;
  if (end < limit && (run == 16 || (classes_.Of(*end) & WordCharClasses::kContinues) != 0)) {
    for (; end < limit; ++end) {
      const unsigned f = classes_.Of(*end);
      if ((f & WordCharClasses::kContinues) == 0) break;
      seen |= f;
    }
  }
  lngScanPos += static_cast<std::size_t>(end - begin);
  lastWordKeyStable_ = (seen & WordCharClasses::kKeyChanges) == 0;

  if (seen & WordCharClasses::kTrailing)
    while (end > begin && (classes_.Of(end[-1]) & WordCharClasses::kTrailing)) --end;
  auto size = static_cast<std::size_t>(end - begin);

  if (settings_.blnDropFinalS && size > 2 && end[-1] == 's') {
    const char before = end[-2];
    if (before != 's' && before != '\'' && !StartsWithVowel(std::string_view(end - 2, 1)) &&
        !IsExemptFromFinalS(std::string_view(begin, size)))
      --size;
  }
  const std::string_view word(begin, size);
  if (size == 0) return {};

  if (!settings_.allow.blnAllowApostrophes && !settings_.allow.blnKeepApostropheFragments &&
      size <= 7) {
    // Only a lone s or t, or a word ending in n, can be a contraction's
    // leftover: other words skip the stem search.
    const unsigned char lastChar = cp1252::ToLower(word.back());
    if (size == 1 && (lastChar == 's' || lastChar == 't')) return {};
    if (lastChar == 'n' && IsContractionStem(word)) return {};
  }
  return word;
}

void Scanner::AddWord(std::string_view word, std::string_view key, std::uint32_t hash) {
  // Out of line and marked unlikely, so that a scan nobody watches word by
  // word keeps the code it had without the hook.
  if (reportsWords_) [[unlikely]]
    ReportWord(word, key);
  const WordTable::AddResult added = table_.AddHashed(word, key, hash);
  if (added != WordTable::AddResult::New) return;
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

void Scanner::ReportWord(std::string_view word, std::string_view key) {
  // A queued word too long to count has no key of its own: it is not counted.
  if (word.size() <= WordTable::kMaxWordLength) observer_.WordCounted(word, key);
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
