// What the desktop program adds around the windows' own controls, used as
// a user uses it: resizing, the keyboard, drops, recent files, the menu
// bar, the results table with Explain, the exports and the vocabulary
// profile.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "desktop/ZetProgram.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtProfileView.h"
#include "platform/qt/QtResultsTable.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/WindowLayout.h"
#include "tests/gui/GuiTest.h"

namespace zet {
namespace {

using test::ShownCaption;
using test::WaitFor;
using ::testing::HasSubstr;

class DesktopExtrasTest : public test::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    ASSERT_TRUE(files_.isValid());
    StartProgram();
  }

  void TearDown() override {
    StopProgram();
    QGuiApplication::clipboard()->clear();
    GuiTest::TearDown();
  }

  void StartProgram() {
    desktop_ = std::make_unique<QtDesktop>(QtDesktopOptions{ExecutableFolder(), false});
    program_ = MakeZetProgram(*desktop_);
    QWidget* main = MainWindow()->Widget();
    ASSERT_TRUE(WaitFor([main] { return main->isVisible(); }));
    ASSERT_TRUE(test::ShowAndActivate(main));
  }

  void StopProgram() {
    if (desktop_ != nullptr) desktop_->DetachAll();
    program_.reset();
    desktop_.reset();
  }

  QtWindow* MainWindow() const { return desktop_->FindWindow("frmMain"); }
  template <class W>
  W* Main(const char* name) const {
    return qobject_cast<W*>(MainWindow()->WidgetOf(name));
  }
  template <class W>
  W* Child(const char* objectName) const {
    return MainWindow()->Widget()->findChild<W*>(QString::fromLatin1(objectName));
  }
  QtResultsTable* Table() const { return Child<QtResultsTable>("resultsTable"); }
  QtProfileView* Profile() const { return Child<QtProfileView>("profileView"); }
  QTabWidget* Pages() const { return Child<QTabWidget>("outputPages"); }

  QString Write(const char* name, const std::string& text) const {
    const QString path = files_.filePath(name);
    std::ofstream(path.toStdString(), std::ios::binary) << text;
    return path;
  }

  // Drags `paths` over the main window and drops them there.
  bool Drop(const QStringList& paths, QWidget* target = nullptr) {
    if (target == nullptr) target = MainWindow()->Widget();
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
  }

  // Clicks the count button and waits for the run to end.
  void Count() {
    auto* button = Main<QPushButton>("cmdListWords");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(WaitFor(
        [button] {
          return ShownCaption(button->text()) == "Count word frequencies" && button->isEnabled();
        },
        60000));
  }

  void CountFile(const QString& path) {
    ASSERT_TRUE(Drop({path}));
    ASSERT_EQ(Main<QLineEdit>("txbFile(0)")->text(), path);
    ASSERT_NO_FATAL_FAILURE(Count());
  }

  QTemporaryDir files_;
  std::unique_ptr<QtDesktop> desktop_;
  std::unique_ptr<DesktopProgram> program_;
};

// A text of `distinct` different words, the n-th found n % 7 + 1 times.
std::string ManyWords(int distinct) {
  std::string text;
  for (int n = 0; n < distinct; ++n) {
    std::string word = "wa";
    for (int rest = n; rest > 0; rest /= 26) word += static_cast<char>('a' + rest % 26);
    for (int i = 0; i <= n % 7; ++i) text += word + (i % 8 == 7 ? "\n" : " ");
    text += '\n';
  }
  return text;
}

