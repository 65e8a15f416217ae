#include "unicode/UnicodeListing.h"

#include <string>

namespace zet {
namespace {

// The default model's line layout pads the word column by bytes, which are
// its characters. A UTF-8 word takes more bytes than characters: widening
// its column by the difference pads it by characters.
class Utf8Lines {
 public:
  Utf8Lines(const UnicodeListResults& results, const ListingOptions& options, ListingSink& sink)
      : results_(results), sink_(sink), target_(options.target) {
    layout_.format = options.format;
    layout_.blnCommaMode =
        options.target == ListingTarget::OutputFile && options.blnOutputWithCommas;
    layout_.widths = SetColumnWidths(results.list.totals, options.intMinColumnWidth);
    layout_.intLongestWord = results.list.totals.intLongestWord;
    wordWidth_ = layout_.widths.intWordWidth;
  }

  bool Header() {
    if (layout_.format == DisplayFormat::WordCommas) return true;
    layout_.widths.intWordWidth = wordWidth_;
    text_.clear();
    OutputLine(nullptr, layout_, text_);
    text_.append("\r\n");
    return sink_.Write(text_);
  }

  bool Line(const WordEntry& entry, std::size_t index) {
    const auto extraBytes =
        static_cast<int>(entry.strWord().size()) - static_cast<int>(results_.lengths[index]);
    layout_.widths.intWordWidth = wordWidth_ + extraBytes;
    text_.clear();
    if (layout_.format != DisplayFormat::WordCommas) {
      OutputLine(&entry, layout_, text_);
      text_.append("\r\n");
    } else if (target_ == ListingTarget::OutputFile) {
      if (!firstWord_) text_.append(", ");
      OutputLine(&entry, layout_, text_);
    } else {
      OutputLine(&entry, layout_, text_);
      text_.append(", ");
    }
    firstWord_ = false;
    return sink_.Write(text_);
  }

 private:
  const UnicodeListResults& results_;
  ListingSink& sink_;
  ListingTarget target_;
  LineLayout layout_;
  int wordWidth_ = 0;
  bool firstWord_ = true;
  std::string text_;
};

ListingOutcome Finish(ListingSink& sink, ListingOutcome outcome) {
  return sink.Finish() ? outcome : ListingOutcome::Failed;
}

}  // namespace

ListingOutcome WriteUnicodeListing(const UnicodeTable& table, const UnicodeListResults& results,
                                   const ListingOptions& options, ListingSink& sink,
                                   const ListingPump& pump) {
  const WordTable& words = table.Words();
  const std::size_t step = PacingStep(words.size());
  Utf8Lines lines(results, options, sink);
  if (!lines.Header()) return Finish(sink, ListingOutcome::Failed);
  const bool alphabetical = options.order == WordOrder::Alphabetical;
  // An alphabetical listing visits every entry, listed or not, and paces by
  // table position; a frequency listing visits the listed ones by line.
  const std::size_t visits = alphabetical ? words.size() : results.list.byFrequency.size();
  for (std::size_t k = 0; k < visits; ++k) {
    std::size_t e = k;
    if (!alphabetical)
      e = results.list.byFrequency[k];
    else if (!results.alphabetical.empty())
      e = results.alphabetical[k];
    const WordEntry& entry = words[e];
    const bool listed = entry.blnIncluded;
    if (listed && !lines.Line(entry, e)) return Finish(sink, ListingOutcome::Failed);
    const ListingProgress progress{e, k + 1, listed, listed && (k + 1) % step == 0};
    if (pump && !pump(progress)) return Finish(sink, ListingOutcome::Stopped);
  }
  return Finish(sink, ListingOutcome::Completed);
}

}  // namespace zet
