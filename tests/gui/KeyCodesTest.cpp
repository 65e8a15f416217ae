// Key codes the logic tests for, from Qt's key events.
#include <QKeyEvent>

#include <gtest/gtest.h>

#include "platform/qt/KeyCodes.h"

namespace zet {
namespace {

TEST(KeyCodesTest, VirtualKeyCodes) {
  const std::pair<int, int> rows[] = {
      {Qt::Key_F1, 112},   {Qt::Key_F12, 123},   {Qt::Key_A, 65},      {Qt::Key_Z, 90},
      {Qt::Key_0, 48},     {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},  {Qt::Key_Escape, 27},
      {Qt::Key_Tab, 9},    {Qt::Key_Space, 32},  {Qt::Key_Delete, 46}, {Qt::Key_Down, 40},
      {Qt::Key_Shift, 16}, {Qt::Key_Eacute, 0},  {Qt::Key_Menu, 0},
  };
  for (const auto& [qt, code] : rows) EXPECT_EQ(VirtualKeyCode(qt), code) << "Qt key " << qt;
}

TEST(KeyCodesTest, TypedCharacters) {
  const auto typed = [](int key, const QString& text) {
    return TypedCharacterCode(QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
  };
  EXPECT_EQ(typed(Qt::Key_A, "a"), 'a');
  EXPECT_EQ(typed(Qt::Key_A, "A"), 'A');
  EXPECT_EQ(typed(Qt::Key_Eacute, QString::fromUtf8("é")), 0xE9);
  EXPECT_EQ(typed(Qt::Key_Return, "\r"), 13);
  EXPECT_EQ(typed(Qt::Key_Escape, "\x1b"), 27);
  EXPECT_EQ(typed(Qt::Key_Backspace, "\b"), 8);
  EXPECT_EQ(typed(Qt::Key_Tab, "\t"), 0);  // Tab moves the focus
  EXPECT_EQ(typed(Qt::Key_F1, ""), 0);
  EXPECT_EQ(typed(Qt::Key_C, "\x03"), 0);  // Ctrl+C types nothing
}

}  // namespace
}  // namespace zet
