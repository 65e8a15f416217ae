#pragma once
// Settings kept beside the 37-line settings and parameter files, in a side
// file of their own, so that the 37-line format stays as older versions
// read and write it.
//
// The side file is UTF-8 text, one "key=value" a line (LF or CR LF), "#"
// starting a comment line. Keys this version does not know and lines it
// cannot read are skipped, so a newer version may add keys; a key given
// twice takes its last value. Keys:
//   unicode=1   count with the Unicode word model (0, or no line: the
//               default Windows-1252 model)

#include <string>
#include <string_view>

#include "params/Outcome.h"

namespace zet {

/// The settings of the side file.
struct ModelSettings {
  bool unicode = false;

  friend bool operator==(const ModelSettings&, const ModelSettings&) = default;
};

/// The side file of the settings or parameter file `path`: the same folder
/// and base name, extension ".zetx" ("zet.usr" gives "zet.zetx",
/// "words.zet" gives "words.zetx", "plain" gives "plain.zetx").
[[nodiscard]] std::string ModelSettingsPath(std::string_view path);

/// The side file's text for `settings`.
[[nodiscard]] std::string FormatModelSettings(const ModelSettings& settings);

/// The settings a side file's text gives; what it does not say keeps its
/// default.
[[nodiscard]] ModelSettings ParseModelSettings(std::string_view text);

/// Writes `settings` to the side file of `path` by the write policy
/// (params/AtomicFile.h). A failure is a CannotWrite problem naming the side
/// file, with SaveState's text: "Error when attempting to save parameters: "
/// and the system's reason.
[[nodiscard]] Outcome<Done> SaveModelSettings(const std::string& path,
                                              const ModelSettings& settings);

/// The settings of the side file of `path`: the defaults when there is
/// none, or when it cannot be read (it holds only choices an older version
/// never saw, so the 37 lines restored with it stay good).
[[nodiscard]] ModelSettings ReadModelSettings(const std::string& path);

}  // namespace zet
