#include "platform/Control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Button.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/TextBox.h"
#include "tests/platform/RecordingView.h"

namespace zet {
namespace {

class ControlTest : public ::testing::Test {
 protected:
  ControlTest() {
    form.Show();
    txbFile.onLostFocus = [this] { log.push_back("txbFile_LostFocus"); };
    cmdListWords.onClick = [this] { log.push_back("cmdListWords_Click"); };
    cmdListWords.onLostFocus = [this] { log.push_back("cmdListWords_LostFocus"); };
  }

  Form form{"frmMain"};
  TextBox txbFile{form, "txbFile(0)"};
  Button cmdListWords{form, "cmdListWords", "Count word frequencies"};
  Label lblTwirler{form, "lblTwirler"};
  std::vector<std::string> log;
};

TEST_F(ControlTest, ClickMovesFocusFirstSoTheTextBoxLosesItBeforeTheClick) {
  ASSERT_TRUE(txbFile.UserFocus());
  ASSERT_TRUE(txbFile.UserEdit("a.txt"));
  ASSERT_TRUE(cmdListWords.UserClick());
  EXPECT_EQ(log, (std::vector<std::string>{"txbFile_LostFocus", "cmdListWords_Click"}));
  EXPECT_TRUE(cmdListWords.HasFocus());
}

TEST_F(ControlTest, UnusableControlsIgnoreTheUser) {
  cmdListWords.SetEnabled(false);
  EXPECT_FALSE(cmdListWords.UserClick());
  cmdListWords.SetEnabled(true);
  form.SetEnabled(false);
  EXPECT_FALSE(cmdListWords.UserClick());
  form.SetEnabled(true);
  form.Hide();
  EXPECT_FALSE(cmdListWords.UserClick());
  EXPECT_FALSE(cmdListWords.SetFocus());
  EXPECT_TRUE(log.empty());
}

TEST_F(ControlTest, DisablingOrHidingTheFocusedControlTakesTheFocusAway) {
  ASSERT_TRUE(cmdListWords.SetFocus());
  cmdListWords.SetEnabled(false);
  EXPECT_EQ(form.Focused(), nullptr);
  cmdListWords.SetEnabled(true);
  ASSERT_TRUE(cmdListWords.SetFocus());
  cmdListWords.SetVisible(false);
  EXPECT_EQ(log, (std::vector<std::string>{"cmdListWords_LostFocus", "cmdListWords_LostFocus"}));
}

TEST_F(ControlTest, LabelsTakeNoFocusButCanBeClicked) {
  int clicks = 0;
  lblTwirler.onClick = [&] { ++clicks; };
  EXPECT_FALSE(lblTwirler.SetFocus());
  EXPECT_TRUE(lblTwirler.UserClick());
  EXPECT_EQ(clicks, 1);
}

TEST_F(ControlTest, KeysGoToTheFocusedControlAndMayBeSwallowed) {
  std::vector<int> keysUp;
  cmdListWords.onKeyUp = [&](int code) { keysUp.push_back(code); };
  txbFile.onKeyPress = [](int code) { return code == key::kEnter; };
  EXPECT_FALSE(form.UserKeyUp(key::kF1));  // nothing focused yet
  ASSERT_TRUE(cmdListWords.SetFocus());
  EXPECT_TRUE(form.UserKeyUp(key::kF1));
  EXPECT_EQ(keysUp, std::vector<int>{key::kF1});
  EXPECT_TRUE(txbFile.UserKeyPress(key::kEnter));
  EXPECT_FALSE(txbFile.UserKeyPress('a'));
}

TEST_F(ControlTest, CodeChangesReachTheViewOnlyWhenTheyChangeSomething) {
  test::RecordingView view;
  cmdListWords.Attach(&view);
  cmdListWords.SetCaption("Stop");
  cmdListWords.SetCaption("Stop");
  cmdListWords.SetEnabled(false);
  cmdListWords.SetFont(Font{"MS Sans Serif", 9.75, true});
  cmdListWords.ReportPlace({10, 20, 100, 30});  // from the view's own layout
  cmdListWords.SetPlace({10, 20, 100, 30});
  cmdListWords.Repaint();
  EXPECT_EQ(view.changed,
            (std::vector<Property>{Property::kText, Property::kEnabled, Property::kFont}));
  EXPECT_EQ(view.repaints, 1);
}

TEST_F(ControlTest, FormFindsControlsByNameInCreationOrder) {
  EXPECT_EQ(form.Find("cmdListWords"), &cmdListWords);
  EXPECT_EQ(form.Find("nothing"), nullptr);
  ASSERT_EQ(form.Controls().size(), 3U);
  EXPECT_EQ(form.Controls().front(), &txbFile);
}

}  // namespace
}  // namespace zet
