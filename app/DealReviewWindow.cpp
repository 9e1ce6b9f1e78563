#include "DealReviewWindow.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "ChampionsDialog.h"
#include "ReviewTableView.h"
#include "ReviewTexts.h"
#include "SafeFile.h"

namespace durak {

using nlohmann::json;

namespace {

// A history file larger than this is not read: far more deals than it keeps.
constexpr size_t kMaxHistoryBytes = size_t(64) << 20;

std::vector<int> Left(const json& before, const json& after, const char* key) {
  std::vector<int> gone;
  const json& a = before.value(key, json::array());
  const json& b = after.value(key, json::array());
  for (const json& v : a)
    if (std::find(b.begin(), b.end(), v) == b.end() && v.is_number_integer())
      gone.push_back(v.get<int>());
  return gone;
}

}  // namespace

QString DealHistoryFilePath(const QString& championsFile) {
  return QFileInfo(championsFile).absolutePath() + QStringLiteral("/durak-history.jsonl");
}

TDealReviewWindow::TDealReviewWindow(const TTextTable& texts, const TCardLibrary* library,
                                     QWidget* parent)
    : QDialog(parent), texts_(texts) {
  setObjectName(QStringLiteral("DealReviewWindow"));
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  resize(630, 450);
  dealLabel_ = new QLabel(this);
  dealBox_ = new QComboBox(this);
  dealBox_->setObjectName(QStringLiteral("dealBox"));
  otherFile_ = new QPushButton(this);
  table_ = new TReviewTableView(this);
  table_->SetLibrary(library);
  stepLabel_ = new QLabel(this);
  moveLabel_ = new QLabel(this);
  judgementLabel_ = new QLabel(this);
  summaryLabel_ = new QLabel(this);
  for (QLabel* l : {moveLabel_, judgementLabel_, summaryLabel_}) l->setWordWrap(true);
  first_ = new QPushButton(this);
  back_ = new QPushButton(this);
  forward_ = new QPushButton(this);
  last_ = new QPushButton(this);
  close_ = new QPushButton(this);
  first_->setObjectName(QStringLiteral("firstButton"));
  back_->setObjectName(QStringLiteral("backButton"));
  forward_->setObjectName(QStringLiteral("forwardButton"));
  last_->setObjectName(QStringLiteral("lastButton"));

  auto* top = new QHBoxLayout;
  top->addWidget(dealLabel_);
  top->addWidget(dealBox_, 1);
  top->addWidget(otherFile_);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {first_, back_, forward_, last_}) buttons->addWidget(b);
  buttons->addWidget(stepLabel_, 1, Qt::AlignCenter);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(table_, 1);
  layout->addWidget(moveLabel_);
  layout->addWidget(judgementLabel_);
  layout->addWidget(summaryLabel_);
  layout->addLayout(buttons);

  connect(first_, &QPushButton::clicked, this, [this] { ShowStep(0); });
  connect(back_, &QPushButton::clicked, this, [this] { ShowStep(step_ - 1); });
  connect(forward_, &QPushButton::clicked, this, [this] { ShowStep(step_ + 1); });
  connect(last_, &QPushButton::clicked, this, [this] { ShowStep(StepCount() - 1); });
  connect(close_, &QPushButton::clicked, this, &QDialog::close);
  const std::pair<QKeySequence, std::function<void()>> keys[] = {
      {Qt::Key_Left, [this] { ShowStep(step_ - 1); }},
      {Qt::Key_Right, [this] { ShowStep(step_ + 1); }},
      {Qt::Key_Home, [this] { ShowStep(0); }},
      {Qt::Key_End, [this] { ShowStep(StepCount() - 1); }}};
  for (const auto& [key, go] : keys)
    connect(new QShortcut(key, this), &QShortcut::activated, this, go);
  connect(dealBox_, &QComboBox::activated, this, [this](int item) {
    // Newest first in the list.
    ShowDeal(static_cast<int>(records_.size()) - 1 - item);
  });
  connect(otherFile_, &QPushButton::clicked, this, [this] {
    const QString path = QFileDialog::getOpenFileName(
        this, texts_[kReviewOtherFileText],
        QFileInfo(DealHistoryFilePath(ChampionsFilePath())).absolutePath(),
        QStringLiteral("*.jsonl *.json"));
    if (!path.isEmpty()) OpenFile(path);
  });
  ApplyTexts(texts);
}

