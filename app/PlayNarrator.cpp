#include "PlayNarrator.h"

#include <algorithm>

#include "CardLists.h"

namespace durak {

namespace {

bool Holds(const std::vector<int>& tags, int tag) {
  return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

std::vector<int> TagsOf(const TCardList& cards) {
  std::vector<int> tags;
  tags.reserve(cards.size());
  for (const TCardInfo& k : cards) tags.push_back(k.Tag);
  return tags;
}

std::array<int, 6> TagsOf(const TRow& row) {
  std::array<int, 6> tags{};
  for (int i = 0; i < 6; ++i) tags[i] = row[i].Rank != 0 ? row[i].Tag : 0;
  return tags;
}

bool OnRow(const std::array<int, 6>& row, int tag) {
  return std::find(row.begin(), row.end(), tag) != row.end();
}

QString LowerFirst(QString text) {
  if (!text.isEmpty()) text[0] = text[0].toLower();
  return text;
}

}  // namespace

TPlayNarrator::TPlayNarrator(const TTextTable& texts, std::function<QString(int tag)> cardName,
                             std::function<QString(TButton)> buttonCaption)
    : texts_(texts), cardName_(std::move(cardName)), buttonCaption_(std::move(buttonCaption)) {}

TPlayNarrator::TLook TPlayNarrator::LookAt(const TGame& game) {
  TLook look;
  look.Valid = true;
  look.PlayerRow = TagsOf(game.PlayerRow);
  look.CompRow = TagsOf(game.CompRow);
  if (!game.TableCards.empty())
    look.AttackRow = OnRow(look.PlayerRow, game.TableCards.front().Tag) ? 0 : 1;
  look.PlayerHand = TagsOf(game.PlayerHand);
  look.CompHand = TagsOf(game.CompHand);
  look.Deck = TagsOf(game.Deck);
  look.Buttons = game.ButtonVisible;
  look.Result = game.DealResult;
  look.PlayerScore = game.PlayerScore;
  look.ComputerScore = game.ComputerScore;
  return look;
}

QString TPlayNarrator::Names(const std::vector<int>& tags) const {
  QStringList names;
  for (int tag : tags) names << LowerFirst(cardName_(tag));
  return names.join(QStringLiteral(", "));
}

QString TPlayNarrator::Line(TextId id, const QString& a, const QString& b) const {
  const QString& pattern = texts_[id];
  if (pattern.isEmpty()) return {};  // no language loaded yet
  if (!pattern.contains(QStringLiteral("%1"))) return pattern;
  if (!pattern.contains(QStringLiteral("%2"))) return pattern.arg(a);
  return pattern.arg(a, b);
}

// Long on purpose: it compares the two looks case by case in the order a sighted player
// sees things happen (the lead, the beats, the take or discard, the draws, the buttons), and
// that order is easiest to check read from top to bottom.
QStringList TPlayNarrator::Observe(const TGame& game) {
  TLook now = LookAt(game);
  if (!seen_.Valid) {
    seen_ = now;
    return {};
  }
  TLook was = seen_;
  seen_ = now;
  boutBegan_ = false;
  // The pack swept together for a new deal or game: nothing to tell until it is dealt.
  if (now.PlayerHand.empty() && now.CompHand.empty() && now.Deck.empty()) {
    trumpTold_ = 0;
    return {};
  }
  QStringList lines;
  auto add = [&lines](const QString& line) {
    if (!line.isEmpty()) lines << line;
  };

  // A new deal: the pack was swept together, or the stock holds other cards and the hands
  // changed (a look in the middle of dealing sees the hands dealt before the stock). It
  // starts from an empty table with the whole pack in the stock.
  const bool wasSwept = was.PlayerHand.empty() && was.CompHand.empty() && was.Deck.empty();
  bool stockRefilled = false;
  for (int tag : now.Deck) stockRefilled = stockRefilled || !Holds(was.Deck, tag);
  const bool sameHands = now.PlayerHand == was.PlayerHand && now.CompHand == was.CompHand;
  const bool newDeal = wasSwept || (stockRefilled && !sameHands);
  // The trump card, once it lies under the stock.
  if (!game.Deck.empty() && game.Deck.front().Tag != trumpTold_) {
    trumpTold_ = game.Deck.front().Tag;
    add(Line(kTrumpUnderStockText, LowerFirst(cardName_(trumpTold_))));
  }
  if (stockRefilled && sameHands && !wasSwept) return lines;  // the stock laid out after the hands
  if (newDeal) {
    boutBegan_ = true;
    was = TLook();
    was.Valid = true;
    for (int tag = 1; tag <= 36; ++tag) was.Deck.push_back(tag);
    transferPending_ = false;
  }

  // ---- the table --------------------------------------------------------------------
  std::vector<int> wasTable, nowTable;
  for (int i = 0; i < 6; ++i) {
    for (int tag : {was.PlayerRow[i], was.CompRow[i]})
      if (tag != 0) wasTable.push_back(tag);
    for (int tag : {now.PlayerRow[i], now.CompRow[i]})
      if (tag != 0) nowTable.push_back(tag);
  }
  if (was.AttackRow == 0 && now.AttackRow == 1) transferPending_ = true;
  // The computer's cards that came down: on the table now, neither there before nor from
  // the player's hand.
  std::vector<int> leads, throwIns, transfers;
  for (int i = 0; i < 6; ++i) {
    const int tag = now.CompRow[i];
    if (tag == 0 || Holds(wasTable, tag) || Holds(was.PlayerHand, tag)) continue;
    if (now.AttackRow == 0) {
      // The player attacks: the computer's card beats the one above it.
      if (now.PlayerRow[i] != 0)
        add(Line(kCompBeatsText, LowerFirst(cardName_(now.PlayerRow[i])),
                 LowerFirst(cardName_(tag))));
    } else if (transferPending_) {
      transfers.push_back(tag);
    } else if (wasTable.empty()) {
      leads.push_back(tag);
    } else {
      throwIns.push_back(tag);
    }
  }
  // A transfer card may also come down in the player's row, under the attack it passes on.
  for (int i = 0; i < 6 && transferPending_; ++i) {
    const int tag = now.PlayerRow[i];
    if (tag != 0 && !Holds(wasTable, tag) && !Holds(was.PlayerHand, tag)) transfers.push_back(tag);
  }
  if (!transfers.empty()) {
    add(Line(kCompTransfersText, Names(transfers)));
    transferPending_ = false;
  }
  if (!leads.empty()) add(Line(kCompLeadsText, Names(leads)));
  if (!throwIns.empty()) add(Line(kCompThrowsInText, Names(throwIns)));
  if (now.AttackRow != 1) transferPending_ = false;

  // The table swept: into a hand, or discarded.
  if (!wasTable.empty() && nowTable.empty() && !newDeal) {
    const int tag = wasTable.front();
    boutBegan_ = true;
    if (Holds(now.PlayerHand, tag))
      add(Line(kPlayerTakesText));
    else if (Holds(now.CompHand, tag))
      add(Line(kCompTakesText));
    else
      add(Line(kDiscardedText));
  }

  // ---- the draws ----------------------------------------------------------------------
  std::vector<int> playerDrew;
  int compDrew = 0;
  for (int tag : was.Deck) {
    if (Holds(now.PlayerHand, tag)) playerDrew.push_back(tag);
    if (Holds(now.CompHand, tag)) ++compDrew;  // only counted: the player does not see them
  }
  if (!playerDrew.empty()) add(Line(kPlayerDrawsText, Names(playerDrew)));
  if (compDrew > 0) add(Line(kCompDrawsText, QString::number(compDrew)));

  // ---- the end of the deal and the score ----------------------------------------------
  if (was.Result == drGoesOn && now.Result != drGoesOn) {
    add(Line(now.Result == drPlayerWon     ? kPlayerWonDealText
             : now.Result == drComputerWon ? kCompWonDealText
                                           : kDrawnDealText));
  }
  const bool scored = now.PlayerScore != was.PlayerScore || now.ComputerScore != was.ComputerScore;
  const bool drawn = was.Result == drGoesOn && now.Result == drDraw;
  if (now.Result != drGoesOn && (scored || drawn))
    add(Line(kScoreText, QString::number(now.PlayerScore), QString::number(now.ComputerScore)));

  // ---- the buttons that came up -------------------------------------------------------
  QStringList shown;
  for (TButton b : {DealButton, TakeButton, DiscardButton, ComputerTakesButton, DefendButton}) {
    if (now.Buttons[b] && !was.Buttons[b]) shown << buttonCaption_(b);
  }
  if (!shown.isEmpty()) add(Line(kButtonsShownText, shown.join(QStringLiteral(", "))));
  return lines;
}

}  // namespace durak
