// A count under the Unicode word model: the table it fills, the results
// stages and the listing of whichever model counted the held words.

#include "engine/FileTexts.h"
#include "results/Listing.h"
#include "unicode/WordCollator.h"
#include "windows/frmMain.h"

namespace zet {

// An empty Unicode table for the coming count, in the environment's
// collation locale; one ICU does not know gets the root collation, after a
// warning (once per locale, not at every count).
bool frmMain::StartUnicodeCount(const ParameterSet& params) {
  std::string locale = CollationLocaleOfEnvironment();
  if (CheckCollationLocale(locale) == LocaleStatus::Unknown) {
    if (strLocaleWarned_ != locale) {
      platform_.messageBoxes.Show(
          UnknownLocaleMessage(locale) + "\r\n\r\nThe root collation is used.",
          texts::kTitleWarning, MessageIcon::kExclamation, MessageButtons::kOk);
      strLocaleWarned_ = locale;
    }
    locale.clear();
  }
  Outcome<std::unique_ptr<UnicodeTable>> table =
      OpenUnicodeTable(UnicodeSettingsFor(params, locale, UnicodeOrder::Collation));
  if (!table) {
    platform_.messageBoxes.Show(table.problem().message, table.problem().title,
                                MessageIcon::kExclamation, MessageButtons::kOk);
    return false;
  }
  unicode_.table = std::move(table).value();
  return true;
}

void frmMain::RunUnicodeResultsStages(const ParameterSet& params) {
  const UnicodeSettings& settings = unicode_.table->Settings();
  Outcome<UnicodeFilterSettings> filters = UnicodeFiltersFor(params, settings);
  if (!filters) {
    // The list still comes, without the common words that could not be read.
    platform_.messageBoxes.Show(filters.problem().message, filters.problem().title,
                                MessageIcon::kExclamation, MessageButtons::kOk);
    ParameterSet withoutCommonWords = params;
    (void)withoutCommonWords.SetValue(ParamId::chkIgnoreCommonWords, CheckBox::kUnchecked);
    filters = UnicodeFiltersFor(withoutCommonWords, settings);
  }
  unicode_.results = zet::RunUnicodeResultsStages(*unicode_.table, filters.value());
}

ListingWriter frmMain::HeldListing(const ListingPump& pump) {
  if (unicode_.table) return UnicodeListingWriter(unicode_, pump);
  return [this, pump](const ListingOptions& options, ListingSink& sink) {
    return WriteListing(table_, results_, options, sink, pump);
  };
}

const ListTotals& frmMain::HeldTotals() const {
  return unicode_.table ? unicode_.results.list.totals : results_.totals;
}

std::size_t frmMain::HeldWordCount() const {
  return unicode_.table ? unicode_.table->Words().size() : table_.size();
}

}  // namespace zet
