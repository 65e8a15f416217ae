// The fonts the logic names, as this system's fonts.
#include <QFontDatabase>

#include <gtest/gtest.h>

#include "platform/qt/QtFonts.h"
#include "tests/gui/GuiTest.h"

namespace zet {
namespace {

class FontsTest : public test::GuiTest {};

TEST_F(FontsTest, DesignFontsBecomeSystemFonts) {
  const QString general = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  const QFont sans = ToQFont(Font{"MS Sans Serif", 9.75});
  EXPECT_EQ(sans.family(), general);
  EXPECT_DOUBLE_EQ(sans.pointSizeF(), 9.75);
  for (const char* fixed : {"Courier New", "Terminal", "courier"}) {
    const QFont font = ToQFont(Font{fixed, 8.25});
    EXPECT_TRUE(test::DrawsFixedPitch(font)) << fixed;
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.25) << fixed;
  }
}

TEST_F(FontsTest, StyleIsKeptAndFixedPitchCanBeForced) {
  const QFont font = ToQFont(Font{"MS Sans Serif", 8.25, true, true});
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.underline());
  EXPECT_FALSE(test::DrawsFixedPitch(font));
  EXPECT_TRUE(test::DrawsFixedPitch(ToQFont(Font{"MS Sans Serif", 8.25}, true)));
}

TEST(FixedPitchFamilyTest, KnownFamilies) {
  EXPECT_TRUE(IsFixedPitchFamily("Courier New"));
  EXPECT_TRUE(IsFixedPitchFamily("TERMINAL"));
  EXPECT_FALSE(IsFixedPitchFamily("MS Sans Serif"));
  EXPECT_FALSE(IsFixedPitchFamily(""));
}

}  // namespace
}  // namespace zet
