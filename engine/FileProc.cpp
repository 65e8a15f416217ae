#include "engine/FileProc.h"

#include "scanner/StrProc.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "engine/FileTexts.h"

namespace zet {
namespace {

constexpr std::size_t kTextCheckChunk = 16384;

// What the bytes examined so far have shown.
struct TextScan {
  bool crSeen = false;
  bool lfSeen = false;
};

// False at the first byte that text cannot contain.
bool ScanTextBytes(const unsigned char* p, std::size_t n, TextScan& scan) {
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char b = p[i];
    if (b >= 32 || b == 9) continue;
    if (b == 10)
      scan.lfSeen = true;
    else if (b == 13)
      scan.crSeen = true;
    else
      return false;
  }
  return true;
}

// Reads up to `size` bytes, retrying short reads; -1 on error.
std::ptrdiff_t ReadChunk(int fd, unsigned char* buffer, std::size_t size) {
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, buffer + got, size - got);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    got += static_cast<std::size_t>(n);
  }
  return static_cast<std::ptrdiff_t>(got);
}

TextCheck ScanTextFile(int fd, std::uint64_t limit) {
  std::array<unsigned char, kTextCheckChunk> buffer{};
  TextScan scan;
  std::uint64_t total = 0;
  for (;;) {
    const std::ptrdiff_t n = ReadChunk(fd, buffer.data(), buffer.size());
    if (n < 0) return TextCheck::CannotOpen;
    if (!ScanTextBytes(buffer.data(), static_cast<std::size_t>(n), scan)) return TextCheck::NotText;
    total += static_cast<std::uint64_t>(n);
    if (static_cast<std::size_t>(n) < buffer.size() || total >= limit) break;
  }
  if (scan.crSeen == scan.lfSeen) return TextCheck::Text;
  return scan.crSeen ? TextCheck::MacLineEndings : TextCheck::UnixLineEndings;
}

// A single-precision value with two decimals, rounded half away from zero,
// and its whole part grouped. The value is exact in a double, and so is its
// fraction times 100, so the rounding is exact.
std::string FormatTwoDecimals(float value) {
  const double exact = value;
  double whole = std::floor(exact);
  double cents = std::floor((exact - whole) * 100 + 0.5);
  if (cents >= 100) {
    whole += 1;
    cents -= 100;
  }
  const int c = static_cast<int>(cents);
  return GroupDigits(static_cast<std::int64_t>(whole)) + "." + static_cast<char>('0' + c / 10) +
         static_cast<char>('0' + c % 10);
}

// The path resolved through links and relative parts: the file itself when
// it exists, otherwise its resolved folder and its last component. Empty
// when neither can be resolved.
std::string ResolvedName(const std::string& path) {
  if (char* full = ::realpath(path.c_str(), nullptr)) {
    std::string result(full);
    std::free(full);
    return result;
  }
  const std::string folder = GetFolderOfPath(path);
  const std::string name = path.substr(folder.size());
  char* fullFolder = ::realpath(folder.empty() ? "." : folder.c_str(), nullptr);
  if (fullFolder == nullptr) return {};
  std::string result(fullFolder);
  std::free(fullFolder);
  return result + (result.ends_with('/') ? "" : "/") + name;
}

}  // namespace

TextCheck CheckTextBytes(std::string_view bytes) {
  if (bytes.empty()) return TextCheck::Empty;
  TextScan scan;
  if (!ScanTextBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), scan))
    return TextCheck::NotText;
  if (scan.crSeen == scan.lfSeen) return TextCheck::Text;
  return scan.crSeen ? TextCheck::MacLineEndings : TextCheck::UnixLineEndings;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

int OpenRegularFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  struct stat st {};
  int error = 0;
  if (::fstat(fd, &st) != 0)
    error = errno;
  else if (S_ISDIR(st.st_mode))
    error = EISDIR;
  else if (!S_ISREG(st.st_mode))
    error = EINVAL;
  else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
    error = errno;
  if (error == 0) return fd;
  ::close(fd);
  errno = error;
  return -1;
}

std::int64_t FileLength(const std::string& path) {
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return -1;
  return static_cast<std::int64_t>(st.st_size);
}

TextCheck CheckTextFile(const std::string& path, std::uint64_t limit) {
  if (!FileExists(path)) return TextCheck::Missing;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return TextCheck::CannotOpen;
  struct stat st {};
  TextCheck result = TextCheck::CannotOpen;
  if (::fstat(fd, &st) == 0) result = st.st_size == 0 ? TextCheck::Empty : ScanTextFile(fd, limit);
  ::close(fd);
  return result;
}

std::string LineEndingsMessage(TextCheck check) {
  std::string_view kind;
  if (check == TextCheck::UnixLineEndings)
    kind = texts::kUnixLineEndings;
  else if (check == TextCheck::MacLineEndings)
    kind = texts::kMacintoshLineEndings;
  else
    return {};
  return std::string(texts::kLineEndingsPrefix) + std::string(kind) + "\r\n\r\n";
}

std::string GetFileExtension(std::string_view path, bool lower) {
  const std::size_t slash = path.rfind('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return {};
  std::string extension(name.substr(dot + 1));
  if (lower)
    for (char& c : extension)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return extension;
}

std::string GetFolderOfPath(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return {};
  return std::string(path.substr(0, slash + 1));
}

std::string FileSizeText(std::int64_t bytes) {
  std::string text = "Filesize:   " + GroupDigits(bytes) + " bytes";
  if (bytes <= 9999) return text;
  const float kilobytes = static_cast<float>(bytes) / 1024.0f;
  text += "    " + FormatTwoDecimals(kilobytes) + " KB";
  if (kilobytes > 9999.0f) text += "    " + FormatTwoDecimals(kilobytes / 1024.0f) + " MB";
  return text;
}

bool SameFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  struct stat sa {};
  struct stat sb {};
  const bool aExists = ::stat(a.c_str(), &sa) == 0;
  const bool bExists = ::stat(b.c_str(), &sb) == 0;
  if (aExists && bExists) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  if (aExists != bExists) return false;
  const std::string ra = ResolvedName(a);
  const std::string rb = ResolvedName(b);
  if (ra.empty() || rb.empty()) return a == b;
  return ra == rb;
}

}  // namespace zet
