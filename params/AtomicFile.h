#pragma once
// Writing a file whole or not at all, by one policy for every file the
// programs write.
//
// The policy: a symbolic link is followed (a dangling one creates the file
// it names; a loop is ELOOP) and never replaced itself. A new file, or an
// existing regular file this user may write, is written through a hidden
// temporary file beside it (mode 0600 while it is written) that is flushed
// and renamed over the target, so a failure leaves the previous file byte
// for byte; the finished file gets the target's mode, owner and group (a
// new file: 0666 less the umask). A file the user may not write is refused
// with the reason opening it for writing gives. The file is written in
// place (truncated, then written) when a rename would change what it is:
// it has other hard links, its owner or group cannot be given to a new
// file, or its folder cannot take a temporary file. Devices, pipes and
// terminals are always written in place.

#include <string>
#include <string_view>

namespace zet {

/// Writes `bytes` to the file at `path` (not empty) by the policy above.
/// Returns 0 on success, otherwise the system error number (errno) of the
/// failure; no temporary file is left behind.
[[nodiscard]] int ReplaceFileContents(const std::string& path, std::string_view bytes);

/// What opening `path` for writing would say, without writing anything:
/// 0, or the system error number (ENOENT for an empty name or a missing
/// folder, EISDIR, ELOOP, EACCES for a write-protected file or a folder
/// where a new file cannot be made, EROFS). A check before long work; the
/// write itself still reports what changes meanwhile.
[[nodiscard]] int CheckFileWritable(const std::string& path);

/// Writes a file by the policy above, for contents too large to hold in
/// memory: the target is replaced only when Commit() succeeds. Destroying a
/// writer that was not committed removes the temporary file and leaves the
/// target alone (a file written in place keeps what was written).
class AtomicFileWriter {
 public:
  AtomicFileWriter() = default;
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  /// Starts writing `path`. Returns 0 or the system error number.
  [[nodiscard]] int Open(const std::string& path);
  /// Appends bytes. Returns 0 or the system error number of the failure.
  [[nodiscard]] int Write(std::string_view bytes);
  /// Flushes to disk and puts the file in place. Returns 0 or the system
  /// error number (a replaced target is then unchanged).
  [[nodiscard]] int Commit();
  /// True when the target is being written in place, not replaced.
  [[nodiscard]] bool InPlace() const noexcept { return fd_ >= 0 && temporary_.empty(); }

 private:
  void Abandon() noexcept;

  int fd_ = -1;
  int slot_ = -1;           ///< the temporary file's place in the signal cleanup's list
  bool regular_ = false;    ///< fsync applies (not a device or a pipe)
  unsigned finalMode_ = 0;  ///< the mode the temporary file gets when complete
  std::string target_;
  std::string temporary_;
};

/// Makes SIGINT, SIGTERM and SIGHUP remove the temporary files being
/// written before the program ends by the signal's usual action. A signal
/// the program ignores (SIGHUP under nohup) stays ignored. For a program's
/// main; calling it again does nothing more.
void InstallTemporaryFileCleanup();

}  // namespace zet