TDealReviewWindow::~TDealReviewWindow() {
  StopJudging();
}

void TDealReviewWindow::ApplyTexts(const TTextTable& texts) {
  texts_ = texts;
  setWindowTitle(texts_[kDealReviewText]);
  dealLabel_->setText(texts_[kReviewDealLabelText]);
  otherFile_->setText(texts_[kReviewOtherFileText]);
  first_->setText(texts_[kReviewFirstText]);
  back_->setText(texts_[kReviewBackText]);
  forward_->setText(texts_[kReviewForwardText]);
  last_->setText(texts_[kReviewLastText]);
  close_->setText(texts_[kReviewCloseText]);
  for (int item = 0; item < dealBox_->count(); ++item)
    dealBox_->setItemText(item,
                          DealItemText(records_[records_.size() - 1 - static_cast<size_t>(item)]));
  Refresh();
}

QString TDealReviewWindow::DealItemText(const TDealRecord& record) const {
  // The time as "2026-12-09 05:00", the seconds and the zone left out.
  return texts_[kReviewDealItemText].arg(
      QString::number(record.Deal),
      QString::fromStdString(record.Time).replace(QLatin1Char('T'), QLatin1Char(' ')).left(16));
}

bool TDealReviewWindow::OpenFile(const QString& path) {
  StopJudging();
  std::string text;
  const TFileRead read =
      ReadRegularFile(QFile::encodeName(path).toStdString(), kMaxHistoryBytes, &text);
  records_ = read == TFileRead::Read ? ParseDealRecords(text) : std::vector<TDealRecord>();
  dealBox_->clear();
  for (auto it = records_.rbegin(); it != records_.rend(); ++it)
    dealBox_->addItem(DealItemText(*it));
  if (records_.empty()) {
    record_ = TDealRecord();
    replay_ = TDealReplay();
    shown_.clear();
    decisions_.clear();
    judged_.clear();
    step_ = 0;
    Refresh();
    return false;
  }
  ShowDeal(static_cast<int>(records_.size()) - 1);
  return true;
}

void TDealReviewWindow::ShowDeal(int index) {
  if (index < 0 || index >= static_cast<int>(records_.size())) return;
  StopJudging();
  record_ = records_[static_cast<size_t>(index)];
  dealBox_->setCurrentIndex(static_cast<int>(records_.size()) - 1 - index);
  replay_ = ReplayDeal(record_);
  shown_.clear();
  for (size_t i = 0; i < replay_.Steps.size(); ++i)
    if (i == 0 || replay_.Steps[i].State != replay_.Steps[i - 1].State) shown_.push_back(i);
  decisions_ = PlayerMoveSteps(replay_);
  judged_.assign(decisions_.size(), std::nullopt);
  step_ = 0;
  StartJudging();
  Refresh();
}

void TDealReviewWindow::ShowStep(int step) {
  if (shown_.empty()) return;
  step_ = std::clamp(step, 0, StepCount() - 1);
  Refresh();
}

bool TDealReviewWindow::Judged() const {
  return std::all_of(judged_.begin(), judged_.end(), [](const auto& d) { return d.has_value(); });
}

void TDealReviewWindow::StartJudging() {
  cancel_ = false;
  // The worker has copies of its own: the window may show another deal meanwhile.
  worker_ = std::thread(
      [this, replay = replay_, events = record_.Events, steps = decisions_, params = params_] {
        for (size_t i = 0; i < steps.size(); ++i) {
          if (cancel_) return;
          TDecisionReview d =
              JudgeDecision(StateBefore(replay, steps[i]),
                            events[static_cast<size_t>(replay.Steps[steps[i]].Event)], params);
          d.Step = steps[i];
          QMetaObject::invokeMethod(
              this,
              [this, i, d] {
                if (i < judged_.size() && !cancel_) {
                  judged_[i] = d;
                  Refresh();
                }
              },
              Qt::QueuedConnection);
        }
      });
}

void TDealReviewWindow::StopJudging() {
  cancel_ = true;
  if (worker_.joinable()) worker_.join();
}

