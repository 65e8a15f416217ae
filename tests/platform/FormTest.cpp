#include "platform/Form.h"

#include <gtest/gtest.h>

#include "tests/platform/RecordingView.h"

namespace zet {
namespace {

TEST(FormTest, CloseRequestIsTheHandlersDecisionAndHidesWithoutOne) {
  Form form{"frmHelp"};
  form.Show();
  int requests = 0;
  form.onCloseRequest = [&] { ++requests; };
  form.UserClose();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(requests, 1);
  form.onCloseRequest = nullptr;
  form.UserClose();
  EXPECT_FALSE(form.Visible());
}

TEST(FormTest, ResizeEventOnlyWhenTheSizeChanges) {
  Form form{"frmHelp"};
  int resizes = 0;
  form.onResize = [&] { ++resizes; };
  form.UserSetPlace({10, 10, 400, 300});
  form.UserSetPlace({50, 60, 400, 300});  // moved only
  form.UserSetPlace({50, 60, 410, 300});
  EXPECT_EQ(resizes, 2);
  EXPECT_EQ(form.Place(), (Geometry{50, 60, 410, 300}));
}

TEST(FormTest, CodeChangesReachTheView) {
  Form form{"frmHelp"};
  test::RecordingView view;
  form.Attach(&view);
  form.SetCaption("ZET: Help");
  form.Show();
  form.SetState(WindowState::kMinimized);
  form.SetPlace({1, 2, 3, 4});
  form.Repaint();
  EXPECT_EQ(view.changed, (std::vector<Property>{Property::kText, Property::kVisible,
                                                 Property::kWindowState, Property::kGeometry}));
  EXPECT_EQ(view.repaints, 1);
}

}  // namespace
}  // namespace zet
