#pragma once
// What the GUI tests share: a fixture with a private settings folder, and
// ways to wait for Qt without sleeping.

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <string>

class QFont;
class QWidget;

namespace zet::test {

/// Each test gets its own empty $XDG_CONFIG_HOME, removed afterwards, and
/// leaves no window or modal box behind.
class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  /// The test's settings folder.
  [[nodiscard]] std::string ConfigFolder() const;

 private:
  QTemporaryDir configDir_;
  QByteArray savedConfigHome_;
};

/// Processes events until `done` holds or `timeoutMs` passed; whether it
/// held. Events run meanwhile, so no sleep is needed.
[[nodiscard]] bool WaitFor(const std::function<bool()>& done, int timeoutMs = 5000);

/// Runs `action` on the modal widget (message box, file dialog) as soon as
/// one is open, from inside the event loop that shows it.
void WhenModalOpens(std::function<void(QWidget*)> action);

/// Shows `window` and waits until it is the active window.
[[nodiscard]] bool ShowAndActivate(QWidget* window);

/// A button's caption as the user reads it: the accelerator's "&" marker
/// dropped, "&&" shown as "&".
[[nodiscard]] QString ShownCaption(const QString& text);

/// Whether every character of `font`, as the system draws it, is as wide as
/// every other: measured, since fontconfig does not mark every monospace
/// font (Noto Sans Mono) as such, and QFontInfo then says it is not.
[[nodiscard]] bool DrawsFixedPitch(const QFont& font);

/// The folder where tests leave screenshots (created by the build).
[[nodiscard]] std::string OutputFolder();

}  // namespace zet::test
