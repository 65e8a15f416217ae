#include <gtest/gtest.h>

#include "params/RunTimeError.h"
#include "windows/MainTexts.h"

namespace zet {
namespace {

TEST(StoppedNoteTest, PluralExceptForOne) {
  EXPECT_EQ(StoppedNote(0), "Stopped with 0 words found.");
  EXPECT_EQ(StoppedNote(1), "Stopped with 1 word found.");
  EXPECT_EQ(StoppedNote(12345), "Stopped with 12345 words found.");
}

TEST(ClipboardTextsTest, GroupTheirNumbers) {
  EXPECT_EQ(ClipboardSizeText(1234567), "Contents of clipboard:   1,234,567 bytes");
  EXPECT_EQ(PasteTooMuchText(100000, 100000),
            "There is too much text on the clipboard to paste into the textbox.");
  EXPECT_EQ(PasteTooMuchText(99999, 100000),
            "There is too much text on the clipboard to paste into the textbox.\r\n"
            "It may, however, still be possible to count word frequencies.");
  EXPECT_EQ(ErrorText({57, "Input/output error"}), "Error 57: Input/output error");
}

}  // namespace
}  // namespace zet
