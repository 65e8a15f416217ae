#include "engine/ParameterFiles.h"

#include "engine/CommonWordsFile.h"
#include "engine/FileProc.h"
#include "params/SettingsFile.h"

namespace zet {
namespace {

constexpr std::string_view kSaveTitle = "Save parameters";
constexpr std::string_view kLoadTitle = "Load parameters";

struct NamedFile {
  std::string path;
  std::string_view role;
};

Problem SameFileProblem(const std::string& path, const NamedFile& file) {
  return {ProblemKind::SameFile,
          "Error when attempting to save parameters: " + path + " is the " +
              std::string(file.role) + " " + file.path + ".",
          std::string(kSaveTitle),
          path,
          {}};
}

}  // namespace

Outcome<Done> SaveParameters(const std::string& path, const ParameterSet& params,
                             std::span<const std::string> alsoRead) {
  const NamedFile named[] = {
      {params.Text(ParamId::txbFileInput), "input file"},
      {params.Text(ParamId::txbFileOutput), "output file"},
      {CommonWordsPath(params.Text(ParamId::strCommonWordsFile)), "common-words file"},
  };
  for (const NamedFile& file : named)
    if (SameFile(path, file.path)) return SameFileProblem(path, file);
  for (const std::string& read : alsoRead)
    if (SameFile(path, read)) return SameFileProblem(path, {read, "parameter file"});
  if (std::string error = SaveState(path, params); !error.empty())
    return Problem{ProblemKind::CannotWrite, std::move(error), std::string(kSaveTitle), path, {}};
  return Done{};
}

Outcome<Done> RestoreParameters(const std::string& path, ParameterSet& params) {
  if (std::string error = RestoreSavedState(path, params); !error.empty())
    return Problem{ProblemKind::BadFile, std::move(error), std::string(kLoadTitle), path, {}};
  return Done{};
}

}  // namespace zet