TEST_F(DesktopExtrasTest, TheTextboxGrowsWithTheWindowAndTheRestFollowsTheEdges) {
  QWidget* window = MainWindow()->Widget();
  QWidget* client = MainWindow()->ClientArea();
  const QSize smallest = client->minimumSize();
  EXPECT_GT(smallest.width(), 0);
  QWidget* output = Pages();
  ASSERT_NE(output, nullptr);
  window->resize(window->minimumSizeHint());
  ASSERT_TRUE(WaitFor([&] { return client->size() == smallest; }));
  const QRect outputBefore = output->geometry();
  const int quitToRight = client->width() - Main<QWidget>("cmdQuit")->geometry().left();
  const int totalToBottom = client->height() - Main<QWidget>("lblTotalNumOccurrences")->y();
  const QPoint fileBox = Main<QWidget>("txbFile(0)")->pos();

  window->resize(window->width() + 300, window->height() + 200);
  ASSERT_TRUE(WaitFor([&] { return client->width() == smallest.width() + 300; }));
  EXPECT_EQ(output->width(), outputBefore.width() + 300);
  EXPECT_EQ(output->height(), outputBefore.height() + 200);
  EXPECT_EQ(client->width() - Main<QWidget>("cmdQuit")->geometry().left(), quitToRight);
  EXPECT_EQ(client->height() - Main<QWidget>("lblTotalNumOccurrences")->y(), totalToBottom);
  EXPECT_EQ(Main<QWidget>("txbFile(0)")->pos(), fileBox);
  // The logic learns where the controls are now.
  const Control* model = MainWindow()->Model().Find("txbOutput");
  EXPECT_EQ(model->Place().height, output->height());
  // And the window cannot be made smaller than its layout.
  window->resize(100, 100);
  ASSERT_TRUE(WaitFor([&] { return client->size() == smallest; }));
}

// The keyboard walks the controls in the layout's order, in every window;
// the output textbox passes Tab on instead of typing it.
TEST_F(DesktopExtrasTest, TabOrderFollowsTheLayoutAndLeavesTheTextbox) {
  QTest::mouseClick(Main<QPushButton>("cmdSetParameters"), Qt::LeftButton);
  QTest::mouseClick(Main<QPushButton>("cmdHelp"), Qt::LeftButton);
  for (const char* name : {"frmMain", "frmParams", "frmHelp"}) {
    const QtWindow* window = desktop_->FindWindow(name);
    ASSERT_NE(window, nullptr) << name;
    const WindowLayout* layout = FindWindowLayout(name);
    std::vector<QWidget*> expected;
    for (const LayoutEntry& entry : layout->entries) {
      QWidget* widget = window->WidgetOf(entry.name);
      if (widget != nullptr && (widget->focusPolicy() & Qt::TabFocus) != 0)
        expected.push_back(widget);
    }
    ASSERT_GE(expected.size(), 2U) << name;
    std::vector<QWidget*> chain;
    QWidget* widget = expected.front();
    do {
      if (std::find(expected.begin(), expected.end(), widget) != expected.end())
        chain.push_back(widget);
      widget = widget->nextInFocusChain();
    } while (widget != expected.front() && chain.size() <= expected.size());
    EXPECT_EQ(chain, expected) << name;
  }
  auto* output = Main<QPlainTextEdit>("txbOutput");
  output->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(WaitFor([output] { return output->hasFocus(); }));
  const QString before = output->toPlainText();
  QTest::keyClick(output, Qt::Key_Tab);
  EXPECT_FALSE(output->hasFocus());
  EXPECT_EQ(output->toPlainText(), before);
  output->setFocus(Qt::TabFocusReason);
  QTest::keyClick(output, Qt::Key_Backtab);
  EXPECT_TRUE(Main<QWidget>("cboDisplayFormat")->hasFocus());
}

