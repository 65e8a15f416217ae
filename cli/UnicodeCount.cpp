#include "cli/UnicodeCount.h"

#include <cerrno>
#include <istream>

#include "engine/FdCloser.h"
#include "engine/FileTexts.h"
#include "engine/InputFile.h"
#include "params/ScanSnapshot.h"
#include "scanner/Encoding.h"
#include "unicode/WordCollator.h"

namespace zet {
namespace {

void Fail(std::ostream& err, std::string_view message) {
  err << "zet-count: ";
  for (char c : message)
    if (c != '\r') err << c;
  err << '\n';
}

// The settings of a source: the markers its kind chooses.
ScanSettings SourceSettings(const ParameterSet& params, std::string_view extension) {
  return ScanSettingsFor(params, ChooseMarkersForExtension(
                                     extension, params.IsChecked(ParamId::chkAllowCommentMarkers)));
}

bool Counted(const ReadOutcome& outcome, std::ostream& err) {
  if (outcome.failed) Fail(err, ErrorText(RunTimeErrorFromErrno(outcome.errorNumber)));
  return !outcome.failed;
}

// Reads the input (a file, or standard input) into `table`.
bool CountInputUnicode(const CountOptions& options, const ParameterSet& params, std::istream& in,
                       const CountEnvironment& env, UnicodeTable& table, std::ostream& err) {
  const std::string type(ExtensionForType(options.type));
  const bool fromStdin = !options.inputFile || *options.inputFile == "-";
  QuietObserver quiet;
  if (fromStdin) {
    FdByteSource fdSource(env.stdinFd);
    StreamByteSource streamSource(in);
    ByteSource& raw = env.stdinFd >= 0 ? static_cast<ByteSource&>(fdSource) : streamSource;
    SourceHead head(raw);
    const Encoding encoding = options.encoding == Encoding::Auto ? head.Decide() : options.encoding;
    return Counted(
        CountUnicodeSource(head, encoding, SourceSettings(params, type.empty() ? "txt" : type),
                           table, quiet),
        err);
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
  return Counted(
      CountUnicodeSource(source, text.value().encoding,
                         SourceSettings(params, type.empty() ? GetFileExtension(path, true) : type),
                         table, quiet),
      err);
}

}  // namespace

int CountUnicodeInput(const CountOptions& options, const ParameterSet& params, std::istream& in,
                      const CountEnvironment& env, UnicodeCounted& counted, std::ostream& err) {
  const std::string locale = options.locale ? *options.locale : CollationLocaleOfEnvironment();
  if (CheckCollationLocale(locale) == LocaleStatus::Unknown) {
    Fail(err, UnknownLocaleMessage(locale));
    return 2;
  }
  const UnicodeSettings settings = UnicodeSettingsFor(
      params, locale, options.codepointOrder ? UnicodeOrder::CodePoint : UnicodeOrder::Collation);
  Outcome<std::unique_ptr<UnicodeTable>> table = OpenUnicodeTable(settings);
  if (!table) {
    Fail(err, table.problem().message);
    return 1;
  }
  counted.table = std::move(table).value();
  const Outcome<UnicodeFilterSettings> filters = UnicodeFiltersFor(params, settings);
  if (!filters) {
    Fail(err, filters.problem().message);
    return 1;
  }
  if (!CountInputUnicode(options, params, in, env, *counted.table, err)) return 1;
  counted.results = RunUnicodeResultsStages(*counted.table, filters.value());
  return 0;
}

}  // namespace zet
