#include "params/SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <optional>

#include "params/AtomicFile.h"
#include "scanner/Encoding.h"
#include "scanner/LineReader.h"
#include "scanner/TextCodec.h"
#include "scanner/Utf8Validator.h"

namespace zet {
namespace {

constexpr std::string_view kSavePrefix = "Error when attempting to save parameters: ";
constexpr std::string_view kRestorePrefix = "Error when attempting to restore parameters: ";

// A settings file is a few hundred bytes; reading stops here so that a
// device or a huge file chosen by mistake cannot exhaust memory.
constexpr std::size_t kMaxReadBytes = std::size_t{64} * 1024 * 1024;

enum class LineKind : std::uint8_t { Text, CheckBox, List, Reserved };

struct LineItem {
  LineKind kind;
  ParamId id;  // unused for the reserved line
};

using P = ParamId;
constexpr LineItem T(P id) { return {LineKind::Text, id}; }
constexpr LineItem C(P id) { return {LineKind::CheckBox, id}; }
constexpr LineItem L(P id) { return {LineKind::List, id}; }

// The lines of the file, in order. The order is fixed by the files already
// written and differs from the parameters window's order.
constexpr std::array<LineItem, kSettingsLineCount> kLines = {
    T(P::txbFileInput),
    T(P::txbFileOutput),
    T(P::txbWordsToIgnore),
    T(P::txbStartComment0),
    T(P::txbEndComment0),
    T(P::txbStartComment1),
    T(P::txbEndComment1),
    L(P::cboShortWordSize),
    L(P::cboLongWordSize),
    L(P::cboThresholdFrequency),
    C(P::chkIgnoreShortWords),
    C(P::chkIgnoreInfrequentWords),
    C(P::chkIgnoreCommonWords),
    C(P::chkIgnoreRepetitions),
    C(P::chkIgnoreRomNum40),
    C(P::chkIgnoreNoVowelOrY),
    C(P::chkCaseSignificant),
    C(P::chkDropFinalS),
    C(P::chkAllowWordsWithHyphens),
    C(P::chkAllowWordsWithApostrophes),
    C(P::chkAllowWordsWithUnderscores),
    C(P::chkAllowWordsWithColons),
    C(P::chkAllowWordsWithBackslashes),
    C(P::chkAllowWordsWithForwardslashes),
    C(P::chkAllowWordsWithPeriods),
    C(P::chkAllowWordsWithAtSigns),
    C(P::chkAllowWordsWithNumerals),
    C(P::chkOutputWithCommas),
    LineItem{LineKind::Reserved, P::chkCaseSignificant},
    C(P::chkAllowCommentMarkers),
    C(P::chkWarnOnOverwrite),
    C(P::chkSaveStateOnQuit),
    C(P::chkSuppressWords),
    C(P::chkDisableOutputToFile),
    L(P::cboWordOrder),
    L(P::cboDisplayFormat),
    T(P::strCommonWordsFile),
};

constexpr ParamId kLists[] = {P::cboShortWordSize, P::cboLongWordSize, P::cboThresholdFrequency,
                              P::cboWordOrder, P::cboDisplayFormat};

std::string SystemErrorText(int error) {
  if (error == ENOENT) return "file not found";
  return std::strerror(error);
}

// The text between the line's first and last double quote, so that a text
// holding a double quote of its own still reads back whole.
std::optional<std::string_view> QuotedText(std::string_view line) {
  const std::size_t first = line.find('"');
  const std::size_t last = line.rfind('"');
  if (first == std::string_view::npos || last == first) return std::nullopt;
  return line.substr(first + 1, last - first - 1);
}

// The longest leading decimal number after blanks (sign and fraction
// allowed), rounded half to even; 0 when the line starts with no number.
double LeadingNumber(std::string_view line) {
  std::size_t i = line.find_first_not_of(" \t");
  if (i == std::string_view::npos) return 0;
  const bool negative = line[i] == '-';
  if (line[i] == '+' || line[i] == '-') ++i;
  std::string number = "0";  // so that ".5" reads as "0.5"
  bool any = false;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i, any = true) number += line[i];
  const std::size_t integerDigits = number.size();
  if (i < line.size() && line[i] == '.') {
    number += line[i++];
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i, any = true) number += line[i];
  }
  if (!any) return 0;
  double value = 0;
  const auto ec = std::from_chars(number.data(), number.data() + number.size(), value).ec;
  if (ec == std::errc::result_out_of_range) {  // huge, or next to nothing
    const bool wholePart = number.find_first_not_of('0') < integerDigits;
    value = wholePart ? HUGE_VAL : 0;
  }
  // The default rounding mode rounds half to even.
  return std::nearbyint(negative ? -value : value);
}

