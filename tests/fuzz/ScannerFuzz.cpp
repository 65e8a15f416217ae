// Fuzz target: arbitrary bytes through the decoder, the line reader and the
// scanner, under settings chosen by the input's first bytes.
//
// Input: byte 0 the first eight allow-flags (hyphens, apostrophes,
// underscores, colons, backslashes, forward slashes, periods, at-signs);
// byte 1 bit 0 numerals, bit 1 case significant, bit 2 drop final s, bit 3
// comment markers allowed, bits 4-5 the marker set (0 the user's, 1 HTML,
// 2 C, 3 none), bit 6 words not displayed; byte 2 the read size of the
// second pass less one; byte 3 the word after which to stop (0: never);
// then the four user markers (start 0, end 0, start 1, end 1), each a
// length byte (low four bits) and that many bytes; the rest is the text.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "scanner/CommentMarkers.h"
#include "scanner/Cp1252.h"
#include "scanner/Encoding.h"
#include "scanner/Folding.h"
#include "scanner/LineReader.h"
#include "scanner/Scanner.h"
#include "scanner/SourceReader.h"
#include "scanner/TextCodec.h"
#include "scanner/Utf8Validator.h"
#include "scanner/WordTable.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzText.h"
#include "tests/fuzz/ReferenceScanner.h"

namespace zet::fuzz {
namespace {

struct Case {
  ScanSettings settings;
  std::size_t chunk = 1;
  std::uint64_t stopAfter = 0;
  std::string_view text;
};

Case ReadCase(InputReader& in) {
  Case c;
  const unsigned allow = in.Byte();
  const unsigned mode = in.Byte();
  c.settings.allow = AllowFromBits(allow | ((mode & 1u) << 8));
  c.settings.blnCaseSignificant = (mode & 2u) != 0;
  c.settings.blnDropFinalS = (mode & 4u) != 0;
  c.settings.chkAllowCommentMarkers = (mode & 8u) != 0;
  c.settings.blnSuppressWords = (mode & 64u) != 0;
  c.chunk = std::size_t{in.Byte()} + 1;
  c.stopAfter = in.Byte();
  CommentMarkers user;
  user.strStartComment[0] = in.Text(0x0F);
  user.strEndComment[0] = in.Text(0x0F);
  user.strStartComment[1] = in.Text(0x0F);
  user.strEndComment[1] = in.Text(0x0F);
  static constexpr const char* kTypes[] = {"as per user settings", "HTML", "C", ""};
  const unsigned set = (mode >> 4) & 3u;
  c.settings.markers = SetCommentMarkers(kTypes[set], user);
  c.settings.blnIsCodeFile = set == 1 || set == 2;
  c.text = in.Rest();
  return c;
}

// The word key, as the table must make it.
std::string KeyOf(std::string_view word) { return cp1252::Lower(FoldAccents(word)); }

// Records what the scanner shows and stops it after a given word.
class RecordingObserver final : public ScanObserver {
 public:
  explicit RecordingObserver(std::uint64_t stopAfter) : stopAfter_(stopAfter) {}

  void ShowFirstWord(std::string_view word) override {
    Require(shown.empty(), "the first word was shown after other words");
    shown.emplace_back(word);
  }
  void ShowNewWord(std::string_view word) override {
    Require(!shown.empty(), "a new word was shown before the first");
    Require(suppressed == 0, "a word was shown after the display was suppressed");
    shown.emplace_back(word);
  }
  void NewWordCounted(std::size_t numWords) override {
    Require(numWords == lastCounted + 1 && numWords >= 2, "new words were not numbered 2, 3, ...");
    lastCounted = numWords;
  }
  void SuppressWordDisplay() override { ++suppressed; }
  bool Pump() override {
    ++pumps;
    return stopAfter_ == 0 || pumps < stopAfter_;
  }

  std::vector<std::string> shown;
  std::size_t lastCounted = 1;
  int suppressed = 0;
  std::uint64_t pumps = 0;

