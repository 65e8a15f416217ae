#pragma once
// The listed words as a table: a filter box over a table view of rows the
// model only reads on demand, sortable by any column, with the selected
// rows copied as tab-separated values. Beside the filter, Explain says what
// became of the word typed, and a check box shows the words left out
// instead of those listed.

#include <QAbstractTableModel>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "platform/TableRows.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;

namespace zet {

/// A Qt model over TableRows: nothing is copied, the view asks for the
/// cells on screen. Sorting and filtering happen in the rows.
class QtRowsModel final : public QAbstractTableModel {
 public:
  explicit QtRowsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  /// Shows `rows` (taken; nullptr shows none).
  void SetRows(std::unique_ptr<TableRows> rows);
  [[nodiscard]] TableRows* Rows() const noexcept { return rows_.get(); }
  void Filter(const QString& text);

  [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role) const override;
  void sort(int column, Qt::SortOrder order) override;

 private:
  std::unique_ptr<TableRows> rows_;
};

class QtResultsTable final : public QWidget {
 public:
  explicit QtResultsTable(QWidget* parent = nullptr);

  /// Shows `rows` (taken; nullptr empties the table). The filter and the
  /// sort column in force apply to them.
  void SetRows(std::unique_ptr<TableRows> rows);
  /// Copies the selected rows, headers first, as tab-separated values.
  void CopySelection() const;

  /// Makes the rows to show: the left-out words (`leftOut`) or the listed
  /// ones; null when there is no list.
  std::function<std::unique_ptr<TableRows>(bool leftOut)> makeRows;
  /// The answer for the word typed (UTF-8) into the filter box.
  std::function<std::string(const std::string& typed)> explain;
  /// Shows what makeRows makes for the check box's state now.
  void Refill();
  /// Shows explain's answer for the filter box's text.
  void Explain();

  [[nodiscard]] QtRowsModel& Model() noexcept { return model_; }
  [[nodiscard]] QTableView* View() const noexcept { return view_; }
  [[nodiscard]] QLineEdit* FilterBox() const noexcept { return filter_; }
  [[nodiscard]] QPushButton* ExplainButton() const noexcept { return explainButton_; }
  [[nodiscard]] QCheckBox* LeftOutBox() const noexcept { return leftOut_; }
  [[nodiscard]] QLabel* Answer() const noexcept { return answer_; }

 private:
  void ApplyFilter();
  void ShowCount();

  QtRowsModel model_;
  QLineEdit* filter_;
  QPushButton* explainButton_;
  QCheckBox* leftOut_;
  QLabel* count_;
  QLabel* answer_;
  QTableView* view_;
  QTimer* filterDelay_;
};

}  // namespace zet