TEST_F(DesktopExtrasTest, EscapeClosesTheParametersAndHelpWindows) {
  for (const char* button : {"cmdSetParameters", "cmdHelp"}) {
    QTest::mouseClick(Main<QPushButton>(button), Qt::LeftButton);
    const char* form = std::string(button) == "cmdHelp" ? "frmHelp" : "frmParams";
    QtWindow* window = desktop_->FindWindow(form);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(test::ShowAndActivate(window->Widget()));
    QTest::keyClick(window->Widget()->focusWidget() != nullptr ? window->Widget()->focusWidget()
                                                               : window->Widget(),
                    Qt::Key_Escape);
    EXPECT_TRUE(WaitFor([window] { return !window->Widget()->isVisible(); })) << form;
    EXPECT_FALSE(window->Model().Visible()) << form;
  }
  // The main window stays: Escape is no way to quit.
  QTest::keyClick(MainWindow()->Widget(), Qt::Key_Escape);
  EXPECT_TRUE(MainWindow()->Widget()->isVisible());
}

TEST_F(DesktopExtrasTest, AcceleratorsNeverClashWithinAWindow) {
  QTest::mouseClick(Main<QPushButton>("cmdSetParameters"), Qt::LeftButton);
  QTest::mouseClick(Main<QPushButton>("cmdHelp"), Qt::LeftButton);
  for (const char* name : {"frmMain", "frmParams", "frmHelp"}) {
    QWidget* window = desktop_->FindWindow(name)->Widget();
    std::map<QString, QString> owners;
    int buttons = 0;
    auto claim = [&](const QString& text) {
      const QKeySequence key = QKeySequence::mnemonic(text);
      if (key.isEmpty()) return;
      const QString letter = key.toString().toLower();
      EXPECT_EQ(owners.count(letter), 0U)
          << name << ": " << text.toStdString() << " and " << owners[letter].toStdString();
      owners[letter] = text;
    };
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
      if (button->text().isEmpty()) continue;  // tab and clear buttons
      ++buttons;
      claim(button->text());
    }
    if (auto* bar = window->findChild<QMenuBar*>()) {
      for (QAction* menu : bar->actions()) claim(menu->text());
    }
    // Every button and check box has one (and the main window's menus).
    EXPECT_EQ(static_cast<int>(owners.size()), buttons + (std::string(name) == "frmMain" ? 4 : 0))
        << name;
  }
  // Alt+letter clicks: Alt+M opens the parameters window.
  desktop_->FindWindow("frmParams")->Model().Hide();
  QTest::keyClick(MainWindow()->Widget(), Qt::Key_M, Qt::AltModifier);
  EXPECT_TRUE(WaitFor([this] { return desktop_->FindWindow("frmParams")->Model().Visible(); }));
}

// The parameters window's keys: "Unicode letters" answers Alt+U, a box
// keyed by the character it allows answers Alt and that character, Tab
// goes on from the Unicode box to the right column, Escape closes.
TEST_F(DesktopExtrasTest, TheParametersWindowAnswersItsKeys) {
  QTest::mouseClick(Main<QPushButton>("cmdSetParameters"), Qt::LeftButton);
  QtWindow* params = desktop_->FindWindow("frmParams");
  ASSERT_TRUE(test::ShowAndActivate(params->Widget()));
  auto* unicode = qobject_cast<QAbstractButton*>(params->WidgetOf("chkUnicodeLetters"));
  ASSERT_NE(unicode, nullptr);
  EXPECT_EQ(unicode->text(), "&Unicode letters (all scripts)");
  auto* hyphens = qobject_cast<QAbstractButton*>(params->WidgetOf("chkAllowWordsWithHyphens"));
  const struct {
    QAbstractButton* box;
    Qt::Key key;
  } rows[] = {{hyphens, Qt::Key_Minus}, {unicode, Qt::Key_U}};
  for (const auto& row : rows) {
    const bool before = row.box->isChecked();
    QTest::keyClick(params->Widget(), row.key, Qt::AltModifier);
    EXPECT_TRUE(WaitFor([&] { return row.box->isChecked() != before; }))
        << row.box->text().toStdString();
    EXPECT_TRUE(row.box->hasFocus()) << row.box->text().toStdString();
  }
  QWidget* next = params->WidgetOf("chkIgnoreCommonWords");
  QTest::keyClick(unicode, Qt::Key_Tab);
  EXPECT_TRUE(WaitFor([next] { return next->hasFocus(); }));
  QTest::keyClick(next, Qt::Key_Backtab);
  EXPECT_TRUE(WaitFor([unicode] { return unicode->hasFocus(); }));
  QTest::keyClick(unicode, Qt::Key_Escape);
  EXPECT_TRUE(WaitFor([params] { return !params->Widget()->isVisible(); }));
}

