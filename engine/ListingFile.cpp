#include "engine/ListingFile.h"

#include "engine/AtomicFileSink.h"
#include "params/AtomicFile.h"
#include "params/ListingParams.h"

namespace zet {

Outcome<ListingOutcome> WriteListingFileWith(const std::string& path, const ParameterSet& params,
                                             const ListingWriter& list, const FilesRead& alsoRead) {
  FilesRead read = FilesRead::Of(params);
  read.Add(alsoRead);
  if (const Outcome<Done> apart = read.CheckNotRead(path, kOutputFile); !apart)
    return apart.problem();
  AtomicFileWriter writer;
  if (const int error = writer.Open(path); error != 0)
    return CannotWriteProblem(path, kOutputFile, error);
  AtomicFileSink sink(writer);
  const ListingOutcome outcome =
      list ? list(ListingOptionsFor(params, ListingTarget::OutputFile), sink)
           : ListingOutcome::Completed;
  // The writer drops its temporary file when it is not committed.
  if (outcome == ListingOutcome::Failed) return CannotWriteProblem(path, kOutputFile, sink.Error());
  if (const int error = writer.Commit(); error != 0)
    return CannotWriteProblem(path, kOutputFile, error);
  return outcome;
}

Outcome<Done> WriteExportFile(const std::string& path, const WordTable& table,
                              const ListResults& results, const ExportRequest& request,
                              const ParameterSet& params, const FilesRead& alsoRead) {
  const Outcome<ListingOutcome> written = WriteListingFileWith(
      path, params,
      [&](const ListingOptions&, ListingSink& sink) {
        return WriteExport(table, results, request, sink) ? ListingOutcome::Completed
                                                          : ListingOutcome::Failed;
      },
      alsoRead);
  if (!written) return written.problem();
  return Done{};
}

}  // namespace zet
