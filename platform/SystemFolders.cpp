#include "platform/SystemFolders.h"

#include <filesystem>
#include <system_error>

namespace zet {

namespace {

namespace fs = std::filesystem;

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// <prefix>/<relative>, with <prefix> the parent of `executableFolder`.
std::string UnderPrefix(std::string_view executableFolder, std::string_view relative) {
  const fs::path folder(WithoutTrailingSlashes(std::string(executableFolder)));
  return (folder.parent_path() / relative).lexically_normal().string();
}

}  // namespace

std::string ExecutableFolder() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return exe.parent_path().string();
}

std::string ApplicationDataFolderFrom(const GetEnv& getEnv) {
  const char* xdg = getEnv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') return WithoutTrailingSlashes(xdg);
  const char* home = getEnv("HOME");
  if (home == nullptr || home[0] != '/') return {};
  std::string folder = WithoutTrailingSlashes(home);
  if (folder != "/") folder += '/';
  return folder + ".config";
}

std::vector<std::string> DataFolderCandidates(std::string_view executableFolder) {
  return {std::string(executableFolder), UnderPrefix(executableFolder, "share/zet")};
}

std::vector<std::string> DocumentationFolderCandidates(std::string_view executableFolder) {
  return {std::string(executableFolder), UnderPrefix(executableFolder, "share/doc/zet")};
}

std::string FirstFolderHolding(std::string_view fileName, const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) {
    std::error_code error;
    if (fs::is_regular_file(fs::path(folder) / fileName, error)) return folder;
  }
  return folders.empty() ? std::string() : folders.front();
}

}  // namespace zet
