#include "scanner/Encoding.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "scanner/Cp1252.h"
#include "scanner/ScanObserver.h"
#include "scanner/SourceReader.h"
#include "scanner/TextCodec.h"
#include "scanner/Utf16Source.h"
#include "scanner/Utf8Validator.h"
#include "tests/support/ScanHelpers.h"
#include "tests/support/TempDir.h"

namespace zet {
namespace {

using test::Counted;

// The sentences every encoding must count alike: Windows-1252 text is full
// of byte pairs that are also valid UTF-8 ("ß" then a closing quote, "à"
// then a space), and of the characters 0x80-0x9F.
const std::u32string kSentences =
    U"\u201EEr ist gro\u00DF\u201C \u2026 na\u00DF\u2026 Ma\u00DF\u2019 Fu\u00DF\u2013weg "
    U"\u00AB d\u00E9j\u00E0 \u00BB NA\u00CFVET\u00C9 !\r\n"
    U"\u00DCber den Flu\u00DF f\u00E4hrt die F\u00E4hre; \u00C4rger \u00FCber \u00D6l.\n"
    U"O\u00F9 est l\u2019\u00E9t\u00E9\u202F? \u00C7a co\u00FBte cher \u2014 \u0153uvre, "
    U"c\u0153ur, "
    U"\u20AC, \u0160koda, \u017Delezni\u010Dar.\r"
    U"\u00C9t\u00E9 \u00E0 la caf\u00E9t\u00E9ria, na\u00EFve fa\u00E7ade "
    U"\u00BBd\u00E9j\u00E0\u00AB\n";

std::string Utf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) AppendUtf8CodePoint(c, out);
  return out;
}

