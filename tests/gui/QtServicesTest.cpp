// Clipboard, shell, event pump and application on the desktop.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/qt/QtApplication.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtEventPump.h"
#include "platform/qt/QtShell.h"
#include "tests/gui/GuiTest.h"

namespace zet {
namespace {

class ServicesTest : public test::GuiTest {};

TEST_F(ServicesTest, ClipboardRoundTrip) {
  QtClipboard clipboard;
  clipboard.SetText("Grüße aus Köln");
  EXPECT_EQ(clipboard.GetText(), "Grüße aus Köln");
  // Other programs here read LF line breaks.
  clipboard.SetText("1 the\r\n2 and\r\n");
  EXPECT_EQ(clipboard.GetText(), "1 the\n2 and\n");
  clipboard.Clear();
  EXPECT_EQ(clipboard.GetText(), "");
  clipboard.SetText("x");
  clipboard.SetText("");
  EXPECT_EQ(clipboard.GetText(), "");
}

TEST(ShellTest, OnlyAbsoluteAddressesAreOpened) {
  EXPECT_TRUE(IsOpenableAddress("https://example.org/zet"));
  EXPECT_TRUE(IsOpenableAddress("file:///usr/share/doc/zet/manual.html#about"));
  EXPECT_FALSE(IsOpenableAddress(""));
  EXPECT_FALSE(IsOpenableAddress("manual.html"));
  EXPECT_FALSE(IsOpenableAddress("http://exa mple.org"));
  QtShell shell;
  EXPECT_FALSE(shell.OpenAddress(""));
}

TEST_F(ServicesTest, PumpRunsEventsOnlyWhenDueForcePumpAndPumpNowAlways) {
  PumpThrottle::Clock::time_point now{};
  QtEventPump pump(PumpThrottle(std::chrono::milliseconds(30), 1, [&now] { return now; }));
  int ran = 0;
  QTimer::singleShot(0, qApp, [&ran] { ++ran; });
  pump.Pump();
  EXPECT_EQ(ran, 0);
  now += std::chrono::milliseconds(31);
  pump.Pump();
  EXPECT_EQ(ran, 1);
  QTimer::singleShot(0, qApp, [&ran] { ++ran; });
  pump.ForcePump();
  EXPECT_EQ(ran, 2);
  // A caller with its own clock: events run at once, not due or not.
  QTimer::singleShot(0, qApp, [&ran] { ++ran; });
  pump.PumpNow();
  EXPECT_EQ(ran, 3);
  EXPECT_EQ(pump.ProcessedCount(), 3U);
}

class ApplicationTest : public test::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    ASSERT_TRUE(prefix.isValid());
    bin = prefix.path().toStdString() + "/bin";
    std::filesystem::create_directories(bin);
  }

  static void Touch(const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path) << "x";
  }

  QTemporaryDir prefix;
  std::string bin;
};

TEST_F(ApplicationTest, DataBesideTheProgramAsInABuildTree) {
  Touch(bin + "/zet_text.dat");
  Touch(bin + "/manual.html");
  QtApplication application(bin);
  EXPECT_EQ(application.ProgramFolder(), bin);
  EXPECT_EQ(application.DocumentationFolder(), bin);
}

TEST_F(ApplicationTest, DataUnderShareOnceInstalled) {
  const std::string root = prefix.path().toStdString();
  Touch(root + "/share/zet/zet_text.dat");
  Touch(root + "/share/doc/zet/manual.html");
  QtApplication application(bin);
  EXPECT_EQ(application.ProgramFolder(), root + "/share/zet");
  EXPECT_EQ(application.DocumentationFolder(), root + "/share/doc/zet");
}

TEST_F(ApplicationTest, SettingsGoUnderXdgConfigHome) {
  QtApplication application(bin);
  EXPECT_EQ(application.ApplicationDataFolder(), ConfigFolder());
  EXPECT_GT(application.AvailableScreenSize().width, 0);
}

TEST_F(ApplicationTest, QuitBeforeTheEventLoopIsRemembered) {
  QtApplication application(bin);
  EXPECT_FALSE(application.QuitRequested());
  application.Quit(3);
  EXPECT_TRUE(application.QuitRequested());
  EXPECT_EQ(application.ExitCode(), 3);
  // The exit stays pending for the thread and would end every later event
  // loop (a modal box's) at once; an application loop run to its end
  // clears it for the tests that follow.
  QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
  (void)QCoreApplication::exec();
}

}  // namespace
}  // namespace zet
