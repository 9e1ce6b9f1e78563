// The deal review window: a finished deal of the history stepped through move by move
// (first, back, forward, last, and the arrow keys), both hands face up and the table as it
// was, with the strong player's judgement of each of the player's moves, the mistakes marked
// and a summary. The judging runs on a thread of its own, so the window stays responsive;
// each move's judgement appears as soon as it is ready.
#pragma once

#include <QDialog>
#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include "DealRecord.h"
#include "DealReview.h"
#include "TextTable.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace durak {

struct TCardLibrary;
class TReviewTableView;

// Where the history of finished deals is kept: beside the champions table.
QString DealHistoryFilePath(const QString& championsFile);

class TDealReviewWindow : public QDialog {
  Q_OBJECT
 public:
  TDealReviewWindow(const TTextTable& texts, const TCardLibrary* library,
                    QWidget* parent = nullptr);
  ~TDealReviewWindow() override;

  void ApplyTexts(const TTextTable& texts);
  // Reads a history file and shows its last deal; false when it holds none.
  bool OpenFile(const QString& path);
  // Shows the deal of the file's list, 0 the oldest.
  void ShowDeal(int index);
  void ShowStep(int step);
  int StepCount() const { return static_cast<int>(shown_.size()); }
  int CurrentStep() const { return step_; }
  // Whether every move of the deal shown has been judged.
  bool Judged() const;

 private:
  void StartJudging();
  void StopJudging();
  void Refresh();
  QString StepText(int step) const;
  QString SummaryText() const;
  // Why the deal shows no steps: a table deal, or a record that does not replay.
  QString NotReplayedText() const;
  QString DealItemText(const TDealRecord& record) const;

  TTextTable texts_;
  std::vector<TDealRecord> records_;
  TDealRecord record_;
  TDealReplay replay_;
  std::vector<size_t> shown_;      // the replay's steps that changed the table, the deal first
  std::vector<size_t> decisions_;  // the replay's steps that are the player's moves
  std::vector<std::optional<TDecisionReview>> judged_;
  int step_ = 0;
  TReviewParams params_;
  std::thread worker_;
  std::atomic<bool> cancel_{false};

  QComboBox* dealBox_;
  QPushButton *otherFile_, *first_, *back_, *forward_, *last_, *close_;
  QLabel *dealLabel_, *stepLabel_, *moveLabel_, *judgementLabel_, *summaryLabel_;
  TReviewTableView* table_;
};

}  // namespace durak
