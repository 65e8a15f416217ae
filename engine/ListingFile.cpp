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

}  // namespace

Outcome<ListingOutcome> WriteListingFile(const std::string& path, const WordTable& table,
                                         const ListResults& results, const ParameterSet& params,
                                         const ListingPump& pump) {
  return WriteListingFileWith(path, params,
                              [&](const ListingOptions& options, ListingSink& sink) {
                                return WriteListing(table, results, options, sink, pump);
                              });
}

Outcome<ListingOutcome> WriteListingFileWith(const std::string& path, const ParameterSet& params,
                                             const ListingWriter& list) {
  AtomicFileWriter writer;
  if (const int error = writer.Open(path); error != 0) return WriteProblem(path, error);
  AtomicFileSink sink(writer);
  const ListingOutcome outcome = list(ListingOptionsFor(params, ListingTarget::OutputFile), sink);
  // The writer drops its temporary file when it is not committed.
  if (outcome == ListingOutcome::Failed) return WriteProblem(path, sink.Error());
  if (const int error = writer.Commit(); error != 0) return WriteProblem(path, error);
  return outcome;
}

}  // namespace zet
