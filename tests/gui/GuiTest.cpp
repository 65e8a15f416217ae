#include "tests/gui/GuiTest.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace zet::test {

void GuiTest::SetUp() {
  ASSERT_TRUE(configDir_.isValid());
  savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", configDir_.path().toUtf8());
}

void GuiTest::TearDown() {
  if (savedConfigHome_.isEmpty()) {
    qunsetenv("XDG_CONFIG_HOME");
  } else {
    qputenv("XDG_CONFIG_HOME", savedConfigHome_);
  }
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a modal box was left open";
}

std::string GuiTest::ConfigFolder() const { return configDir_.path().toStdString(); }

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
  return QTest::qWaitFor(done, timeoutMs);
}

void WhenModalOpens(std::function<void(QWidget*)> action) {
  // Polled from the modal box's own event loop: the box is open once
  // QApplication knows it as the active modal widget.
  auto* timer = new QTimer(qApp);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, action = std::move(action)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    action(modal);
  });
  timer->start();
}

bool ShowAndActivate(QWidget* window) {
  window->show();
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

std::string OutputFolder() { return ZET_GUI_OUTPUT_DIR; }

bool DrawsFixedPitch(const QFont& font) {
  const QFontMetricsF metrics(font);
  return metrics.horizontalAdvance(QStringLiteral("iiiiiiii")) ==
             metrics.horizontalAdvance(QStringLiteral("MMMMMMMM")) &&
         metrics.horizontalAdvance(QStringLiteral("........")) ==
             metrics.horizontalAdvance(QStringLiteral("WWWWWWWW"));
}

QString ShownCaption(const QString& text) {
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

}  // namespace zet::test
