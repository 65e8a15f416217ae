#include "results/Listing.h"

#include <string>

#include "results/TablePrefetch.h"
#include "scanner/TextCodec.h"

namespace zet {
namespace {

// Builds each line into buffers reused for the whole listing, encodes it
// and hands it to the sink with its line end or separator.
class LineEmitter {
 public:
  LineEmitter(const ListResults& results, const ListingOptions& options, ListingSink& sink)
      : sink_(sink), target_(options.target), ranges_(options.ranges) {
    layout_.format = options.format;
    layout_.blnCommaMode =
        options.target == ListingTarget::OutputFile && options.blnOutputWithCommas;
    layout_.widths = SetColumnWidths(results.totals, options.intMinColumnWidth);
    layout_.intLongestWord = results.totals.intLongestWord;
  }

  bool EmitHeader() { return layout_.format == DisplayFormat::WordCommas || Emit(nullptr, 0); }

  // `entry` is the entry at key-order index `index`; null for the header.
  bool Emit(const WordEntry* entry, std::size_t index) {
    line_.clear();
    OutputLine(entry, layout_, line_);
    if (!ranges_.empty()) AppendRange(entry, index);
    text_.clear();
    if (layout_.format != DisplayFormat::WordCommas) {
      AppendEncoded();
      text_.append("\r\n");
    } else if (target_ == ListingTarget::OutputFile) {
      if (!firstWord_) text_.append(", ");
      AppendEncoded();
    } else {
      AppendEncoded();
      text_.append(", ");
    }
    firstWord_ = false;
    return sink_.Write(text_);
  }

 private:
  // The trailing range column, as wide as its header.
  void AppendRange(const WordEntry* entry, std::size_t index) {
    const std::string value = entry ? std::to_string(ranges_[index]) : std::string("Range");
    if (layout_.format == DisplayFormat::WordCommas) {
      if (entry) line_ += " (" + value + ")";
      return;
    }
    line_ += layout_.blnCommaMode ? " , " : "  ";
    if (value.size() < 5) line_.append(5 - value.size(), ' ');
    line_ += value;
  }

  // Most lines are ASCII, which UTF-8 keeps as it is: copying them whole
  // saved a fifth of the time per line.
  void AppendEncoded() {
    if (IsAscii(line_))
      text_.append(line_);
    else
      AppendUtf8(line_, text_);
  }

  ListingSink& sink_;
  ListingTarget target_;
  LineLayout layout_;
  bool firstWord_ = true;
  std::span<const std::int64_t> ranges_;
  std::string line_;
  std::string text_;
};

ListingOutcome Finish(ListingSink& sink, ListingOutcome outcome) {
  const bool finished = sink.Finish();
  return finished ? outcome : ListingOutcome::Failed;
}

}  // namespace

ListingOutcome ListAlphabetically(const WordTable& table, const ListResults& results,
                                  const ListingOptions& options, ListingSink& sink,
                                  const ListingPump& pump) {
  const std::size_t step = PacingStep(table.size());
  LineEmitter emitter(results, options, sink);
  if (!emitter.EmitHeader()) return Finish(sink, ListingOutcome::Failed);
  for (std::size_t i = 0; i < table.size(); ++i) {
    PrefetchAhead(table, i, table.size(), KeyOrder, PrefetchWord::Yes);
    const WordEntry& entry = table[i];
    const bool listed = entry.blnIncluded;
    if (listed && !emitter.Emit(&entry, i)) return Finish(sink, ListingOutcome::Failed);
    const ListingProgress progress{i, i + 1, listed, listed && (i + 1) % step == 0};
    if (pump && !pump(progress)) return Finish(sink, ListingOutcome::Stopped);
  }
  return Finish(sink, ListingOutcome::Completed);
}

ListingOutcome ListByFrequency(const WordTable& table, const ListResults& results,
                               const ListingOptions& options, ListingSink& sink,
                               const ListingPump& pump) {
  const std::size_t step = PacingStep(table.size());
  LineEmitter emitter(results, options, sink);
  if (!emitter.EmitHeader()) return Finish(sink, ListingOutcome::Failed);
  const FrequencyOrder& order = results.byFrequency;
  for (std::size_t line = 1; line <= order.size(); ++line) {
    PrefetchAhead(
        table, line - 1, order.size(), [&](std::size_t k) { return order[k]; }, PrefetchWord::Yes);
    const std::size_t e = order[line - 1];
    if (!emitter.Emit(&table[e], e)) return Finish(sink, ListingOutcome::Failed);
    const ListingProgress progress{e, line, true, line % step == 0};
    if (pump && !pump(progress)) return Finish(sink, ListingOutcome::Stopped);
  }
  return Finish(sink, ListingOutcome::Completed);
}

ListingOutcome WriteListing(const WordTable& table, const ListResults& results,
                            const ListingOptions& options, ListingSink& sink,
                            const ListingPump& pump) {
  return options.order == WordOrder::Alphabetical
             ? ListAlphabetically(table, results, options, sink, pump)
             : ListByFrequency(table, results, options, sink, pump);
}

}  // namespace zet
