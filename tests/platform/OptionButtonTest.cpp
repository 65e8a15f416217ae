#include "platform/OptionButton.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/Form.h"

namespace zet {
namespace {

class OptionButtonTest : public ::testing::Test {
 protected:
  OptionButtonTest() {
    form.Show();
    OptionButton::Group({&optInFile, &optInTextBox});
    optInFile.onClick = [this] { log += "file "; };
    optInTextBox.onClick = [this] { log += "clipboard "; };
  }

  Form form{"frmMain"};
  OptionButton optInFile{form, "optInFile", "file"};
  OptionButton optInTextBox{form, "optInTextBox", "clipboard"};
  std::string log;
};

TEST_F(OptionButtonTest, SelectingOneDeselectsTheOthersAndClicksOnlyOnChange) {
  optInFile.SetValue(true);
  optInFile.SetValue(true);
  ASSERT_TRUE(optInTextBox.UserClick());
  EXPECT_FALSE(optInFile.Value());
  EXPECT_TRUE(optInTextBox.Value());
  ASSERT_TRUE(optInTextBox.UserClick());
  EXPECT_EQ(log, "file clipboard ");
}

TEST_F(OptionButtonTest, DeselectingRaisesNothing) {
  optInFile.SetValue(true);
  optInFile.SetValue(false);
  EXPECT_FALSE(optInFile.Value());
  EXPECT_FALSE(optInTextBox.Value());
  EXPECT_EQ(log, "file ");
}

}  // namespace
}  // namespace zet
