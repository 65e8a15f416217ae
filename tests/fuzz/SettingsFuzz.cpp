// Fuzz target: arbitrary bytes read as a settings or parameter file.
//
// Whatever the bytes, the reader leaves every parameter in range, answers
// with one of its own messages, and a file it reads without error writes
// back out as a file that reads to the very same parameters.

#include <cstdint>
#include <string>
#include <string_view>

#include "params/ParameterSet.h"
#include "params/SettingsFile.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzText.h"
#include "tests/support/ProblemText.h"

namespace zet::fuzz {
namespace {

constexpr std::string_view kRestorePrefix = "Error when attempting to restore parameters: ";
constexpr ParamId kLists[] = {ParamId::cboShortWordSize, ParamId::cboLongWordSize,
                              ParamId::cboThresholdFrequency, ParamId::cboWordOrder,
                              ParamId::cboDisplayFormat};

// Every value within its range and every text one line, of valid UTF-8
// unless the file noted exact bytes.
void CheckInRange(const ParameterSet& params, std::string_view file) {
  for (const ParamInfo& info : AllParams()) {
    if (info.kind == ParamKind::Text) {
      const std::string& text = params.Text(info.id);
      if (!IsValidUtf8(text) && file.find(" bytes:") == std::string_view::npos)
        Fail(std::string(info.name) + " holds invalid UTF-8");
      if (text.find_first_of("\r\n") != std::string::npos)
        Fail(std::string(info.name) + " holds a line break");
      continue;
    }
    const int value = params.Value(info.id);
    if (!IsValidValue(info, value))
      Fail(std::string(info.name) + " is out of range: " + std::to_string(value));
    if (info.kind == ParamKind::List && value >= 0 && info.id != ParamId::cboWordOrder &&
        info.id != ParamId::cboDisplayFormat && params.ListNumber(info.id) < 2)
      Fail(std::string(info.name) + " has no number");
  }
  Require(params.Text(ParamId::txbCommonWordsFile) == params.Text(ParamId::strCommonWordsFile),
          "the common-words file name was applied to one parameter only");
}

bool AnyListUnselected(const ParameterSet& params) {
  for (ParamId id : kLists)
    if (params.Value(id) == -1) return true;
  return false;
}

void Run(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ParameterSet params;
  const std::string result = test::ProblemText(RestoreSettingsText(bytes, params));
  CheckInRange(params, bytes);

  // Any one-line text, a name of any bytes, saves and reads back exactly.
  ParameterSet named;
  std::string name(bytes.substr(0, 64));
  for (char& ch : name)
    if (ch == '\r' || ch == '\n') ch = ' ';
  named.SetText(ParamId::txbFileInput, name);
  ParameterSet back;
  Require(RestoreSettingsText(FormatSettings(named), back).ok() &&
              back.Text(ParamId::txbFileInput) == name,
          "a name did not read back byte for byte");

  if (result == "Invalid combo box index") {
    Require(AnyListUnselected(params), "a restore reported a list without selection wrongly");
    return;
  }
  if (!result.empty()) {
    if (result.compare(0, kRestorePrefix.size(), kRestorePrefix) != 0 ||
        result.size() == kRestorePrefix.size())
      Fail("a failed restore gave no proper message: " + Printable(result));
    return;
  }
  Require(!AnyListUnselected(params), "a restore accepted a list without selection");

  // What was read saves and reads back unchanged.
  const std::string saved = FormatSettings(params);
  ParameterSet again;
  const std::string againResult = test::ProblemText(RestoreSettingsText(saved, again));
  if (!againResult.empty()) Fail("a saved file does not read back: " + againResult);
  Require(again == params, "a saved file reads back to other parameters");
  Require(FormatSettings(again) == saved, "saving twice gives two different files");
}

}  // namespace
}  // namespace zet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zet::fuzz::Run(data, size);
  return 0;
}
