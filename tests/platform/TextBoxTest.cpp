#include "platform/TextBox.h"

#include <gtest/gtest.h>

#include "platform/Form.h"

namespace zet {
namespace {

TEST(TextBoxTest, SetTextPutsCaretAtStartAndUserEditAtEnd) {
  Form form{"frmParams"};
  form.Show();
  TextBox box{form, "txbWordsToIgnore"};
  box.SetText("\xC3\xA9t\xC3\xA9");
  box.SetSelStart(10);
  EXPECT_EQ(box.SelStart(), 3U);  // characters, not bytes
  box.SetText("x");
  EXPECT_EQ(box.SelStart(), 0U);
  ASSERT_TRUE(box.UserEdit("typed"));
  EXPECT_EQ(box.SelStart(), 5U);
  box.SetReadOnly(true);
  EXPECT_FALSE(box.UserEdit("no"));
}

}  // namespace
}  // namespace zet
