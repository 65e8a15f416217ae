#pragma once
// Run-time failures as the program reports them: a number and a text.

#include <string>

namespace zet {

/// A failure during a run, for the error report: the error number the
/// program reports and the system's description.
struct RunTimeError {
  int number = 0;
  std::string description;

  friend bool operator==(const RunTimeError&, const RunTimeError&) = default;
};

/// The error numbers of the report, for the system errors that reach it.
namespace errnum {
inline constexpr int kOutOfMemory = 7;
inline constexpr int kFileNotFound = 53;
inline constexpr int kDeviceIo = 57;
inline constexpr int kDiskFull = 61;
inline constexpr int kTooManyFiles = 67;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
}  // namespace errnum

/// The report's number for a system error number (errno): no such file or
/// folder 53, a path through something that is not a folder 76, no
/// permission 70, a read-only place or a folder where a file was expected
/// 75, a full disk or quota 61, no memory 7, too many open files 67,
/// anything else 57; with the system's own description of it.
[[nodiscard]] RunTimeError RunTimeErrorFromErrno(int errnoValue);

/// "Error", one space, the number, ": " and the description, as every
/// report of a system failure reads.
[[nodiscard]] std::string ErrorText(const RunTimeError& error);

/// The error reported when memory runs out (number 7).
[[nodiscard]] RunTimeError OutOfMemoryError();

}  // namespace zet
