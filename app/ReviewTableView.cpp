#include "ReviewTableView.h"

#include <QPainter>
#include <algorithm>

#include "CardInfo.h"
#include "CardRenditions.h"
#include "ReviewState.h"

namespace durak {

using nlohmann::json;

namespace {}  // namespace

TReviewTableView::TReviewTableView(QWidget* parent) : QWidget(parent) {
  setMinimumSize(300, 200);
  setAutoFillBackground(false);
}

void TReviewTableView::ShowState(const json& state, std::vector<int> playerMarks,
                                 std::vector<int> computerMarks) {
  state_ = state;
  playerMarks_ = std::move(playerMarks);
  computerMarks_ = std::move(computerMarks);
  update();
}

void TReviewTableView::DrawCard(QPainter& p, int tag, const QRect& r) {
  const QImage face =
      library_ != nullptr && tag >= 1 && tag <= 36
          ? library_->Faces[static_cast<size_t>(tag - 1)].Render(r.size(), devicePixelRatioF())
          : QImage();
  if (!face.isNull()) {
    p.drawImage(r, face);
  } else {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRoundedRect(r.adjusted(0, 0, -1, -1), 4, 4);
    const TCardInfo k = CardInfoOfTag(tag);
    static const char* const ranks[] = {"6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    static const QString suits[] = {QStringLiteral("♠"), QStringLiteral("♣"), QStringLiteral("♦"),
                                    QStringLiteral("♥")};
    p.setPen(k.Suit >= 3 ? Qt::red : Qt::black);
    p.drawText(r.adjusted(3, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
               QString::fromLatin1(ranks[k.Rank - 6]) + suits[k.Suit - 1]);
  }
  const bool byPlayer = Holds(playerMarks_, tag), byComputer = Holds(computerMarks_, tag);
  if (byPlayer || byComputer) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(byPlayer ? QColor(255, 220, 0) : QColor(0, 200, 255), 3));
    p.drawRoundedRect(r.adjusted(1, 1, -2, -2), 4, 4);
  }
}

void TReviewTableView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.fillRect(rect(), QColor(0, 100, 40));
  if (!state_.is_object()) return;
  const int w = width(), h = height();
  // Four card heights and the gaps between them fit the height; eight cards the width.
  const int cardH = std::max(24, std::min((h - 30) * 10 / 42, (w - 20) * 96 / (71 * 8)));
  const int cardW = cardH * 71 / 96;
  const int gap = cardH / 10;

  auto drawHand = [&](const std::vector<int>& hand, int top) {
    if (hand.empty()) return;
    const int room = w - 2 * gap - cardW;
    const int step =
        hand.size() > 1 ? std::min(cardW + gap / 2, room / static_cast<int>(hand.size() - 1)) : 0;
    int left = (w - (step * static_cast<int>(hand.size() - 1) + cardW)) / 2;
    for (int tag : hand) {
      DrawCard(p, tag, QRect(left, top, cardW, cardH));
      left += step;
    }
  };
  std::vector<int> comp = TagsOf(state_, "compHand"), player = TagsOf(state_, "playerHand");
  std::sort(comp.begin(), comp.end());
  std::sort(player.begin(), player.end());
  drawHand(comp, gap);
  drawHand(player, h - gap - cardH);

  // The stock on the left: the trump card under it, and how many cards there are.
  const std::vector<int> deck = TagsOf(state_, "deck");
  const int middle = h / 2;
  p.setPen(Qt::white);
  if (!deck.empty()) {
    DrawCard(p, deck.front(), QRect(gap, middle - cardH / 2, cardW, cardH));
    p.drawText(QRect(gap, middle + cardH / 2, cardW + 2 * gap, 2 * gap + 14), Qt::AlignLeft,
               QString::number(deck.size()));
  }
  const size_t discard = TagsOf(state_, "discard").size();
  if (discard > 0) {
    p.setBrush(QColor(20, 60, 30));
    const QRect pile(w - gap - cardW, middle - cardH / 2, cardW, cardH);
    p.drawRoundedRect(pile, 4, 4);
    p.drawText(pile, Qt::AlignCenter, QString::number(discard));
  }

  // The pairs: the attack card and, over it and a little lower, the card that beat it.
  const std::vector<int> table = TagsOf(state_, "tableCards");
  const std::vector<int> playerRow = TagsOf(state_, "playerRow");
  const std::vector<int> compRow = TagsOf(state_, "compRow");
  if (table.empty() || playerRow.size() != 6 || compRow.size() != 6) return;
  const bool playerAttacks = Holds(playerRow, table.front());
  const std::vector<int>& attack = playerAttacks ? playerRow : compRow;
  const std::vector<int>& cover = playerAttacks ? compRow : playerRow;
  const int pairW = cardW + cardW / 3 + gap;
  const int room = w - 2 * (cardW + 2 * gap);
  const int step = std::min(pairW, room / 6);
  int left = cardW + 2 * gap + (room - step * 6) / 2;
  const int top = middle - cardH / 2 - cardH / 8;
  for (int i = 0; i < 6; ++i, left += step) {
    if (attack[static_cast<size_t>(i)] != 0)
      DrawCard(p, attack[static_cast<size_t>(i)], QRect(left, top, cardW, cardH));
    if (cover[static_cast<size_t>(i)] != 0)
      DrawCard(p, cover[static_cast<size_t>(i)],
               QRect(left + cardW / 3, top + cardH / 4, cardW, cardH));
  }
}

}  // namespace durak
