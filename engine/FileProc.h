#pragma once
// File and path procedures shared by the file pass, the output stage and
// the common-words loader. They look at the file system but show nothing:
// callers turn their results into messages.

#include <cstdint>
#include <string>
#include <string_view>

namespace zet {

/// Result of CheckTextFile; the values are the codes the callers test.
enum class TextCheck : std::int16_t {
  CannotOpen = -3,      ///< the file exists but cannot be opened or read
  Empty = -2,           ///< the file's length is 0
  Missing = -1,         ///< no such file (see FileExists)
  NotText = 0,          ///< a byte below 32 other than tab, LF and CR was seen
  Text = 1,             ///< text with both CR and LF seen, or neither
  UnixLineEndings = 2,  ///< text with LF seen but no CR
  MacLineEndings = 3,   ///< text with CR seen but no LF
};

/// The numeric code of a TextCheck (-3 to 3).
[[nodiscard]] constexpr int TextCheckCode(TextCheck check) noexcept {
  return static_cast<int>(check);
}

/// How many leading bytes the file pass has CheckTextFile examine.
inline constexpr std::uint64_t kTextCheckSample = 16384;

/// True when `path` names an existing regular file (links followed).
[[nodiscard]] bool FileExists(const std::string& path);

/// Opens `path` for reading only when it is a regular file (links
/// followed), and never waits on a named pipe or a device: it is opened
/// non-blocking, examined through the open descriptor (so the file examined
/// is the file read, however the name changes meanwhile) and then made
/// blocking. Returns the descriptor, which the caller closes, or -1 with
/// errno set: EISDIR for a folder, EINVAL for another kind of file.
[[nodiscard]] int OpenRegularFile(const std::string& path);

/// The file's length in bytes, or -1 when it cannot be found out.
[[nodiscard]] std::int64_t FileLength(const std::string& path);

/// Examines the raw bytes of the file from its start, in chunks of 16384
/// bytes, stopping after the chunk that reaches `limit` bytes (so at least
/// one whole chunk is examined) or at the end of the file, and stopping at
/// once at the first byte that is not text.
[[nodiscard]] TextCheck CheckTextFile(const std::string& path,
                                      std::uint64_t limit = kTextCheckSample);

/// The text check of bytes already read (a stream's first bytes), as
/// CheckTextFile judges a file's: Empty for no bytes.
[[nodiscard]] TextCheck CheckTextBytes(std::string_view bytes);

/// The warning for unusual line endings: "This file has Unix/Linux line
/// endings." or "This file has Macintosh line endings.", then two CR LF
/// line breaks. Empty for any other check result.
[[nodiscard]] std::string LineEndingsMessage(TextCheck check);

/// The text after the last "." of the path's last component (the part after
/// its last "/"); empty when that component has no ".". With `lower`, the
/// ASCII letters are lower-cased (extensions are compared with ASCII names).
[[nodiscard]] std::string GetFileExtension(std::string_view path, bool lower);

/// The path up to and including its last "/", unchanged; empty when the
/// path has no "/".
[[nodiscard]] std::string GetFolderOfPath(std::string_view path);

/// The input file's size line: "Filesize:   " + bytes grouped + " bytes";
/// above 9999 bytes also "    " + kilobytes (1024 bytes, two decimals,
/// grouped) + " KB"; and when the kilobytes exceed 9999 also "    " +
/// megabytes + " MB". Kilobytes and megabytes are single precision, as the
/// label always showed them, printed exactly to two decimals (half away
/// from zero). Example: 10000 bytes ->
/// "Filesize:   10,000 bytes    9.77 KB".
[[nodiscard]] std::string FileSizeText(std::int64_t bytes);

/// True when `a` and `b` name the same file: for existing files the same
/// device and inode (relative paths and links resolved, so hard links
/// count); for a name whose file does not exist yet, the same resolved
/// folder and the same last component. False when either is empty.
[[nodiscard]] bool SameFile(const std::string& a, const std::string& b);

}  // namespace zet
