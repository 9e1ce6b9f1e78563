#include "ReviewTexts.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

#include "CardInfo.h"
#include "Game.h"
#include "ReviewState.h"
#include "StrongChooser.h"

namespace durak {

using nlohmann::json;

namespace {

// The card of the attack that a beat in pair `slot` covers: the slot of the row that holds
// the bout's first card.
int AttackCardIn(const json& state, int slot) {
  const std::vector<int> table = TagsOf(state, "tableCards");
  const std::vector<int> playerRow = TagsOf(state, "playerRow");
  const std::vector<int> compRow = TagsOf(state, "compRow");
  if (table.empty() || slot < 0 || slot > 5 || playerRow.size() != 6 || compRow.size() != 6)
    return 0;
  const bool playerAttacks = Holds(playerRow, table.front());
  return (playerAttacks ? playerRow : compRow)[static_cast<size_t>(slot)];
}

}  // namespace

QString ReviewCardText(const TTextTable& t, int tag) {
  if (tag < 1 || tag > 36) return QString();
  const TCardInfo k = CardInfoOfTag(tag);
  return t[kCardNameText].arg(t[RankNameText(k.Rank)], t[SuitWordText(k.Suit)]).toLower();
}

QString ReviewMoveText(const TTextTable& t, const json& before, const TMove& move, TButton button) {
  switch (move.Kind) {
    case mkPlay:
      return t[before.value("playMode", 4) == pmLead ? kReviewLeadText : kReviewThrowInText].arg(
          ReviewCardText(t, move.Card));
    case mkBeat:
      return t[kReviewBeatText].arg(ReviewCardText(t, AttackCardIn(before, move.Slot)),
                                    ReviewCardText(t, move.Card));
    case mkTransfer:
      return t[kReviewTransferText].arg(ReviewCardText(t, move.Card));
    case mkTake:
      return t[kReviewTakeText];
    default:
      // The button that ends the player's part: its caption, without its key mark.
      return QString(t[button == DefendButton    ? kDefendButtonText
                       : button == DiscardButton ? kBitoButtonText
                                                 : kTakeItButtonText])
          .remove(QLatin1Char('&'));
  }
}

QString ReviewComputerText(const TTextTable& t, const json& before, const json& after) {
  const std::vector<int> handBefore = TagsOf(before, "compHand");
  const std::vector<int> handAfter = TagsOf(after, "compHand");
  QStringList played;
  for (int tag : handBefore)
    if (!Holds(handAfter, tag)) played << ReviewCardText(t, tag);
  // Cards that came into its hand from the table (or straight from the player's hand, thrown
  // in to go with a take): it took them.
  const std::vector<int> tableBefore = TagsOf(before, "tableCards");
  const std::vector<int> playerBefore = TagsOf(before, "playerHand");
  bool took = false;
  for (int tag : handAfter)
    if (!Holds(handBefore, tag) && (Holds(tableBefore, tag) || Holds(playerBefore, tag)))
      took = true;
  QStringList parts;
  if (!played.isEmpty()) parts << t[kReviewCompPlaysText].arg(played.join(QStringLiteral(", ")));
  if (took) parts << t[kReviewCompTakesText];
  return parts.join(QStringLiteral("; "));
}

QString ReviewPercent(double share) {
  return QStringLiteral("%1 %").arg(static_cast<int>(std::lround(share * 100)));
}

}  // namespace durak
