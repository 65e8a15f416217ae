#pragma once
// Run-time failures as the program reports them: a number and a text.

#include <string>

namespace zet {

/// A failure during a run, for ReportError: the error number the program
/// reports and the system's description.
struct RunTimeError {
  int number = 0;
  std::string description;
};

/// The error for a system error number (errno): 53 for a missing file, 76
/// for a missing folder, 70 when permission is denied, 61 for a full disk,
/// 7 when memory runs out, 57 for a device error, 75 for any other file
/// access failure; the description is the system's own text.
[[nodiscard]] RunTimeError RunTimeErrorFromErrno(int errnum);

/// The error reported when memory runs out (number 7).
[[nodiscard]] RunTimeError OutOfMemoryError();

}  // namespace zet
