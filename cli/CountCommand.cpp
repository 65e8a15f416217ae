#include "cli/CountCommand.h"

#include <cerrno>
#include <istream>
#include <memory>
#include <new>
#include <ostream>

#include "cli/CountOptions.h"
#include "cli/LedgerOutput.h"
#include "cli/ListingOutput.h"
#include "cli/PartialCommand.h"
#include "cli/TerminalReport.h"
#include "cli/UnicodeCount.h"
#include "engine/CommonWordsFile.h"
#include "engine/CountFiles.h"
#include "engine/FileTexts.h"
#include "engine/FileWrites.h"
#include "engine/ListingFile.h"
#include "engine/ParameterFiles.h"
#include "params/AppDataPath.h"
#include "params/ListingParams.h"
#include "params/ParamOptions.h"
#include "params/RunTimeError.h"
#include "params/ScanSnapshot.h"
#include "params/SettingsFile.h"
#include "results/Export.h"
#include "results/ResultsStages.h"
#include "results/StreamSink.h"
#include "results/WordCounts.h"
#include "scanner/CommonWords.h"
#include "scanner/TextCodec.h"

namespace zet {
namespace {

constexpr const char* kProgram = "zet-count";

// Messages use CR LF inside (they are the desktop program's too); a
// terminal wants LF.
std::string ForTerminal(std::string_view message) {
  std::string text;
  for (char c : message)
    if (c != '\r') text.push_back(c);
  return text;
}

void Fail(std::ostream& err, std::string_view message) {
  err << kProgram << ": " << ForTerminal(message) << '\n';
}

// Prints a problem the way a command line reports it: the program's text,
// then the file it concerns.
void Report(std::ostream& err, const Problem& problem) {
  std::string text = problem.message;
  if (!problem.file.empty() && text.find(problem.file) == std::string::npos)
    text += " (" + problem.file + ")";
  Fail(err, text);
}

// A usage error: the message, a pointer to --help, and status 2.
int UsageFailed(std::ostream& err, std::string_view message) {
  Fail(err, message);
  err << "Try '" << kProgram << " --help'.\n";
  return 2;
}

// Starts from the defaults, the user's settings or a parameter file, then
// applies the command line's changes in order. File names come only from
// the command line.
std::string SettingsPath(const CountEnvironment& env) {
  return env.settingsFile.empty() ? GetAppDataFilePath(kUserSettingsFileName, kAppDataFolderName)
                                  : env.settingsFile;
}

bool ResolveParameters(const CountOptions& options, const CountEnvironment& env,
                       ParameterSet& params, std::ostream& err) {
  if (options.useSettings) {
    const std::string path = SettingsPath(env);
    // No settings saved yet is a first start: the defaults, as the desktop
    // program does; settings that exist but do not read are an error. The
    // file is not looked for first: it could go between the look and the read.
    if (const Outcome<Done> restored = RestoreUserSettings(path, params); !restored) {
      Fail(err, restored.problem().message + " (" + path + ")");
      return false;
    }
  }
  if (options.paramsFile) {
    if (const Outcome<Done> restored = RestoreSavedState(*options.paramsFile, params); !restored) {
      Report(err, restored.problem());
      return false;
    }
  }
  for (const ParamChange& change : options.changes) {
    const bool applied = change.text ? params.SetText(change.id, *change.text)
                                     : params.SetValue(change.id, change.value);
    if (!applied) {
      Fail(err, "internal error: parameter out of range");
      return false;
    }
  }
  params.SetText(ParamId::txbFileInput, options.inputFile.value_or(""));
  params.SetText(ParamId::txbFileOutput, options.outputFile.value_or(""));
  (void)params.SetValue(ParamId::chkDisableOutputToFile, 0);
  return true;
}

bool LoadCommonWords(const ParameterSet& params, std::shared_ptr<const WordSet>& words,
                     std::ostream& err) {
  if (!params.IsChecked(ParamId::chkIgnoreCommonWords)) return true;
  const std::string path = CommonWordsPath(params.Text(ParamId::strCommonWordsFile));
  const std::string failure = std::string(texts::kCommonWordsErrorFrom) + path;
  const Outcome<TextCheck> checked = CheckCommonWordsFile(path);
  if (!checked) {
    // The second line names the file.
    Fail(err, checked.problem().message);
    if (checked.problem().kind != ProblemKind::CommonWordsNotNamed) Fail(err, failure);
    return false;
  }
  QuietObserver quiet;
  Outcome<std::shared_ptr<const WordSet>> read =
      ReadCommonWordsFile(path, WordRulesFrom(params), quiet);
  if (!read) {
    Fail(err, failure + ": " + read.problem().error.description);
    return false;
  }
  words = std::move(read).value();
  return true;
}

FilterSettings FiltersFor(const ParameterSet& params, std::shared_ptr<const WordSet> commonWords) {
  const WordsToIgnore ignore =
      ParseWordsToIgnore(DecodeToCp1252(params.Text(ParamId::txbWordsToIgnore)));
  return MakeFilterSettings(params, ignore.list, std::move(commonWords));
}

// Reports a write that standard output refused, with the system's reason
// when the stream left one. A broken pipe is no news: whoever read the list
// stopped on purpose. Returns the exit status.
int StandardOutputFailed(std::ostream& err) {
  const int error = errno;
  if (error == EPIPE) return 1;
  const RunTimeError e = RunTimeErrorFromErrno(error != 0 ? error : EIO);
  Fail(err, "Error " + std::to_string(e.number) + ": " + e.description + " (standard output)");
  return 1;
}

// Hands everything written to `out` on; the exit status.
int Flushed(std::ostream& out, std::ostream& err) {
  out.flush();
  return out ? 0 : StandardOutputFailed(err);
}

void PrintTotals(const ListTotals& totals, const CorpusCount* corpus, std::ostream& out) {
  const WordCountCaptions c = ShowWordCounts(totals, false);
  for (const std::string* caption : {&c.lblNumberOfWords, &c.lblNumWordsExcluded,
                                     &c.lblNumOccurrences, &c.lblTotalNumOccurrences})
    if (!caption->empty()) out << *caption << '\n';
  if (!corpus) return;
  out << "Number of files counted: " << corpus->filesCounted << '\n';
  out << "Number of files skipped: " << corpus->filesSkipped << '\n';
}

// A corpus is more than one file, a folder to look through, or a count
// that needs to know the files apart; one file alone is counted as always.
bool IsCorpus(const CountOptions& options) {
  return options.inputFiles.size() > 1 || options.recursive || options.keepGoing || options.range ||
         options.minRange > 0;
}

// The export to `-o FILE` (by the write policy) or `out`.
int WriteExportTo(const CountOptions& options, const WordTable& table, const ListResults& results,
                  const ParameterSet& params, std::span<const std::int64_t> ranges,
                  const FilesRead& read, std::ostream& out, std::ostream& err) {
  ExportRequest request{*options.exportFormat, OrderOf(params), ranges, ParametersInForce(params)};
  if (options.range) request.parameters.emplace_back("range", "true");
  if (options.minRange > 0)
    request.parameters.emplace_back("min-range", std::to_string(options.minRange));
  if (options.outputFile) {
    if (const Outcome<Done> written =
            WriteExportFile(*options.outputFile, table, results, request, params, read);
        !written) {
      Report(err, written.problem());
      return 1;
    }
    return 0;
  }
  StreamSink sink(out);
  return WriteExport(table, results, request, sink) ? 0 : StandardOutputFailed(err);
}

// The files the run reads besides those `params` names.
FilesRead FilesReadBy(const CountOptions& options, const CountEnvironment& env, bool fromStdin) {
  FilesRead read;
  if (options.paramsFile) read.Add(*options.paramsFile, "parameter file");
  if (fromStdin) read.AddDescriptor(env.stdinFd, "file standard input comes from");
  for (const std::string& part : options.partial.files) read.Add(part, "partial count read");
  return read;
}

// What can be known about the output file before a long count: it is not
// a file the run reads, and it can be written.
bool OutputFileUsable(const CountOptions& options, const CountEnvironment& env,
                      const ParameterSet& params, const FilesRead& read, std::ostream& err) {
  const std::string& path = *options.outputFile;
  FilesRead all = FilesRead::Of(params);
  all.Add(read);
  // Saving parameters over the settings is how they are updated; a list
  // over them is a mistake.
  if (options.useSettings) all.Add(SettingsPath(env), "settings file");
  Outcome<Done> checked = all.CheckNotRead(path, kOutputFile);
  if (checked) checked = CheckWritable(path, kOutputFile);
  if (!checked) Report(err, checked.problem());
  return checked.ok();
}

int Run(const CountOptions& options, std::istream& in, std::ostream& out, std::ostream& err,
        const CountEnvironment& env) {
  ParameterSet params;
  if (!ResolveParameters(options, env, params, err)) return 1;
  if (const std::string error = CommentMarkerOptionError(options, params); !error.empty())
    return UsageFailed(err, error);
  if (const std::string error = PartialOptionError(options); !error.empty())
    return UsageFailed(err, error);
  const bool fromStdin = !options.inputFile || *options.inputFile == "-";
  const FilesRead read = FilesReadBy(options, env, fromStdin);
  if (options.outputFile && !OutputFileUsable(options, env, params, read, err)) return 1;
  if (options.saveParamsFile) {
    if (const Outcome<Done> saved = SaveParameters(*options.saveParamsFile, params, read); !saved) {
      Report(err, saved.problem());
      return 1;
    }
  }
  if (!options.inputFile && env.stdinIsTerminal && !options.partial.merge) {
    if (options.saveParamsFile) return 0;
    Fail(err, "no input file given (give FILE, or - to read the terminal)");
    return 2;
  }
  // The counted words and how to list them, under either word model.
  WordTable table;
  ListResults results;
  UnicodeCounted unicode;
  ListingWriter list;
  const bool corpus = IsCorpus(options) && !fromStdin;
  CorpusCount counted;
  std::span<const std::int64_t> ranges;
  FilterSettings filters;
  SpellingLedger spellings;
  if (options.unicode) {
    if (const int status = CountUnicodeInput(options, params, in, env, unicode, err); status != 0)
      return status;
    list = UnicodeListingWriter(unicode);
  } else {
    std::shared_ptr<const WordSet> commonWords;
    if (!LoadCommonWords(params, commonWords, err)) return 1;
    CountInputRequest request{params,
                              fromStdin ? std::string() : *options.inputFile,
                              options.outputFile.value_or(""),
                              env.stderrIsTerminal,
                              env.stdinFd,
                              std::string(ExtensionForType(options.type)),
                              options.encoding,
                              options.jobs};
    if (options.spellings) request.observer = &spellings;
    TerminalReport report(err, env.stderrIsTerminal);
    if (options.partial.Active()) {
      if (const std::optional<int> status =
              RunPartialModes(options, request, read, in, out, err, table, counted))
        return *status;
    } else if (corpus) {
      const auto files = CorpusFiles(options.inputFiles, options.recursive, options.keepGoing,
                                     request.outputFile, counted.filesSkipped, report);
      if (!files || !CountCorpus(request, *files, options.keepGoing,
                                 options.range || options.minRange > 0, table, counted, report))
        return 1;
    } else if (!CountInput(request, in, table, report)) {
      return 1;
    } else if (options.range || options.minRange > 0) {
      counted.ranges.assign(table.size(), 1);  // standard input is one file
    }
    const std::span<const std::int64_t> allRanges(counted.ranges);
    filters = FiltersFor(params, std::move(commonWords));
    results = RunResultsStages(table, filters, allRanges, options.minRange);
    if (options.range) ranges = allRanges;
    list = [&](const ListingOptions& listing, ListingSink& sink) {
      ListingOptions withRanges = listing;
      withRanges.ranges = ranges;
      return WriteListing(table, results, withRanges, sink);
    };
    if (options.spellings) list = ListWithSpellings(table, results, spellings);
  }
  const ListTotals& totals = options.unicode ? unicode.results.list.totals : results.totals;
  const std::size_t numWords = options.unicode ? unicode.table->Words().size() : table.size();

  errno = 0;  // so that a refused write to `out` is not blamed on an earlier failure
  const bool nothingListed = totals.lngNumListed == 0;
  const bool report = WantsLedgerReport(options);  // shown instead of the list
  if (options.exportFormat && !options.unicode) {
    if (const int status = WriteExportTo(options, table, results, params, ranges, read, out, err);
        status != 0)
      return status;
  } else if (options.outputFile) {
    // Nothing listed is an empty file, so that a script never takes the
    // previous run's list for this one's; the reason goes with the messages.
    if (const Outcome<ListingOutcome> written = WriteListingFileWith(
            *options.outputFile, params, nothingListed ? ListingWriter{} : list, read);
        !written) {
      Report(err, written.problem());
      return 1;
    }
    if (nothingListed) err << ForTerminal(ReportNoWordsListed(numWords, params)) << '\n';
  } else if (report) {
    // The report takes the list's place on standard output.
  } else if (nothingListed) {
    out << ForTerminal(ReportNoWordsListed(numWords, params)) << '\n';
  } else if (!WriteStandardOutputWith(params, out, list)) {
    return StandardOutputFailed(err);
  }
  if (report)
    PrintLedgerReports(options, params, table, filters, {counted.ranges, options.minRange},
                       options.spellings ? &spellings : nullptr, out);
  // An export on standard output stays data that a program can read whole.
  // A merge of several pieces lists the files as their one count would.
  if (options.totals)
    PrintTotals(totals,
                corpus || (options.partial.merge && counted.filesCounted > 1) ? &counted : nullptr,
                options.exportFormat && !options.outputFile ? err : out);
  return Flushed(out, err);
}

}  // namespace

int RunCountCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err, const CountEnvironment& env) {
  const ParsedCountOptions parsed = ParseCountOptions(args);
  if (!parsed.error.empty()) return UsageFailed(err, parsed.error);
  if (parsed.options.help) {
    out << CountUsage();
    return Flushed(out, err);
  }
  if (parsed.options.version) {
    out << kProgram << ' ' << ZET_VERSION << '\n';
    return Flushed(out, err);
  }
  try {
    return Run(parsed.options, in, out, err, env);
  } catch (const std::bad_alloc&) {
    const RunTimeError e = OutOfMemoryError();
    Fail(err, "Error " + std::to_string(e.number) + ": " + e.description);
    return 1;
  }
}

}  // namespace zet
