#pragma once
// What a count of files tells its face while it runs: messages for the
// user and how far it got. zet-count prints them on standard error with a
// progress bar; the desktop keeps them for a box.

#include <cstdint>
#include <string_view>

namespace zet {

/// Told of a count's messages and progress. The count never prints: a face
/// decides how each is shown.
class CountReport {
 public:
  virtual ~CountReport() = default;

  /// A message for the user, the program's own text: an error that ended
  /// the count of a file, or a warning that begins "warning: ". It names
  /// the file concerned when the count was of several. Line breaks are LF.
  virtual void Say(std::string_view message) = 0;

  /// `done` of `total` bytes were read (`total` 0: not known). A new total
  /// starts a new stretch of progress.
  virtual void Progress(std::uint64_t /*done*/, std::uint64_t /*total*/) {}

  /// The progress shown so far is over: the count ended, or a message follows.
  virtual void EndProgress() {}
};

}  // namespace zet
