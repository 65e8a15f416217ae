// The program's windows as the desktop program makes them.
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

#include "desktop/ZetProgram.h"
#include "platform/Button.h"
#include "platform/Form.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtWindow.h"
#include "tests/gui/GuiTest.h"

namespace zet {
namespace {

using test::GuiTest;
using test::OutputFolder;
using test::WaitFor;

class DesktopTest : public GuiTest {
 protected:
  void TearDown() override {
    desktop_.DetachAll();
    program_.reset();
    GuiTest::TearDown();
  }

  QtDesktop desktop_{{ExecutableFolder(), false}};
  std::unique_ptr<DesktopProgram> program_ = MakeZetProgram(desktop_);
};

// Clicks the button `name` of `window` as the user would, if it has one.
void ClickIfPresent(QtWindow* window, const char* name) {
  if (window == nullptr) return;
  if (auto* button = dynamic_cast<Button*>(window->Model().Find(name))) button->UserClick();
}

bool SaveScreenshot(QtWindow* window, const std::string& fileName) {
  if (window == nullptr || !window->Widget()->isVisible()) return false;
  const std::string path = OutputFolder() + "/" + fileName;
  return window->Widget()->grab().save(QString::fromStdString(path), "PNG");
}

TEST_F(DesktopTest, EveryControlOfEveryWindowHasAPlace) {
  ClickIfPresent(desktop_.FindWindow("frmMain"), "cmdHelp");
  int windows = 0;
  for (const char* name : {"frmMain", "frmParams", "frmHelp"}) {
    if (const QtWindow* window = desktop_.FindWindow(name)) {
      ++windows;
      EXPECT_TRUE(window->Unplaced().empty()) << name << ": " << window->Unplaced().front();
    }
  }
  EXPECT_GE(windows, 1);
}

// Leaves main.png, params.png and help.png (those of the windows the
// program has) in the output folder, for the manual.
TEST_F(DesktopTest, ScreenshotsOfTheWindows) {
  QtWindow* main = desktop_.FindWindow("frmMain");
  if (main != nullptr) {
    ASSERT_TRUE(WaitFor([main] { return main->Widget()->isVisible(); }));
    EXPECT_TRUE(SaveScreenshot(main, "main.png"));
    ClickIfPresent(main, "cmdSetParameters");
    ClickIfPresent(main, "cmdHelp");
  }
  QtWindow* params = desktop_.FindWindow("frmParams");
  ASSERT_NE(params, nullptr);
  ASSERT_TRUE(WaitFor([params] { return params->Widget()->isVisible(); }));
  EXPECT_TRUE(SaveScreenshot(params, "params.png"));
  if (main != nullptr) {
    EXPECT_TRUE(SaveScreenshot(desktop_.FindWindow("frmHelp"), "help.png"));
  }
}

}  // namespace
}  // namespace zet
