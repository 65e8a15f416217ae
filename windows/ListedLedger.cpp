#include "windows/ListedLedger.h"

#include "params/ListingParams.h"
#include "params/ScanSnapshot.h"
#include "results/WordLedger.h"
#include "windows/LeftOutWordsTable.h"
#include "windows/frmMain.h"

namespace zet {

void ListedLedger::Listed() {
  const ParameterSet params = main_.CurrentParameters();
  // A typed word is not a file: no comment markers apply to it.
  kept_ = Kept{ScanSettingsFor(params, MarkerChoice::None),
               MakeFilterSettings(params, main_.paramsWindow.strWordsToIgnore(),
                                  main_.CommonWordsInForce())};
}

std::string ListedLedger::Explain(std::string_view typed) const {
  if (main_.CountedWithUnicode())
    return "Explain answers for the default word model; this list was counted with 'Unicode "
           "letters (all scripts)'.";
  if (!kept_) return "There is no list yet: count the words first.";
  return ExplanationText(typed, kept_->scan, main_.Words(), kept_->filters, nullptr);
}

std::unique_ptr<TableRows> ListedLedger::LeftOutRows() const {
  if (!kept_ || main_.CountedWithUnicode()) return nullptr;
  return std::make_unique<LeftOutWordsTable>(main_.Words(), kept_->filters);
}

}  // namespace zet
