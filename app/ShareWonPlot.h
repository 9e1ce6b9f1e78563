// The plot of the statistics window: the share of deals won in each stretch of the
// player's history, oldest on the left, drawn with the painter.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "DealStatistics.h"

namespace durak {

class TShareWonPlot : public QWidget {
  Q_OBJECT
 public:
  explicit TShareWonPlot(QWidget* parent = nullptr);
  // The stretches to draw; caption: the line above the plot; stretchLabel: "Deals %1–%2".
  void SetShares(const std::vector<TStretchShare>& shares, const QString& caption,
                 const QString& stretchLabel);
  QSize sizeHint() const override { return {360, 160}; }
  QSize minimumSizeHint() const override { return {200, 110}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<TStretchShare> shares_;
  QString caption_, stretchLabel_;
};

}  // namespace durak
