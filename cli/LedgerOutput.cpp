#include "cli/LedgerOutput.h"

#include <ostream>

#include "params/ListingParams.h"
#include "params/ScanSnapshot.h"
#include "results/Listing.h"
#include "results/WordLedger.h"
#include "scanner/TextCodec.h"

namespace zet {
namespace {

// Passes a listing on, each entry's line with the spellings column added
// before its line end (or before the separator of a one-line list).
class SpellingsSink final : public ListingSink {
 public:
  SpellingsSink(ListingSink& sink, const WordTable& table, const SpellingLedger& spellings)
      : sink_(sink), table_(table), spellings_(spellings) {}

  [[nodiscard]] bool Write(std::string_view text) override { return Pass() && Hold(text); }
  [[nodiscard]] bool Finish() override { return Pass() && sink_.Finish(); }

  // The listing's pump: the held piece is the line of `progress.entry`.
  [[nodiscard]] bool LineDone(const ListingProgress& progress) {
    if (!progress.blnLineWritten) return true;
    std::size_t end = held_.size();
    if (held_.ends_with("\r\n") || held_.ends_with(", ")) end -= 2;
    held_.insert(end, "  " + SpellingsColumn(spellings_, table_[progress.entry]));
    return Pass();
  }

 private:
  bool Hold(std::string_view text) {
    held_.assign(text);
    return true;
  }
  bool Pass() {
    if (held_.empty()) return true;
    const bool written = sink_.Write(held_);
    held_.clear();
    return written;
  }

  ListingSink& sink_;
  const WordTable& table_;
  const SpellingLedger& spellings_;
  std::string held_;  // the last piece, until it is known whose line it is
};

}  // namespace

void PrintLeftOut(const WordTable& table, const FilterSettings& filters, const RangeLimit& limit,
                  WordOrder order, std::ostream& out) {
  for (const LeftOutEntry& left : ListLeftOut(table, filters, order, limit)) {
    const WordEntry& entry = table[left.entry];
    out << EncodeUtf8(entry.strWord()) << '\t' << entry.lngCount << '\t'
        << ExclusionReason(left.exclusion, filters, limit) << '\n';
  }
}

void PrintExplanations(const std::vector<std::string>& typed, const ScanSettings& scan,
                       const WordTable& table, const FilterSettings& filters,
                       const RangeLimit& limit, const SpellingLedger* spellings,
                       std::ostream& out) {
  for (const std::string& word : typed)
    out << ExplanationText(word, scan, table, filters, spellings, limit) << '\n';
}

ListingWriter ListWithSpellings(const WordTable& table, const ListResults& results,
                                const SpellingLedger& spellings) {
  return [&table, &results, &spellings](const ListingOptions& options, ListingSink& sink) {
    SpellingsSink withSpellings(sink, table, spellings);
    return WriteListing(table, results, options, withSpellings,
                        [&](const ListingProgress& p) { return withSpellings.LineDone(p); });
  };
}

bool WantsLedgerReport(const CountOptions& options) noexcept {
  return options.excluded || !options.explain.empty();
}

void PrintLedgerReports(const CountOptions& options, const ParameterSet& params,
                        const WordTable& table, const FilterSettings& filters,
                        const RangeLimit& limit, const SpellingLedger* spellings,
                        std::ostream& out) {
  // A typed word is not a file: no comment markers apply to it.
  if (!options.explain.empty())
    PrintExplanations(options.explain, ScanSettingsFor(params, MarkerChoice::None), table, filters,
                      limit, spellings, out);
  if (options.excluded) PrintLeftOut(table, filters, limit, OrderOf(params), out);
}

}  // namespace zet
