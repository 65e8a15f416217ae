#include "engine/Catalogue.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>

#include "engine/FdCloser.h"
#include "scanner/LineReader.h"
#include "scanner/TextCodec.h"

namespace zet {

namespace {

// How loading ended, when it did not end with a count of texts.
constexpr int kNoTextRead = 0;  // only comments and blank lines
constexpr int kCannotOpen = -1;
constexpr int kTooMuchText = -3;  // over kMaxLines lines or kMaxFileBytes
constexpr int kBadLine = -5;      // a line not of the form number=text
constexpr int kFileEmpty = -6;
constexpr int kReadError = -7;
// A failure at line n (1 to kMaxLines) is the base minus n.
constexpr int kMissingStringBase = -500;  // "n=" with no text, or no "="
constexpr int kTooLongBase = -1000;       // text over kMaxTextLength
constexpr int kDuplicateBase = -1500;     // number seen on an earlier line

// The message telling the user why loading ended with `result`; the file's
// full path is on a line of its own when it could not be opened.
std::string LoadProblemText(int result, std::string_view fullPath) {
  const auto atLine = [](const char* what, int line) {
    return std::string(what) + " " + std::to_string(line) + ".";
  };
  switch (result) {
    case kNoTextRead:
      return "No program text was read.";
    case kCannotOpen:
      return "Cannot open file containing program text.\r\n" + std::string(fullPath);
    case kTooMuchText:
      return "Too much program text.";
    case kFileEmpty:
      return "File is empty.";
    case kReadError:
      return "Error reading file.";
    default:
      break;
  }
  if (result > kMissingStringBase) return "Error " + std::to_string(result);
  if (result >= kTooLongBase) return atLine("Missing string at line", kMissingStringBase - result);
  if (result >= kDuplicateBase) return atLine("String too long at line", kTooLongBase - result);
  return atLine("Duplicate in program text at line", kDuplicateBase - result);
}

std::string_view TrimBlanks(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The text number of `digits`, or 0 when it is not one.
int ParseNumber(std::string_view digits) {
  if (digits.empty() ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return 0;
  }
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return 0;
  return number <= Catalogue::kMaxNumber ? number : 0;
}

std::size_t CountUtf8Characters(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
  }));
}

}  // namespace

Outcome<std::size_t> Catalogue::Load(const std::string& path) {
  texts_.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Loaded(kCannotOpen, path, errno);
  FdCloser closer(fd);
  struct stat info {};
  if (::fstat(fd, &info) != 0) return Loaded(kReadError, path, errno);
  if (info.st_size == 0) return Loaded(kFileEmpty, path);
  if (static_cast<std::uintmax_t>(info.st_size) > kMaxFileBytes) return Loaded(kTooMuchText, path);

  FdByteSource source(fd);
  return Loaded(LoadLines(source), path);
}

Outcome<std::size_t> Catalogue::LoadText(std::string_view bytes) {
  texts_.clear();
  if (bytes.empty()) return Loaded(kFileEmpty, {});
  if (bytes.size() > kMaxFileBytes) return Loaded(kTooMuchText, {});
  MemoryByteSource source(bytes);
  return Loaded(LoadLines(source), {});
}

Outcome<std::size_t> Catalogue::Loaded(int result, const std::string& path, int errorNumber) {
  if (result > 0) return static_cast<std::size_t>(result);
  texts_.clear();
  const bool unread = result == kCannotOpen || result == kReadError;
  return Problem{unread ? ProblemKind::CannotRead : ProblemKind::BadFile,
                 LoadProblemText(result, path), "", path,
                 errorNumber != 0 ? RunTimeErrorFromErrno(errorNumber) : RunTimeError{}};
}

int Catalogue::LoadLines(ByteSource& source) {
  LineReader reader(source);
  std::string_view line;
  int result = kNoTextRead;
  for (int lineNumber = 1; result >= 0 && reader.Next(line); ++lineNumber) {
    if (lineNumber > kMaxLines) {
      result = kTooMuchText;
    } else {
      if (lineNumber == 1) line.remove_prefix(Utf8BomLength(line));
      const int parsed = ParseLine(line, lineNumber);
      result = parsed < 0 ? parsed : result + parsed;
    }
  }
  if (result >= 0 && reader.Failed()) result = kReadError;
  return result;
}

int Catalogue::ParseLine(std::string_view line, int lineNumber) {
  const std::string_view trimmed = TrimBlanks(line);
  if (trimmed.empty() || trimmed.front() == '#') return 0;
  const auto equals = line.find('=');
  const int number = ParseNumber(TrimBlanks(line.substr(0, equals)));
  if (number == 0) return kBadLine;
  if (equals == std::string_view::npos || equals + 1 == line.size()) {
    return kMissingStringBase - lineNumber;
  }
  const std::string_view text = line.substr(equals + 1);
  if (CountUtf8Characters(text) > kMaxTextLength) return kTooLongBase - lineNumber;
  if (!texts_.emplace(number, std::string(text)).second) return kDuplicateBase - lineNumber;
  return 1;
}

std::string Catalogue::Get(int number) const {
  const auto it = texts_.find(number);
  return it == texts_.end() ? std::string() : it->second;
}

}  // namespace zet