TEST_F(DesktopExtrasTest, OneDroppedFileBecomesTheInputFileAndIsRemembered) {
  const QString path = Write("dropped.txt", "alpha beta beta\n");
  // Dropped on the output textbox: still the input file.
  ASSERT_TRUE(Drop({path}, Main<QPlainTextEdit>("txbOutput")->viewport()));
  EXPECT_EQ(Main<QLineEdit>("txbFile(0)")->text(), path);
  EXPECT_THAT(Main<QLabel>("lblFilesize")->text().toStdString(), HasSubstr("16 bytes"));
  EXPECT_TRUE(Main<QPlainTextEdit>("txbOutput")->toPlainText().isEmpty());

  ASSERT_NO_FATAL_FAILURE(Count());
  EXPECT_THAT(Main<QPlainTextEdit>("txbOutput")->toPlainText().toStdString(), HasSubstr("beta"));
  // The recent files, newest first, in the File menu and across runs.
  const QString other = Write("other.txt", "gamma\n");
  ASSERT_NO_FATAL_FAILURE(CountFile(other));
  StopProgram();
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  auto* recent = Child<QMenu>("recentMenu");
  ASSERT_NE(recent, nullptr);
  emit recent->aboutToShow();
  QStringList titles;
  for (QAction* action : recent->actions()) titles << action->text();
  ASSERT_GE(titles.size(), 2);
  EXPECT_TRUE(titles[0].endsWith(other)) << titles[0].toStdString();
  EXPECT_TRUE(titles[1].endsWith(path)) << titles[1].toStdString();
  recent->actions()[1]->trigger();
  EXPECT_EQ(Main<QLineEdit>("txbFile(0)")->text(), path);
  // Kept apart from the settings file, whose format does not change.
  EXPECT_TRUE(QFile::exists(QString::fromStdString(ConfigFolder()) + "/zet/zet-desktop.ini"));
}

TEST_F(DesktopExtrasTest, TwoDroppedFilesAreCountedAsOneCorpus) {
  const QString a = Write("a.txt", "alpha beta\n");
  const QString b = Write("b.txt", "beta gamma gamma\n");
  ASSERT_TRUE(Drop({a, b}));
  ASSERT_TRUE(WaitFor([this] { return Table()->View()->model()->rowCount() == 3; }));
  EXPECT_THAT(Main<QLabel>("lblFilesize")->text().toStdString(), HasSubstr("Corpus:   2 files"));
  EXPECT_TRUE(Main<QLineEdit>("txbFile(0)")->text().isEmpty());
  const QString listing = Main<QPlainTextEdit>("txbOutput")->toPlainText();
  for (const char* word : {"alpha", "beta", "gamma"}) EXPECT_TRUE(listing.contains(word)) << word;
  // beta is found in both files: twice in the corpus.
  QAbstractItemModel* model = Table()->View()->model();
  EXPECT_EQ(model->index(0, 1).data().toString(), "beta");
  EXPECT_EQ(model->index(0, 2).data().toString(), "2");
}

TEST_F(DesktopExtrasTest, WindowPlacesAreRememberedOutsideTheSettingsFile) {
  QWidget* window = MainWindow()->Widget();
  window->resize(window->width() + 120, window->height() + 80);
  ASSERT_TRUE(WaitFor([&] { return MainWindow()->Model().Place().width == window->width(); }));
  const QSize size = window->size();
  program_->BeforeWindowsClose();
  StopProgram();
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  EXPECT_EQ(MainWindow()->Widget()->size(), size);
}

