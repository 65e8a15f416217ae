#pragma once
// The one way the engine reports failure: a value or a Problem.
//
// A Problem carries what the user is told, word for word, and the file it
// concerns. The desktop shows `message` in a box titled `title`; zet-count
// prints it on standard error with the file named. The kind lets a face
// choose what else to do (the desktop quietly resets a missing common-words
// file at start-up, for example) without comparing texts.

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

#include "params/RunTimeError.h"

namespace zet {

/// What went wrong, for a face that reacts differently to some problems.
enum class ProblemKind : std::uint8_t {
  InputNotSpecified,    ///< no input file named
  InputMissing,         ///< the input file does not exist
  InputIsFolder,        ///< the input names a folder
  NotText,              ///< the file holds bytes that are not text
  SameFile,             ///< a file would be written over a file the run reads
  CommonWordsNotNamed,  ///< common words are to be ignored but no file is named
  CommonWordsMissing,   ///< the common-words file does not exist
  BadMarkers,           ///< the user's comment markers cannot be used
  CannotRead,           ///< the system refused to open or read a file
  CannotWrite,          ///< the system refused to create or write a file
  BadFile,              ///< a settings or parameter file that does not read
};

/// A refusal or failure as the user is told it.
struct Problem {
  ProblemKind kind = ProblemKind::CannotRead;
  std::string message;  ///< the program's text; line breaks are CR LF
  std::string title;    ///< the desktop's message-box title
  std::string file;     ///< the file concerned; empty when none
  RunTimeError error;   ///< the system's failure, when one caused it (number 0 otherwise)
};

/// Success with nothing to return.
struct Done {};

/// A value or the Problem that prevented it.
template <class T>
class [[nodiscard]] Outcome {
 public:
  Outcome(T value) : state_(std::move(value)) {}            // NOLINT: implicit by design
  Outcome(Problem problem) : state_(std::move(problem)) {}  // NOLINT: implicit by design

  [[nodiscard]] bool ok() const noexcept { return state_.index() == 0; }
  explicit operator bool() const noexcept { return ok(); }

  /// The value; only when ok().
  [[nodiscard]] T& value() & { return std::get<0>(state_); }
  [[nodiscard]] const T& value() const& { return std::get<0>(state_); }
  [[nodiscard]] T&& value() && { return std::get<0>(std::move(state_)); }
  /// The problem; only when !ok().
  [[nodiscard]] const Problem& problem() const { return std::get<1>(state_); }

 private:
  std::variant<T, Problem> state_;
};

}  // namespace zet
