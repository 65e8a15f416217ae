#include "platform/ComboBox.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/Form.h"

namespace zet {
namespace {

class ComboBoxTest : public ::testing::Test {
 protected:
  ComboBoxTest() {
    form.Show();
    for (const char* item : {"1", "2", "3"}) combo.AddItem(item);
    combo.onClick = [this] { seen.push_back(combo.ListIndex()); };
  }

  Form form{"frmParams"};
  ComboBox combo{form, "cboShortWordSize"};
  std::vector<int> seen;
};

TEST_F(ComboBoxTest, ListIndexIsRangeCheckedAndClicksOnChange) {
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_EQ(combo.Text(), "");
  EXPECT_TRUE(combo.SetListIndex(2));
  EXPECT_EQ(combo.Text(), "3");
  EXPECT_TRUE(combo.SetListIndex(2));
  EXPECT_FALSE(combo.SetListIndex(3));
  EXPECT_FALSE(combo.SetListIndex(-2));
  EXPECT_TRUE(combo.UserSelect(0));
  EXPECT_FALSE(combo.UserSelect(5));
  EXPECT_TRUE(combo.SetListIndex(-1));
  EXPECT_EQ(seen, (std::vector<int>{2, 0, -1}));
}

TEST_F(ComboBoxTest, ClearingItemsDropsTheSelectionSilently) {
  ASSERT_TRUE(combo.SetListIndex(1));
  combo.ClearItems();
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_EQ(combo.ItemCount(), 0);
  EXPECT_EQ(seen, std::vector<int>{1});
}

}  // namespace
}  // namespace zet
