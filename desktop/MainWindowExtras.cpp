#include "desktop/MainWindowExtras.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>

#include "params/AppDataPath.h"
#include "platform/Platform.h"
#include "platform/qt/QtProfileView.h"
#include "platform/qt/QtResultsTable.h"
#include "platform/qt/QtWindow.h"
#include "windows/ListedWordsTable.h"
#include "windows/RecentFiles.h"
#include "windows/VocabularyProfile.h"
#include "windows/frmMain.h"

namespace zet {

namespace {

constexpr const char* kRecentFilesKey = "recentFiles";

// The local files a drag carries, as UTF-8 paths; empty when it carries
// anything else.
std::vector<std::string> DraggedFiles(const QMimeData* data) {
  std::vector<std::string> paths;
  if (data == nullptr || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) return {};
    paths.push_back(url.toLocalFile().toStdString());
  }
  return paths;
}

QString FolderOf(const std::string& path) {
  return QFileInfo(QString::fromStdString(path)).absolutePath();
}

}  // namespace

MainWindowExtras::MainWindowExtras(QtWindow& window, frmMain& main, Platform& platform,
                                   QtStateFile state)
    : window_(window),
      main_(main),
      platform_(platform),
      state_(std::move(state)),
      drops_(main),
      exports_(main, platform),
      ledger_(main) {
  MakePages();
  MakeMenus();
  window_.AssignAccelerators(kMenuLetters);
  if (table_ != nullptr) GiveFreeAccelerators({table_->ExplainButton(), table_->LeftOutBox()});
  AcceptDropsEverywhere();
  main_.onResultsChanging = [this] { ResultsChanging(); };
  main_.onListed = [this] { Listed(); };
  if (main_.blnWordsGot) Listed();
}

MainWindowExtras::~MainWindowExtras() {
  main_.onResultsChanging = nullptr;
  main_.onListed = nullptr;
}

void MainWindowExtras::MakePages() {
  QWidget* output = window_.WidgetOf("txbOutput");
  if (output == nullptr) return;
  QWidget* next = output->nextInFocusChain();
  pages_ = new QTabWidget(window_.ClientArea());
  pages_->setObjectName(QStringLiteral("outputPages"));
  pages_->setDocumentMode(true);
  pages_->tabBar()->setFocusPolicy(Qt::NoFocus);  // View menu, Ctrl+1 to Ctrl+3
  window_.SetStandIn("txbOutput", pages_);
  table_ = new QtResultsTable;
  profile_ = new QtProfileView;
  pages_->addTab(output, QStringLiteral("Text"));
  pages_->addTab(table_, QStringLiteral("Table"));
  pages_->addTab(profile_, QStringLiteral("Profile"));
  pages_->show();
  // The pages' controls come in the tab order where the textbox is.
  QWidget* previous = output;
  for (QWidget* widget :
       {static_cast<QWidget*>(table_->FilterBox()), static_cast<QWidget*>(table_->ExplainButton()),
        static_cast<QWidget*>(table_->LeftOutBox()), static_cast<QWidget*>(table_->View()),
        static_cast<QWidget*>(profile_->findChild<QPushButton*>(QStringLiteral("savePlotPng"))),
        static_cast<QWidget*>(profile_->findChild<QPushButton*>(QStringLiteral("savePlotSvg")))}) {
    if (widget == nullptr) continue;
    QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
  if (next != nullptr && next != output) QWidget::setTabOrder(previous, next);
  ConnectTable();
}

void MainWindowExtras::ConnectTable() {
  table_->makeRows = [this](bool leftOut) -> std::unique_ptr<TableRows> {
    if (!ledger_.Available()) return nullptr;
    if (leftOut) return ledger_.LeftOutRows();
    return std::make_unique<ListedWordsTable>(main_.Words(), main_.Results());
  };
  table_->explain = [this](const std::string& typed) { return ledger_.Explain(typed); };
  // Return in the filter box filters; Explain is its button, or Ctrl+Return.
  auto* explain = new QAction(table_->FilterBox());
  explain->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
  explain->setShortcutContext(Qt::WidgetShortcut);
  connect(explain, &QAction::triggered, table_, [this] { table_->Explain(); });
  table_->FilterBox()->addAction(explain);
}

// Letters for buttons the window logic does not know of: the first letter
// of each caption that no button or menu of the window has taken.
void MainWindowExtras::GiveFreeAccelerators(std::initializer_list<QAbstractButton*> buttons) {
  QString used;
  auto take = [&used](const QString& text) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    if (!key.isEmpty()) used += key.toString().toLower();
  };
  for (QAbstractButton* button : window_.Widget()->findChildren<QAbstractButton*>())
    take(button->text());
  used += QString::fromLatin1(kMenuLetters);
  for (QAbstractButton* button : buttons) {
    QString text = button->text();
    for (int k = 0; k < text.size(); ++k) {
      if (!text[k].isLetterOrNumber() || used.contains(text[k].toLower())) continue;
      used += text[k].toLower();
      text.insert(k, QLatin1Char('&'));
      button->setText(text);
      break;
    }
  }
}

