#pragma once
// The last list saved as data for other programs: tab- or comma-separated
// values or JSON, in a file the user names in a Save dialog.

#include <optional>
#include <string>

#include "engine/FileWrites.h"
#include "params/ParameterSet.h"
#include "platform/Platform.h"
#include "results/Export.h"

namespace zet {

class frmMain;

/// The exports of one main window's list. The list is the one shown since
/// the last Listed() until ResultsChanging(); the export is written as
/// zet-count --export writes it, by the output file's write policy, never
/// over a file the count read (the input files, the common words, the
/// settings).
class MainExports {
 public:
  MainExports(frmMain& main, Platform& platform);

  /// The main window has listed its words: they can be exported.
  void Listed();
  /// The words or their results are about to change: nothing to export.
  void ResultsChanging();
  /// A list can be exported now.
  [[nodiscard]] bool Available() const noexcept { return params_.has_value(); }

  /// Asks for a file name in a Save dialog (offering "words.tsv" and so on)
  /// and writes the list there. Returns the file written, or nothing: no
  /// list yet (said in a box), the dialog cancelled, or the file refused or
  /// not written (a box names the file and says why).
  std::optional<std::string> Export(ExportFormat format);

 private:
  [[nodiscard]] std::string AskForFile(ExportFormat format);

  frmMain& main_;
  Platform& platform_;
  // The parameters the list was made under, and the files its count read.
  std::optional<ParameterSet> params_;
  FilesRead read_;
};

/// The Save dialog's file-type filter for `format`, e.g.
/// "Tab-separated values (*.tsv)|*.tsv|All files (*.*)|*.*".
[[nodiscard]] std::string ExportFilter(ExportFormat format);

}  // namespace zet
