#pragma once
// Every headless service in one object, for tests of the window logic.

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/headless/HeadlessApplication.h"
#include "platform/headless/HeadlessClipboard.h"
#include "platform/headless/HeadlessEventPump.h"
#include "platform/headless/HeadlessFileDialogs.h"
#include "platform/headless/HeadlessMessageBoxes.h"
#include "platform/headless/HeadlessShell.h"
#include "platform/headless/ScriptFailures.h"

namespace zet {

/// Owns one of each headless service and the Platform that refers to them.
/// Typical fixture:
///
///     HeadlessPlatform hp;
///     void SetUp() override {
///       hp.failures.SetHook([](const std::string& p) { ADD_FAILURE() << p; });
///     }
///     void TearDown() override { EXPECT_THAT(hp.Leftovers(), IsEmpty()); }
///
/// Not copyable or movable: `platform` refers to the members.
class HeadlessPlatform {
 public:
  HeadlessPlatform() = default;
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

  ScriptFailures failures;
  HeadlessMessageBoxes messageBoxes{failures};
  HeadlessFileDialogs fileDialogs{failures};
  HeadlessClipboard clipboard;
  HeadlessShell shell;
  HeadlessEventPump eventPump;
  HeadlessApplication application;
  Platform platform{messageBoxes, fileDialogs, clipboard, shell, eventPump, application};

  /// The parts of the script that were never used: answers still queued and
  /// scheduled pump actions that never ran. A finished test expects none.
  [[nodiscard]] std::vector<std::string> Leftovers() const;
};

}  // namespace zet