 private:
  std::uint64_t stopAfter_;
};

// The decoder: nothing lost or invented, no undefined code but the
// placeholder, and a stable round trip through UTF-8.
void CheckDecoder(std::string_view bytes) {
  const std::string out = DecodeToCp1252(bytes);
  Require(out.size() <= bytes.size(), "decoding made the text longer");
  std::string asciiIn;
  std::string asciiOut;
  bool allAscii = true;
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) < 0x80)
      asciiIn += c;
    else
      allAscii = false;
  }
  for (char c : out) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) asciiOut += c;
    if (b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
      Fail("decoded text holds an undefined code: " + Printable(out));
  }
  Require(asciiIn == asciiOut, "decoding changed, lost or invented ASCII characters");
  Require(IsAscii(bytes) == allAscii, "IsAscii is wrong");
  if (allAscii) Require(out == bytes, "ASCII text was not copied unchanged");
  const std::string utf8 = EncodeUtf8(out);
  Require(IsValidUtf8(utf8), "EncodeUtf8 gave invalid UTF-8");
  Require(DecodeToCp1252(utf8) == out, "decoding the encoded text does not give it back");
  const std::string valid = ToValidUtf8(bytes);
  Require(IsValidUtf8(valid), "ToValidUtf8 gave invalid UTF-8");
  if (IsValidUtf8(bytes)) Require(valid == bytes, "ToValidUtf8 changed valid UTF-8");
  Require(DecodeToCp1252(valid) == out, "ToValidUtf8 and DecodeToCp1252 disagree");
  Require(Utf8BomLength(bytes) == (bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3u : 0u),
          "Utf8BomLength is wrong");
}

// One encoding a source: a byte-order mark, else UTF-8 when every byte is,
// else Windows-1252; the validator agrees with the reference, also fed in
// pieces; Windows-1252 is taken byte for byte.
void CheckEncodings(std::string_view bytes, std::size_t piece) {
  const Encoding expected = bytes.starts_with("\xEF\xBB\xBF") ? Encoding::Utf8
                            : bytes.starts_with("\xFF\xFE")   ? Encoding::Utf16LE
                            : bytes.starts_with("\xFE\xFF")   ? Encoding::Utf16BE
                            : IsValidUtf8(bytes)              ? Encoding::Utf8
                                                              : Encoding::Windows1252;
  Require(DecideEncoding(bytes, true) == expected, "a whole source was decided wrongly");
  MemoryByteSource source(bytes, piece);
  const EncodingDecision decided = DecideSourceEncoding(source);
  Require(!decided.failed && decided.encoding == expected,
          "a source read in pieces was decided wrongly");
  const std::size_t prefix = ValidUtf8Prefix(bytes);
  Require((prefix == bytes.size()) == IsValidUtf8(bytes),
          "the validator disagrees with the reference");
  Require(IsValidUtf8(bytes.substr(0, prefix)), "the validator's valid prefix is not valid");
  Utf8Validator validator;
  for (std::size_t i = 0; i < bytes.size(); i += piece) validator.Feed(bytes.substr(i, piece));
  Require(validator.Finish() == (prefix == bytes.size()) &&
              (prefix == bytes.size() || validator.FirstInvalid() == prefix),
          "the validator fed in pieces found another first invalid byte");
  const std::string cp1252 = DecodeText(bytes, Encoding::Windows1252);
  Require(cp1252.size() == bytes.size(), "Windows-1252 did not map byte for byte");
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto in = static_cast<unsigned char>(bytes[i]);
    const auto out = static_cast<unsigned char>(cp1252[i]);
    const bool undefined = in == 0x81 || in == 0x8D || in == 0x8F || in == 0x90 || in == 0x9D;
    if (out != (undefined ? cp1252::kPlaceholder : in)) Fail("Windows-1252 changed a byte");
  }
}

