#include "platform/CheckBox.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/Form.h"

namespace zet {
namespace {

class CheckBoxTest : public ::testing::Test {
 protected:
  CheckBoxTest() {
    form.Show();
    box.onClick = [this] { seen.push_back(box.Value()); };
  }

  Form form{"frmParams"};
  CheckBox box{form, "chkAllowWordsWithNumerals", "numerals"};
  std::vector<int> seen;  // the value at each click event
};

TEST_F(CheckBoxTest, CodeChangesRaiseClickOnlyWhenTheValueChanges) {
  EXPECT_TRUE(box.SetValue(CheckBox::kChecked));
  EXPECT_TRUE(box.SetValue(CheckBox::kChecked));
  EXPECT_TRUE(box.SetValue(CheckBox::kGrayed));
  EXPECT_FALSE(box.SetValue(3));
  EXPECT_FALSE(box.SetValue(-1));
  EXPECT_EQ(seen, (std::vector<int>{1, 2}));
  EXPECT_FALSE(box.Checked());  // grayed is not set
}

TEST_F(CheckBoxTest, UserClickTogglesCheckedAndUnchecked) {
  ASSERT_TRUE(box.UserClick());
  ASSERT_TRUE(box.UserClick());
  box.SetValue(CheckBox::kGrayed);
  ASSERT_TRUE(box.UserClick());
  EXPECT_EQ(seen, (std::vector<int>{1, 0, 2, 1}));
  EXPECT_TRUE(box.HasFocus());
}

// The "re-read?" question answered No puts the box back from inside its own
// click handler; that raises the handler once more, which a guard ignores.
TEST_F(CheckBoxTest, HandlerCanPutTheBoxBack) {
  bool settingValues = false;
  int questions = 0;
  box.onClick = [&] {
    if (settingValues) return;
    ++questions;
    settingValues = true;
    box.SetValue(box.Value() == 1 ? 0 : 1);
    settingValues = false;
  };
  ASSERT_TRUE(box.UserClick());
  EXPECT_EQ(box.Value(), CheckBox::kUnchecked);
  EXPECT_EQ(questions, 1);
}

}  // namespace
}  // namespace zet
