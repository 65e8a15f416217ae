#include "cli/UnicodeCount.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <istream>
#include <memory>

#include "engine/CommonWordsFile.h"
#include "engine/FdCloser.h"
#include "engine/FileTexts.h"
#include "engine/InputFile.h"
#include "params/ListingParams.h"
#include "params/ScanSnapshot.h"
#include "scanner/Encoding.h"
#include "scanner/TextCodec.h"
#include "scanner/Utf16Source.h"
#include "unicode/UnicodeCount.h"
#include "unicode/UnicodeResults.h"
#include "unicode/UnicodeTable.h"
#include "unicode/WordCollator.h"

namespace zet {
namespace {

void Fail(std::ostream& err, std::string_view message) {
  err << "zet-count: ";
  for (char c : message)
    if (c != '\r') err << c;
  err << '\n';
}

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

// Counts `source`, read in `encoding`, into `table`.
ReadOutcome CountSource(ByteSource& source, Encoding encoding, const ScanSettings& scan,
                        UnicodeTable& table) {
  QuietObserver quiet;
  if (encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE) {
    Utf16ToUtf8Source utf8(source, encoding == Encoding::Utf16BE);
    return CountUnicode(utf8, scan, table, quiet);
  }
  if (encoding == Encoding::Windows1252) {
    Cp1252ToUtf8Source utf8(source);
    return CountUnicode(utf8, scan, table, quiet);
  }
  return CountUnicode(source, scan, table, quiet);
}

// The settings of a source: the markers its kind chooses, as UTF-8 text.
ScanSettings SourceSettings(const ParameterSet& params, std::string_view extension) {
  ScanSettings scan = ScanSettingsFor(
      params, ChooseMarkersForExtension(extension, params.IsChecked(ParamId::chkAllowCommentMarkers)));
  for (std::string& marker : scan.markers.strStartComment) marker = EncodeUtf8(marker);
  for (std::string& marker : scan.markers.strEndComment) marker = EncodeUtf8(marker);
  return scan;
}

// Reads the input (a file, or standard input) into `table`.
bool CountInputUnicode(const CountOptions& options, const ParameterSet& params, std::istream& in,
                       const CountEnvironment& env, UnicodeTable& table, std::ostream& err) {
  const std::string type(ExtensionForType(options.type));
  const bool fromStdin = !options.inputFile || *options.inputFile == "-";
  if (fromStdin) {
    FdByteSource fdSource(env.stdinFd);
    StreamByteSource streamSource(in);
    ByteSource& raw = env.stdinFd >= 0 ? static_cast<ByteSource&>(fdSource) : streamSource;
    SourceHead head(raw);
    const Encoding encoding = options.encoding == Encoding::Auto ? head.Decide() : options.encoding;
    const ReadOutcome outcome =
        CountSource(head, encoding, SourceSettings(params, type.empty() ? "txt" : type), table);
    if (outcome.failed) Fail(err, ErrorText(RunTimeErrorFromErrno(outcome.errorNumber)));
    return !outcome.failed;
  }
  const std::string& path = *options.inputFile;
  const Outcome<InputFacts> checked = CheckInputFile(path, options.outputFile.value_or(""), false);
  if (!checked) {
    Fail(err, checked.problem().message);
    return false;
  }
  const Outcome<InputText> text = CheckInputText(path, options.encoding);
  if (!text) {
    Fail(err, text.problem().message);
    return false;
  }
  const int fd = OpenRegularFile(path);
  if (fd < 0) {
    Fail(err, ErrorText(RunTimeErrorFromErrno(errno)));
    return false;
  }
  const FdCloser closer(fd);
  FdByteSource source(fd);
  const ReadOutcome outcome =
      CountSource(source, text.value().encoding,
                  SourceSettings(params, type.empty() ? GetFileExtension(path, true) : type), table);
  if (outcome.failed) Fail(err, ErrorText(RunTimeErrorFromErrno(outcome.errorNumber)));
  return !outcome.failed;
}

// The common words' keys, or null when common words are not ignored.
bool LoadUnicodeCommonWords(const ParameterSet& params, const UnicodeSettings& settings,
                            std::shared_ptr<const WordSet>& keys, std::ostream& err) {
  if (!params.IsChecked(ParamId::chkIgnoreCommonWords)) return true;
  const std::string path = CommonWordsPath(params.Text(ParamId::strCommonWordsFile));
  const Outcome<TextCheck> checked = CheckCommonWordsFile(path);
  if (!checked) {
    Fail(err, checked.problem().message);
    return false;
  }
  const int fd = OpenRegularFile(path);
  std::optional<WordSet> words;
  if (fd >= 0) {
    const FdCloser closer(fd);
    const EncodingDecision decision = DecideFileEncoding(fd);
    FdByteSource raw(fd);
    Cp1252ToUtf8Source cp1252(raw);
    Utf16ToUtf8Source utf16(raw, decision.encoding == Encoding::Utf16BE);
    ByteSource& source = decision.encoding == Encoding::Windows1252 ? static_cast<ByteSource&>(cp1252)
                         : decision.encoding == Encoding::Utf16LE ||
                                 decision.encoding == Encoding::Utf16BE
                             ? static_cast<ByteSource&>(utf16)
                             : raw;
    QuietObserver quiet;
    if (!decision.failed) words = ReadUnicodeCommonWords(source, settings, quiet);
  }
  if (!words) {
    Fail(err, std::string(texts::kCommonWordsErrorFrom) + path);
    return false;
  }
  keys = std::make_shared<const WordSet>(std::move(*words));
  return true;
}

}  // namespace

int CountUnicodeInput(const CountOptions& options, const ParameterSet& params, std::istream& in,
                      const CountEnvironment& env, UnicodeCounted& counted, std::ostream& err) {
  const auto fromEnvironment = [](const char* name) {
    const char* value = std::getenv(name);
    return std::string(value != nullptr ? value : "");
  };
  const std::string locale =
      options.locale ? *options.locale
                     : CollationLocaleFromEnvironment(fromEnvironment("LC_ALL"),
                                                      fromEnvironment("LC_COLLATE"),
                                                      fromEnvironment("LANG"));
  if (CheckCollationLocale(locale) == LocaleStatus::Unknown) {
    Fail(err, UnknownLocaleMessage(locale));
    return 2;
  }
  const UnicodeSettings settings{
      ScanSettingsFor(params, MarkerChoice::User), locale,
      options.codepointOrder ? UnicodeOrder::CodePoint : UnicodeOrder::Collation};
  counted.table = UnicodeTable::Create(settings);
  if (!counted.table) {
    Fail(err, "the Unicode word model could not open a collator for locale '" + locale + "'");
    return 1;
  }
  UnicodeFilterSettings filters{
      MakeFilterSettings(params, "", nullptr),
      MakeUnicodeWordKeys(params.Text(ParamId::txbWordsToIgnore), settings), nullptr};
  if (!LoadUnicodeCommonWords(params, settings, filters.commonWords, err)) return 1;
  if (!CountInputUnicode(options, params, in, env, *counted.table, err)) return 1;
  counted.results = RunUnicodeResultsStages(*counted.table, filters);
  return 0;
}

}  // namespace zet