// A whole number with optional blanks around it and an optional sign.
std::optional<long long> WholeNumber(std::string_view line) {
  const std::size_t begin = line.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return std::nullopt;
  line = line.substr(begin, line.find_last_not_of(" \t") - begin + 1);
  if (line.size() > 1 && line[0] == '+' && line[1] != '-') line.remove_prefix(1);
  long long value = 0;
  const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), value);
  if (end != line.data() + line.size() || line.empty()) return std::nullopt;
  if (ec == std::errc::result_out_of_range) return line[0] == '-' ? LLONG_MIN : LLONG_MAX;
  if (ec != std::errc()) return std::nullopt;
  return value;
}

std::string LineError(int lineNumber, std::string_view what) {
  return std::string(kRestorePrefix) + "line " + std::to_string(lineNumber) + ": " +
         std::string(what);
}

// Linux file names are bytes, and a name that is not UTF-8 cannot be
// written into a UTF-8 file as it is: a file holding it raw would no longer
// be UTF-8 throughout and would then be read as Windows-1252, every other
// text with it. So a text that is not valid UTF-8 is written readable
// between the quotes (its stray bytes as the Windows-1252 characters older
// versions read them as) and exactly after the closing quote, in
// hexadecimal: "/home/ann/caf\u00E9.txt" bytes:2F686F6D652F616E6E2F636166E92E747874
// Files written before hold nothing after the closing quote (and every
// reader ignores what does), so they read as they always did; and the exact
// bytes are used only while they still match the quoted text, so a name
// edited by hand is read as edited.
constexpr std::string_view kExactBytesNote = " bytes:";

