// A layout grows evenly until every caption fits this system's fonts.
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>
#include <string>

#include "platform/qt/LayoutFit.h"
#include "tests/gui/GuiTest.h"

namespace zet {
namespace {

class LayoutFitTest : public test::GuiTest {
 protected:
  double Fit(std::span<const LayoutEntry> entries) {
    const WindowLayout layout{"frmFit", 6000, 3000, false, entries};
    return FitScale(
        layout,
        [this](std::string_view name) -> QWidget* {
          const auto it = widgets.find(std::string(name));
          return it == widgets.end() ? nullptr : it->second;
        },
        96);
  }

  QWidget parent;
  std::map<std::string, QWidget*> widgets{
      {"cmdGo", new QPushButton("Go", &parent)},
      {"lblCount", new QLabel("", &parent)},
  };
};

TEST_F(LayoutFitTest, RoomyLayoutKeepsItsSize) {
  const std::array entries{LayoutEntry{"cmdGo", 0, 0, 1500, 450}};
  EXPECT_DOUBLE_EQ(Fit(entries), 1.0);
}

TEST_F(LayoutFitTest, TightCaptionMakesTheWholeWindowGrow) {
  const std::array entries{LayoutEntry{"cmdGo", 0, 0, 150, 450}};
  const double scale = Fit(entries);
  EXPECT_GT(scale, 1.0);
  EXPECT_LE(scale, 2.0);
}

// A counter is empty at start; the widest count it will show decides.
TEST_F(LayoutFitTest, WidestRunTimeTextIsMeasured) {
  const std::array empty{LayoutEntry{"lblCount", 0, 0, 1500, 255}};
  EXPECT_DOUBLE_EQ(Fit(empty), 1.0);
  const std::array widest{LayoutEntry{"lblCount", 0, 0, 1500, 255, kLayoutPlain,
                                      "Number of words in this list:  9,999,999"}};
  EXPECT_GT(Fit(widest), 1.0);
}

TEST_F(LayoutFitTest, GrowthIsCappedAndControlsWithoutWidgetsIgnored) {
  const std::array entries{LayoutEntry{"cmdGo", 0, 0, 15, 15}, LayoutEntry{"gone", 0, 0, 1, 1}};
  EXPECT_DOUBLE_EQ(Fit(entries), 2.0);
}

}  // namespace
}  // namespace zet
