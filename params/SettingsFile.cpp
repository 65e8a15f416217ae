#include "params/SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <optional>

#include "params/AtomicFile.h"
#include "scanner/LineReader.h"
#include "scanner/TextCodec.h"

namespace zet {
namespace {

constexpr std::string_view kSavePrefix = "Error when attempting to save parameters: ";
constexpr std::string_view kRestorePrefix = "Error when attempting to restore parameters: ";

// A settings file is a few hundred bytes; reading stops here so that a
// device or a huge file chosen by mistake cannot exhaust memory.
constexpr std::uint64_t kMaxReadBytes = 64ull * 1024 * 1024;

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
    T(P::txbFileInput), T(P::txbFileOutput), T(P::txbWordsToIgnore),
    T(P::txbStartComment0), T(P::txbEndComment0), T(P::txbStartComment1), T(P::txbEndComment1),
    L(P::cboShortWordSize), L(P::cboLongWordSize), L(P::cboThresholdFrequency),
    C(P::chkIgnoreShortWords), C(P::chkIgnoreInfrequentWords), C(P::chkIgnoreCommonWords),
    C(P::chkIgnoreRepetitions), C(P::chkIgnoreRomNum40), C(P::chkIgnoreNoVowelOrY),
    C(P::chkCaseSignificant), C(P::chkDropFinalS), C(P::chkAllowWordsWithHyphens),
    C(P::chkAllowWordsWithApostrophes), C(P::chkAllowWordsWithUnderscores),
    C(P::chkAllowWordsWithColons), C(P::chkAllowWordsWithBackslashes),
    C(P::chkAllowWordsWithForwardslashes), C(P::chkAllowWordsWithPeriods),
    C(P::chkAllowWordsWithAtSigns), C(P::chkAllowWordsWithNumerals), C(P::chkOutputWithCommas),
    LineItem{LineKind::Reserved, P::chkCaseSignificant},
    C(P::chkAllowCommentMarkers), C(P::chkWarnOnOverwrite), C(P::chkSaveStateOnQuit),
    C(P::chkSuppressWords), C(P::chkDisableOutputToFile), L(P::cboWordOrder),
    L(P::cboDisplayFormat), T(P::strCommonWordsFile),
};

constexpr ParamId kLists[] = {P::cboShortWordSize, P::cboLongWordSize, P::cboThresholdFrequency,
                              P::cboWordOrder, P::cboDisplayFormat};

std::string SystemErrorText(int error) {
  if (error == ENOENT) return "file not found";
  return std::strerror(error);
}

// Reads from another source until a byte limit, then reports the end.
class CappedByteSource final : public ByteSource {
 public:
  CappedByteSource(ByteSource& inner, std::uint64_t cap) : inner_(inner), left_(cap) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    if (left_ == 0) return 0;
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(size, left_));
    const std::ptrdiff_t n = inner_.Read(buffer, want);
    if (n > 0) left_ -= static_cast<std::uint64_t>(n);
    return n;
  }
  [[nodiscard]] int ErrorNumber() const override { return inner_.ErrorNumber(); }

 private:
  ByteSource& inner_;
  std::uint64_t left_;
};

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

// Applies one line; an empty result means the line was accepted.
std::string ApplyLine(int lineNumber, const LineItem& item, std::string_view raw,
                      ParameterSet& params) {
  const std::string line = ToValidUtf8(raw);
  switch (item.kind) {
    case LineKind::Reserved: return {};
    case LineKind::Text: {
      const std::optional<std::string_view> text = QuotedText(line);
      if (!text) return LineError(lineNumber, "the text is not enclosed in double quotes");
      params.SetText(item.id, std::string(*text));
      if (item.id == P::strCommonWordsFile) params.SetText(P::txbCommonWordsFile, std::string(*text));
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
      if (*value < INT_MIN || *value > INT_MAX || !params.SetValue(item.id, static_cast<int>(*value)))
        return LineError(lineNumber, "value out of range");
      return {};
    }
  }
  return {};
}

std::string RestoreFromSource(ByteSource& source, ParameterSet& params) {
  CappedByteSource capped(source, kMaxReadBytes);
  LineReader reader(capped);
  std::string_view line;
  for (int i = 0; i < kSettingsLineCount; ++i) {
    if (!reader.Next(line)) {
      if (reader.Failed()) return std::string(kRestorePrefix) + SystemErrorText(reader.ErrorNumber());
      return std::string(kRestorePrefix) + "the file has fewer than 37 lines";
    }
    if (reader.BytesConsumed() >= kMaxReadBytes)
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

}  // namespace

std::string FormatSettings(const ParameterSet& params) {
  std::string out;
  for (const LineItem& item : kLines) {
    switch (item.kind) {
      case LineKind::Text: out += '"' + OneLine(params.Text(item.id)) + '"'; break;
      case LineKind::Reserved: out += '0'; break;
      case LineKind::CheckBox:
      case LineKind::List: out += std::to_string(params.Value(item.id)); break;
    }
    out += "\r\n";
  }
  return out;
}

std::string SaveState(const std::string& path, const ParameterSet& params) {
  if (path.empty()) return std::string(kSavePrefix) + "no file name given";
  const int error = ReplaceFileContents(path, FormatSettings(params));
  if (error != 0) return std::string(kSavePrefix) + std::strerror(error);
  return {};
}

std::string RestoreSavedState(const std::string& path, ParameterSet& params) {
  return Restore(path, params, false);
}

std::string RestoreUserSettings(const std::string& path, ParameterSet& params) {
  return Restore(path, params, true);
}

std::string RestoreSettingsText(std::string_view bytes, ParameterSet& params) {
  MemoryByteSource source(bytes);
  return RestoreFromSource(source, params);
}

}  // namespace zet
