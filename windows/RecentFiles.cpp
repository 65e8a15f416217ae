#include "windows/RecentFiles.h"

#include <algorithm>

namespace zet {

std::vector<std::string> WithRecentFile(std::vector<std::string> recent, const std::string& path,
                                        std::size_t kept) {
  if (!path.empty()) {
    std::erase(recent, path);
    recent.insert(recent.begin(), path);
  }
  if (recent.size() > kept) recent.resize(kept);
  return recent;
}

}  // namespace zet
