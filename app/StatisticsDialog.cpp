#include "StatisticsDialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "DealStatistics.h"
#include "PlainText.h"
#include "ShareWonPlot.h"
#include "TextIds.h"

namespace durak {

TStatisticsDialog::TStatisticsDialog(QWidget* parent) : QDialog(parent) {
  auto* layout = new QVBoxLayout(this);
  PlayerLabel = MakePlain(new QLabel(this));
  Tallies = new QTableWidget(this);
  Tallies->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Tallies->setSelectionMode(QAbstractItemView::NoSelection);
  Tallies->verticalHeader()->hide();
  // One line of text a row, so that every row shows in the smallest window.
  Tallies->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  Tallies->verticalHeader()->setDefaultSectionSize(Tallies->fontMetrics().height() + 3);
  Tallies->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  Tallies->horizontalHeader()->setStretchLastSection(true);
  Streaks = MakePlain(new QLabel(this));
  Plot = new TShareWonPlot(this);
  CloseButton = new QPushButton(this);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(PlayerLabel);
  layout->addWidget(Tallies, 3);
  layout->addWidget(Streaks);
  layout->addWidget(Plot, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(CloseButton);
  layout->addLayout(buttons);
  resize(560, 520);
}

namespace {

QString Percent(const TTally& t) {
  return t.Deals == 0 ? QString() : QStringLiteral("%1 %").arg(100.0 * t.Wins / t.Deals, 0, 'f', 0);
}

}  // namespace

void TStatisticsDialog::Show(const std::vector<TDealRecord>& history, const std::string& player,
                             const TTextTable& t) {
  const TPlayerStatistics s = StatisticsFor(history, player);
  setWindowTitle(t[kStatisticsMenuText]);
  CloseButton->setText(t[kRulesCloseText]);
  PlayerLabel->setText(t[kStatPlayerText].arg(QString::fromStdString(player)));

  struct TRowText {
    QString Caption;
    TTally Tally;
    bool Heading;
  };
  std::vector<TRowText> rows;
  rows.push_back({t[kStatAllDealsText], s.All, true});
  for (const auto& [rules, tally] : s.ByRules) {
    const QString& variant = t[TextId(kFirstVariantText + (rules.Transfer ? 1 : 0))];
    rows.push_back({rules.MultiLead ? t[kStatMultiLeadText].arg(variant) : variant, tally, false});
  }
  const std::pair<const char*, TextId> opponents[] = {{"described", kOpponentUsualText},
                                                      {"strong", kOpponentStrongText},
                                                      {"easy", kOpponentEasyText}};
  for (const auto& [word, text] : opponents)
    if (auto it = s.ByOpponent.find(word); it != s.ByOpponent.end())
      rows.push_back({t[kStatOpponentText].arg(t[text]), it->second, false});
  // By the table's size only once deals at more than one size are kept.
  if (s.ByPlayers.size() > 1)
    for (const auto& [players, tally] : s.ByPlayers)
      rows.push_back({t[kStatPlayersText].arg(players), tally, false});

  const QStringList heads = {QString(),          t[kStatDealsText], t[kStatWinsText],
                             t[kStatLossesText], t[kStatDrawsText], t[kStatShareText]};
  Tallies->clear();
  Tallies->setColumnCount(static_cast<int>(heads.size()));
  Tallies->setHorizontalHeaderLabels(heads);
  Tallies->setRowCount(s.All.Deals == 0 ? 1 : static_cast<int>(rows.size()));
  auto cell = [this](int row, int column, const QString& text, bool bold) {
    auto* item = new QTableWidgetItem(text);
    if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (bold) {
      QFont f = item->font();
      f.setBold(true);
      item->setFont(f);
    }
    Tallies->setItem(row, column, item);
  };
  if (s.All.Deals == 0) {
    cell(0, 0, t[kStatNoDealsText], false);
  } else {
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
      const TRowText& row = rows[r];
      cell(r, 0, row.Caption, row.Heading);
      cell(r, 1, QString::number(row.Tally.Deals), row.Heading);
      cell(r, 2, QString::number(row.Tally.Wins), row.Heading);
      cell(r, 3, QString::number(row.Tally.Losses), row.Heading);
      cell(r, 4, QString::number(row.Tally.Draws), row.Heading);
      cell(r, 5, Percent(row.Tally), row.Heading);
    }
  }
  // The table no taller than its rows: the plot takes the rest of a large window.
  Tallies->setMaximumHeight(Tallies->horizontalHeader()->sizeHint().height() +
                            Tallies->rowCount() * Tallies->verticalHeader()->defaultSectionSize() +
                            2 * Tallies->frameWidth());
  Streaks->setText(t[kStatStreaksText].arg(s.CurrentStreak).arg(s.LongestStreak));
  Plot->SetShares(s.Shares, t[kStatPlotText].arg(kStretchDeals), t[kStatStretchText]);
}

}  // namespace durak
