#pragma once
// The main window as the parameters window's tests need it: flags and
// settings kept in plain members, and every call recorded.

#include <algorithm>
#include <string>
#include <vector>

#include "windows/ParamsHost.h"
#include "windows/frmParams.h"

namespace zet::test {

/// A ParamsHost that records its calls (by name, in order) and keeps the
/// main window's saved settings in a ParameterSet. Initialize and
/// InitializeVariables reset what the main window's own procedures reset,
/// through the parameters window it is given, so that tests see the state a
/// user would see.
class FakeParamsHost final : public ParamsHost {
 public:
  /// The window that Initialize resets; set once the window exists.
  frmParams* window = nullptr;

  bool wordsGot = false;
  bool startUpCompleted = true;
  std::string commonWordsFile;
  bool commonWordsLoaded = false;
  /// What AttemptToReadCommonWords reports.
  bool commonWordsReadable = true;
  /// The main window's settings (file names, its check boxes and lists).
  ParameterSet main;
  std::string userSettingsFile;
  Geometry mainPlace{100, 200, 758, 470};
  int setParametersButtonWidth = 90;

  std::vector<std::string> calls;
  /// blnSettingValues as each ApplyMainSettings call saw it.
  std::vector<bool> settingValuesDuringApply;

  [[nodiscard]] int Count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
  }

  [[nodiscard]] bool WordsGot() const override { return wordsGot; }
  void ClearWordsGot() override {
    calls.emplace_back("ClearWordsGot");
    wordsGot = false;
  }
  [[nodiscard]] bool StartUpCompleted() const override { return startUpCompleted; }

  void Initialize() override {
    calls.emplace_back("Initialize");
    (void)main.SetText(ParamId::txbFileInput, "");
    (void)main.SetText(ParamId::txbFileOutput, "");
    window->txbWordsToIgnore.SetText("");
    window->SetDefaultValues();
    (void)main.SetValue(ParamId::chkSuppressWords, 0);
    window->txbCommonWordsFile.SetText("");
    commonWordsFile.clear();
    window->txbParametersFile.SetText("");
    window->txbWordsToIgnore_LostFocus();
    UpdateDisableOutputBox();
  }
  void InitializeVariables() override {
    calls.emplace_back("InitializeVariables");
    Initialize();
  }
  void SetTheFocus() override { calls.emplace_back("SetTheFocus"); }

  [[nodiscard]] std::string CommonWordsFile() const override { return commonWordsFile; }
  void SetCommonWordsFile(std::string path) override { commonWordsFile = std::move(path); }
  [[nodiscard]] bool CommonWordsLoaded() const override { return commonWordsLoaded; }
  void SetCommonWordsLoaded(bool loaded) override { commonWordsLoaded = loaded; }
  void AttemptToReadCommonWords() override {
    calls.emplace_back("AttemptToReadCommonWords");
    commonWordsLoaded = commonWordsReadable;
    if (commonWordsReadable) window->txbCommonWordsFile.SetText(commonWordsFile);
    wordsGot = false;
  }
  void ConcealNumWords() override { calls.emplace_back("ConcealNumWords"); }
  void SelectWordOrder(int index) override {
    calls.emplace_back("SelectWordOrder(" + std::to_string(index) + ")");
    (void)main.SetValue(ParamId::cboWordOrder, index);
  }
  void SelectDisplayFormat(int index) override {
    calls.emplace_back("SelectDisplayFormat(" + std::to_string(index) + ")");
    (void)main.SetValue(ParamId::cboDisplayFormat, index);
  }

  void CollectMainSettings(ParameterSet& params) const override {
    for (ParamId id : kMainIds) Copy(main, params, id);
    params.SetText(ParamId::strCommonWordsFile, commonWordsFile);
  }
  void ApplyMainSettings(const ParameterSet& params) override {
    calls.emplace_back("ApplyMainSettings");
    settingValuesDuringApply.push_back(window->blnSettingValues);
    for (ParamId id : kMainIds) Copy(params, main, id);
    commonWordsFile = params.Text(ParamId::strCommonWordsFile);
  }
  void UpdateDisableOutputBox() override {
    calls.emplace_back("UpdateDisableOutputBox");
    if (main.Text(ParamId::txbFileOutput).empty())
      (void)main.SetValue(ParamId::chkDisableOutputToFile, 0);
  }
  [[nodiscard]] std::string UserSettingsFile() const override { return userSettingsFile; }

  [[nodiscard]] Geometry MainWindowPlace() const override { return mainPlace; }
  [[nodiscard]] int SetParametersButtonWidth() const override { return setParametersButtonWidth; }

 private:
  static constexpr ParamId kMainIds[] = {ParamId::txbFileInput,     ParamId::txbFileOutput,
                                         ParamId::chkSuppressWords, ParamId::chkDisableOutputToFile,
                                         ParamId::cboWordOrder,     ParamId::cboDisplayFormat};

  static void Copy(const ParameterSet& from, ParameterSet& to, ParamId id) {
    if (GetParamInfo(id).kind == ParamKind::Text) {
      to.SetText(id, from.Text(id));
    } else {
      (void)to.SetValue(id, from.Value(id));
    }
  }
};

}  // namespace zet::test