QString TDealReviewWindow::StepText(int step) const {
  const size_t s = shown_[static_cast<size_t>(step)];
  const json& before = StateBefore(replay_, s);
  const json& after = replay_.Steps[s].State;
  QStringList lines;
  if (s == 0) lines << texts_[kReviewDealtText];
  const auto d = std::find(decisions_.begin(), decisions_.end(), s);
  if (d != decisions_.end()) {
    const auto& judged = judged_[static_cast<size_t>(d - decisions_.begin())];
    if (judged && judged->Named)
      lines << texts_[kReviewYouText].arg(
          ReviewMoveText(texts_, before, judged->Played, judged->PlayedInput.Button));
  }
  const QString computer = ReviewComputerText(texts_, before, after);
  if (!computer.isEmpty()) lines << texts_[kReviewComputerText].arg(computer);
  return lines.join(QStringLiteral("  "));
}

QString TDealReviewWindow::NotReplayedText() const {
  // Deals at a table of three or four are kept but not replayed here.
  if (record_.Players != 2) return texts_[kReviewTableDealText].arg(record_.Players);
  return texts_[kReviewNotReplayedText];
}

QString TDealReviewWindow::SummaryText() const {
  if (!replay_.Problem.empty() && shown_.empty()) return NotReplayedText();
  if (!Judged()) return texts_[kReviewJudgingText];
  int mistakes = 0, costliest = -1;
  double cost = 0;
  for (const auto& d : judged_)
    if (d->Judged && d->Cost > params_.Margin) {
      ++mistakes;
      if (d->Cost > cost) {
        cost = d->Cost;
        const auto at = std::find(shown_.begin(), shown_.end(), d->Step);
        costliest = static_cast<int>(at - shown_.begin()) + 1;
      }
    }
  QString text = mistakes == 0 ? texts_[kReviewNoMistakesText]
                               : texts_[kReviewSummaryText].arg(QString::number(mistakes),
                                                                QString::number(costliest),
                                                                ReviewPercent(cost));
  if (!replay_.Problem.empty()) text += QStringLiteral(" ") + NotReplayedText();
  return text;
}

void TDealReviewWindow::Refresh() {
  const bool any = !shown_.empty();
  for (QPushButton* b : {first_, back_}) b->setEnabled(any && step_ > 0);
  for (QPushButton* b : {forward_, last_}) b->setEnabled(any && step_ + 1 < StepCount());
  if (!any) {
    table_->ShowState(json(), {}, {});
    stepLabel_->clear();
    moveLabel_->setText(records_.empty() ? texts_[kReviewEmptyText] : NotReplayedText());
    judgementLabel_->clear();
    summaryLabel_->clear();
    return;
  }
  const size_t s = shown_[static_cast<size_t>(step_)];
  const json& before = StateBefore(replay_, s);
  const json& after = replay_.Steps[s].State;
  table_->ShowState(after, Left(before, after, "playerHand"), Left(before, after, "compHand"));
  stepLabel_->setText(texts_[kReviewStepText].arg(step_ + 1).arg(StepCount()));
  moveLabel_->setText(StepText(step_));

  QString judgement;
  judgementLabel_->setStyleSheet(QString());
  const auto d = std::find(decisions_.begin(), decisions_.end(), s);
  if (d != decisions_.end()) {
    const auto& judged = judged_[static_cast<size_t>(d - decisions_.begin())];
    if (!judged) {
      judgement = texts_[kReviewJudgingText];
    } else if (!judged->Judged) {
      judgement = judged->Named ? texts_[kReviewOnlyMoveText] : QString();
    } else {
      judgement = texts_[kReviewChanceText].arg(ReviewPercent(judged->Before),
                                                ReviewPercent(judged->After));
      if (judged->Best != judged->Played)
        judgement +=
            QStringLiteral(". ") + texts_[kReviewBestText].arg(ReviewMoveText(
                                       texts_, before, judged->Best, judged->BestInput.Button));
      if (judged->Cost > params_.Margin) {
        judgement = texts_[kReviewMistakeText] + QStringLiteral(" ") + judgement;
        judgementLabel_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
      }
    }
  }
  judgementLabel_->setText(judgement);
  summaryLabel_->setText(SummaryText());
}

}  // namespace durak
