#pragma once
// Where a real (non-test) platform finds the program's folders on Linux.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zet {

/// Reads an environment variable; nullptr when it is not set.
using GetEnv = std::function<const char*(const char*)>;

/// The folder of the running executable (from /proc/self/exe), or empty.
[[nodiscard]] std::string ExecutableFolder();

/// The user's application-data folder: $XDG_CONFIG_HOME when it is set to
/// an absolute path (a relative one is ignored, as the XDG rules say),
/// otherwise $HOME/.config; empty when neither is usable. Trailing "/" are
/// dropped.
[[nodiscard]] std::string ApplicationDataFolderFrom(const GetEnv& getEnv);

/// Where the data files may be, in the order to try: the executable's own
/// folder (a build tree, where the build copies them beside the programs),
/// then <prefix>/share/zet, <prefix> being the parent of the executable's
/// folder (an installed program in <prefix>/bin).
[[nodiscard]] std::vector<std::string> DataFolderCandidates(std::string_view executableFolder);

/// Where the manual may be: the executable's own folder, then
/// <prefix>/share/doc/zet.
[[nodiscard]] std::vector<std::string> DocumentationFolderCandidates(
    std::string_view executableFolder);

/// The first of `folders` that holds a file named `fileName`; the first
/// folder when none does (so a later "cannot open" message names the
/// primary place); empty when `folders` is empty.
[[nodiscard]] std::string FirstFolderHolding(std::string_view fileName,
                                             const std::vector<std::string>& folders);

}  // namespace zet
