// The rules of the table of three and four, rule by rule, on hand-built positions.
#include <gtest/gtest.h>

#include "TablePosition.h"

namespace durak::table {
namespace {

const TTableRules kThrowIn{};
const TTableRules kTransfer{true, false};
const TTableRules kMultiLead{false, true};
// A stock long enough that nobody runs out in a test; 9H is the trump card.
const std::vector<const char*> kStock = {"9H", "10C", "JC", "QC", "KC", "AC", "10D", "JD"};

// --- Who attacks first -------------------------------------------------------------

TEST(TableFirstAttacker, LowestTrumpLeadsAndIsShownToAll) {
  TTableState s =
      Position({Cards({"7H", "10S", "JS"}), Cards({"8S", "9S", "QS"}), Cards({"6H", "KS", "AS"})},
               {"9H", "6C"}, "9H");
  EXPECT_EQ(s.Attacker, 2);
  EXPECT_EQ(s.Defender, 0);
  EXPECT_EQ(s.ToMove, 2);
  EXPECT_EQ(s.Phase, tpLead);
  EXPECT_EQ(s.Shown[2], Cards({"6H"}));
  EXPECT_EQ(s.Shown[0], 0u);
}

TEST(TableFirstAttacker, WithoutAnyTrumpThePersonAttacks) {
  TTableState s = Position({Cards({"7S"}), Cards({"8S"}), Cards({"9S"})}, {"9H", "6C"}, "9H");
  EXPECT_EQ(s.Attacker, 0);
  EXPECT_EQ(s.Defender, 1);
  EXPECT_EQ(s.Shown[0], 0u);
}

TEST(TableFirstAttacker, LaterDealsGoUnderTheLastFool) {
  const std::vector<TCards> hands = {Cards({"6H"}), Cards({"7S"}), Cards({"8S"}), Cards({"9S"})};
  TTableState s = Position(hands, {"9H", "6C"}, "9H", kThrowIn, 2);
  EXPECT_EQ(s.Attacker, 1);  // the seat to the fool's right
  EXPECT_EQ(s.Defender, 2);
  EXPECT_EQ(s.Shown[0], 0u);  // no trump is shown
  s = Position(hands, {"9H", "6C"}, "9H", kThrowIn, 0);
  EXPECT_EQ(s.Attacker, 3);
  EXPECT_EQ(s.Defender, 0);
}

TEST(TableFirstAttacker, TheDealGivesSixEachAndTurnsUpTheTrumpUnderTheStock) {
  for (int seats : {3, 4}) {
    TTableState s;
    DealTable(s, seats, kThrowIn, 42, -1);
    EXPECT_EQ(CheckTable(s), "");
    for (int seat = 0; seat < seats; ++seat) EXPECT_EQ(s.HandCount(seat), 6);
    EXPECT_EQ(s.StockCount, 36 - 6 * seats);
    EXPECT_EQ(s.Stock[0], s.TrumpCard);
    EXPECT_EQ(SuitOf(s.TrumpCard), s.Trump);
    TTableState again;
    DealTable(again, seats, kThrowIn, 42, -1);
    EXPECT_EQ(again.Hand, s.Hand);  // a seed always deals alike
    DealTable(again, seats, kThrowIn, 43, -1);
    EXPECT_NE(again.Hand, s.Hand);
  }
}

// --- Who defends -------------------------------------------------------------------

TEST(TableDefender, IsTheAttackersLeftSkippingSeatsThatAreOut) {
  // The stock is empty and seat 1 holds nothing: it is out.
  TTableState s = Position({Cards({"6S", "7S"}), 0, Cards({"8S"}), Cards({"9S"})}, {}, "6H");
  EXPECT_EQ(s.Attacker, 0);
  EXPECT_EQ(s.Defender, 2);
  EXPECT_EQ(s.Out, 1 << 1);
}

// --- Throw-in order and limits -----------------------------------------------------

TEST(TableThrowIn, MainAttackerFirstThenClockwiseFromTheDefendersLeft) {
  TTableState s = Position(
      {Cards({"7S", "7C"}), Cards({"8S", "9C", "10S"}), Cards({"7D", "QD"}), Cards({"8C", "KD"})},
      kStock, "9H", kThrowIn, 1);
  std::array<uint8_t, kMaxSeats> order{};
  ASSERT_EQ(ThrowInOrder(s, order), 3);
  EXPECT_EQ(order[0], 0);
  EXPECT_EQ(order[1], 2);
  EXPECT_EQ(order[2], 3);

  Play(s, tmPlay, "7S");
  Play(s, tmBeat, "8S", 0);
  EXPECT_EQ(s.Phase, tpThrowIn);
  EXPECT_EQ(s.ToMove, 0);  // the main attacker, holding another seven
  Play(s, tmPass);
  EXPECT_EQ(s.ToMove, 2);  // then the defender's left
  Play(s, tmPass);
  EXPECT_EQ(s.ToMove, 3);  // then on clockwise: the eight of clubs matches the beating card
  Play(s, tmPlay, "8C");
  EXPECT_EQ(s.Phase, tpDefend);
  Play(s, tmBeat, "9C", 1);
  // A new card came down: the seats that passed are asked again, in order.
  EXPECT_EQ(s.ToMove, 0);
  Play(s, tmPass);
  EXPECT_EQ(s.ToMove, 2);
  Play(s, tmPlay, "7D");
  EXPECT_FALSE(Legal(s, tmBeat, "10S", 2));  // a spade cannot beat a diamond
  Play(s, tmTake);
  // The defender holds one card with one open: nothing more may come, so it takes at once.
  EXPECT_EQ(s.Phase, tpLead);
  EXPECT_EQ(s.Hand[1] & Cards({"7S", "8S", "8C", "9C", "7D", "10S"}),
            Cards({"7S", "8S", "8C", "9C", "7D", "10S"}));
  EXPECT_EQ(s.Attacker, 2);  // the taker's left attacks next
}

TEST(TableThrowIn, SeatsWithoutAMatchingCardAreNotAsked) {
  TTableState s = Position({Cards({"7S", "KS"}), Cards({"8S", "9C"}), Cards({"QD", "AD"})}, kStock,
                           "9H", kThrowIn, 1);
  Play(s, tmPlay, "7S");
  Play(s, tmBeat, "8S", 0);
  // Nobody holds a seven or an eight: the bout is over at once.
  EXPECT_EQ(s.Phase, tpLead);
  EXPECT_EQ(s.Discard & Cards({"7S", "8S"}), Cards({"7S", "8S"}));
}

TEST(TableThrowIn, NeverMoreThanSixAttackingCards) {
  TTableState s = Position({Cards({"6S", "7C", "8D", "9S", "10C", "JD", "JH"}),
                            Cards({"7S", "8C", "9D", "10S", "JC", "QD", "AS"}), Cards({"JS"})},
                           {"AH", "10D"}, "AH", kThrowIn, 1);
  const char* attack[] = {"6S", "7C", "8D", "9S", "10C", "JD"};
  const char* beat[] = {"7S", "8C", "9D", "10S", "JC", "QD"};
  for (int i = 0; i < 6; ++i) {
    if (i > 0) {
      ASSERT_EQ(s.ToMove, 0);
    }
    if (i == 5) {
      EXPECT_TRUE(Legal(s, tmPlay, "JH"));  // still room: the jack of trumps would do
    }
    Play(s, tmPlay, attack[i]);
    Play(s, tmBeat, beat[i], i);
  }
  // Six pairs: the jack of trumps stays in hand although the defender holds a card more.
  EXPECT_EQ(s.Phase, tpLead);
  EXPECT_NE(s.Hand[0] & Cards({"JH"}), 0u);
  EXPECT_EQ(Count(s.Discard & Cards({"6S", "7C", "8D", "9S", "10C", "JD"})), 6);
  EXPECT_EQ(s.Attacker, 1);
}

TEST(TableThrowIn, NeverMoreUnbeatenCardsThanTheDefenderHolds) {
  TTableState s =
      Position({Cards({"6S", "6C", "6H"}), Cards({"7S", "7C"}), Cards({"JH"})},
               {"AD", "10H", "10S", "10C", "9S", "9C", "9H", "8S", "8C", "8H", "QS", "QC"}, "AD",
               kThrowIn, 1);
  Play(s, tmPlay, "6S");
  Play(s, tmBeat, "7S", 0);
  EXPECT_TRUE(Legal(s, tmPlay, "6C"));  // one open card against one in hand
  Play(s, tmPlay, "6C");
  Play(s, tmBeat, "7C", 1);
  // The defender holds nothing more: no card may follow, the bout is discarded.
  EXPECT_EQ(s.Phase, tpLead);
  EXPECT_EQ(Count(s.Discard & Cards({"6S", "6C", "7S", "7C"})), 4);
}

TEST(TableThrowIn, CardsAddedToATakeStayWithinTheDefendersHand) {
  TTableState s = Position({Cards({"6S", "6C", "6H"}), Cards({"7D", "8D"}), Cards({"6D", "JH"})},
                           kStock, "9H", kThrowIn, 1);
  Play(s, tmPlay, "6S");
  Play(s, tmTake);
  EXPECT_EQ(s.Phase, tpTakeThrowIn);
  EXPECT_EQ(s.ToMove, 0);
  Play(s, tmPlay, "6C");
  // Two open cards against two in hand: nobody may add the third six.
  EXPECT_EQ(s.Phase, tpLead);
  EXPECT_EQ(s.Hand[1] & Cards({"6S", "6C"}), Cards({"6S", "6C"}));
  EXPECT_NE(s.Hand[0] & Cards({"6H"}), 0u);
  EXPECT_NE(s.Hand[2] & Cards({"6D"}), 0u);
}

TEST(TableThrowIn, ALeadOfSeveralCardsIsBoundByTheDefendersHand) {
  TTableState s = Position({Cards({"6S", "6C", "6D", "KS"}), Cards({"7S", "7C"}), Cards({"AS"})},
                           kStock, "9H", kMultiLead, 1);
  Play(s, tmPlay, "6S");
  EXPECT_EQ(s.Phase, tpLeadMore);
  Play(s, tmPlay, "6C");
  // Two cards against a hand of two: the defence begins without "Бейся".
  EXPECT_EQ(s.Phase, tpDefend);
  EXPECT_EQ(s.ToMove, 1);

  TTableState t =
      Position({Cards({"6S", "6C", "6D", "KS"}), Cards({"7S", "7C", "8D"}), Cards({"AS"})}, kStock,
               "9H", kMultiLead, 1);
  Play(t, tmPlay, "6S");
  EXPECT_FALSE(Legal(t, tmPlay, "KS"));  // only the led rank
  Play(t, tmPass);                       // "Бейся"
  EXPECT_EQ(t.Phase, tpDefend);
  EXPECT_EQ(t.AttackCount, 1);
}

// --- The end of a bout -------------------------------------------------------------

TEST(TableBoutEnd, AllBeatenAndAllPassedGoesToTheDiscardAndTheDefenderAttacks) {
  TTableState s = Position({Cards({"7S", "7C"}), Cards({"8S", "9C"}), Cards({"7D", "QD"})}, kStock,
                           "9H", kThrowIn, 1);
  TTableEvents events;
  Play(s, tmPlay, "7S");
  Play(s, tmBeat, "8S", 0);
  Play(s, tmPass);
  Play(s, tmPass, nullptr, 0, &events);
  EXPECT_EQ(s.Discard & Cards({"7S", "8S"}), Cards({"7S", "8S"}));
  EXPECT_EQ(s.Attacker, 1);
  EXPECT_EQ(s.Defender, 2);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events[1].Kind, teDiscard);
}

TEST(TableBoutEnd, ATakeGivesTheDefenderEveryCardAndItsLeftAttacks) {
  TTableState s =
      Position({Cards({"7S", "7C", "8C"}), Cards({"8S", "9D", "9S", "8D"}), Cards({"7D", "QD"})},
               kStock, "9H", kThrowIn, 1);
  Play(s, tmPlay, "7S");
  Play(s, tmBeat, "8S", 0);
  Play(s, tmPlay, "7C");
  Play(s, tmTake);
  EXPECT_EQ(s.Phase, tpTakeThrowIn);
  EXPECT_EQ(s.ToMove, 0);  // the others may still add, main attacker first
  Play(s, tmPass);
  EXPECT_EQ(s.ToMove, 2);
  Play(s, tmPlay, "7D");
  EXPECT_EQ(s.ToMove, 0);  // asked again after the new card
  Play(s, tmPass);
  EXPECT_EQ(s.Phase, tpLead);
  const TCards taken = Cards({"7S", "8S", "7C", "7D"});
  EXPECT_EQ(s.Hand[1] & taken, taken);
  EXPECT_EQ(s.Shown[1] & taken, taken);  // every seat saw what it took
  EXPECT_NE(s.Hand[0] & Cards({"8C"}), 0u);
  EXPECT_EQ(s.Attacker, 2);
  EXPECT_EQ(s.Defender, 0);
}

// --- Transfer ----------------------------------------------------------------------

TEST(TableTransfer, PassesTheAttackToTheNextSeatWhenItHasRoom) {
  TTableState s = Position({Cards({"6S", "9C"}), Cards({"6C", "10S"}), Cards({"6D", "7D", "8D"})},
                           kStock, "9H", kTransfer, 1);
  Play(s, tmPlay, "6S");
  ASSERT_TRUE(Legal(s, tmTransfer, "6C"));
  TTableEvents events;
  Play(s, tmTransfer, "6C", 0, &events);
  EXPECT_EQ(s.Attacker, 1);  // the seat that passed it on leads the bout now
  EXPECT_EQ(s.Defender, 2);
  EXPECT_EQ(s.ToMove, 2);
  EXPECT_EQ(s.AttackCount, 2);
  EXPECT_EQ(events[0].Kind, teTransfer);
  EXPECT_EQ(events[0].Other, 2);
  // Seat 0 holds one card against an attack of three: no room to pass it on again.
  EXPECT_FALSE(Legal(s, tmTransfer, "6D"));
}

TEST(TableTransfer, NotWithoutRoomNotAfterABeatAndNotInTheThrowInGame) {
  // The next seat holds one card: an attack of two would not fit.
  TTableState s = Position({Cards({"6S", "9C"}), Cards({"6C", "10S"}), Cards({"7D"})}, kStock, "9H",
                           kTransfer, 1);
  Play(s, tmPlay, "6S");
  EXPECT_FALSE(Legal(s, tmTransfer, "6C"));

  TTableState t =
      Position({Cards({"6S", "6C", "9C"}), Cards({"7S", "6D", "KS"}), Cards({"8D", "9D", "8S"})},
               kStock, "9H", TTableRules{true, true}, 1);
  Play(t, tmPlay, "6S");
  Play(t, tmPlay, "6C");  // the last six: the defence begins
  EXPECT_TRUE(Legal(t, tmTransfer, "6D"));
  Play(t, tmBeat, "7S", 0);
  EXPECT_FALSE(Legal(t, tmTransfer, "6D"));  // a card is beaten already

  TTableState u = Position({Cards({"6S", "9C"}), Cards({"6C", "10S"}), Cards({"6D", "7D", "8D"})},
                           kStock, "9H", kThrowIn, 1);
  Play(u, tmPlay, "6S");
  EXPECT_FALSE(Legal(u, tmTransfer, "6C"));
}

TEST(TableTransfer, TheAttackMayTravelAllTheWayRound) {
  TTableState s = Position({Cards({"6S", "7S", "8S", "9S"}), Cards({"6C", "7C", "8C", "9C"}),
                            Cards({"6D", "7D", "8D", "9D"})},
                           kStock, "9H", kTransfer, 1);
  Play(s, tmPlay, "6S");
  Play(s, tmTransfer, "6C");
  Play(s, tmTransfer, "6D");
  // Back at the seat that led it: three sixes to beat.
  EXPECT_EQ(s.Defender, 0);
  EXPECT_EQ(s.Attacker, 2);
  EXPECT_EQ(s.AttackCount, 3);
  EXPECT_EQ(s.ToMove, 0);
}

// --- Drawing -----------------------------------------------------------------------

TEST(TableDrawing, MainAttackerFirstThenClockwiseAndTheDefenderLast) {
  // Stock of three, drawn from the back: JC, 10C, then the trump card AH.
  TTableState s = Position(
      {Cards({"KS", "KC", "KD", "QS", "QC"}), Cards({"6S", "9S", "9C", "9D", "JS", "JD"}),
       Cards({"7S", "8D", "8C", "8S", "10S", "10D"}), Cards({"AS", "AC", "AD", "KH", "6D"})},
      {"AH", "10C", "JC"}, "AH", kThrowIn, 2);
  ASSERT_EQ(s.Attacker, 1);
  Play(s, tmPlay, "6S");
  Play(s, tmBeat, "7S", 0);
  EXPECT_EQ(s.ToMove, 3);  // seat 3 holds a six
  TTableEvents events;
  Play(s, tmPass, nullptr, 0, &events);
  std::vector<std::pair<int, int>> draws;
  for (const TTableEvent& e : events)
    if (e.Kind == teDraw) draws.emplace_back(e.Seat, e.Card);
  const std::vector<std::pair<int, int>> expected = {
      {1, Card("JC")}, {3, Card("10C")}, {0, Card("AH")}};
  EXPECT_EQ(draws, expected);            // the defender, seat 2, got nothing
  EXPECT_EQ(s.Shown[0], Cards({"AH"}));  // the face-up trump card was seen going there
  EXPECT_EQ(s.HandCount(2), 5);
}

// --- Leaving, the fool, a draw -----------------------------------------------------

TEST(TableLeaving, ASeatWithoutCardsOnceTheStockIsGoneIsOutAndSkipped) {
  TTableState s = Position({Cards({"7S"}), Cards({"8S", "9S"}), Cards({"10C", "JC"})}, {}, "6H");
  ASSERT_EQ(s.Attacker, 0);
  TTableEvents events;
  Play(s, tmPlay, "7S", 0, &events);
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events[1].Kind, teOut);
  EXPECT_EQ(events[1].Seat, 0);
  EXPECT_FALSE(s.Over());
  Play(s, tmBeat, "8S", 0);
  // Seat 0 is out, seat 2 has no seven or eight: discarded, the defender attacks seat 2.
  EXPECT_EQ(s.Phase, tpLead);
  EXPECT_EQ(s.Attacker, 1);
  EXPECT_EQ(s.Defender, 2);
  std::array<uint8_t, kMaxSeats> order{};
  EXPECT_EQ(ThrowInOrder(s, order), 1);

