#include "engine/ListingFile.h"

#include <cerrno>

#include "engine/AtomicFileSink.h"
#include "engine/FileTexts.h"
#include "params/AtomicFile.h"
#include "params/ListingParams.h"

namespace zet {
namespace {

Problem WriteProblem(const std::string& path, int errnum) {
  const RunTimeError error = RunTimeErrorFromErrno(errnum != 0 ? errnum : EIO);
  return {ProblemKind::CannotWrite, ErrorText(error), std::string(texts::kTitleError), path, error};
}

// Writes through a temporary file renamed onto `path` once `write` (which
// returns how the listing ended) has put everything into the sink.
template <typename Write>
Outcome<ListingOutcome> WriteThroughTemporary(const std::string& path, Write&& write) {
  AtomicFileWriter writer;
  if (const int error = writer.Open(path); error != 0) return WriteProblem(path, error);
  AtomicFileSink sink(writer);
  const ListingOutcome outcome = write(sink);
  // The writer drops its temporary file when it is not committed.
  if (outcome == ListingOutcome::Failed) return WriteProblem(path, sink.Error());
  if (const int error = writer.Commit(); error != 0) return WriteProblem(path, error);
  return outcome;
}

}  // namespace

Outcome<ListingOutcome> WriteListingFile(const std::string& path, const WordTable& table,
                                         const ListResults& results, const ParameterSet& params,
                                         const ListingPump& pump,
                                         std::span<const std::int64_t> ranges) {
  ListingOptions options = ListingOptionsFor(params, ListingTarget::OutputFile);
  options.ranges = ranges;
  return WriteThroughTemporary(path, [&](ListingSink& sink) {
    return WriteListing(table, results, options, sink, pump);
  });
}

Outcome<Done> WriteExportFile(const std::string& path, const WordTable& table,
                              const ListResults& results, const ExportRequest& request) {
  const Outcome<ListingOutcome> written = WriteThroughTemporary(path, [&](ListingSink& sink) {
    return WriteExport(table, results, request, sink) ? ListingOutcome::Completed
                                                      : ListingOutcome::Failed;
  });
  if (!written) return written.problem();
  return Done{};
}

}  // namespace zet
