#include "params/ModelSettings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "params/AtomicFile.h"
#include "params/SettingsFile.h"

namespace zet {
namespace {

constexpr std::string_view kExtension = ".zetx";
constexpr std::string_view kUnicodeKey = "unicode";
// Far above anything this version writes; a larger file is not a side file.
constexpr std::size_t kMaxSize = 64 * 1024;

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string ModelSettingsPath(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  const std::size_t dot = path.rfind('.');
  // A leading dot names a hidden file, not an extension.
  const bool hasExtension = dot != std::string_view::npos && dot > nameStart;
  std::string side(hasExtension ? path.substr(0, dot) : path);
  side += kExtension;
  // A file named with the side file's own extension keeps its name whole,
  // so its side file is never the file itself.
  if (side == path) side += kExtension;
  return side;
}

std::string FormatModelSettings(const ModelSettings& settings) {
  std::string text = "# ZET settings beside the 37-line file\n";
  text += std::string(kUnicodeKey) + '=' + (settings.unicode ? "1" : "0") + '\n';
  return text;
}

ModelSettings ParseModelSettings(std::string_view text) {
  ModelSettings settings;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const std::size_t equals = line.find('=');
    if (line.empty() || line.front() == '#' || equals == std::string_view::npos) continue;
    const std::string_view key = Trimmed(line.substr(0, equals));
    const std::string_view value = Trimmed(line.substr(equals + 1));
    if (key == kUnicodeKey && (value == "0" || value == "1")) settings.unicode = value == "1";
  }
  return settings;
}

Outcome<Done> SaveModelSettings(const std::string& path, const ModelSettings& settings) {
  const std::string side = ModelSettingsPath(path);
  if (const int error = ReplaceFileContents(side, FormatModelSettings(settings)); error != 0)
    return SaveProblem(side, std::strerror(error), RunTimeErrorFromErrno(error));
  return Done{};
}

ModelSettings ReadModelSettings(const std::string& path) {
  const std::string side = ModelSettingsPath(path);
  // Non-blocking, and only a regular file is read: a pipe in its place
  // cannot hang the program.
  const int fd = ::open(side.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return {};
  std::string text;
  bool readable = false;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
      static_cast<std::uint64_t>(st.st_size) <= kMaxSize) {
    char buffer[4096];
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      readable = n == 0;
      if (n <= 0 || text.size() > kMaxSize) break;
      text.append(buffer, static_cast<std::size_t>(n));
    }
  }
  ::close(fd);
  return readable ? ParseModelSettings(text) : ModelSettings{};
}

}  // namespace zet
