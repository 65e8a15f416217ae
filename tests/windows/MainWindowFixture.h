#pragma once
// The main window on the headless platform, with a private program folder
// (the real catalogue), a private settings folder and a scratch folder.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "params/SettingsFile.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/headless/Printers.h"
#include "tests/support/ProblemText.h"
#include "tests/support/TempDir.h"
#include "windows/frmMain.h"

namespace zet::test {

/// A message box as the test expects it.
inline ShownMessage Box(std::string_view text, std::string_view title,
                        MessageIcon icon = MessageIcon::kExclamation,
                        MessageButtons buttons = MessageButtons::kOk,
                        MessageAnswer answer = MessageAnswer::kOk) {
  return ShownMessage{std::string(text), std::string(title), icon, buttons, answer, true};
}

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    hp.failures.SetHook([](const std::string& problem) { ADD_FAILURE() << problem; });
    std::filesystem::create_directory(programFolder);
    std::filesystem::copy_file(std::string(ZET_SOURCE_DIR) + "/data/zet_text.dat",
                               programFolder + "/zet_text.dat");
    hp.application.SetProgramFolder(programFolder);
    hp.application.SetDocumentationFolder("/opt/zet docs");
    hp.application.SetApplicationDataFolder(temp.File("config"));
    ::setenv("XDG_CONFIG_HOME", temp.File("config").c_str(), 1);
    frm = std::make_unique<frmMain>(hp.platform);
  }

  void TearDown() override { EXPECT_THAT(hp.Leftovers(), ::testing::IsEmpty()); }

  /// Start-up, expecting no message; the boxes shown are then forgotten.
  void Start() {
    ASSERT_TRUE(frm->Form_Load());
    EXPECT_THAT(hp.messageBoxes.Shown(), ::testing::IsEmpty());
    hp.messageBoxes.ClearShown();
  }

  /// Writes a file in the scratch folder and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) {
    return temp.Write(name, bytes);
  }

  /// Types `path` into the input file box and leaves the box.
  void TypeInputFile(const std::string& path) { TypeInto(frm->txbFile0, path); }
  void TypeOutputFile(const std::string& path) { TypeInto(frm->txbFile1, path); }
  void TypeInto(TextBox& box, const std::string& text) {
    ASSERT_TRUE(box.UserFocus());
    ASSERT_TRUE(box.UserEdit(text));
    // Leaving the box runs its lost-focus handling.
    frm->cboWordOrder.UserFocus();
  }

  /// Clicks the count button (captioned "Count word frequencies").
  void Count() { ASSERT_TRUE(frm->cmdListWords.UserClick()); }

  /// The parameters as the windows hold them.
  ParameterSet Params() const { return frm->CurrentParameters(); }

  /// The user settings file's path.
  std::string SettingsPath() const { return temp.File("config") + "/zet/zet.usr"; }

  /// Writes a user settings file holding `params`.
  void WriteSettings(const ParameterSet& params) {
    std::filesystem::create_directories(temp.File("config") + "/zet");
    ASSERT_EQ(test::ProblemText(SaveState(SettingsPath(), params)), "");
  }

  HeadlessPlatform hp;
  TempDir temp;
  std::string programFolder = temp.File("program");
  std::unique_ptr<frmMain> frm;
};

}  // namespace zet::test