// Valid UTF-8 text in UTF-16 (either byte order, read in pieces) counts
// the words of its UTF-8 form, and progress ends at the UTF-16 size.
void CheckUtf16(const Case& c, const WordTable& utf8Table) {
  std::string_view text = c.text;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // the mark is not text
  for (const bool bigEndian : {false, true}) {
    const std::string utf16 = ReferenceUtf16(text, bigEndian);
    Require(DecideEncoding(utf16, true) == (bigEndian ? Encoding::Utf16BE : Encoding::Utf16LE),
            "UTF-16 was not recognised by its mark");
    WordTable table;
    QuietObserver quiet;
    Scanner scanner(c.settings, table, quiet);
    MemoryByteSource source(utf16, c.chunk);
    std::uint64_t last = 0;
    const ReadOutcome outcome = ScanLines(
        source, scanner, Encoding::Auto, [&](std::uint64_t done) { last = done; }, c.chunk % 7 + 1);
    Require(outcome.bytesRead == utf16.size() && last == utf16.size(),
            "UTF-16 progress does not end at the source's size");
    Require(table.size() == utf8Table.size() &&
                table.TotalOccurrences() == utf8Table.TotalOccurrences(),
            "UTF-16 counted other words than UTF-8");
    for (std::size_t i = 0; i < table.size(); ++i)
      if (table[i].strWord() != utf8Table[i].strWord() ||
          table[i].lngCount != utf8Table[i].lngCount)
        Fail("UTF-16 counted \"" + Printable(table[i].strWord()) + "\" differently");
  }
}

// The line reader gives the reference lines whatever its capacity and
// however the source hands out its bytes.
void CheckLines(std::string_view text, std::size_t capacity, ByteSource& source) {
  const std::vector<SplitLine> expected = ReferenceLines(text);
  LineReader reader(source, capacity);
  std::string_view line;
  std::size_t n = 0;
  while (reader.Next(line)) {
    if (n >= expected.size()) Fail("the line reader gave more lines than the text holds");
    if (line != expected[n].first)
      Fail("line " + std::to_string(n + 1) + " differs: \"" + Printable(line) + "\"");
    Require(reader.BytesConsumed() == expected[n].second, "bytes consumed are wrong after a line");
    ++n;
  }
  Require(!reader.Failed(), "the line reader failed on bytes in memory");
  Require(n == expected.size(), "the line reader gave fewer lines than the text holds");
  Require(reader.BytesConsumed() == text.size(), "the line reader did not consume every byte");
}

// Every entry is a word of the settings, under its own key, in key order,
// and the counts add up to the total.
void CheckTable(const WordTable& table, const ScanSettings& settings, const char* where) {
  std::int64_t sum = 0;
  std::string_view previous;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const WordEntry& e = table[i];
    RequireWord(e.strWord(), settings.allow, !settings.blnCaseSignificant, where);
    if (e.strKey() != KeyOf(e.strWord()))
      Fail(std::string(where) + ": wrong key \"" + Printable(e.strKey()) + "\"");
    if (i > 0 && !KeyLess(previous, e.strKey()))
      Fail(std::string(where) + ": keys not strictly ascending at \"" + Printable(e.strKey()) +
           "\"");
    Require(e.lngCount >= 1, "an entry has a count below 1");
    Require(table.FindKey(e.strKey()) == &e, "FindKey does not find an entry by its key");
    previous = e.strKey();
    sum += e.lngCount;
  }
  Require(sum == table.TotalOccurrences(), "the counts do not add up to the total");
}

// What the observer saw agrees with the table.
void CheckObserver(const RecordingObserver& seen, const WordTable& table, const ScanSettings& s) {
  const std::size_t size = table.size();
  Require(seen.lastCounted == (size > 1 ? size : 1), "not every new word was announced");
  Require(static_cast<std::uint64_t>(table.TotalOccurrences()) <= seen.pumps,
          "a word was counted without a pump");
  if (s.blnSuppressWords) {
    Require(seen.shown.empty() && seen.suppressed == 0, "words were shown while suppressed");
    return;
  }
  Require(seen.shown.size() == (size < 2001 ? size : 2001), "the wrong number of words was shown");
  Require(seen.suppressed == (size >= 2001 ? 1 : 0), "the display was not suppressed once");
  for (const std::string& word : seen.shown) {
    const WordEntry* e = table.FindKey(cp1252::Lower(FoldAccents(word)));
    if (e == nullptr || e->strWord() != word)
      Fail("a shown word is not in the table: " + Printable(word));
  }
}