std::string ExactBytesNote(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string note(kExactBytesNote);
  for (char c : text) {
    note += kHex[static_cast<unsigned char>(c) >> 4];
    note += kHex[static_cast<unsigned char>(c) & 0x0F];
  }
  return note;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The exact bytes a note after the closing quote gives for `quoted`, when
// the note is well formed and still matches it.
std::optional<std::string> ExactBytes(std::string_view afterQuote, std::string_view quoted) {
  if (!afterQuote.starts_with(kExactBytesNote)) return std::nullopt;
  std::string_view hex = afterQuote.substr(kExactBytesNote.size());
  hex = hex.substr(0, hex.find_last_not_of(" \t") + 1);
  if (hex.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int hi = HexDigit(hex[i]);
    const int lo = HexDigit(hex[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    bytes += static_cast<char>(hi * 16 + lo);
  }
  if (bytes.find_first_of("\r\n") != std::string::npos || ToValidUtf8(bytes) != quoted)
    return std::nullopt;
  return bytes;
}

// Applies one line (valid UTF-8); an empty result means it was accepted.
std::string ApplyLine(int lineNumber, const LineItem& item, std::string_view line,
                      ParameterSet& params) {
  switch (item.kind) {
    case LineKind::Reserved:
      return {};
    case LineKind::Text: {
      const std::optional<std::string_view> quoted = QuotedText(line);
      if (!quoted) return LineError(lineNumber, "the text is not enclosed in double quotes");
      const std::optional<std::string> exact =
          ExactBytes(line.substr(line.rfind('"') + 1), *quoted);
      const std::string text = exact ? *exact : std::string(*quoted);
      params.SetText(item.id, text);
      if (item.id == P::strCommonWordsFile) params.SetText(P::txbCommonWordsFile, text);
      return {};
    }
    case LineKind::CheckBox: {
      const double value = LeadingNumber(line);
      if (!(value >= 0 && value <= 2) || !params.SetValue(item.id, static_cast<int>(value)))
        return LineError(lineNumber, "value out of range");
      return {};
    }
    case LineKind::List: {
      const std::optional<long long> value = WholeNumber(line);
      if (!value) return LineError(lineNumber, "not a whole number");
      if (*value < INT_MIN || *value > INT_MAX ||
          !params.SetValue(item.id, static_cast<int>(*value)))
        return LineError(lineNumber, "value out of range");
      return {};
    }
  }
  return {};
}

std::string RestoreFromSource(ByteSource& source, ParameterSet& params) {
  // Read whole first: the file's one encoding is decided on all of it.
  std::string raw;
  std::size_t got = 0;
  int readError = 0;
  while (got < kMaxReadBytes) {
    if (got == raw.size())
      raw.resize(std::min<std::size_t>(kMaxReadBytes, std::max<std::size_t>(4096, 2 * got)));
    const std::ptrdiff_t n = source.Read(raw.data() + got, raw.size() - got);
    if (n < 0) readError = source.ErrorNumber() != 0 ? source.ErrorNumber() : EIO;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  raw.resize(got);
  // The lines read before an error still apply; a line the error cut off
  // does not.
  if (readError != 0) raw.resize(raw.find_last_of("\r\n") + 1);
  const bool capped = got == kMaxReadBytes;
  const std::string text = TextToUtf8(raw, DecideEncoding(raw, readError == 0 && !capped));
  MemoryByteSource lines(text);
  LineReader reader(lines);
  std::string_view line;
  for (int i = 0; i < kSettingsLineCount; ++i) {
    if (!reader.Next(line)) {
      if (readError != 0) return std::string(kRestorePrefix) + SystemErrorText(readError);
      return std::string(kRestorePrefix) + "the file has fewer than 37 lines";
    }
    if (capped && reader.BytesConsumed() >= text.size())
      return std::string(kRestorePrefix) + "the file is too large";
    std::string error = ApplyLine(i + 1, kLines[static_cast<std::size_t>(i)], line, params);
    if (!error.empty()) return error;
  }
  for (ParamId id : kLists)
    if (params.Value(id) == -1) return std::string(kInvalidComboBoxIndex);
  return {};
}

// A text as it goes on its line: line breaks would split the line, so they
// become spaces.
std::string OneLine(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

std::string Restore(const std::string& path, ParameterSet& params, bool missingIsFirstStart) {
  if (path.empty()) return std::string(kRestorePrefix) + "no file name given";
  // Opened once and then examined through the descriptor, so the file read
  // is the file examined. Non-blocking so that a named pipe chosen by
  // mistake cannot hang the program; only regular files are read.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0 && errno == ENOENT && missingIsFirstStart) return {};
  if (fd < 0) return std::string(kRestorePrefix) + SystemErrorText(errno);
  struct stat st {};
  std::string result;
  if (::fstat(fd, &st) != 0) {
    result = std::string(kRestorePrefix) + SystemErrorText(errno);
  } else if (!S_ISREG(st.st_mode)) {
    result = std::string(kRestorePrefix) + "not a regular file";
  } else {
    FdByteSource source(fd);
    result = RestoreFromSource(source, params);
  }
  ::close(fd);
  return result;
}

// The outcome of a restore whose reason for refusing the file is
// `error` (empty when it read).
Outcome<Done> Restored(std::string error, const std::string& path) {
  if (error.empty()) return Done{};
  return Problem{
      ProblemKind::BadFile, std::move(error), std::string(kLoadParametersTitle), path, {}};
}

}  // namespace

std::string FormatSettings(const ParameterSet& params) {
  std::string out;
  for (const LineItem& item : kLines) {
    switch (item.kind) {
      case LineKind::Text: {
        const std::string text = OneLine(params.Text(item.id));
        if (IsValidUtf8(text))
          out += '"' + text + '"';
        else
          out += '"' + ToValidUtf8(text) + '"' + ExactBytesNote(text);
        break;
      }
      case LineKind::Reserved:
        out += '0';
        break;
      case LineKind::CheckBox:
      case LineKind::List:
        out += std::to_string(params.Value(item.id));
        break;
    }
    out += "\r\n";
  }
  return out;
}

Outcome<Done> SaveState(const std::string& path, const ParameterSet& params) {
  if (path.empty()) return SaveProblem(path, "no file name given", {});
  if (const int error = ReplaceFileContents(path, FormatSettings(params)); error != 0)
    return SaveProblem(path, std::strerror(error), RunTimeErrorFromErrno(error));
  return Done{};
}

Outcome<Done> RestoreSavedState(const std::string& path, ParameterSet& params) {
  return Restored(Restore(path, params, false), path);
}

Outcome<Done> RestoreUserSettings(const std::string& path, ParameterSet& params) {
  return Restored(Restore(path, params, true), path);
}

Outcome<Done> RestoreSettingsText(std::string_view bytes, ParameterSet& params) {
  MemoryByteSource source(bytes);
  return Restored(RestoreFromSource(source, params), {});
}

Problem SaveProblem(const std::string& path, std::string_view reason, RunTimeError error) {
  return {ProblemKind::CannotWrite, std::string(kSavePrefix) + std::string(reason),
          std::string(kSaveParametersTitle), path, std::move(error)};
}

}  // namespace zet
