#pragma once
// Why a word is missing from the main window's list: the answers of
// zet-count --explain and the rows of --excluded, for the list shown.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/TableRows.h"
#include "results/FilterSettings.h"
#include "scanner/ScanSettings.h"

namespace zet {

class frmMain;

/// The ledger of one main window's list, from Listed() until
/// ResultsChanging(): the rules the words were cut by and the filters the
/// list was made with are kept, so a parameter changed since does not
/// change the answers about the list shown.
class ListedLedger {
 public:
  explicit ListedLedger(const frmMain& main) : main_(main) {}

  /// The main window has listed its words.
  void Listed();
  /// The words or their results are about to change.
  void ResultsChanging() { kept_.reset(); }
  [[nodiscard]] bool Available() const noexcept { return kept_.has_value(); }

  /// What became of `typed` (UTF-8) in the list, as zet-count --explain
  /// says it; without a list, that there is none.
  [[nodiscard]] std::string Explain(std::string_view typed) const;
  /// The words the list left out, with their reasons; null without a list.
  [[nodiscard]] std::unique_ptr<TableRows> LeftOutRows() const;

 private:
  struct Kept {
    ScanSettings scan;
    FilterSettings filters;
  };
  const frmMain& main_;
  std::optional<Kept> kept_;
};

}  // namespace zet