struct Pass {
  WordTable table;
  RecordingObserver observer;
  std::vector<std::uint64_t> progress;
  ReadOutcome outcome;
  bool stopped = false;
  int openComment = -1;

  explicit Pass(std::uint64_t stopAfter) : observer(stopAfter) {}
};

void RunFilePass(Pass& pass, ByteSource& source, const Case& c, std::size_t capacity) {
  Scanner scanner(c.settings, pass.table, pass.observer);
  pass.outcome = ScanLines(
      source, scanner, Encoding::Auto, [&](std::uint64_t done) { pass.progress.push_back(done); },
      capacity);
  pass.stopped = scanner.StopRequested();
  pass.openComment = scanner.intOpenComment();
  Require(pass.openComment >= -1 && pass.openComment <= 1, "the open comment is not -1, 0 or 1");
}

void CheckFilePass(const Pass& pass, const Case& c) {
  Require(!pass.outcome.failed, "reading bytes in memory failed");
  for (std::size_t i = 1; i < pass.progress.size(); ++i)
    Require(pass.progress[i] > pass.progress[i - 1], "progress is not increasing");
  // Progress comes as many lines at a time as the reader holds: each step
  // ends a line (or the text), wherever the reads were cut.
  const bool utf16 = c.text.starts_with("\xFF\xFE") || c.text.starts_with("\xFE\xFF");
  for (const std::uint64_t at : pass.progress)
    Require(utf16 || at == c.text.size() ||
                (at > 0 && (c.text[at - 1] == '\n' || c.text[at - 1] == '\r')),
            "progress stopped inside a line");
  const std::uint64_t last = pass.progress.empty() ? 0 : pass.progress.back();
  Require(pass.outcome.bytesRead == last, "the outcome's bytes differ from the last progress");
  Require(pass.stopped == (c.stopAfter != 0 && pass.observer.pumps >= c.stopAfter),
          "the pass stopped, or went on, against the observer's answer");
  if (!pass.stopped) Require(last == c.text.size(), "progress does not end at the input's size");
  CheckTable(pass.table, c.settings, "file pass");
  CheckObserver(pass.observer, pass.table, c.settings);
}

void RequireSameResult(const Pass& a, const Pass& b) {
  Require(a.table.size() == b.table.size(), "reading in pieces found another number of words");
  for (std::size_t i = 0; i < a.table.size(); ++i) {
    const WordEntry& x = a.table[i];
    const WordEntry& y = b.table[i];
    if (x.strWord() != y.strWord() || x.lngCount != y.lngCount)
      Fail("reading in pieces counted \"" + Printable(y.strWord()) + "\" differently");
  }
  Require(a.stopped == b.stopped && a.openComment == b.openComment,
          "reading in pieces ended in another state");
}

// Whether the plain reference covers this case: no comments, no stop.
bool ReferenceApplies(const Case& c) {
  const CommentMarkers& m = c.settings.markers;
  const bool comments = c.settings.blnIsCodeFile ||
                        ((!m.strStartComment[0].empty() || !m.strStartComment[1].empty()) &&
                         c.settings.chkAllowCommentMarkers);
  return !comments && c.stopAfter == 0;
}

void RequireReference(const WordTable& table, const ReferenceCounts& expected, const char* where) {
  if (table.size() != expected.size())
    Fail(std::string(where) + ": " + std::to_string(table.size()) +
         " different words, the reference " + std::to_string(expected.size()));
  for (std::size_t i = 0; i < table.size(); ++i) {
    const WordEntry& e = table[i];
    const auto it = expected.find(std::string(e.strKey()));
    if (it == expected.end())
      Fail(std::string(where) + ": unexpected \"" + Printable(e.strWord()) + "\"");
    if (it->second.first != e.strWord() || it->second.second != e.lngCount)
      Fail(std::string(where) + ": \"" + Printable(e.strWord()) + "\" x" +
           std::to_string(e.lngCount) + ", the reference \"" + Printable(it->second.first) +
           "\" x" + std::to_string(it->second.second));
  }
}

