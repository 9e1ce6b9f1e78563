// The statistics window: one player's deals from the history, as a table (all deals, by
// rules, by opponent, by table size), the winning streaks and a plot of the share won.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "DealRecord.h"
#include "TextTable.h"

class QLabel;
class QTableWidget;
class QPushButton;

namespace durak {

class TShareWonPlot;

class TStatisticsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TStatisticsDialog(QWidget* parent = nullptr);
  // Shows the player's deals of the history in the language of the texts.
  void Show(const std::vector<TDealRecord>& history, const std::string& player,
            const TTextTable& texts);

  QLabel* PlayerLabel;
  QTableWidget* Tallies;
  QLabel* Streaks;
  TShareWonPlot* Plot;
  QPushButton* CloseButton;
};

}  // namespace durak
