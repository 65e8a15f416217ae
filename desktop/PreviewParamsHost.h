#pragma once
// Stands in for the main window beside the parameters window while the
// program has no main window: the parameters window runs on its own.

#include <functional>
#include <string>
#include <utility>

#include "params/ParamsHost.h"

namespace zet {

/// A main window that holds no counted words, has finished starting up,
/// and sits at `place`. SetTheFocus (run when the parameters window closes)
/// calls `onSetTheFocus`.
class PreviewParamsHost final : public ParamsHost {
 public:
  PreviewParamsHost(Geometry place, std::function<void()> onSetTheFocus)
      : place_(place), onSetTheFocus_(std::move(onSetTheFocus)) {}

  [[nodiscard]] bool WordsGot() const override { return false; }
  void ClearWordsGot() override {}
  [[nodiscard]] bool StartUpCompleted() const override { return true; }
  void Initialize() override {}
  void InitializeVariables() override {}
  void SetTheFocus() override {
    if (onSetTheFocus_) onSetTheFocus_();
  }
  void AttemptToReadCommonWords() override {}
  void ConcealNumWords() override {}
  void SelectWordOrder(int index) override { static_cast<void>(index); }
  void SelectDisplayFormat(int index) override { static_cast<void>(index); }
  void CollectMainSettings(ParameterSet& params) const override { static_cast<void>(params); }
  void ApplyMainSettings(const ParameterSet& params) override { static_cast<void>(params); }
  void UpdateDisableOutputBox() override {}
  [[nodiscard]] std::string UserSettingsFile() const override { return {}; }
  [[nodiscard]] Geometry MainWindowPlace() const override { return place_; }
  [[nodiscard]] int SetParametersButtonWidth() const override { return 126; }

 private:
  Geometry place_;
  std::function<void()> onSetTheFocus_;
};

}  // namespace zet
