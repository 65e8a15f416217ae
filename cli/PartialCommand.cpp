#include "cli/PartialCommand.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <istream>
#include <ostream>
#include <unordered_map>

#include "cli/TerminalReport.h"
#include "engine/FdCloser.h"
#include "engine/PartialCount.h"
#include "params/AtomicFile.h"
#include "params/RunTimeError.h"

namespace zet {
namespace {

constexpr std::string_view kPartialFile = "partial count";
constexpr std::size_t kOutBlock = std::size_t{1} << 20;

void Fail(std::ostream& err, std::string_view message) { err << "zet-count: " << message << '\n'; }

void Report(std::ostream& err, const Problem& problem) {
  std::string text = problem.message;
  if (!problem.file.empty() && text.find(problem.file) == std::string::npos)
    text += " (" + problem.file + ")";
  Fail(err, text);
}

Outcome<std::string> ReadWholeFile(const std::string& path) {
  const auto failed = [&](int errnum) {
    const RunTimeError e = RunTimeErrorFromErrno(errnum != 0 ? errnum : EIO);
    Problem p{ProblemKind::CannotRead,
              "Cannot read the partial count " + path + ": " + e.description, "Partial count", path,
              e};
    return p;
  };
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return failed(errno);
  const FdCloser closer(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0) return failed(errno);
  if (S_ISDIR(st.st_mode)) return failed(EISDIR);
  std::string bytes;
  if (S_ISREG(st.st_mode)) bytes.reserve(static_cast<std::size_t>(st.st_size));
  char block[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, block, sizeof block);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return failed(errno);
    if (n == 0) break;
    bytes.append(block, static_cast<std::size_t>(n));
  }
  return bytes;
}

// Refused before any counting: a file the run reads, or one that cannot be written.
bool PartialOutputUsable(const std::string& path, const CountInputRequest& request,
                         const FilesRead& read, std::ostream& err) {
  FilesRead all = FilesRead::Of(request.params);
  all.Add(read);
  Outcome<Done> checked = all.CheckNotRead(path, kPartialFile);
  if (checked) checked = CheckWritable(path, kPartialFile);
  if (!checked) Report(err, checked.problem());
  return checked.ok();
}

bool WritePartial(const std::string& path, const std::string& bytes, std::ostream& err) {
  if (const int error = ReplaceFileContents(path, bytes); error != 0) {
    Report(err, CannotWriteProblem(path, kPartialFile, error));
    return false;
  }
  return true;
}

bool SameRules(const std::string& theirs, const std::string& ours, const std::string& what,
               std::ostream& err) {
  if (theirs == ours) return true;
  Fail(err, what + " was counted under other word rules (" + theirs + ") than this command's (" +
                ours + "); give the same word options to every step");
  return false;
}

bool Flushed(std::ostream& out, std::ostream& err) {
  out.flush();
  if (!out && errno != EPIPE) Fail(err, "cannot write standard output");
  return static_cast<bool>(out);
}

// Reads key/value lines from `in`, merging each run of equal keys, and
// hands every merged entry to `emit`. Lines of other word rules, or that
// are not such lines, end the reading with a message (false).
template <typename Emit>
bool ReduceLines(std::istream& in, const std::string& digest, std::ostream& err, Emit&& emit) {
  std::string line;
  PartialEntry entry;
  PartialEntry current;
  bool have = false;
  std::string lineDigest;
  for (std::uint64_t number = 1; std::getline(in, line); ++number) {
    const auto failed = [&](const std::string& why) {
      Fail(err, "standard input, line " + std::to_string(number) + ": " + why);
      return false;
    };
    if (const Outcome<Done> parsed = ParseMapLine(line, entry, lineDigest); !parsed)
      return failed("not a line of zet-count --map or --reduce (" + parsed.problem().message + ")");
    if (lineDigest != digest)
      return failed("counted under other word rules (digest " + lineDigest +
                    ") than this command's (" + digest +
                    "); give the same word options to every step");
    if (have && current.key == entry.key) {
      MergeEntry(current, entry);
      continue;
    }
    if (have) emit(std::move(current));
    current = std::move(entry);
    have = true;
  }
  if (in.bad()) {
    Fail(err, "cannot read standard input");
    return false;
  }
  if (have) emit(std::move(current));
  return true;
}

std::optional<int> RunMerge(const CountOptions& options, const std::string& rules,
                            std::ostream& err, WordTable& table, CorpusCount& counted) {
  // Every file is checked whole before anything is merged; their entries
  // are read as the merge needs them.
  std::vector<std::string> files;
  std::vector<PartialReader> readers;
  files.reserve(options.partial.files.size());
  std::uint64_t pieces = 0;
  for (const std::string& path : options.partial.files) {
    Outcome<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
      Report(err, bytes.problem());
      return 1;
    }
    files.push_back(std::move(bytes).value());
    Outcome<PartialReader> reader = PartialReader::Open(files.back(), path);
    if (!reader) {
      Report(err, reader.problem());
      return 1;
    }
    if (!SameRules(reader.value().Rules(), rules, path, err)) return 1;
    pieces += reader.value().Pieces();
    readers.push_back(std::move(reader).value());
  }
  // The merge goes straight into the partial count and the table: a merge
  // of many large counts is not held a second time.
  const bool list = !options.partial.output || options.outputFile;
  PartialWriter writer(rules, pieces);
  counted.filesCounted = pieces;
  TableFiller filler(table, &counted.ranges);
  const std::optional<Problem> failed = MergeReadersInto(readers, [&](PartialEntry&& e) {
    if (options.partial.output) writer.Add(e);
    if (list) filler.Add(e);
  });
  if (failed) {
    Report(err, *failed);
    return 1;
  }
  filler.Finish();
  if (options.partial.output && !WritePartial(*options.partial.output, writer.Finish(), err))
    return 1;
  if (!list) return 0;
  return std::nullopt;
}