// The file pass and the clipboard pass against the plain reference.
// The file pass reads the text in its one encoding: valid UTF-8 (or
// marked as UTF-8) decoded, anything else byte for byte as Windows-1252.
// UTF-16 is left to CheckUtf16.
void CheckAgainstReference(const Case& c, const WordTable& file, const WordTable& clipboard) {
  const bool marked = c.text.starts_with("\xEF\xBB\xBF");
  const bool utf16 = c.text.starts_with("\xFF\xFE") || c.text.starts_with("\xFE\xFF");
  const bool utf8 = marked || IsValidUtf8(c.text);
  ReferenceCounts lines;
  bool first = true;
  for (const SplitLine& split : ReferenceLines(c.text)) {
    std::string_view raw = split.first;
    if (first && marked) raw.remove_prefix(3);
    first = false;
    std::string decoded;
    if (utf8) {
      decoded = DecodeToCp1252(raw);
    } else {
      for (char ch : raw) {
        const auto b = static_cast<unsigned char>(ch);
        const bool undefined = b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        decoded += undefined ? static_cast<char>(cp1252::kPlaceholder) : ch;
      }
    }
    const std::string prepared = ReferencePrepare(decoded, c.settings.blnCaseSignificant);
    if (!prepared.empty()) ReferenceScanLine(prepared, c.settings, KeyOf, lines);
  }
  if (!utf16) RequireReference(file, lines, "file pass against the reference");
  ReferenceCounts whole;
  const std::string prepared =
      ReferencePrepare(DecodeToCp1252(c.text), c.settings.blnCaseSignificant);
  if (!prepared.empty()) ReferenceScanLine(prepared, c.settings, KeyOf, whole);
  RequireReference(clipboard, whole, "clipboard pass against the reference");
}

void Run(const std::uint8_t* data, std::size_t size) {
  InputReader in(data, size);
  const Case c = ReadCase(in);
  CheckDecoder(c.text);
  CheckEncodings(c.text, c.chunk);

  MemoryByteSource whole(c.text);
  CheckLines(c.text, c.chunk % 7 + 1, whole);

  // As zet-count reads a file, then with a tiny reader fed a few bytes at a
  // time, so that lines and CR LF pairs cross the reader's buffer.
  Pass a(c.stopAfter);
  MemoryByteSource sourceA(c.text);
  RunFilePass(a, sourceA, c, LineReader::kDefaultCapacity);
  CheckFilePass(a, c);
  Pass b(c.stopAfter);
  MemoryByteSource sourceB(c.text, c.chunk);
  RunFilePass(b, sourceB, c, c.chunk % 7 + 1);
  RequireSameResult(a, b);

  // A batch count that never pumps counts the same words.
  if (c.stopAfter == 0) {
    WordTable quietTable;
    QuietObserver quiet;
    Scanner scanner(c.settings, quietTable, quiet);
    MemoryByteSource source(c.text);
    (void)ScanLines(source, scanner, Encoding::Auto, {}, c.chunk);
    if (IsValidUtf8(c.text)) CheckUtf16(c, quietTable);
    Require(quietTable.size() == a.table.size() &&
                quietTable.TotalOccurrences() == a.table.TotalOccurrences(),
            "a batch count counted other words");
  }

  // The clipboard's way: the whole decoded text as one line.
  Pass clip(c.stopAfter);
  Scanner scanner(c.settings, clip.table, clip.observer);
  scanner.ScanWholeText(DecodeToCp1252(c.text));
  CheckTable(clip.table, c.settings, "clipboard pass");
  CheckObserver(clip.observer, clip.table, c.settings);

  if (ReferenceApplies(c)) CheckAgainstReference(c, a.table, clip.table);
}

}  // namespace
}  // namespace zet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zet::fuzz::Run(data, size);
  return 0;
}