  // The last seat holding cards is the fool.
  Play(s, tmPlay, "9S");
  EXPECT_TRUE(s.Over());
  EXPECT_EQ(s.Fool, 2);
}

TEST(TableEnd, TheDefenderBeatingTheLastCardWithItsLastIsADraw) {
  TTableState s = Position({Cards({"7S"}), Cards({"8S"}), 0}, {}, "6H");
  Play(s, tmPlay, "7S");
  // The defender alone holds a card but may still beat: the deal goes on.
  EXPECT_FALSE(s.Over());
  EXPECT_EQ(s.ToMove, 1);
  TTableEvents events;
  Play(s, tmBeat, "8S", 0, &events);
  EXPECT_TRUE(s.Over());
  EXPECT_EQ(s.Fool, -1);
  EXPECT_EQ(events.back().Kind, teOver);

  TTableState t = Position({Cards({"7S"}), Cards({"8S"}), 0}, {}, "6H");
  Play(t, tmPlay, "7S");
  Play(t, tmTake);
  EXPECT_TRUE(t.Over());
  EXPECT_EQ(t.Fool, 1);
}

TEST(TableEnd, ADefenderLeftWithMoreCardsThanItMustBeatIsTheFoolAtOnce) {
  TTableState s = Position({Cards({"7S"}), Cards({"8S", "AC"}), 0}, {}, "6H");
  Play(s, tmPlay, "7S");
  EXPECT_TRUE(s.Over());
  EXPECT_EQ(s.Fool, 1);
  TTableMoves moves;
  LegalMoves(s, moves);
  EXPECT_EQ(moves.Count, 0);
}

