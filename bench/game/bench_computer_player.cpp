// One decision of the computer player for each kind of move, on mid-game tables. Every
// iteration puts the table back as it was before the move; BM_RestoreOnly measures that
// part alone so it can be subtracted.
#include <benchmark/benchmark.h>

#include <initializer_list>

#include "Game.h"
#include "Headless.h"

namespace {

using namespace durak;

TCardList Cards(std::initializer_list<int> tags) {
  TCardList list;
  for (int t : tags) list.push_back(CardInfoOfTag(t));
  return list;
}

// The state a move starts from, copied back before every call.
struct TPosition {
  TCardList PlayerHand, CompHand, Deck, TableCards, Discard, UnseenCards, KnownCards;
  TRow PlayerRow{}, CompRow{};
  int Trump = 1, PlayMode = pmNone, CompAction = caNothing;
  bool TransferOn = true;
  TCompAction Action = caLead;
  bool AfterTake = false;
};

struct TBench {
  THeadlessCards CardSet;
  THeadlessTable Table;
  TFixedClock Clock{1234};
  TGame Game{CardSet.Pointers(), Table, Clock};
  TBench() { Game.Layout = ComputeLayout(738, 530, 71, 96); }

  void Restore(const TPosition& p) {
    Game.PlayerHand = p.PlayerHand;
    Game.CompHand = p.CompHand;
    Game.Deck = p.Deck;
    Game.TableCards = p.TableCards;
    Game.Discard = p.Discard;
    Game.UnseenCards = p.UnseenCards;
    Game.KnownCards = p.KnownCards;
    Game.PlayerRow = p.PlayerRow;
    Game.CompRow = p.CompRow;
    Game.Trump = static_cast<uint8_t>(p.Trump);
    Game.PlayMode = static_cast<TPlayMode>(p.PlayMode);
    Game.CompAction = static_cast<TCompAction>(p.CompAction);
    Game.TransferOn = p.TransferOn;
    Game.DealResult = drGoesOn;
    Game.SpeechLog.clear();
    Game.SoundLog.clear();
    Game.ResultLog.clear();
  }
};

// Trump hearts. Stock of `stock` cards, the discard holding what is left over.
TPosition Base(int stock) {
  TPosition p;
  p.Trump = Hearts;
  p.PlayerHand = Cards({2, 7, 13, 18, 25, 30});  // 6C 7D 9S 10C QS KC
  p.CompHand = Cards({1, 6, 11, 16, 21, 28});    // 6S 7C 8D 9H 10S QH
  p.KnownCards = Cards({13, 30});
  const int deckTags[] = {36, 3,  4,  5,  8,  9,  10, 12, 14, 15, 17, 19,
                          20, 22, 23, 24, 26, 27, 29, 31, 32, 33, 34, 35};
  for (int i = 0; i < 24; ++i)
    (i < stock ? p.Deck : p.Discard).push_back(CardInfoOfTag(deckTags[i]));
  for (const TCardInfo& k : p.PlayerHand)
    if (k.Tag != 13 && k.Tag != 30) p.UnseenCards.push_back(k);
  for (int i = 1; i < stock; ++i) p.UnseenCards.push_back(p.Deck[i]);
  return p;
}

TPosition Lead(int stock) {
  TPosition p = Base(stock);
  p.Action = caLead;
  return p;
}

// The player has led two cards of one rank (9S and 9C swapped in for the bench).
TPosition Defence(int stock) {
  TPosition p = Base(stock);
  p.PlayerHand = Cards({2, 7, 18, 25, 30});
  p.PlayerRow[0] = CardInfoOfTag(13);  // 9S
  p.TableCards = Cards({13});
  p.KnownCards = Cards({30});
  p.UnseenCards.erase(p.UnseenCards.begin());
  p.Action = caDefend;
  p.CompAction = caDefend;
  return p;
}

// The computer led 6S and the player beat it with 9S; 6C is on the way.
TPosition ThrowIn(int stock, int afterTake) {
  TPosition p = Base(stock);
  p.CompHand = Cards({6, 11, 16, 21, 28, 3});  // 7C 8D 9H 10S QH 6D
  p.Deck.erase(p.Deck.begin() + (stock > 1 ? 1 : 0), p.Deck.begin() + (stock > 1 ? 2 : 0));
  p.CompRow[0] = CardInfoOfTag(1);
  p.PlayerRow[0] = CardInfoOfTag(13);
  p.TableCards = Cards({1, 13});
  p.PlayerHand = Cards({2, 7, 18, 25, 30});
  p.KnownCards = Cards({30});
  p.Action = caThrowIn;
  p.AfterTake = afterTake;
  return p;
}

void RunMove(benchmark::State& state, const TPosition& position, bool restoreOnly) {
  TBench b;
  for (auto _ : state) {
    b.Restore(position);
    if (!restoreOnly) b.Game.ComputerMove(position.Action, position.AfterTake);
    benchmark::DoNotOptimize(b.Game.PlayMode);
  }
}

void BM_RestoreOnly(benchmark::State& s) {
  RunMove(s, Lead(12), true);
}
void BM_HM_Lead(benchmark::State& s) {
  RunMove(s, Lead(static_cast<int>(s.range(0))), false);
}
void BM_HM_Defend(benchmark::State& s) {
  RunMove(s, Defence(static_cast<int>(s.range(0))), false);
}
void BM_HM_ThrowInOne(benchmark::State& s) {
  RunMove(s, ThrowIn(static_cast<int>(s.range(0)), 0), false);
}
void BM_HM_ThrowInBeforeTake(benchmark::State& s) {
  RunMove(s, ThrowIn(static_cast<int>(s.range(0)), 1), false);
}
void BM_HM_AnswerThrowIn(benchmark::State& s) {
  TPosition p = Defence(12);
  p.Action = caTakes;
  p.CompAction = caTakes;
  RunMove(s, p, false);
}

BENCHMARK(BM_RestoreOnly);
BENCHMARK(BM_HM_Lead)->Arg(20)->Arg(12)->Arg(5)->Arg(1);
BENCHMARK(BM_HM_Defend)->Arg(20)->Arg(12)->Arg(5)->Arg(1);
BENCHMARK(BM_HM_ThrowInOne)->Arg(20)->Arg(12)->Arg(5)->Arg(1);
BENCHMARK(BM_HM_ThrowInBeforeTake)->Arg(20)->Arg(12)->Arg(5)->Arg(1);
BENCHMARK(BM_HM_AnswerThrowIn);

}  // namespace