TEST_F(DesktopExtrasTest, TableSortsAndFiltersAHundredThousandWords) {
  // A large file: the program suggests an output file first; no thanks.
  test::WhenModalOpens([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
  });
  ASSERT_NO_FATAL_FAILURE(CountFile(Write("many.txt", ManyWords(100000))));
  QtResultsTable* table = Table();
  ASSERT_NE(table, nullptr);
  QAbstractItemModel* model = table->View()->model();
  // Every listed word is a row (the default filters leave a few out).
  const int rows = model->rowCount();
  ASSERT_GT(rows, 99000);
  EXPECT_THAT(Main<QLabel>("lblNumberOfWords")->text().toStdString(),
              HasSubstr(QLocale(QLocale::English).toString(rows).toStdString()));
  auto cell = [model](int row, int column) { return model->index(row, column).data().toString(); };
  EXPECT_EQ(cell(0, 0), "1");
  const QString highest = cell(0, 2);
  Pages()->setCurrentIndex(1);
  // A click on a header sorts by it; again, the other way.
  QHeaderView* header = table->View()->horizontalHeader();
  table->View()->sortByColumn(1, Qt::AscendingOrder);
  EXPECT_EQ(cell(0, 1), "wa");
  EXPECT_EQ(header->sortIndicatorSection(), 1);
  table->View()->sortByColumn(2, Qt::AscendingOrder);
  EXPECT_EQ(cell(0, 2), "1");
  EXPECT_EQ(cell(rows - 1, 2), highest);
  // The filter keeps the sort.
  QTest::keyClicks(table->FilterBox(), "wazz");
  QTest::keyClick(table->FilterBox(), Qt::Key_Return);
  ASSERT_GT(model->rowCount(), 0);
  ASSERT_LT(model->rowCount(), 1000);
  for (int row = 0; row < model->rowCount(); ++row) {
    ASSERT_TRUE(cell(row, 1).contains("wazz")) << cell(row, 1).toStdString();
    if (row > 0) {
      ASSERT_LE(cell(row - 1, 2).toInt(), cell(row, 2).toInt());
    }
  }
  // The selected rows go to the clipboard as tab-separated values.
  table->View()->selectRow(0);
  table->CopySelection();
  const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], "Rank\tWord\tFrequency\tPercentage");
  EXPECT_EQ(lines[1].split('\t').value(1), cell(0, 1));
  // A new count lets go of the old rows before the table changes.
  QTest::mouseClick(Main<QPushButton>("cmdClearOutput"), Qt::LeftButton);
  EXPECT_EQ(model->rowCount(), 0);
}

TEST_F(DesktopExtrasTest, ProfileOfAKnownTextAndItsPlotSaved) {
  ASSERT_NO_FATAL_FAILURE(
      CountFile(Write("known.txt", "the cat and the dog and the bird saw the cat\n")));
  QtProfileView* profile = Profile();
  ASSERT_NE(profile, nullptr);
  const std::string figures = profile->FiguresText().toStdString();
  EXPECT_THAT(figures, HasSubstr("Types (different words): 6"));
  EXPECT_THAT(figures, HasSubstr("Tokens (occurrences): 11"));
  EXPECT_THAT(figures, HasSubstr("Type/token ratio: 0.5455"));
  EXPECT_THAT(figures, HasSubstr("Words found once: 3"));   // dog bird saw
  EXPECT_THAT(figures, HasSubstr("Words found twice: 2"));  // cat and
  if (!QtProfileView::HasPlot()) GTEST_SKIP() << "built without Qt Charts";
  Pages()->setCurrentIndex(2);
  const QString png = files_.filePath("plot.png");
  ASSERT_TRUE(profile->SavePng(png));
  EXPECT_GT(QFileInfo(png).size(), 1000);
  if (QtProfileView::HasSvg()) {
    const QString svg = files_.filePath("plot.svg");
    ASSERT_TRUE(profile->SaveSvg(svg));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<svg"));
  }
}