void MainWindowExtras::MakeMenus() {
  auto* bar = new QMenuBar;
  bar->setObjectName(QStringLiteral("menuBar"));
  auto click = [](Button& button) { return [&button] { (void)button.UserClick(); }; };

  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  QAction* open = file->addAction(QStringLiteral("&Open input file…"), this, click(main_.cmdFile0));
  open->setShortcut(QKeySequence::Open);
  open->setObjectName(QStringLiteral("actionOpen"));
  recentMenu_ = file->addMenu(QStringLiteral("&Recent files"));
  recentMenu_->setObjectName(QStringLiteral("recentMenu"));
  file->addAction(QStringLiteral("Choose &output file…"), this, click(main_.cmdFile1));
  file->addSeparator();
  MakeExportActions(file);
  file->addSeparator();
  file->addAction(QStringLiteral("&Save state"), this, click(main_.cmdSaveState));
  file->addSeparator();
  QAction* quit =
      file->addAction(QStringLiteral("&Quit"), this, [this] { main_.form.UserClose(); });
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  quit->setObjectName(QStringLiteral("actionQuit"));

  QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
  edit->addAction(QStringLiteral("&Copy the textbox to the clipboard"), this,
                  click(main_.cmdCopyToClipboard));
  edit->addAction(QStringLiteral("Copy selected &rows as TSV"), this, [this] {
    if (table_ != nullptr) table_->CopySelection();
  });
  QAction* find = edit->addAction(QStringLiteral("&Filter the table"), this, [this] {
    ShowPage(kTablePage);
    table_->FilterBox()->setFocus(Qt::ShortcutFocusReason);
    table_->FilterBox()->selectAll();
  });
  find->setShortcut(QKeySequence::Find);
  edit->addAction(QStringLiteral("Clear the &textbox"), this, click(main_.cmdClearOutput));
  edit->addSeparator();
  edit->addAction(QStringLiteral("Set &parameters…"), this, click(main_.cmdSetParameters));

  QMenu* view = bar->addMenu(QStringLiteral("&View"));
  const std::array<std::pair<const char*, Page>, 3> pages = {
      {{"&Text", kTextPage}, {"T&able", kTablePage}, {"&Profile", kProfilePage}}};
  int number = 1;
  for (const auto& [title, page] : pages) {
    QAction* action =
        view->addAction(QString::fromUtf8(title), this, [this, page] { ShowPage(page); });
    action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + number++)));
  }

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  QAction* helpAction = help->addAction(QStringLiteral("&Help"), this, click(main_.cmdHelp));
  helpAction->setShortcut(QKeySequence(Qt::Key_F1));
  helpAction->setShortcutContext(Qt::WidgetShortcut);  // F1 itself is the logic's
  help->addAction(QStringLiteral("User &manual"), this,
                  [this] { (void)main_.lblOnlineDocumentation.UserClick(); });
  help->addAction(QStringLiteral("&About ZET…"), this, [this] { ShowAbout(); });

  connect(recentMenu_, &QMenu::aboutToShow, this, [this] { ShowRecentFiles(); });
  ShowRecentFiles();
  window_.SetMenuBar(bar);
}

