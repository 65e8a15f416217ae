#include "platform/qt/LayoutFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>
#include <cmath>

#include "platform/qt/QtText.h"

namespace zet {

namespace {

constexpr double kMaxScale = 2.0;
constexpr double kStep = 0.05;

// Room besides the text that a widget needs: frame, padding, indicator.
QSize Extra(const QWidget& widget) {
  const QStyle* style = widget.style();
  if (qobject_cast<const QPushButton*>(&widget) != nullptr) return {16, 6};
  if (qobject_cast<const QComboBox*>(&widget) != nullptr) return {40, 6};
  if (qobject_cast<const QCheckBox*>(&widget) != nullptr) {
    return {style->pixelMetric(QStyle::PM_IndicatorWidth) +
                style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 6,
            0};
  }
  if (qobject_cast<const QRadioButton*>(&widget) != nullptr) {
    return {style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + 6,
            0};
  }
  return {4, 0};
}

// The text the widget must fit, or empty when it has none to measure.
QString TextToFit(const QWidget& widget, const LayoutEntry& entry) {
  if (!entry.widestText.empty()) return ToQString(entry.widestText);
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    return button->text().replace(QLatin1String("&&"), QLatin1String("&"));
  }
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    return label->wordWrap() ? QString() : label->text();
  }
  return {};
}

double EntryScale(const QWidget& widget, const LayoutEntry& entry, double dotsPerInch) {
  const QString text = TextToFit(widget, entry);
  if (text.isEmpty()) return 1.0;
  const QFontMetrics metrics(widget.font());
  const QSize extra = Extra(widget);
  const double width = TwipsToPixels(entry.width, dotsPerInch);
  const double height = TwipsToPixels(entry.height, dotsPerInch);
  if (width <= 0 || height <= 0) return 1.0;
  const double needWidth = metrics.horizontalAdvance(text) + extra.width();
  const double needHeight = metrics.height() + extra.height();
  return std::max(needWidth / width, needHeight / height);
}

}  // namespace

double FitScale(const WindowLayout& layout,
                const std::function<QWidget*(std::string_view)>& widgetOf, double dotsPerInch) {
  double scale = 1.0;
  for (const LayoutEntry& entry : layout.entries) {
    if (const QWidget* widget = widgetOf(entry.name)) {
      scale = std::max(scale, EntryScale(*widget, entry, dotsPerInch));
    }
  }
  return std::min(kMaxScale, std::ceil(scale / kStep - 1e-9) * kStep);
}

}  // namespace zet
