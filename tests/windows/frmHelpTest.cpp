#include <gtest/gtest.h>

#include "windows/HelpText.h"
#include "windows/frmHelp.h"

namespace zet {
namespace {

TEST(frmHelpTest, LoadsInsideTheMainWindowWithTheHelpText) {
  Form main("frmMain");
  main.SetPlace({100, 200, 758, 470});
  frmHelp help(main, {});
  EXPECT_FALSE(help.form.Visible());
  EXPECT_EQ(help.form.Caption(), "ZET: Help");
  EXPECT_EQ(help.form.Place(), (Geometry{113, 232, 732, 425}));
  EXPECT_EQ(help.txbHelpScreen.Text(), HelpText());
  EXPECT_TRUE(help.txbHelpScreen.ReadOnly());
  EXPECT_EQ(help.cmdClose.Caption(), "Close");
}

TEST(frmHelpTest, ResizeKeepsCloseCentredUnderTheText) {
  Form main("frmMain");
  main.SetPlace({0, 0, 758, 470});
  frmHelp help(main, {});
  help.form.UserSetPlace({0, 0, 1000, 600});
  EXPECT_EQ(help.txbHelpScreen.Place().width, 1000 - 23);
  EXPECT_EQ(help.txbHelpScreen.Place().height, 600 - 72);
  EXPECT_EQ(help.cmdClose.Place().top, 600 - 53);
  EXPECT_EQ(help.cmdClose.Place().left, (1000 - help.cmdClose.Place().width) / 2);
  help.form.UserSetState(WindowState::kMinimized);
  const Geometry before = help.cmdClose.Place();
  help.form.UserSetPlace({0, 0, 160, 30});
  EXPECT_EQ(help.cmdClose.Place(), before);  // minimised: left alone
}

TEST(frmHelpTest, CloseAndTheCloseBoxOnlyHide) {
  Form main("frmMain");
  int closed = 0;
  frmHelp help(main, [&] { ++closed; });
  help.form.Show();
  help.form.UserClose();
  EXPECT_FALSE(help.form.Visible());
  help.form.Show();
  ASSERT_TRUE(help.cmdClose.UserClick());
  EXPECT_FALSE(help.form.Visible());
  EXPECT_EQ(closed, 2);
  EXPECT_EQ(help.txbHelpScreen.Text(), HelpText());
}

}  // namespace
}  // namespace zet