std::string Utf16(std::u32string_view text, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  const auto unit = [&](char32_t u) {
    const char hi = static_cast<char>(u >> 8);
    const char lo = static_cast<char>(u & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  };
  for (char32_t c : text) {
    if (c < 0x10000) {
      unit(c);
    } else {
      unit(0xD800 + ((c - 0x10000) >> 10));
      unit(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  return out;
}

// Characters the code page lacks become the placeholder.
std::string Windows1252(std::u32string_view text) {
  std::string out;
  for (char32_t c : text) out += static_cast<char>(cp1252::FromUnicode(c));
  return out;
}

// The words in their own order, for expectations written by hand.
Counted Sorted(Counted words) {
  std::sort(words.begin(), words.end());
  return words;
}

struct Scanned {
  Counted words;
  ReadOutcome outcome;
  std::vector<std::uint64_t> progress;
};

Scanned Scan(ByteSource& source, Encoding encoding,
             std::size_t capacity = LineReader::kDefaultCapacity) {
  WordTable table;
  QuietObserver quiet;
  Scanner scanner(test::DefaultSettings(), table, quiet);
  Scanned s;
  s.outcome = ScanLines(
      source, scanner, encoding, [&](std::uint64_t done) { s.progress.push_back(done); }, capacity);
  s.words = test::Entries(table);
  return s;
}

Scanned Scan(std::string_view bytes, Encoding encoding) {
  MemoryByteSource source(bytes);
  return Scan(source, encoding);
}

struct FormRow {
  const char* name;
  std::string (*make)(std::u32string_view);
  Encoding encoding;
  friend void PrintTo(const FormRow& row, std::ostream* os) { *os << row.name; }
};

const FormRow kForms[] = {
    {"utf8", [](std::u32string_view t) { return Utf8(t); }, Encoding::Utf8},
    {"utf8_bom", [](std::u32string_view t) { return "\xEF\xBB\xBF" + Utf8(t); }, Encoding::Utf8},
    {"windows1252", [](std::u32string_view t) { return Windows1252(t); }, Encoding::Windows1252},
    {"utf16le", [](std::u32string_view t) { return Utf16(t, false); }, Encoding::Utf16LE},
    {"utf16be", [](std::u32string_view t) { return Utf16(t, true); }, Encoding::Utf16BE},
};

class EncodingFormTest : public ::testing::TestWithParam<std::tuple<FormRow, std::size_t>> {};

// Every form is decided as what it is and counts the words of the plain
// UTF-8 form, whatever the read sizes: reads of 1 and 3 bytes split UTF-16
// code units and UTF-8 sequences, a 1-byte line reader splits everything.
TEST_P(EncodingFormTest, CountsTheSameWordsInEveryEncoding) {
  const auto& [form, capacity] = GetParam();
  const std::string bytes = form.make(kSentences);
  EXPECT_EQ(DecideEncoding(bytes, true), form.encoding);
  EXPECT_EQ(DecideEncoding(bytes.substr(0, bytes.size() / 2), false), form.encoding);
  const Counted expected = Scan(Utf8(kSentences), Encoding::Utf8).words;
  for (std::size_t maxRead : {std::size_t{1}, std::size_t{3}, bytes.size()}) {
    MemoryByteSource source(bytes, maxRead);
    const Scanned s = Scan(source, Encoding::Auto, capacity);
    EXPECT_EQ(s.words, expected) << "reads of " << maxRead;
    EXPECT_EQ(s.outcome.encoding, form.encoding);
    EXPECT_FALSE(s.outcome.firstInvalidUtf8);
    EXPECT_EQ(s.outcome.bytesRead, bytes.size());
    ASSERT_FALSE(s.progress.empty());
    EXPECT_EQ(s.progress.back(), bytes.size());
    for (std::size_t i = 1; i < s.progress.size(); ++i) EXPECT_LT(s.progress[i - 1], s.progress[i]);
  }
  EXPECT_EQ(DecodeText(bytes, Encoding::Auto), DecodeText(Utf8(kSentences), Encoding::Utf8));
  EXPECT_EQ(DecodeText(TextToUtf8(bytes, Encoding::Auto), Encoding::Utf8),
            DecodeText(Utf8(kSentences), Encoding::Utf8));
}

INSTANTIATE_TEST_SUITE_P(Rows, EncodingFormTest,
                         ::testing::Combine(::testing::ValuesIn(kForms),
                                            ::testing::Values(1, 2, 3, 7, 64 * 1024)),
                         [](const auto& p) {
                           return std::string(std::get<0>(p.param).name) + "_" +
                                  std::to_string(std::get<1>(p.param));
                         });

// The words themselves, for the sentence that per-byte decoding cut short.
TEST(EncodingTest, WindowsTextKeepsItsLettersWhole) {
  const std::string text = Windows1252(
      U"\u201EEr ist gro\u00DF\u201C \u2026 na\u00DF\u2026 Ma\u00DF\u2019 Fu\u00DF\u2013weg "
      U"\u00AB d\u00E9j\u00E0 \u00BB NA\u00CFVET\u00C9 !");
  EXPECT_EQ(Sorted(Scan(text, Encoding::Auto).words), Sorted(test::Words({{"d\xE9j\xE0", 1},
                                                                          {"er", 1},
                                                                          {"fu\xDF", 1},
                                                                          {"gro\xDF", 1},
                                                                          {"ist", 1},
                                                                          {"ma\xDF", 1},
                                                                          {"na\xDF", 1},
                                                                          {"na\xEFvet\xE9", 1},
                                                                          {"weg", 1}})));
}

// Characters beyond U+FFFF come as surrogate pairs; unpaired surrogates and
// an odd last byte become the placeholder, which is no letter.
TEST(EncodingTest, Utf16SurrogatesAndStrayUnits) {
  const std::string emoji = Utf16(U"caf\u00E9\U0001F600bar \U0001D11Ez", false);
  for (std::size_t maxRead : {1u, 3u, 64u}) {
    MemoryByteSource source(emoji, maxRead);
    EXPECT_EQ(Sorted(Scan(source, Encoding::Auto).words),
              Sorted(test::Words({{"bar", 1}, {"caf\xE9", 1}, {"z", 1}})));
  }
  const char P = static_cast<char>(cp1252::kPlaceholder);
  // a, lone low surrogate, b, lone high surrogate, c, then an odd byte.
  const std::string stray(
      "\xFF\xFE"
      "a\0\x00\xDC"
      "b\0\x00\xD8"
      "c\0"
      "d",
      13);
  EXPECT_EQ(DecodeText(stray, Encoding::Auto), std::string("a") + P + "b" + P + "c" + P);
  const Scanned s = Scan(stray, Encoding::Auto);
  EXPECT_EQ(Sorted(s.words), Sorted(test::Words({{"a", 1}, {"b", 1}, {"c", 1}})));
  EXPECT_EQ(s.outcome.bytesRead, stray.size());
  EXPECT_EQ(s.progress, std::vector<std::uint64_t>{stray.size()});
  EXPECT_EQ(Scan(std::string("\xFE\xFF"), Encoding::Auto).progress, std::vector<std::uint64_t>{2});
}

// A stream is decided on its first MiB: UTF-8 there and invalid later is
// read as UTF-8 with the stray bytes taken as Windows-1252, and the first
// of them reported; invalid in the first MiB makes it all Windows-1252.
TEST(EncodingTest, StreamDecidedOnItsFirstMebibyte) {
  std::string text;
  std::int64_t lines = 0;
  for (; text.size() <= kEncodingSample; ++lines) text += "caf\xC3\xA9 bar\n";
  const std::uint64_t stray = text.size() + 2;
  text += "na\xEFve caf\xC3\xA9\n";
  for (std::size_t capacity : {std::size_t{7}, LineReader::kDefaultCapacity}) {
    MemoryByteSource source(text, 4096);
    const Scanned late = Scan(source, Encoding::Auto, capacity);
    EXPECT_EQ(Sorted(late.words),
              Sorted(test::Words({{"bar", lines}, {"caf\xE9", lines + 1}, {"na\xEFve", 1}})));
    EXPECT_EQ(late.outcome.encoding, Encoding::Utf8);
    EXPECT_EQ(late.outcome.firstInvalidUtf8, stray);
  }
  const Scanned early = Scan("caf\xE9\n" + text, Encoding::Auto);
  EXPECT_EQ(early.outcome.encoding, Encoding::Windows1252);
  EXPECT_FALSE(early.outcome.firstInvalidUtf8);
  EXPECT_EQ(early.words.size(), 4u);  // café, cafÃ, bar, naïve
}

struct ValidRow {
  const char* name;
  std::string bytes;
  std::size_t prefix;  // where the first invalid byte is
  friend void PrintTo(const ValidRow& row, std::ostream* os) { *os << row.name; }
};

class Utf8ValidatorTest : public ::testing::TestWithParam<ValidRow> {};

// The whole-text check and the piecewise one agree, however the pieces
// fall, and the SSE path (long ASCII runs) finds what the bytewise one does.
TEST_P(Utf8ValidatorTest, FindsTheFirstInvalidByte) {
  const ValidRow& row = GetParam();
  EXPECT_EQ(ValidUtf8Prefix(row.bytes), row.prefix);
  const std::string longer = std::string(100, 'a') + row.bytes + std::string(70, 'z');
  EXPECT_EQ(ValidUtf8Prefix(longer),
            row.prefix == row.bytes.size() ? longer.size() : 100 + row.prefix);
  for (std::size_t piece : {1u, 2u, 3u, 5u, 64u}) {
    Utf8Validator v;
    for (std::size_t i = 0; i < longer.size(); i += piece)
      v.Feed(std::string_view(longer).substr(i, piece));
    const bool valid = v.Finish();
    EXPECT_EQ(valid, row.prefix == row.bytes.size()) << piece;
    if (!valid) {
      EXPECT_EQ(v.FirstInvalid(), 100 + row.prefix) << piece;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Utf8ValidatorTest,
    ::testing::Values(
        ValidRow{"empty", "", 0}, ValidRow{"ascii", "plain text", 10},
        ValidRow{"every_length", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF", 13},
        ValidRow{"latin1_byte", "caf\xE9", 3}, ValidRow{"lone_continuation", "a\x80", 1},
        ValidRow{"overlong_two", "\xC0\xAF", 0}, ValidRow{"overlong_three", "x\xE0\x80\xAF", 1},
        ValidRow{"overlong_four", "\xF0\x8F\xBF\xBF", 0},
        ValidRow{"surrogate", "ok\xED\xA0\x80", 2}, ValidRow{"above_max", "\xF4\x90\x80\x80", 0},
        ValidRow{"f5_lead", "\xF5\x80\x80\x80", 0}, ValidRow{"cut_off_at_end", "ab\xE2\x82", 2},
        ValidRow{"sharp_s_then_quote_is_utf8", "gro\xDF\x93", 5}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(EncodingTest, DecidesByMarkThenByValidity) {
  EXPECT_EQ(DecideEncoding("", true), Encoding::Utf8);
  EXPECT_EQ(DecideEncoding("\xEF\xBB\xBF"
                           "caf\xE9",
                           true),
            Encoding::Utf8);
  EXPECT_EQ(DecideEncoding("\xFF\xFE", true), Encoding::Utf16LE);
  EXPECT_EQ(DecideEncoding("\xFE\xFF"
                           "a",
                           true),
            Encoding::Utf16BE);
  // A sample may end inside a character; the whole source may not.
  EXPECT_EQ(DecideEncoding("caf\xC3", false), Encoding::Utf8);
  EXPECT_EQ(DecideEncoding("caf\xC3", true), Encoding::Windows1252);
  // A mark handed out a byte at a time is still a mark.
  MemoryByteSource marked(
      "\xFF\xFE"
      "a\0",
      1);
  EXPECT_EQ(DecideSourceEncoding(marked).encoding, Encoding::Utf16LE);
}

// A regular file is checked to its end without moving its offset, so the
// same descriptor is then counted from the start.
TEST(EncodingTest, DecidesAWholeFileWithoutMovingItsOffset) {
  test::TempDir dir;
  std::string text(700 * 1024, 'a');
  text += "\xC3\xA9";
  const std::string utf8 = dir.Write("utf8.txt", text);
  const std::string cp1252 = dir.Write("cp1252.txt", text + "\xE9");
  for (const auto& [path, expected] :
       {std::pair{utf8, Encoding::Utf8}, std::pair{cp1252, Encoding::Windows1252}}) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    const EncodingDecision d = DecideFileEncoding(fd);
    EXPECT_EQ(d.encoding, expected);
    EXPECT_FALSE(d.failed);
    EXPECT_EQ(::lseek(fd, 0, SEEK_CUR), 0);
    ::close(fd);
  }
  const EncodingDecision bad = DecideFileEncoding(-1);
  EXPECT_TRUE(bad.failed);
  EXPECT_EQ(bad.errorNumber, EBADF);
}

// A big file is checked in parts on several threads; a sequence or a
// fault at the middle, where every such cut falls, decides as one pass would.
TEST(EncodingTest, DecidesABigFileAsOnePassWould) {
  test::TempDir dir;
  const std::string half(std::size_t{8} << 20, 'x');
  std::string letters;
  for (std::size_t i = 0; i < half.size() / 2; ++i) letters += "\xC3\xA9";
  const std::pair<std::string, Encoding> rows[] = {
      {letters + letters, Encoding::Utf8},
      {"a" + letters + letters, Encoding::Utf8},  // the middle continues a sequence
      {letters +
           "\xC3"
           "a" +
           letters,
       Encoding::Windows1252},                              // one ends unfinished there
      {letters + "\xA9" + letters, Encoding::Windows1252},  // a stray continuation there
      {letters + letters + "\xE9", Encoding::Windows1252},
  };
  for (const auto& [text, expected] : rows) {
    const std::string path = dir.Write("big.txt", text);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    // One thread reads it whole; four cut it at every quarter, the middle
    // among them, whatever the machine's cores.
    for (const unsigned jobs : {1U, 4U})
      EXPECT_EQ(DecideFileEncoding(fd, jobs).encoding, expected)
          << text.size() << " bytes, " << jobs;
    ::close(fd);
  }
}

struct TextCheckRow {
  const char* name;
  std::string bytes;
  Encoding encoding;
  bool isText, cr, lf;
};

class DecodedTextCheckTest : public ::testing::TestWithParam<TextCheckRow> {};

// UTF-16 is checked by its characters: the zero bytes of English text in
// UTF-16 are not control characters, a U+0001 is.
TEST_P(DecodedTextCheckTest, ChecksCharactersNotBytes) {
  const TextCheckRow& row = GetParam();
  const TextCheckResult r = CheckDecodedText(row.bytes, row.encoding);
  EXPECT_EQ(r.isText, row.isText);
  if (row.isText) {
    EXPECT_EQ(r.crSeen, row.cr);
    EXPECT_EQ(r.lfSeen, row.lf);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DecodedTextCheckTest,
    ::testing::Values(
        TextCheckRow{"utf16le_lines", Utf16(U"a\tb\r\nc", false), Encoding::Utf16LE, true, true,
                     true},
        TextCheckRow{"utf16be_lf", Utf16(U"\u0100\n", true), Encoding::Utf16BE, true, false, true},
        TextCheckRow{"utf16_control", Utf16(U"a\u0001", false), Encoding::Auto, false, false,
                     false},
        TextCheckRow{"utf8_lines", "a\rb", Encoding::Utf8, true, true, false},
        TextCheckRow{"utf8_nul", std::string("a\0b", 3), Encoding::Utf8, false, false, false},
        TextCheckRow{"utf16_as_bytes", Utf16(U"ab", false), Encoding::Windows1252, false, false,
                     false}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace zet