TEST_F(DesktopExtrasTest, CtrlOChoosesTheInputFileAndCtrlQQuits) {
  QString title;
  test::WhenModalOpens([&title](QWidget* modal) {
    title = modal->windowTitle();
    modal->close();
  });
  QTest::keyClick(MainWindow()->Widget(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_TRUE(WaitFor([&title] { return !title.isEmpty(); }));
  EXPECT_EQ(title, "Specify input file");
  ASSERT_TRUE(test::ShowAndActivate(MainWindow()->Widget()));
  QTest::keyClick(MainWindow()->Widget(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(desktop_->QuitRequested());
  // The exit stays pending and would end the next test's modal loops: an
  // application loop run to its end clears it.
  QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
  (void)QCoreApplication::exec();
}

// The cells of a CSV text (RFC 4180: quoted fields may hold commas, quotes
// doubled and line breaks).
std::vector<QStringList> ParseCsv(const QString& text) {
  std::vector<QStringList> rows(1);
  QString field;
  bool quoted = false;
  for (int k = 0; k < text.size(); ++k) {
    const QChar c = text[k];
    if (quoted) {
      if (c == '"' && k + 1 < text.size() && text[k + 1] == '"') {
        field += '"';
        ++k;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back() << field;
      field.clear();
    } else if (c == '\n') {
      rows.back() << field;
      field.clear();
      rows.emplace_back();
    } else {
      field += c;
    }
  }
  if (rows.back().isEmpty()) rows.pop_back();
  return rows;
}

TEST_F(DesktopExtrasTest, EachExportReadsBackAsTheTable) {
  ASSERT_NO_FATAL_FAILURE(CountFile(Write("fruit.txt", "apple, pear \"apple\" fig apple pear\n")));
  QAbstractItemModel* model = Table()->View()->model();
  ASSERT_EQ(model->rowCount(), 3);
  auto exportAs = [this](const char* action, const QString& path) {
    test::WhenModalOpens([path](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      dialog->selectFile(path);
      static_cast<QDialog*>(dialog)->accept();
    });
    QAction* export_ = Child<QAction>(action);
    ASSERT_NE(export_, nullptr) << action;
    export_->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  };
  auto read = [](const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
  };
  const QString tsv = files_.filePath("words.tsv");
  const QString csv = files_.filePath("words.csv");
  const QString json = files_.filePath("words.json");
  ASSERT_NO_FATAL_FAILURE(exportAs("actionExportTsv", tsv));
  ASSERT_NO_FATAL_FAILURE(exportAs("actionExportCsv", csv));
  ASSERT_NO_FATAL_FAILURE(exportAs("actionExportJson", json));
  const QStringList tsvLines = read(tsv).split('\n', Qt::SkipEmptyParts);
  const std::vector<QStringList> csvRows = ParseCsv(read(csv));
  const QJsonDocument document = QJsonDocument::fromJson(read(json).toUtf8());
  const QJsonArray words = document.object().value("words").toArray();
  ASSERT_EQ(tsvLines.size(), 4);
  ASSERT_EQ(csvRows.size(), 4U);
  ASSERT_EQ(words.size(), 3);
  EXPECT_EQ(csvRows[0], (QStringList{"rank", "word", "frequency", "percentage"}));
  EXPECT_EQ(document.object().value("totals").toObject().value("listed").toInt(), 3);
  for (int row = 0; row < 3; ++row) {
    const QString rank = model->index(row, 0).data().toString();
    const QString word = model->index(row, 1).data().toString();
    const QString frequency = model->index(row, 2).data().toString();
    const QStringList fromTsv = tsvLines[row + 1].split('\t');
    EXPECT_EQ(fromTsv.mid(0, 3), (QStringList{rank, word, frequency}));
    EXPECT_EQ(csvRows[static_cast<std::size_t>(row) + 1].mid(0, 3),
              (QStringList{rank, word, frequency}));
    const QJsonObject entry = words[row].toObject();
    EXPECT_EQ(entry.value("word").toString(), word);
    EXPECT_EQ(QString::number(entry.value("frequency").toInt()), frequency);
    EXPECT_EQ(QString::number(entry.value("rank").toInt()), rank);
  }
}

TEST_F(DesktopExtrasTest, ExplainSaysWhyAWordIsMissingAndLeftOutWordsShowTheirReason) {
  ASSERT_NO_FATAL_FAILURE(CountFile(Write("ledger.txt", "the cat sat xiv cats mm\n")));
  Pages()->setCurrentIndex(1);
  QtResultsTable* table = Table();
  struct Row {
    const char* typed;
    const char* answer;
  };
  for (const Row& row :
       {Row{"Cats", "\"Cats\": found 2 times under the entry \"cat\", listed at rank 1"},
        Row{"xiv",
            "\"xiv\": found 1 time under the entry \"xiv\", left out: "
            "Roman numeral under 40"},
        Row{"dog", "\"dog\": not found (looked up as \"dog\")"}}) {
    table->FilterBox()->setText(QString::fromUtf8(row.typed));
    QTest::mouseClick(table->ExplainButton(), Qt::LeftButton);
    EXPECT_EQ(table->Answer()->text().toStdString(), row.answer);
    EXPECT_TRUE(table->Answer()->isVisible());
  }
  // Ctrl+Return in the filter box explains too.
  table->FilterBox()->setText(QStringLiteral("sat"));
  table->FilterBox()->setFocus();
  QTest::keyClick(table->FilterBox(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_THAT(table->Answer()->text().toStdString(), HasSubstr("listed at rank"));
  // The left-out words, with their reasons, instead of the listed ones.
  table->FilterBox()->clear();
  QTest::mouseClick(table->LeftOutBox(), Qt::LeftButton);
  QAbstractItemModel* model = table->View()->model();
  ASSERT_EQ(model->rowCount(), 2);
  EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "Left out because");
  std::map<QString, QString> reasons;
  for (int row = 0; row < 2; ++row)
    reasons[model->index(row, 0).data().toString()] = model->index(row, 2).data().toString();
  EXPECT_EQ(reasons["mm"], "repetition of one letter");
  EXPECT_EQ(reasons["xiv"], "Roman numeral under 40");
  QTest::mouseClick(table->LeftOutBox(), Qt::LeftButton);
  EXPECT_EQ(model->rowCount(), 3);  // the, cat, sat
}

}  // namespace
}  // namespace zet

namespace zet {
namespace {

// Leaves main-listing.png, table.png and profile.png in the output folder,
// for the manual: the sample text counted, shown three ways.
TEST_F(DesktopExtrasTest, ScreenshotsOfTheResults) {
  const QString sample = files_.filePath("sample.txt");
  ASSERT_TRUE(QFile::copy(QStringLiteral(ZET_SOURCE_DIR "/data/sample.txt"), sample));
  ASSERT_NO_FATAL_FAILURE(CountFile(sample));
  QWidget* window = MainWindow()->Widget();
  window->resize(window->width() + 160, window->height() + 200);
  ASSERT_TRUE(WaitFor([&] { return Pages()->height() > 250; }));
  const std::string folder = test::OutputFolder() + "/";
  struct Shot {
    int page;
    const char* file;
  };
  for (const Shot& shot :
       {Shot{0, "main-listing.png"}, Shot{1, "table.png"}, Shot{2, "profile.png"}}) {
    Pages()->setCurrentIndex(shot.page);
    if (shot.page == 1) Table()->View()->selectRow(2);
    QTest::qWait(50);  // the chart lays itself out
    EXPECT_TRUE(window->grab().save(QString::fromStdString(folder + shot.file), "PNG"))
        << shot.file;
  }
}

}  // namespace
}  // namespace zet
