#pragma once
// What the parameters window asks of the main window.

#include <string>

#include "params/ParameterSet.h"
#include "platform/Geometry.h"

namespace zet {

/// The main window as the parameters window sees it. The main window
/// implements it; tests of the parameters window use a fake.
class ParamsHost {
 public:
  virtual ~ParamsHost() = default;

  /// The word table holds a finished count of the current source.
  [[nodiscard]] virtual bool WordsGot() const = 0;
  /// Marks the counted words stale: the next count reads the source anew.
  virtual void ClearWordsGot() = 0;
  /// Start-up has finished (before that, change handlers stay quiet).
  [[nodiscard]] virtual bool StartUpCompleted() const = 0;

  /// The main window's Initialize: file names, word lists, defaults.
  virtual void Initialize() = 0;
  /// The main window's InitializeVariables (which runs Initialize).
  virtual void InitializeVariables() = 0;
  /// Puts the focus where the next action is expected.
  virtual void SetTheFocus() = 0;
  /// The common-words file's path (strCommonWordsFile) and setting it; the
  /// parameters window's box shows it, but this is the name that is read.
  [[nodiscard]] virtual std::string CommonWordsFile() const = 0;
  virtual void SetCommonWordsFile(std::string path) = 0;
  /// Whether the common words of CommonWordsFile() are loaded
  /// (blnCommonWordsLoaded), and setting it (cleared when the name changes).
  [[nodiscard]] virtual bool CommonWordsLoaded() const = 0;
  virtual void SetCommonWordsLoaded(bool loaded) = 0;
  /// Reads the common-words file and tells the user the outcome.
  virtual void AttemptToReadCommonWords() = 0;
  /// Hides the four counters.
  virtual void ConcealNumWords() = 0;
  /// The main window's word-order and display-format lists (selecting one
  /// runs its change handling).
  virtual void SelectWordOrder(int index) = 0;
  virtual void SelectDisplayFormat(int index) = 0;

  /// The main window's settings that are saved with the parameters (file
  /// names, "Don't display words as found", "Disable", the two lists, the
  /// common-words file name) written into `params`.
  virtual void CollectMainSettings(ParameterSet& params) const = 0;
  /// Sets those settings from `params`, each with the effect of the user's
  /// change (the two lists re-list held words).
  virtual void ApplyMainSettings(const ParameterSet& params) = 0;
  /// Refreshes the output file's "Disable" box after its name changed.
  virtual void UpdateDisableOutputBox() = 0;
  /// The user settings file's path.
  [[nodiscard]] virtual std::string UserSettingsFile() const = 0;

  /// Where the main window is, and the width of its "Set parameters"
  /// button, for placing the parameters window beside it (pixels).
  [[nodiscard]] virtual Geometry MainWindowPlace() const = 0;
  [[nodiscard]] virtual int SetParametersButtonWidth() const = 0;
};

}  // namespace zet
