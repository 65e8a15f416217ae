#pragma once
// What a scan shows while it runs, and how it is stopped.

#include <cstddef>
#include <string_view>

namespace zet {

/// The scanner draws nothing: it tells an observer what the user should see
/// and asks it, after every word, whether to go on. Every method has a
/// do-nothing default, so a batch counter overrides only what it needs.
/// Words are Windows-1252 text.
class ScanObserver {
 public:
  virtual ~ScanObserver() = default;

  /// The first word of a pass, while words are displayed: the output text
  /// becomes the word followed by one space.
  virtual void ShowFirstWord(std::string_view /*word*/) {}

  /// A further new word while words are displayed: the word and one space
  /// are appended to the output text (caret at its end).
  virtual void ShowNewWord(std::string_view /*word*/) {}

  /// Called for every new word but the first, with the number of different
  /// words so far. The label "Number of different words found so far: "
  /// changes only when the number is a multiple of 10, but is made visible
  /// every time.
  virtual void NewWordCounted(std::size_t /*numWords*/) {}

  /// More than 2000 different words were displayed: two line breaks and
  /// "[Suppressing display of words to avoid buffer overflow.]" are appended
  /// and "Don't display words as found" is ticked for the rest of the pass.
  virtual void SuppressWordDisplay() {}

  /// Called after every word found. Returns false when the user asked to
  /// stop; the scan then ends after this word.
  virtual bool Pump() { return true; }

  /// False when Pump never stops anything and shows nothing, so the scanner
  /// may skip calling it (a batch count: a call per word is measurable).
  [[nodiscard]] virtual bool NeedsPump() const { return true; }

  /// True when WordCounted should be called. Asked once, when a scanner is
  /// made, so that an observer that does not ask costs nothing per word.
  [[nodiscard]] virtual bool WantsEachWord() const { return false; }

  /// Called for every word counted, when WantsEachWord says so: the word as
  /// counted (after normalisation) and its table key. Both views are valid
  /// only during the call; the key may be the word itself.
  virtual void WordCounted(std::string_view /*word*/, std::string_view /*key*/) {}
};

/// An observer that shows nothing and never stops: for batch counts.
class QuietObserver final : public ScanObserver {
 public:
  [[nodiscard]] bool NeedsPump() const override { return false; }
};

}  // namespace zet
