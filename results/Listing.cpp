#include "results/Listing.h"

#include <string>

#include "results/TablePrefetch.h"
#include "scanner/TextCodec.h"

namespace zet {
namespace {

// Builds the lines into one buffer reused for the whole listing, encoded,
// each with its line end or separator. A sink that takes blocks gets the
// buffer whenever it holds a megabyte (a listing to a file or a pipe then
// costs about a hundred writes); any other sink gets each line at once.
class LineEmitter {
 public:
  static constexpr std::size_t kBlock = std::size_t{1} << 20;

  LineEmitter(const ListResults& results, const ListingOptions& options, ListingSink& sink,
              bool blocks)
      : sink_(sink), target_(options.target), blocks_(blocks), ranges_(options.ranges) {
    layout_.format = options.format;
    layout_.blnCommaMode =
        options.target == ListingTarget::OutputFile && options.blnOutputWithCommas;
    layout_.widths = SetColumnWidths(results.totals, options.intMinColumnWidth);
    layout_.intLongestWord = results.totals.intLongestWord;
    if (blocks_) text_.reserve(kBlock + 4096);
  }

  bool EmitHeader() { return layout_.format == DisplayFormat::WordCommas || Emit(nullptr, 0); }

  // `entry` is the entry at key-order index `index`; null for the header.
  bool Emit(const WordEntry* entry, std::size_t index) {
    if (layout_.format != DisplayFormat::WordCommas) {
      AppendLine(entry, index);
      text_.append("\r\n");
    } else if (target_ == ListingTarget::OutputFile) {
      if (!firstWord_) text_.append(", ");
      AppendLine(entry, index);
    } else {
      AppendLine(entry, index);
      text_.append(", ");
    }
    firstWord_ = false;
    return (blocks_ && text_.size() < kBlock) || Flush();
  }

  // Hands over what is still buffered.
  bool Flush() {
    const bool written = text_.empty() || sink_.Write(text_);
    text_.clear();
    return written;
  }

 private:
  // The line is laid out where it goes, with the range column when counted.
  // Most lines are ASCII, which UTF-8 keeps as it is; the few others are
  // encoded afterwards.
  void AppendLine(const WordEntry* entry, std::size_t index) {
    const std::size_t start = text_.size();
    OutputLine(entry, layout_, text_);
    if (!ranges_.empty()) AppendRange(entry, index);
    const std::string_view line = std::string_view(text_).substr(start);
    if (IsAscii(line)) return;
    line_.assign(line);
    text_.resize(start);
    AppendUtf8(line_, text_);
  }

  // The trailing range column, as wide as its header.
  void AppendRange(const WordEntry* entry, std::size_t index) {
    const std::string value = entry ? std::to_string(ranges_[index]) : std::string("Range");
    if (layout_.format == DisplayFormat::WordCommas) {
      if (entry) text_ += " (" + value + ")";
      return;
    }
    text_ += layout_.blnCommaMode ? " , " : "  ";
    if (value.size() < 5) text_.append(5 - value.size(), ' ');
    text_ += value;
  }

  ListingSink& sink_;
  ListingTarget target_;
  bool blocks_;
  LineLayout layout_;
  bool firstWord_ = true;
  std::span<const std::int64_t> ranges_;
  std::string line_;
  std::string text_;
};

ListingOutcome Finish(LineEmitter& emitter, ListingSink& sink, ListingOutcome outcome) {
  const bool flushed = emitter.Flush();
  const bool finished = sink.Finish();
  return flushed && finished ? outcome : ListingOutcome::Failed;
}

// Blocks only without a pump: a pump may look at the sink after each line.
bool UseBlocks(const ListingSink& sink, const ListingPump& pump) {
  return !pump && sink.TakesBlocks();
}

}  // namespace

ListingOutcome ListAlphabetically(const WordTable& table, const ListResults& results,
                                  const ListingOptions& options, ListingSink& sink,
                                  const ListingPump& pump) {
  const std::size_t step = PacingStep(table.size());
  LineEmitter emitter(results, options, sink, UseBlocks(sink, pump));
  if (!emitter.EmitHeader()) return Finish(emitter, sink, ListingOutcome::Failed);
  for (std::size_t i = 0; i < table.size(); ++i) {
    PrefetchAhead(table, i, table.size(), KeyOrder, PrefetchWord::Yes);
    const WordEntry& entry = table[i];
    const bool listed = entry.blnIncluded;
    if (listed && !emitter.Emit(&entry, i)) return Finish(emitter, sink, ListingOutcome::Failed);
    const ListingProgress progress{i, i + 1, listed, listed && (i + 1) % step == 0};
    if (pump && !pump(progress)) return Finish(emitter, sink, ListingOutcome::Stopped);
  }
  return Finish(emitter, sink, ListingOutcome::Completed);
}

ListingOutcome ListByFrequency(const WordTable& table, const ListResults& results,
                               const ListingOptions& options, ListingSink& sink,
                               const ListingPump& pump) {
  const std::size_t step = PacingStep(table.size());
  LineEmitter emitter(results, options, sink, UseBlocks(sink, pump));
  if (!emitter.EmitHeader()) return Finish(emitter, sink, ListingOutcome::Failed);
  const FrequencyOrder& order = results.byFrequency;
  for (std::size_t line = 1; line <= order.size(); ++line) {
    PrefetchAhead(
        table, line - 1, order.size(), [&](std::size_t k) { return order[k]; }, PrefetchWord::Yes);
    const std::size_t e = order[line - 1];
    if (!emitter.Emit(&table[e], e)) return Finish(emitter, sink, ListingOutcome::Failed);
    const ListingProgress progress{e, line, true, line % step == 0};
    if (pump && !pump(progress)) return Finish(emitter, sink, ListingOutcome::Stopped);
  }
  return Finish(emitter, sink, ListingOutcome::Completed);
}

ListingOutcome WriteListing(const WordTable& table, const ListResults& results,
                            const ListingOptions& options, ListingSink& sink,
                            const ListingPump& pump) {
  return options.order == WordOrder::Alphabetical
             ? ListAlphabetically(table, results, options, sink, pump)
             : ListByFrequency(table, results, options, sink, pump);
}

}  // namespace zet
