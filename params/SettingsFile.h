#pragma once
// The settings file: the whole saved state in 37 lines.
//
// The user settings file and every parameter file share this one format:
// one item per line, each line ended by CR LF, no header. Text items are
// written between double quotes, check boxes and list selections as decimal
// integers. Files are written as UTF-8; a file is read in its one encoding
// (UTF-8, or UTF-16 with a byte-order mark, or Windows-1252 when it is not
// valid UTF-8), so files from any source load. A text that is not valid
// UTF-8 (a Linux file name is bytes) is saved with its exact bytes noted
// after the closing quote and reads back byte for byte.

#include <string>
#include <string_view>

#include "params/Outcome.h"
#include "params/ParameterSet.h"

namespace zet {

/// Number of lines in a settings file; lines after the last are ignored.
inline constexpr int kSettingsLineCount = 37;

/// Message of a restore that read every line but left a list without a
/// selection.
inline constexpr std::string_view kInvalidComboBoxIndex = "Invalid combo box index";

/// The desktop's message-box titles for a failed save and a failed restore.
inline constexpr std::string_view kSaveParametersTitle = "Save parameters";
inline constexpr std::string_view kLoadParametersTitle = "Load parameters";

/// The file's text for `params`: 37 lines, each ended by CR LF. A CR or LF
/// inside a text is written as a space, so every text stays on its line.
[[nodiscard]] std::string FormatSettings(const ParameterSet& params);

/// Writes `params` to the file at `path` (UTF-8, not empty). The file is
/// replaced whole or not at all: a failed save (missing folder, no
/// permission, full disk) leaves any previous file exactly as it was.
/// A failure is a CannotWrite problem naming `path`: "Error when attempting
/// to save parameters: " followed by the system's description of the error,
/// with the system's error in `error`.
[[nodiscard]] Outcome<Done> SaveState(const std::string& path, const ParameterSet& params);

/// Reads the file at `path` into `params`, applying each line as it is read.
/// A file that does not read is a BadFile problem naming `path`: "Error
/// when attempting to restore parameters: " and a description when the file
/// cannot be read or a line is unusable (reading stops there and the lines
/// before it stay applied), or "Invalid combo box index" when every line was
/// applied but a list was left without a selection. No input can put a value out of range.
/// The common-words file name is applied to both `strCommonWordsFile` and
/// `txbCommonWordsFile`.
[[nodiscard]] Outcome<Done> RestoreSavedState(const std::string& path, ParameterSet& params);

/// RestoreSavedState for the user settings file, where no file means a
/// first start: a file that does not exist (never saved, a dangling link,
/// or removed before it could be opened) leaves `params` alone and is a
/// success. Anything else that cannot be read is reported as
/// RestoreSavedState reports it.
[[nodiscard]] Outcome<Done> RestoreUserSettings(const std::string& path, ParameterSet& params);

/// RestoreSavedState over a file's bytes already in memory; a problem names
/// no file.
[[nodiscard]] Outcome<Done> RestoreSettingsText(std::string_view bytes, ParameterSet& params);

/// The problem of a parameter or settings file that could not be saved to
/// `path`: "Error when attempting to save parameters: " and `reason`.
[[nodiscard]] Problem SaveProblem(const std::string& path, std::string_view reason,
                                  RunTimeError error);

}  // namespace zet
