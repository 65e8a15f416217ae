#pragma once
// The parameter set: every user-adjustable value, described once.
//
// One table holds each parameter's name, kind, caption, default and range.
// The parameters window, the settings and parameter files and the command
// line all read it, and ParameterSet refuses any value outside the range,
// so nothing read from outside can leave a parameter out of range.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "results/DisplayFormat.h"

namespace zet {

/// Every parameter, in the parameters window's order of groups, followed by
/// the main window's settings that are saved with them.
enum class ParamId : std::uint8_t {
  chkCaseSignificant,
  chkAllowWordsWithHyphens,
  chkAllowWordsWithApostrophes,
  chkAllowWordsWithUnderscores,
  chkAllowWordsWithColons,
  chkAllowWordsWithBackslashes,
  chkAllowWordsWithForwardslashes,
  chkAllowWordsWithPeriods,
  chkAllowWordsWithAtSigns,
  chkAllowWordsWithNumerals,
  chkDropFinalS,
  chkAllowCommentMarkers,
  txbStartComment0,
  txbEndComment0,
  txbStartComment1,
  txbEndComment1,
  chkIgnoreCommonWords,
  txbCommonWordsFile,
  txbWordsToIgnore,
  chkIgnoreRepetitions,
  chkIgnoreRomNum40,
  chkIgnoreNoVowelOrY,
  chkIgnoreShortWords,
  cboShortWordSize,
  cboLongWordSize,
  chkIgnoreInfrequentWords,
  cboThresholdFrequency,
  chkOutputWithCommas,
  chkWarnOnOverwrite,
  chkSaveStateOnQuit,
  // Main-window settings saved with the parameter set.
  txbFileInput,
  txbFileOutput,
  chkSuppressWords,
  chkDisableOutputToFile,
  cboWordOrder,
  cboDisplayFormat,
  strCommonWordsFile,
};

inline constexpr std::size_t kParamCount =
    static_cast<std::size_t>(ParamId::strCommonWordsFile) + 1;

enum class ParamKind : std::uint8_t { CheckBox, List, Text };

/// What the table knows of one parameter.
struct ParamInfo {
  ParamId id;
  std::string_view name;  ///< the control's name, e.g. "chkCaseSignificant"
  ParamKind kind;
  std::string_view caption;  ///< exact caption or label; empty where it has none
  /// Default: check-box value or list index; unused for texts.
  std::int16_t defaultValue;
  std::string_view defaultText;             ///< initial text of a text box
  std::span<const std::string_view> items;  ///< list item texts
  /// True when "Restore defaults" puts the parameter back to its default.
  bool restoredByDefaults;
};

/// The table, in ParamId order.
[[nodiscard]] std::span<const ParamInfo> AllParams() noexcept;
[[nodiscard]] const ParamInfo& GetParamInfo(ParamId id) noexcept;
/// Looks a parameter up by its control name; nullptr when there is none.
[[nodiscard]] const ParamInfo* FindParam(std::string_view name) noexcept;

/// The values of the parameter set. Check boxes hold 0, 1 or 2 (2 counts as
/// unchecked), lists a selection index from -1 (none) to the last item,
/// texts any UTF-8 text.
class ParameterSet {
 public:
  /// Every parameter at its initial value: the defaults of "Restore
  /// defaults", the default list items, the initial comment markers "/*",
  /// "*/", "//" and "", everything else empty or unchecked.
  ParameterSet();

  [[nodiscard]] std::int16_t Value(ParamId id) const noexcept;
  /// Sets a check box or list value; false (and no change) when out of range
  /// or when the parameter is a text.
  [[nodiscard]] bool SetValue(ParamId id, int value) noexcept;
  [[nodiscard]] const std::string& Text(ParamId id) const noexcept;
  /// Sets a text parameter; false (and no change) for other kinds.
  bool SetText(ParamId id, std::string text);

  /// A check box counts as set only when its value is exactly 1.
  [[nodiscard]] bool IsChecked(ParamId id) const noexcept { return Value(id) == 1; }
  /// The selected item of a list read as a number, or -1 with nothing selected.
  [[nodiscard]] int ListNumber(ParamId id) const noexcept;

  /// Puts back the parameters that have a fixed default (the check boxes and
  /// the three size lists). Leaves the comment-marker texts, the common-words
  /// and words-to-ignore settings and the main-window settings alone.
  void SetDefaultValues() noexcept;

  friend bool operator==(const ParameterSet&, const ParameterSet&) = default;

 private:
  std::array<std::int16_t, kParamCount> values_{};
  std::array<std::string, kParamCount> texts_{};
};

/// True when `value` is in range for the parameter.
[[nodiscard]] bool IsValidValue(const ParamInfo& info, int value) noexcept;

}  // namespace zet