// --- The invariants ----------------------------------------------------------------

TEST(TableInvariants, CatchACardTwiceAnUnbeatenPairAndTooManyOpenCards) {
  TTableState s = Position({Cards({"7S", "7C"}), Cards({"8S", "9C"}), Cards({"7D", "QD"})}, kStock,
                           "9H", kThrowIn, 1);
  ASSERT_EQ(CheckTable(s), "");
  TTableState twice = s;
  twice.Hand[2] |= Cards({"7S"});
  EXPECT_NE(CheckTable(twice).find("twice"), std::string::npos);

  Play(s, tmPlay, "7S");
  TTableState badCover = s;
  badCover.Hand[1] &= ~Cards({"9C"});
  badCover.Cover[0] = static_cast<uint8_t>(Card("9C"));
  badCover.Phase = tpThrowIn;
  EXPECT_NE(CheckTable(badCover).find("not beaten"), std::string::npos);

  TTableState crowded = s;
  crowded.Hand[0] &= ~Cards({"7C"});
  crowded.Attack[1] = static_cast<uint8_t>(Card("7C"));
  crowded.Hand[2] &= ~Cards({"7D"});
  crowded.Attack[2] = static_cast<uint8_t>(Card("7D"));
  crowded.AttackCount = 3;
  EXPECT_NE(CheckTable(crowded).find("more open cards"), std::string::npos);
}

TEST(TableInvariants, AnIllegalMoveIsRefusedAndChangesNothing) {
  TTableState s = Position({Cards({"7S", "7C"}), Cards({"8S", "9C"}), Cards({"7D", "QD"})}, kStock,
                           "9H", kThrowIn, 1);
  const TTableState before = s;
  EXPECT_FALSE(
      ApplyMove(s, TTableMove{tmPlay, static_cast<uint8_t>(Card("7D")), 0}));  // not its turn
  EXPECT_FALSE(ApplyMove(s, TTableMove{tmTake, 0, 0}));  // the attacker cannot take
  EXPECT_FALSE(ApplyMove(s, TTableMove{tmPass, 0, 0}));  // a lead cannot be skipped
  EXPECT_EQ(s.Hand, before.Hand);
  EXPECT_EQ(s.AttackCount, 0);
}

}  // namespace
}  // namespace durak::table