std::optional<int> RunReduce(const CountOptions& options, const std::string& rules,
                             std::istream& in, std::ostream& out, std::ostream& err,
                             WordTable& table, std::vector<std::int64_t>& ranges) {
  const std::string digest = RulesDigest(rules);
  if (options.partial.list) {
    // Lines of several reducers are each sorted, not sorted together.
    std::unordered_map<std::string, PartialEntry> words;
    if (!ReduceLines(in, digest, err, [&](PartialEntry&& e) {
          auto [it, added] = words.try_emplace(e.key, e);
          if (!added) MergeEntry(it->second, e);
        }))
      return 1;
    PartialCount count{rules, 1, {}};
    count.entries.reserve(words.size());
    for (auto& [key, e] : words) count.entries.push_back(std::move(e));
    std::sort(count.entries.begin(), count.entries.end(),
              [](const PartialEntry& a, const PartialEntry& b) { return a.key < b.key; });
    FillTable(count, table, &ranges);
    return std::nullopt;
  }
  std::string buffer;
  bool written = true;
  const bool read = ReduceLines(in, digest, err, [&](PartialEntry&& e) {
    AppendMapLine(e, digest, buffer);
    if (buffer.size() >= kOutBlock) {
      written = written && out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
      buffer.clear();
    }
  });
  written = written && out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
  return read && written && Flushed(out, err) ? 0 : 1;
}

// The count of the input, or of a corpus of files each with its own
// ordinal; nothing when it failed (said on `err`).
std::optional<PartialCount> CountPartial(const CountOptions& options,
                                         const CountInputRequest& request, std::string rules,
                                         std::istream& in, std::ostream& err, WordTable& table,
                                         CorpusCount& counted) {
  const PartialOptions& p = options.partial;
  TerminalReport report(err, request.reportProgress);
  if (options.inputFiles.size() <= 1 && !options.recursive && !options.keepGoing) {
    if (!CountInput(request, in, table, report)) return std::nullopt;
    counted.ranges.assign(table.size(), 1);
    return PartialFromTable(table, std::move(rules), p.source, p.offset);
  }
  const auto files = CorpusFiles(options.inputFiles, options.recursive, options.keepGoing,
                                 request.outputFile, counted.filesSkipped, report);
  if (!files || !CountCorpus(request, *files, options.keepGoing, true, table, counted, report))
    return std::nullopt;
  // A partial count is of one piece at least: of none it would say nothing true.
  if (counted.filesCounted == 0) {
    Fail(err, "no file could be counted: no partial count written");
    return std::nullopt;
  }
  PartialCount count = PartialFromTable(table, std::move(rules), p.source, p.offset);
  count.pieces = counted.filesCounted;
  return count;
}

}  // namespace

std::string PartialOptionError(const CountOptions& options) {
  const PartialOptions& p = options.partial;
  if (!p.Active()) return p.list ? "option '--list' goes with '--reduce'" : std::string();
  if (options.unicode)
    return "--partial, --merge, --map and --reduce count with the default word model, not "
           "--unicode";
  if (p.merge + p.map + p.reduce > 1) return "only one of --merge, --map and --reduce may be given";
  if (p.list && !p.reduce) return "option '--list' goes with '--reduce'";
  if ((p.map || p.reduce) && p.output)
    return "--map and --reduce write lines to standard output, not --partial";
  if (p.merge && p.files.empty()) return "--merge needs the partial counts to merge (PART...)";
  if (p.reduce && options.inputFile) return "--reduce reads its lines from standard input only";
  if ((p.map || (p.reduce && !p.list)) && options.outputFile)
    return "--map and --reduce write lines to standard output, not to -o";
  return {};
}

std::optional<int> RunPartialModes(const CountOptions& options, const CountInputRequest& request,
                                   const FilesRead& read, std::istream& in, std::ostream& out,
                                   std::ostream& err, WordTable& table, CorpusCount& counted) {
  const PartialOptions& p = options.partial;
  const std::string rules = PartialRules(request.params, request.typeExtension);
  if (p.output && !PartialOutputUsable(*p.output, request, read, err)) return 1;
  if (p.merge) return RunMerge(options, rules, err, table, counted);
  if (p.reduce) return RunReduce(options, rules, in, out, err, table, counted.ranges);
  const std::optional<PartialCount> counts =
      CountPartial(options, request, rules, in, err, table, counted);
  if (!counts) return 1;
  const PartialCount& count = *counts;
  if (p.map) {
    const std::string digest = RulesDigest(rules);
    std::string buffer;
    for (const PartialEntry& e : count.entries) AppendMapLine(e, digest, buffer);
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    return Flushed(out, err) ? 0 : 1;
  }
  if (!WritePartial(*p.output, FormatPartial(count), err)) return 1;
  if (!options.outputFile) return 0;
  return std::nullopt;
}

}  // namespace zet
