// A Form's window: the logic's changes reach it, the user's come back.
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

#include "platform/Button.h"
#include "platform/Form.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/WindowLayout.h"
#include "tests/gui/GuiTest.h"

namespace zet {
namespace {

using test::WaitFor;

class FormWindowTest : public test::GuiTest {
 protected:
  void Open(const WindowLayout* layout = nullptr) {
    form.SetCaption("ZET: Test");
    form.SetPlace({30, 30, 300, 200});
    form.Show();
    window = std::make_unique<QtWindow>(form, layout);
    ASSERT_TRUE(WaitFor([this] { return window->Widget()->isActiveWindow(); }));
  }

  void TearDown() override {
    window.reset();
    GuiTest::TearDown();
  }

  Form form{"frmTest"};
  Button cmdClose{form, "cmdClose", "Close"};
  std::unique_ptr<QtWindow> window;
};

TEST_F(FormWindowTest, CaptionShowAndHideReachTheWindow) {
  Open();
  EXPECT_EQ(window->Widget()->windowTitle(), "ZET: Test");
  form.SetCaption("ZET: Help");
  EXPECT_EQ(window->Widget()->windowTitle(), "ZET: Help");
  form.Hide();
  EXPECT_FALSE(window->Widget()->isVisible());
  form.Show();
  EXPECT_TRUE(window->Widget()->isVisible());
}

TEST_F(FormWindowTest, LogicsPlaceAndStateReachTheWindow) {
  Open();
  EXPECT_EQ(window->Widget()->size(), QSize(300, 200));
  form.SetPlace({30, 30, 360, 240});
  EXPECT_EQ(window->Widget()->size(), QSize(360, 240));
  form.SetState(WindowState::kMinimized);
  EXPECT_TRUE(window->Widget()->windowState() & Qt::WindowMinimized);
  form.SetState(WindowState::kNormal);
  EXPECT_FALSE(window->Widget()->windowState() & Qt::WindowMinimized);
}

// The close box leaves the decision to the logic: the window stays open
// unless the handler hides it.
TEST_F(FormWindowTest, CloseBoxAsksTheLogic) {
  Open();
  int requests = 0;
  form.onCloseRequest = [&] { ++requests; };
  window->Widget()->close();
  EXPECT_EQ(requests, 1);
  EXPECT_TRUE(window->Widget()->isVisible());
  EXPECT_TRUE(form.Visible());
  form.onCloseRequest = nullptr;
  window->Widget()->close();
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(window->Widget()->isVisible());
}

TEST_F(FormWindowTest, ResizingByTheUserRunsTheResizeHandler) {
  Open();
  int resizes = 0;
  form.onResize = [&] { ++resizes; };
  window->Widget()->resize(420, 260);
  ASSERT_TRUE(WaitFor([this] { return form.Place().width == 420; }));
  EXPECT_EQ(form.Place().height, 260);
  EXPECT_EQ(resizes, 1);
}

TEST_F(FormWindowTest, ActivationIsReported) {
  Open();
  int activations = 0;
  form.onActivate = [&] { ++activations; };
  QWidget other;
  ASSERT_TRUE(test::ShowAndActivate(&other));
  ASSERT_TRUE(test::ShowAndActivate(window->Widget()));
  EXPECT_EQ(activations, 1);
}

// A window of fixed size keeps its layout's size whatever the logic asks,
// and the logic learns the size it really has.
TEST_F(FormWindowTest, FixedWindowKeepsItsLayoutSize) {
  Open(&MainWindowLayout());
  const QSize fixed = window->Widget()->size();
  EXPECT_EQ(fixed.width(), TwipsToPixels(11370, LogicalDotsPerInch(), window->Scale()));
  form.SetPlace({50, 50, 100, 100});
  EXPECT_EQ(window->Widget()->size(), fixed);
  EXPECT_TRUE(WaitFor([&] { return form.Place().width == fixed.width(); }));
  EXPECT_EQ(form.Place().height, fixed.height());
}

// The help window's logic fits its controls when it is resized; a window
// made from its layout reports its size, so the logic runs at once.
TEST_F(FormWindowTest, ResizableWindowTakesTheLogicsSize) {
  Open(&HelpWindowLayout());
  EXPECT_EQ(window->Widget()->size(), QSize(300, 200));
  EXPECT_EQ(window->Widget()->maximumWidth(), QWIDGETSIZE_MAX);
}

TEST_F(FormWindowTest, ControlsPlacedByTheLogicKeepTheirPlace) {
  cmdClose.SetPlace({40, 150, 90, 28});
  Open(&HelpWindowLayout());
  EXPECT_EQ(window->WidgetOf("cmdClose")->geometry(), QRect(40, 150, 90, 28));
  EXPECT_TRUE(window->Unplaced().empty());
}

}  // namespace
}  // namespace zet
