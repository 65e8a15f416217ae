#pragma once
// A parameters window on the headless platform, started up as the program
// starts it, with a fake main window.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/headless/HeadlessPlatform.h"
#include "tests/support/FakeParamsHost.h"
#include "windows/frmParams.h"

namespace zet::test {

/// The question a change of a scanning parameter asks while words are held.
inline const std::string kRereadQuestion =
    "Changing this entails reading the file anew.  Is this OK?";

/// Starts the window as start-up does (lists filled, defaults set, loaded
/// hidden, start-up completed) and shows it. Every message box and dialog
/// must be scripted, and every scripted answer used.
class ParamsWindowTest : public ::testing::Test {
 protected:
  ParamsWindowTest() {
    hp.failures.SetHook([](const std::string& problem) { ADD_FAILURE() << problem; });
    host.window = &window;
    host.startUpCompleted = false;
    window.FillComboBoxes();
    host.InitializeVariables();
    window.Form_Load();
    host.startUpCompleted = true;
    window.form.Show();
    host.calls.clear();
  }
  void TearDown() override { EXPECT_THAT(hp.Leftovers(), ::testing::IsEmpty()); }

  /// The check box or list of the window named `name` ("chkDropFinalS").
  CheckBox& Box(const std::string& name) {
    return *dynamic_cast<CheckBox*>(window.form.Find(name));
  }
  ComboBox& List(const std::string& name) {
    return *dynamic_cast<ComboBox*>(window.form.Find(name));
  }

  [[nodiscard]] const std::vector<ShownMessage>& Shown() const { return hp.messageBoxes.Shown(); }
  /// The re-read question as it must look, with the answer it got.
  static ShownMessage Reread(MessageAnswer answer) {
    return {kRereadQuestion, "ZET", MessageIcon::kNone, MessageButtons::kYesNo, answer, true};
  }

  HeadlessPlatform hp;
  FakeParamsHost host;
  frmParams window{hp.platform, host};
};

}  // namespace zet::test