void MainWindowExtras::MakeExportActions(QMenu* file) {
  struct Item {
    const char* title;
    const char* name;
    ExportFormat format;
  };
  for (const Item& item : {Item{"&Export as TSV…", "actionExportTsv", ExportFormat::Tsv},
                           Item{"Export as &CSV…", "actionExportCsv", ExportFormat::Csv},
                           Item{"Export as &JSON…", "actionExportJson", ExportFormat::Json}}) {
    const ExportFormat format = item.format;
    QAction* action = file->addAction(QString::fromUtf8(item.title), this,
                                      [this, format] { (void)exports_.Export(format); });
    action->setObjectName(QString::fromLatin1(item.name));
  }
}

void MainWindowExtras::ShowPage(Page page) {
  if (pages_ != nullptr) pages_->setCurrentIndex(page);
}

void MainWindowExtras::ShowRecentFiles() {
  recentMenu_->clear();
  const std::vector<std::string> recent = RecentFiles();
  int number = 1;
  for (const std::string& path : recent) {
    const QString name = QString::fromStdString(path);
    const QString title = number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(name)
                                      : QStringLiteral("1&0 %1").arg(name);
    ++number;
    recentMenu_->addAction(title, this, [this, path] { (void)drops_.OpenInputFile(path); });
  }
  if (recent.empty()) recentMenu_->addAction(QStringLiteral("(none yet)"))->setEnabled(false);
  recentMenu_->addSeparator();
  QAction* clear = recentMenu_->addAction(QStringLiteral("&Clear the list"), this,
                                          [this] { state_.SetList(kRecentFilesKey, {}); });
  clear->setEnabled(!recent.empty());
}

std::vector<std::string> MainWindowExtras::RecentFiles() const {
  return WithRecentFile(state_.List(kRecentFilesKey), {});
}

void MainWindowExtras::ResultsChanging() {
  exports_.ResultsChanging();
  ledger_.ResultsChanging();
  if (table_ != nullptr) table_->SetRows(nullptr);
  if (profile_ != nullptr) profile_->Show({});
}

void MainWindowExtras::Listed() {
  if (main_.optInFile.Value() && !main_.txbFile0.Text().empty())
    state_.SetList(kRecentFilesKey,
                   WithRecentFile(state_.List(kRecentFilesKey), main_.txbFile0.Text()));
  if (!ResultsMatchTable(main_.Words(), main_.Results())) return;
  exports_.Listed();
  ledger_.Listed();
  if (table_ != nullptr) table_->Refill();
  if (profile_ != nullptr) profile_->Show(ProfileOf(main_.Words(), main_.Results()));
}

void MainWindowExtras::ShowAbout() {
  const QString settingsFolder = FolderOf(main_.UserSettingsFile());
  const QString text =
      QStringLiteral(
          "<p><b>%1</b></p>"
          "<p>Counts how often each word occurs in a text.</p>"
          "<p>Licence: MIT.</p>"
          "<p>Settings are kept in<br><tt>%2</tt><br>"
          "(%3 for the parameters, %4 for the windows and recent files).</p>")
          .arg(QString::fromStdString(main_.form.Caption()).toHtmlEscaped(),
               settingsFolder.toHtmlEscaped(), QString::fromUtf8(kUserSettingsFileName),
               QFileInfo(QString::fromStdString(state_.Path())).fileName().toHtmlEscaped());
  QMessageBox::about(window_.Widget(), QStringLiteral("About ZET"), text);
}

void MainWindowExtras::AcceptDropsEverywhere() {
  QWidget* top = window_.Widget();
  top->setAcceptDrops(true);
  top->installEventFilter(this);
  // Text boxes take drops of their own: a file dropped on them is still the
  // input file.
  for (QWidget* child : top->findChildren<QWidget*>()) child->installEventFilter(this);
}

bool MainWindowExtras::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (DraggedFiles(drag->mimeData()).empty()) return false;
      if (drops_.Accepting()) {
        drag->acceptProposedAction();
      } else {
        drag->ignore();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const std::vector<std::string> paths = DraggedFiles(drop->mimeData());
      if (paths.empty()) return false;
      if (drops_.Drop(paths)) {
        drop->acceptProposedAction();
      } else {
        drop->ignore();
      }
      return true;
    }
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace zet
