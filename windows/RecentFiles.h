#pragma once
// The input files used last, newest first.

#include <cstddef>
#include <string>
#include <vector>

namespace zet {

inline constexpr std::size_t kRecentFilesKept = 10;

/// `recent` with `path` put first: an earlier mention of the same path goes,
/// an empty path changes nothing, and no more than `kept` remain.
[[nodiscard]] std::vector<std::string> WithRecentFile(std::vector<std::string> recent,
                                                      const std::string& path,
                                                      std::size_t kept = kRecentFilesKept);

}  // namespace zet
