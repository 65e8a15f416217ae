#pragma once
// Replacing a file's contents whole or not at all.

#include <string>
#include <string_view>

namespace zet {

/// Writes `bytes` to the file at `path` (not empty) through a temporary
/// file in the same folder that is flushed to disk and then renamed over the
/// target, so a failure at any point (missing folder, no permission, full
/// disk) leaves a previous file byte for byte. A symbolic link at `path` is
/// followed, so the file it points to is replaced and the link kept. A new
/// file gets the usual permissions (0666 less the umask); an existing file
/// keeps its permission bits. Returns 0 on success, otherwise the system
/// error number (errno) of the failure; no temporary file is left behind.
[[nodiscard]] int ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace zet
