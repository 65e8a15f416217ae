#include "engine/Catalogue.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>

#include "engine/FdCloser.h"
#include "scanner/LineReader.h"
#include "scanner/TextCodec.h"

namespace zet {

namespace {


std::string_view TrimBlanks(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The text number of `digits`, or 0 when it is not one.
int ParseNumber(std::string_view digits) {
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(),
                                     [](char c) { return c >= '0' && c <= '9'; })) {
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

int Catalogue::Load(const std::string& path) {
  texts_.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return kCannotOpen;
  FdCloser closer(fd);
  struct stat info {};
  if (::fstat(fd, &info) != 0) return kReadError;
  if (info.st_size == 0) return kFileEmpty;
  if (static_cast<std::uintmax_t>(info.st_size) > kMaxFileBytes) return kTooMuchText;

  FdByteSource source(fd);
  return LoadLines(source);
}

int Catalogue::LoadText(std::string_view bytes) {
  texts_.clear();
  if (bytes.empty()) return kFileEmpty;
  if (bytes.size() > kMaxFileBytes) return kTooMuchText;
  MemoryByteSource source(bytes);
  return LoadLines(source);
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
  if (result <= 0) texts_.clear();
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

std::string LoadProgramTextsMessage(int result, std::string_view fullPath) {
  const auto atLine = [](const char* what, int line) {
    return std::string(what) + " " + std::to_string(line) + ".";
  };
  switch (result) {
    case 0: return "No program text was read.";
    case -1: return "Cannot open file containing program text.\r\n" + std::string(fullPath);
    case -2: return "Particular memory allocation error.";
    case -3: return "Too much program text.";
    case -4: return "Text not recovered.";
    case -6: return "File is empty.";
    case -7: return "Error reading file.";
    case -8: return "General memory allocation error.";
    default: break;
  }
  if (result > 0) return {};
  if (result >= -500) return "Error " + std::to_string(result);
  if (result >= -1000) return atLine("Missing string at line", -(result + 500));
  if (result >= -1500) return atLine("String too long at line", -(result + 1000));
  return atLine("Duplicate in program text at line", -(result + 1500));
}

}  // namespace zet
