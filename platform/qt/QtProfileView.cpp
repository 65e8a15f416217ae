#include "platform/qt/QtProfileView.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#ifdef ZET_HAVE_QT_CHARTS
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#endif
#ifdef ZET_HAVE_QT_SVG
#include <QSvgGenerator>
#endif

#include <algorithm>

namespace zet {

namespace {

QString Number(std::int64_t value) { return QLocale().toString(static_cast<qlonglong>(value)); }

#ifdef ZET_HAVE_QT_CHARTS
QChartView* MakePlot(QWidget* parent) {
  auto* chart = new QChart;
  chart->setTitle(QStringLiteral("Rank against frequency (log10 scales)"));
  chart->legend()->setAlignment(Qt::AlignBottom);
  auto* view = new QChartView(chart, parent);
  view->setObjectName(QStringLiteral("zipfPlot"));
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumHeight(160);
  return view;
}

void DrawCurve(QChartView& view, const ProfileFigures& figures) {
  QChart* chart = view.chart();
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
  if (figures.curve.empty()) return;
  auto* words = new QScatterSeries;
  words->setName(QStringLiteral("words"));
  words->setMarkerSize(4.0);
  words->setBorderColor(Qt::transparent);
  QList<QPointF> points;
  points.reserve(static_cast<qsizetype>(figures.curve.size()));
  double maxX = 0;
  double maxY = 0;
  for (const ZipfPoint& point : figures.curve) {
    points.append({point.logRank, point.logFrequency});
    maxX = std::max(maxX, point.logRank);
    maxY = std::max(maxY, point.logFrequency);
  }
  words->replace(points);
  auto* fit = new QLineSeries;
  fit->setName(QStringLiteral("least-squares line, slope %1").arg(figures.slope, 0, 'f', 3));
  fit->append(0.0, figures.intercept);
  fit->append(maxX, figures.intercept + figures.slope * maxX);
  chart->addSeries(words);
  chart->addSeries(fit);
  auto* x = new QValueAxis;
  x->setTitleText(QStringLiteral("log10 rank"));
  x->setRange(0.0, std::max(1.0, maxX * 1.02));
  auto* y = new QValueAxis;
  y->setTitleText(QStringLiteral("log10 frequency"));
  y->setRange(std::min(0.0, figures.intercept + figures.slope * maxX), std::max(1.0, maxY * 1.05));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (QAbstractSeries* series :
       {static_cast<QAbstractSeries*>(words), static_cast<QAbstractSeries*>(fit)}) {
    series->attachAxis(x);
    series->attachAxis(y);
  }
}
#endif

}  // namespace

bool QtProfileView::HasPlot() noexcept {
#ifdef ZET_HAVE_QT_CHARTS
  return true;
#else
  return false;
#endif
}

bool QtProfileView::HasSvg() noexcept {
#if defined(ZET_HAVE_QT_CHARTS) && defined(ZET_HAVE_QT_SVG)
  return true;
#else
  return false;
#endif
}

QtProfileView::QtProfileView(QWidget* parent)
    : QWidget(parent),
      figures_(new QLabel(this)),
      savePng_(new QPushButton(QStringLiteral("Save plot as P&NG…"), this)),
      saveSvg_(new QPushButton(QStringLiteral("Save plot as SV&G…"), this)) {
  setObjectName(QStringLiteral("profileView"));
  figures_->setObjectName(QStringLiteral("profileFigures"));
  figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  figures_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  savePng_->setObjectName(QStringLiteral("savePlotPng"));
  saveSvg_->setObjectName(QStringLiteral("savePlotSvg"));
  connect(savePng_, &QPushButton::clicked, this, [this] { AskAndSave(false); });
  connect(saveSvg_, &QPushButton::clicked, this, [this] { AskAndSave(true); });

  auto* side = new QVBoxLayout;
  side->addWidget(figures_, 1);
  side->addWidget(savePng_);
  side->addWidget(saveSvg_);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(side);
#ifdef ZET_HAVE_QT_CHARTS
  plot_ = MakePlot(this);
  layout->addWidget(plot_, 1);
#else
  auto* none =
      new QLabel(QStringLiteral("(This build has no Qt Charts: the plot is not drawn.)"), this);
  none->setWordWrap(true);
  layout->addWidget(none, 1);
#endif
  saveSvg_->setVisible(HasSvg());
  Show({});
}

void QtProfileView::Show(const ProfileFigures& figures) {
  hasCurve_ = !figures.curve.empty();
  if (figures.types == 0) {
    figures_->setText(QStringLiteral("Count the words of a text\nto see its profile."));
  } else {
    figures_->setText(QStringLiteral("Types (different words): %1\n"
                                     "Tokens (occurrences): %2\n"
                                     "Type/token ratio: %3\n"
                                     "Words found once: %4\n"
                                     "Words found twice: %5\n"
                                     "Zipf slope: %6")
                          .arg(Number(figures.types), Number(figures.tokens),
                               QString::number(figures.typeTokenRatio, 'f', 4),
                               Number(figures.onceOnly), Number(figures.twice),
                               QString::number(figures.slope, 'f', 3)));
  }
#ifdef ZET_HAVE_QT_CHARTS
  DrawCurve(*static_cast<QChartView*>(plot_), figures);
#endif
  savePng_->setEnabled(HasPlot() && hasCurve_);
  saveSvg_->setEnabled(HasSvg() && hasCurve_);
}

QString QtProfileView::FiguresText() const { return figures_->text(); }

bool QtProfileView::SavePng(const QString& path) const {
  if (plot_ == nullptr || !hasCurve_) return false;
  return plot_->grab().save(path, "PNG");
}

bool QtProfileView::SaveSvg(const QString& path) const {
#if defined(ZET_HAVE_QT_CHARTS) && defined(ZET_HAVE_QT_SVG)
  if (plot_ == nullptr || !hasCurve_) return false;
  QSvgGenerator generator;
  generator.setFileName(path);
  generator.setSize(plot_->size());
  generator.setViewBox(plot_->rect());
  generator.setTitle(QStringLiteral("Rank against frequency"));
  QPainter painter;
  if (!painter.begin(&generator)) return false;
  static_cast<QChartView*>(plot_)->render(&painter);
  return painter.end();
#else
  (void)path;
  return false;
#endif
}

void QtProfileView::AskAndSave(bool svg) {
  const QString filter =
      svg ? QStringLiteral("SVG images (*.svg)") : QStringLiteral("PNG images (*.png)");
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save plot"), QString(), filter);
  if (path.isEmpty()) return;
  const QString suffix = svg ? QStringLiteral(".svg") : QStringLiteral(".png");
  if (!path.endsWith(suffix, Qt::CaseInsensitive)) path += suffix;
  const bool saved = svg ? SaveSvg(path) : SavePng(path);
  if (!saved) {
    QMessageBox::warning(this, QStringLiteral("Save plot"),
                         QStringLiteral("The plot could not be written to\n%1").arg(path));
  }
}

}  // namespace zet
