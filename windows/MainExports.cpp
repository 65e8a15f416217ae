#include "windows/MainExports.h"

#include "engine/ListingFile.h"
#include "params/ListingParams.h"
#include "params/ParamOptions.h"
#include "windows/frmMain.h"

namespace zet {
namespace {

struct FormatTexts {
  const char* name;       // as the menu and the filter name it
  const char* kind;       // the filter's description
  const char* extension;  // without the dot
};

FormatTexts TextsOf(ExportFormat format) {
  switch (format) {
    case ExportFormat::Tsv:
      return {"TSV", "Tab-separated values", "tsv"};
    case ExportFormat::Csv:
      return {"CSV", "Comma-separated values", "csv"};
    case ExportFormat::Json:
      return {"JSON", "JSON", "json"};
  }
  return {"TSV", "Tab-separated values", "tsv"};
}

constexpr std::string_view kExportTitle = "Export";
constexpr std::string_view kUnicodeNotExported =
    "A list counted with 'Unicode letters (all scripts)' cannot be exported yet. "
    "The output file holds it (UTF-8).";

}  // namespace

std::string ExportFilter(ExportFormat format) {
  const FormatTexts t = TextsOf(format);
  const std::string pattern = std::string("*.") + t.extension;
  return std::string(t.kind) + " (" + pattern + ")|" + pattern + "|All files (*.*)|*.*";
}

MainExports::MainExports(frmMain& main, Platform& platform) : main_(main), platform_(platform) {}

void MainExports::Listed() {
  params_ = main_.CurrentParameters();
  read_ = main_.FilesCounted();
  // Saving the settings is how they are replaced; an export over them is a
  // mistake.
  read_.Add(main_.UserSettingsFile(), "settings file");
}

void MainExports::ResultsChanging() { params_.reset(); }

std::optional<std::string> MainExports::Export(ExportFormat format) {
  if (main_.CountedWithUnicode()) {
    platform_.messageBoxes.Show(std::string(kUnicodeNotExported), kExportTitle,
                                MessageIcon::kInformation, MessageButtons::kOk);
    return std::nullopt;
  }
  if (!Available()) {
    platform_.messageBoxes.Show("There is no list to export yet: count the words first.",
                                kExportTitle, MessageIcon::kInformation, MessageButtons::kOk);
    return std::nullopt;
  }
  const std::string path = AskForFile(format);
  if (path.empty()) return std::nullopt;
  const ExportRequest request{format, OrderOf(*params_), {}, ParametersInForce(*params_)};
  const Outcome<Done> written =
      WriteExportFile(path, main_.Words(), main_.Results(), request, *params_, read_);
  if (!written) {
    const Problem& problem = written.problem();
    platform_.messageBoxes.Show(problem.message, problem.title, MessageIcon::kExclamation,
                                MessageButtons::kOk);
    return std::nullopt;
  }
  return path;
}

std::string MainExports::AskForFile(ExportFormat format) {
  FileDialogRequest request;
  request.title = std::string("Export the list as ") + TextsOf(format).name;
  request.filter = ExportFilter(format);
  request.fileName = std::string("words.") + TextsOf(format).extension;
  // The export replaces a file whole: the dialog asks first.
  request.flags.overwritePrompt = true;
  request.flags.pathMustExist = true;
  request.flags.hideReadOnly = true;
  return platform_.fileDialogs.ShowSave(request);
}

}  // namespace zet
