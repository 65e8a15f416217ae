#include "params/AppDataPath.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace zet {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// Creates `path` and any missing parents, like "mkdir -p"; the result says
// whether the folder exists afterwards.
bool CreateFolders(const std::string& path) {
  if (path.empty() || FolderExists(path)) return !path.empty();
  const std::size_t slash = path.find_last_of('/', path.size() - 1);
  if (slash != std::string::npos && slash > 0) CreateFolders(path.substr(0, slash));
  return ::mkdir(path.c_str(), 0700) == 0 || FolderExists(path);
}

}  // namespace

std::string GetFirstFixedDrive() {
  std::string home = Environment("HOME");
  if (home.empty()) {
    // getpwuid fails for a user id without an entry, as in some containers.
    const passwd* entry = ::getpwuid(::getuid());
    if (entry != nullptr && entry->pw_dir != nullptr) home = entry->pw_dir;
  }
  return home.empty() ? home : WithoutTrailingSlashes(home);
}

std::string GetSpecialFolderPath() {
  // A relative value is invalid and must be ignored.
  const std::string config = Environment("XDG_CONFIG_HOME");
  if (!config.empty() && config.front() == '/') return WithoutTrailingSlashes(config);
  const std::string home = GetFirstFixedDrive();
  if (home.empty()) return home;
  return (home == "/" ? std::string() : home) + "/.config";
}

bool FolderExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string GetAppDataFilePath(const std::string& fileName, const std::string& folderName) {
  std::string base = GetSpecialFolderPath();
  if (base.empty()) base = GetFirstFixedDrive();
  if (base == "/") base.clear();
  const std::string folder = base + "/" + folderName;
  (void)CreateFolders(folder);  // on failure the caller runs on the defaults
  return folder + "/" + fileName;
}

}  // namespace zet
