// Fuzz target: zet-count's command line. The input is split into arguments
// at NUL bytes. The parser either names a problem or returns options whose
// every value the parameter set accepts; no exception of the parser it is
// built on may escape.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CountOptions.h"
#include "params/ParameterSet.h"
#include "tests/fuzz/FuzzCheck.h"

namespace zet::fuzz {
namespace {

std::vector<std::string> SplitAtNul(std::string_view bytes) {
  std::vector<std::string> args;
  if (bytes.empty()) return args;
  std::size_t start = 0;
  for (;;) {
    const std::size_t nul = bytes.find('\0', start);
    args.emplace_back(bytes.substr(start, nul - start));
    if (nul == std::string_view::npos) break;
    start = nul + 1;
  }
  return args;
}

void Run(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> args = SplitAtNul({reinterpret_cast<const char*>(data), size});
  const ParsedCountOptions parsed = ParseCountOptions(args);
  if (!parsed.error.empty()) return;  // a usage error, with its message

  const CountOptions& o = parsed.options;
  ParameterSet params;
  for (const ParamChange& change : o.changes) {
    const ParamInfo& info = GetParamInfo(change.id);
    if (change.text) {
      Require(info.kind == ParamKind::Text, "a text was given to a parameter that is no text");
      Require(params.SetText(change.id, *change.text), "the parameter set refused a text");
    } else {
      if (info.kind == ParamKind::Text) Fail(std::string(info.name) + " was given a number");
      if (!params.SetValue(change.id, change.value))
        Fail(std::string(info.name) + " was given " + std::to_string(change.value));
      if (info.kind == ParamKind::List)
        Require(change.value >= 0, "an option left a list without selection");
    }
  }
  Require(o.type <= InputType::C && o.encoding <= Encoding::Utf16BE, "a choice out of its range");
  Require(o.jobs <= 1024, "more jobs than --jobs allows");
  Require(!o.locale || !o.locale->empty(), "an empty locale was kept");
  bool markersSet = false;
  for (const ParamChange& change : o.changes)
    markersSet = markersSet || change.id == ParamId::txbStartComment0;
  Require(markersSet == o.markersGiven,
          "comment markers were set without --comment-markers, or not set by it");
  if (!o.markersGiven)
    Require(CommentMarkerOptionError(o, params).empty(), "a marker error without markers");
  if (o.inputFile) {
    bool found = false;
    for (const std::string& arg : args) found = found || arg == *o.inputFile;
    Require(found, "the input file is not one of the arguments");
  }
}

}  // namespace
}  // namespace zet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zet::fuzz::Run(data, size);
  return 0;
}
