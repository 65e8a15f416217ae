#pragma once
// The vocabulary profile: its figures, and the rank-frequency plot on log
// scales with the fitted line (when Qt Charts is there), saved as PNG or
// SVG (when Qt SVG is there).

#include <QWidget>

#include "platform/ProfileFigures.h"

class QLabel;
class QPushButton;

namespace zet {

class QtProfileView final : public QWidget {
 public:
  explicit QtProfileView(QWidget* parent = nullptr);

  /// Shows `figures`; an empty profile clears the view.
  void Show(const ProfileFigures& figures);

  /// Whether this build draws the plot, and saves it as SVG.
  [[nodiscard]] static bool HasPlot() noexcept;
  [[nodiscard]] static bool HasSvg() noexcept;

  /// Saves the plot; false when there is none or the file cannot be
  /// written.
  bool SavePng(const QString& path) const;
  bool SaveSvg(const QString& path) const;

  /// The figures as shown, one "name: value" line each.
  [[nodiscard]] QString FiguresText() const;

 private:
  void AskAndSave(bool svg);

  QLabel* figures_;
  QWidget* plot_ = nullptr;  // the chart view, when there is one
  QPushButton* savePng_;
  QPushButton* saveSvg_;
  bool hasCurve_ = false;
};

}  // namespace zet
