#include "engine/ParameterFiles.h"

#include "params/SettingsFile.h"

namespace zet {
namespace {

constexpr std::string_view kSaveTitle = "Save parameters";
constexpr std::string_view kLoadTitle = "Load parameters";

Problem SameFileProblem(const std::string& path, const FileRead& file) {
  const std::string named = file.path.empty() ? "" : " " + file.path;
  return {ProblemKind::SameFile,
          "Error when attempting to save parameters: " + path + " is the " + file.role + named + ".",
          std::string(kSaveTitle), path, {}};
}

}  // namespace

Outcome<Done> SaveParameters(const std::string& path, const ParameterSet& params,
                             const FilesRead& alsoRead, const ModelSettings* model) {
  FilesRead apart = FilesRead::Of(params);
  apart.Add(params.Text(ParamId::txbFileOutput), "output file");
  apart.Add(alsoRead);
  if (const FileRead* file = apart.WrittenOverBy(path)) return SameFileProblem(path, *file);
  const std::string side = model != nullptr ? ModelSettingsPath(path) : std::string();
  if (const FileRead* file = model != nullptr ? apart.WrittenOverBy(side) : nullptr)
    return SameFileProblem(side, *file);
  if (std::string error = SaveState(path, params); !error.empty())
    return Problem{ProblemKind::CannotWrite, std::move(error), std::string(kSaveTitle), path, {}};
  if (model == nullptr) return Done{};
  if (std::string error = SaveModelSettings(path, *model); !error.empty())
    return Problem{ProblemKind::CannotWrite, std::move(error), std::string(kSaveTitle), side, {}};
  return Done{};
}

Outcome<Done> RestoreParameters(const std::string& path, ParameterSet& params) {
  if (std::string error = RestoreSavedState(path, params); !error.empty())
    return Problem{ProblemKind::BadFile, std::move(error), std::string(kLoadTitle), path, {}};
  return Done{};
}

}  // namespace zet
