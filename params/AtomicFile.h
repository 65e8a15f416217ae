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

/// Writes a file through a temporary file beside it, replacing the target
/// only when Commit() succeeds (the same guarantees as ReplaceFileContents),
/// for contents too large to hold in memory. Destroying a writer that was
/// not committed removes the temporary file and leaves the target alone.
class AtomicFileWriter {
 public:
  AtomicFileWriter() = default;
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  /// Starts replacing `path`. Returns 0 or the system error number.
  [[nodiscard]] int Open(const std::string& path);
  /// Appends bytes. Returns 0 or the system error number of the failure.
  [[nodiscard]] int Write(std::string_view bytes);
  /// Flushes to disk and renames the temporary file over the target.
  /// Returns 0 or the system error number (the target is then unchanged).
  [[nodiscard]] int Commit();

 private:
  void Abandon() noexcept;

  int fd_ = -1;
  std::string target_;
  std::string temporary_;
};

}  // namespace zet
