#pragma once
// What the desktop program adds around the main window's own controls: a
// menu bar, the results as a table and as a vocabulary profile beside the
// textbox, files dropped on the window, the recent input files, and the
// list's exports.

#include <QObject>

#include <memory>
#include <string>
#include <vector>

#include "platform/qt/QtStateFile.h"
#include "results/Export.h"
#include "windows/ListedLedger.h"
#include "windows/MainDrops.h"
#include "windows/MainExports.h"

class QAbstractButton;
class QAction;
class QMenu;
class QTabWidget;

namespace zet {

class frmMain;
class QtProfileView;
class QtResultsTable;
class QtWindow;
struct Platform;

/// Built on the main window's QtWindow once its logic exists; lives as long
/// as that window.
class MainWindowExtras final : public QObject {
 public:
  MainWindowExtras(QtWindow& window, frmMain& main, Platform& platform, QtStateFile state);
  ~MainWindowExtras() override;

  /// The recent input files, newest first.
  [[nodiscard]] std::vector<std::string> RecentFiles() const;
  [[nodiscard]] MainDrops& Drops() noexcept { return drops_; }
  [[nodiscard]] MainExports& Exports() noexcept { return exports_; }

  /// The letters the menu bar's titles take (File, Edit, View, Help).
  static constexpr const char* kMenuLetters = "fevh";
  /// The tab pages beside the textbox.
  enum Page { kTextPage, kTablePage, kProfilePage };
  void ShowPage(Page page);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void MakeMenus();
  void MakeExportActions(QMenu* file);
  void MakePages();
  void ConnectTable();
  void GiveFreeAccelerators(std::initializer_list<QAbstractButton*> buttons);
  void AcceptDropsEverywhere();
  void ShowRecentFiles();
  void ResultsChanging();
  void Listed();
  void ShowAbout();

  QtWindow& window_;
  frmMain& main_;
  Platform& platform_;
  QtStateFile state_;
  MainDrops drops_;
  MainExports exports_;
  ListedLedger ledger_;
  QTabWidget* pages_ = nullptr;
  QtResultsTable* table_ = nullptr;
  QtProfileView* profile_ = nullptr;
  QMenu* recentMenu_ = nullptr;
};

}  // namespace zet
