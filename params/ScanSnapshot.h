#pragma once
// What a count takes from the parameter set when it starts.

#include <string>

#include "params/ParameterSet.h"
#include "scanner/CommentMarkers.h"
#include "scanner/ScanSettings.h"

namespace zet {

/// The nine "Allow 'words' with" check boxes; each flag is set exactly when
/// its box is checked (value 1). The apostrophes box at 2 also keeps the
/// fragments apostrophes leave, which are dropped only with the box at 0.
[[nodiscard]] AllowFlags AllowFlagsFrom(const ParameterSet& params);

/// The rules that decide how text is cut into words.
[[nodiscard]] WordRules WordRulesFrom(const ParameterSet& params);

/// The user's comment markers as typed, in Windows-1252.
[[nodiscard]] CommentMarkers UserMarkersFrom(const ParameterSet& params);

/// Checks the user's markers with the word-character settings of `params`.
[[nodiscard]] MarkerValidation ValidateUserMarkers(const ParameterSet& params);

/// The settings of a pass whose markers are `choice` (for a file, from its
/// extension; for the clipboard, User or None).
[[nodiscard]] ScanSettings ScanSettingsFor(const ParameterSet& params, MarkerChoice choice);

/// The marker choice for the clipboard: the user's markers while they are
/// allowed, none otherwise.
[[nodiscard]] MarkerChoice ClipboardMarkerChoice(const ParameterSet& params);

}  // namespace zet
