// The layout tables: sound on their own, and matching the windows' controls.
#include <QPixmap>
#include <QWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/WindowLayout.h"
#include "tests/gui/GuiTest.h"
#include "tests/gui/MainWindowStandIn.h"
#include "tests/support/FakeParamsHost.h"
#include "windows/frmParams.h"

namespace zet {

void PrintTo(const WindowLayout* layout, std::ostream* os) { *os << layout->formName; }

namespace {

using ::testing::UnorderedElementsAreArray;

std::vector<std::string> LayoutNames(const WindowLayout& layout) {
  std::vector<std::string> names;
  for (const LayoutEntry& entry : layout.entries) names.emplace_back(entry.name);
  return names;
}

bool IsFrame(const LayoutEntry& entry) { return entry.name.starts_with("fra"); }

bool Overlap(const LayoutEntry& a, const LayoutEntry& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

class EveryLayoutTest : public ::testing::TestWithParam<const WindowLayout*> {};

INSTANTIATE_TEST_SUITE_P(Windows, EveryLayoutTest,
                         ::testing::Values(&MainWindowLayout(), &ParamsWindowLayout(),
                                           &HelpWindowLayout()));

TEST_P(EveryLayoutTest, NamesAreUniqueAndFoundByName) {
  const WindowLayout& layout = *GetParam();
  const std::vector<std::string> names = LayoutNames(layout);
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
  EXPECT_EQ(FindWindowLayout(layout.formName), &layout);
  for (const LayoutEntry& entry : layout.entries) EXPECT_EQ(layout.Find(entry.name), &entry);
}

TEST_P(EveryLayoutTest, EveryControlLiesInsideTheClientArea) {
  const WindowLayout& layout = *GetParam();
  for (const LayoutEntry& entry : layout.entries) {
    EXPECT_GT(entry.width, 0) << entry.name;
    EXPECT_GT(entry.height, 0) << entry.name;
    EXPECT_GE(entry.left, 0) << entry.name;
    EXPECT_GE(entry.top, 0) << entry.name;
    EXPECT_LE(entry.left + entry.width, layout.clientWidth) << entry.name;
    EXPECT_LE(entry.top + entry.height, layout.clientHeight) << entry.name;
  }
}

TEST_P(EveryLayoutTest, NoTwoControlsOverlap) {
  const WindowLayout& layout = *GetParam();
  for (std::size_t i = 0; i < layout.entries.size(); ++i) {
    for (std::size_t j = i + 1; j < layout.entries.size(); ++j) {
      const LayoutEntry& a = layout.entries[i];
      const LayoutEntry& b = layout.entries[j];
      if (IsFrame(a) || IsFrame(b)) continue;
      EXPECT_FALSE(Overlap(a, b)) << a.name << " and " << b.name;
    }
  }
}

TEST(WindowLayoutTest, UnknownWindowHasNoLayout) {
  EXPECT_EQ(FindWindowLayout("frmNone"), nullptr);
}

TEST(WindowLayoutTest, TwipsBecomePixelsAtTheScreensResolution) {
  EXPECT_EQ(TwipsToPixels(1440, 96), 96);
  EXPECT_EQ(TwipsToPixels(15, 96), 1);
  EXPECT_EQ(TwipsToPixels(11370, 96), 758);
  EXPECT_EQ(TwipsToPixels(1440, 120), 120);
  EXPECT_EQ(TwipsToPixels(1440, 96, 1.5), 144);
  EXPECT_EQ(TwipsToPixels(0, 96, 2.0), 0);
}

// A control added to a window but missing from its layout would be drawn
// over another one; a name left in the layout is a control renamed.
TEST(WindowLayoutTest, ParamsLayoutNamesEveryControlOfTheParametersWindow) {
  HeadlessPlatform hp;
  test::FakeParamsHost host;
  frmParams params(hp.platform, host);
  std::vector<std::string> controls;
  for (const Control* control : params.form.Controls()) controls.push_back(control->Name());
  EXPECT_THAT(LayoutNames(ParamsWindowLayout()), UnorderedElementsAreArray(controls));
}

TEST(WindowLayoutTest, MainLayoutNamesEveryControlOfTheMainWindow) {
  test::MainWindowStandIn main;
  EXPECT_THAT(LayoutNames(MainWindowLayout()), UnorderedElementsAreArray(main.Names()));
}

class ParamsWindowTest : public test::GuiTest {
 protected:
  HeadlessPlatform hp;
  test::FakeParamsHost host;
  frmParams params{hp.platform, host};
};

// Tab walks the controls in the layout's order, skipping labels.
TEST_F(ParamsWindowTest, TabOrderFollowsTheLayout) {
  QtWindow window(params.form, &ParamsWindowLayout());
  std::vector<std::string> expected;
  for (const LayoutEntry& entry : ParamsWindowLayout().entries) {
    if (params.form.Find(entry.name)->CanTakeFocus()) expected.emplace_back(entry.name);
  }
  std::vector<std::string> chain;
  QWidget* widget = window.WidgetOf(expected.front());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    chain.push_back(widget->objectName().toStdString());
    do {
      widget = widget->nextInFocusChain();
    } while (widget->focusPolicy() == Qt::NoFocus || widget->objectName().isEmpty());
  }
  EXPECT_EQ(chain, expected);
}

TEST_F(ParamsWindowTest, FixedPitchWhereTheLayoutAsksForIt) {
  params.txbWordsToIgnore.SetFont(Font{"MS Sans Serif", 8.25});
  QtWindow window(params.form, &ParamsWindowLayout());
  EXPECT_TRUE(test::DrawsFixedPitch(window.WidgetOf("txbWordsToIgnore")->font()));
  EXPECT_FALSE(test::DrawsFixedPitch(window.WidgetOf("chkCaseSignificant")->font()));
}

class MainLayoutTest : public test::GuiTest {};

// The main window keeps about its designed size with this system's fonts,
// and a picture of it is left for people to look at.
TEST_F(MainLayoutTest, StandInWindowFitsItsFontsAndIsPhotographed) {
  test::MainWindowStandIn main;
  main.form.Show();
  QtWindow window(main.form, &MainWindowLayout());
  EXPECT_TRUE(window.Unplaced().empty());
  EXPECT_LE(window.Scale(), 1.3);
  const double dpi = LogicalDotsPerInch();
  EXPECT_EQ(window.Widget()->width(), TwipsToPixels(11370, dpi, window.Scale()));
  EXPECT_EQ(window.Widget()->height(), TwipsToPixels(7050, dpi, window.Scale()));
  EXPECT_EQ(main.form.Place().width, window.Widget()->width());
  EXPECT_TRUE(window.Widget()->grab().save(
      QString::fromStdString(test::OutputFolder() + "/main-layout.png"), "PNG"));
}

}  // namespace
}  // namespace zet

namespace zet {
namespace {

TEST(FollowEdgesTest, MovesOrGrowsByTheFlagsAndNeverShrinks) {
  const Geometry place{10, 20, 100, 50};
  struct Row {
    unsigned flags;
    int grownWidth;
    int grownHeight;
    Geometry expected;
  };
  const Row rows[] = {
      {kLayoutPlain, 30, 40, {10, 20, 100, 50}},
      {kLayoutRight, 30, 40, {40, 20, 100, 50}},
      {kLayoutBottom | kLayoutRight, 30, 40, {40, 60, 100, 50}},
      {kLayoutGrow, 30, 40, {10, 20, 130, 90}},
      {kLayoutBottom | kLayoutGrowWidth, 30, 40, {10, 60, 130, 50}},
      {kLayoutGrow | kLayoutRight, -30, -40, {10, 20, 100, 50}},  // smaller than the layout
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FollowEdges(place, row.flags, row.grownWidth, row.grownHeight), row.expected)
        << "flags " << row.flags;
  }
}

}  // namespace
}  // namespace zet
