#include "engine/ParameterFiles.h"

#include "params/SettingsFile.h"

namespace zet {
namespace {

Problem SameFileProblem(const std::string& path, const FileRead& file) {
  const std::string named = file.path.empty() ? "" : " " + file.path;
  Problem problem = SaveProblem(path, path + " is the " + file.role + named + ".", {});
  problem.kind = ProblemKind::SameFile;
  return problem;
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
  Outcome<Done> saved = SaveState(path, params);
  if (!saved || model == nullptr) return saved;
  return SaveModelSettings(path, *model);
}

}  // namespace zet
