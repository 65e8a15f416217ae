#include "platform/qt/QtResultsTable.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace zet {

void QtRowsModel::SetRows(std::unique_ptr<TableRows> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

void QtRowsModel::Filter(const QString& text) {
  if (rows_ == nullptr) return;
  beginResetModel();
  rows_->Filter(text.toStdString());
  endResetModel();
}

int QtRowsModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || rows_ == nullptr) return 0;
  // A view counts rows in int; more than that many words cannot be listed.
  return static_cast<int>(std::min<std::size_t>(rows_->RowCount(), 0x7fffffff));
}

int QtRowsModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid() || rows_ == nullptr) return 0;
  return static_cast<int>(rows_->ColumnCount());
}

QVariant QtRowsModel::data(const QModelIndex& index, int role) const {
  if (rows_ == nullptr || !index.isValid()) return {};
  const auto column = static_cast<std::size_t>(index.column());
  if (role == Qt::DisplayRole) {
    return QString::fromStdString(rows_->Cell(static_cast<std::size_t>(index.row()), column));
  }
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(Qt::AlignVCenter |
                               (rows_->IsNumber(column) ? Qt::AlignRight : Qt::AlignLeft));
  }
  return {};
}

QVariant QtRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (rows_ == nullptr || role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  return QString::fromStdString(rows_->Header(static_cast<std::size_t>(section)));
}

void QtRowsModel::sort(int column, Qt::SortOrder order) {
  if (rows_ == nullptr || column < 0) return;
  emit layoutAboutToBeChanged();
  rows_->Sort(static_cast<std::size_t>(column), order == Qt::AscendingOrder);
  emit layoutChanged();
}

QtResultsTable::QtResultsTable(QWidget* parent)
    : QWidget(parent),
      filter_(new QLineEdit(this)),
      explainButton_(new QPushButton(QStringLiteral("Explain this word"), this)),
      leftOut_(new QCheckBox(QStringLiteral("Left-out words"), this)),
      count_(new QLabel(this)),
      answer_(new QLabel(this)),
      view_(new QTableView(this)),
      filterDelay_(new QTimer(this)) {
  setObjectName(QStringLiteral("resultsTable"));
  filter_->setObjectName(QStringLiteral("tableFilter"));
  filter_->setPlaceholderText(QStringLiteral("Filter: words containing…"));
  filter_->setClearButtonEnabled(true);
  view_->setObjectName(QStringLiteral("tableView"));
  view_->setModel(&model_);
  view_->setSortingEnabled(true);
  view_->sortByColumn(0, Qt::AscendingOrder);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setTabKeyNavigation(false);  // Tab leaves the table
  view_->verticalHeader()->hide();
  // Fixed row heights: the view never measures a million rows.
  view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 4);
  view_->horizontalHeader()->setStretchLastSection(true);
  auto* copy = new QAction(QStringLiteral("Copy rows"), view_);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  connect(copy, &QAction::triggered, this, [this] { CopySelection(); });
  view_->addAction(copy);

  filterDelay_->setSingleShot(true);
  filterDelay_->setInterval(150);  // one filter pass per pause in typing
  connect(filterDelay_, &QTimer::timeout, this, [this] { ApplyFilter(); });
  connect(filter_, &QLineEdit::textChanged, filterDelay_, qOverload<>(&QTimer::start));
  connect(filter_, &QLineEdit::returnPressed, this, [this] { ApplyFilter(); });

  explainButton_->setObjectName(QStringLiteral("explainWord"));
  explainButton_->setToolTip(
      QStringLiteral("Why is the word typed in the filter box listed or not?"));
  connect(explainButton_, &QPushButton::clicked, this, [this] { Explain(); });
  leftOut_->setObjectName(QStringLiteral("showLeftOut"));
  leftOut_->setToolTip(QStringLiteral("Show the words the filters left out, with the reason"));
  connect(leftOut_, &QCheckBox::toggled, this, [this] { Refill(); });
  answer_->setObjectName(QStringLiteral("explainAnswer"));
  answer_->setWordWrap(true);
  answer_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  answer_->setTextFormat(Qt::PlainText);
  answer_->hide();

  auto* top = new QHBoxLayout;
  top->addWidget(filter_, 1);
  top->addWidget(explainButton_);
  top->addWidget(leftOut_);
  top->addWidget(count_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addLayout(top);
  layout->addWidget(answer_);
  layout->addWidget(view_, 1);
  setFocusProxy(filter_);
  ShowCount();
}

void QtResultsTable::SetRows(std::unique_ptr<TableRows> rows) {
  filterDelay_->stop();
  if (rows != nullptr) {
    if (!filter_->text().isEmpty()) rows->Filter(filter_->text().toStdString());
    // The rows come in their first column's ascending order.
    const int column = view_->horizontalHeader()->sortIndicatorSection();
    const bool ascending = view_->horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder;
    if (column > 0 || !ascending) rows->Sort(static_cast<std::size_t>(column), ascending);
  }
  if (rows == nullptr) answer_->hide();  // it was about the list gone
  model_.SetRows(std::move(rows));
  ShowCount();
}

void QtResultsTable::Refill() { SetRows(makeRows ? makeRows(leftOut_->isChecked()) : nullptr); }

void QtResultsTable::Explain() {
  if (!explain) return;
  answer_->setText(QString::fromStdString(explain(filter_->text().trimmed().toStdString())));
  answer_->show();
}

void QtResultsTable::ApplyFilter() {
  filterDelay_->stop();
  model_.Filter(filter_->text());
  ShowCount();
}

void QtResultsTable::ShowCount() {
  const TableRows* rows = model_.Rows();
  count_->setText(rows == nullptr ? QString()
                                  : QStringLiteral("%1 rows").arg(QLocale().toString(
                                        static_cast<qlonglong>(rows->RowCount()))));
}

void QtResultsTable::CopySelection() const {
  const TableRows* rows = model_.Rows();
  if (rows == nullptr) return;
  std::vector<std::size_t> selected;
  for (const QItemSelectionRange& range : view_->selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row)
      selected.push_back(static_cast<std::size_t>(row));
  }
  std::sort(selected.begin(), selected.end());
  selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
  if (selected.empty()) return;
  QGuiApplication::clipboard()->setText(QString::fromStdString(rows->RowsAsTsv(selected)));
}

}  // namespace zet
