#include "engine/UnicodeRun.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "engine/CommonWordsFile.h"
#include "engine/FdCloser.h"
#include "engine/FileProc.h"
#include "engine/FileTexts.h"
#include "params/ListingParams.h"
#include "params/ScanSnapshot.h"
#include "scanner/TextCodec.h"
#include "scanner/Utf16Source.h"
#include "unicode/UnicodeCount.h"
#include "unicode/UnicodeListing.h"
#include "unicode/WordCollator.h"

namespace zet {
namespace {

// Windows-1252 bytes as UTF-8, for a source decided as Windows-1252.
class Cp1252ToUtf8Source final : public ByteSource {
 public:
  explicit Cp1252ToUtf8Source(ByteSource& inner) : inner_(inner) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    while (pending_.size() == served_) {
      char block[16384];
      const std::ptrdiff_t n = inner_.Read(block, sizeof block);
      if (n <= 0) return n;
      pending_.clear();
      served_ = 0;
      AppendUtf8(std::string_view(block, static_cast<std::size_t>(n)), pending_);
    }
    const std::size_t n = std::min(size, pending_.size() - served_);
    std::copy_n(pending_.data() + served_, n, buffer);
    served_ += n;
    return static_cast<std::ptrdiff_t>(n);
  }
  [[nodiscard]] int ErrorNumber() const override { return inner_.ErrorNumber(); }

 private:
  ByteSource& inner_;
  std::string pending_;
  std::size_t served_ = 0;
};

// Runs `read` on `source` decoded from `encoding` to UTF-8.
template <class Read>
auto ReadAsUtf8(ByteSource& source, Encoding encoding, Read read) {
  if (encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE) {
    Utf16ToUtf8Source utf8(source, encoding == Encoding::Utf16BE);
    return read(static_cast<ByteSource&>(utf8));
  }
  if (encoding == Encoding::Windows1252) {
    Cp1252ToUtf8Source utf8(source);
    return read(static_cast<ByteSource&>(utf8));
  }
  return read(source);
}

// The common words' keys of the file `params` names.
Outcome<std::shared_ptr<const WordSet>> ReadUnicodeCommonWordsFile(
    const ParameterSet& params, const UnicodeSettings& settings) {
  const std::string path = CommonWordsPath(params.Text(ParamId::strCommonWordsFile));
  if (const Outcome<TextCheck> checked = CheckCommonWordsFile(path); !checked)
    return checked.problem();
  std::optional<WordSet> words;
  if (const int fd = OpenRegularFile(path); fd >= 0) {
    const FdCloser closer(fd);
    const EncodingDecision decision = DecideFileEncoding(fd);
    FdByteSource raw(fd);
    QuietObserver quiet;
    if (!decision.failed) {
      words = ReadAsUtf8(raw, decision.encoding, [&](ByteSource& source) {
        return ReadUnicodeCommonWords(source, settings, quiet);
      });
    }
  }
  if (!words) {
    return Problem{ProblemKind::CannotRead,
                   std::string(texts::kCommonWordsErrorFrom) + path,
                   std::string(texts::kTitleError),
                   path,
                   {}};
  }
  return std::make_shared<const WordSet>(std::move(*words));
}

}  // namespace

std::string CollationLocaleOfEnvironment() {
  const auto variable = [](const char* name) {
    const char* value = std::getenv(name);
    return std::string_view(value != nullptr ? value : "");
  };
  return CollationLocaleFromEnvironment(variable("LC_ALL"), variable("LC_COLLATE"),
                                        variable("LANG"));
}

UnicodeSettings UnicodeSettingsFor(const ParameterSet& params, std::string locale,
                                   UnicodeOrder order) {
  return {ScanSettingsFor(params, MarkerChoice::User), std::move(locale), order};
}

Outcome<std::unique_ptr<UnicodeTable>> OpenUnicodeTable(const UnicodeSettings& settings) {
  std::unique_ptr<UnicodeTable> table = UnicodeTable::Create(settings);
  if (table) return table;
  return Problem{
      ProblemKind::CannotRead,
      "The Unicode word model could not open a collator for locale '" + settings.locale + "'.",
      std::string(texts::kTitleError),
      {},
      {}};
}

ReadOutcome CountUnicodeSource(ByteSource& source, Encoding encoding, ScanSettings scan,
                               UnicodeTable& table, ScanObserver& observer,
                               const LineProgress& progress) {
  // The model reads UTF-8 text, so the markers are UTF-8 too.
  for (std::string& marker : scan.markers.strStartComment) marker = EncodeUtf8(marker);
  for (std::string& marker : scan.markers.strEndComment) marker = EncodeUtf8(marker);
  return ReadAsUtf8(source, encoding, [&](ByteSource& utf8) {
    return CountUnicode(utf8, scan, table, observer, progress);
  });
}

Outcome<UnicodeFilterSettings> UnicodeFiltersFor(const ParameterSet& params,
                                                 const UnicodeSettings& settings) {
  UnicodeFilterSettings filters{
      MakeFilterSettings(params, "", nullptr),
      MakeUnicodeWordKeys(params.Text(ParamId::txbWordsToIgnore), settings), nullptr};
  if (params.IsChecked(ParamId::chkIgnoreCommonWords)) {
    Outcome<std::shared_ptr<const WordSet>> common = ReadUnicodeCommonWordsFile(params, settings);
    if (!common) return common.problem();
    filters.commonWords = std::move(common).value();
  }
  return filters;
}

ListingWriter UnicodeListingWriter(const UnicodeCounted& counted, const ListingPump& pump) {
  return [&counted, pump](const ListingOptions& options, ListingSink& sink) {
    return WriteUnicodeListing(*counted.table, counted.results, options, sink, pump);
  };
}

}  // namespace zet
