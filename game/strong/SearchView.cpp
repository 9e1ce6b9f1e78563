#include "SearchView.h"

#include <array>

#include "Game.h"

namespace durak {

TCardSet CardSetOf(const TCardList& list) {
  TCardSet s = 0;
  for (const TCardInfo& k : list) s |= CardBit(k.Tag);
  return s;
}

namespace {

std::array<uint8_t, 6> RowTags(const TRow& row) {
  std::array<uint8_t, 6> r{};
  for (int i = 0; i < 6; ++i) r[i] = row[i].Rank != 0 ? row[i].Tag : 0;
  return r;
}

// The part both sides see alike: the table, the discard, the trump card, the rules.
void FillCommon(TSearchState& s, const TRow& playerRow, const TRow& compRow,
                const TCardList& discard, int trump, int stockCount, bool hasTrumpCard,
                const TCardInfo& trumpCard, bool transferOn, bool multiLeadOn) {
  s.Row[seatPlayer] = RowTags(playerRow);
  s.Row[seatComputer] = RowTags(compRow);
  s.Table = 0;
  for (const auto& row : s.Row)
    for (uint8_t c : row)
      if (c != 0) s.Table |= CardBit(c);
  s.Discard = CardSetOf(discard);
  s.Trump = static_cast<uint8_t>(trump);
  s.StockCount = static_cast<uint8_t>(stockCount);
  if (hasTrumpCard && stockCount > 0) s.Stock[0] = trumpCard.Tag;
  s.TransferOn = transferOn;
  s.MultiLeadOn = multiLeadOn;
}

uint64_t Mix(uint64_t h, uint64_t v) {
  h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
  return h * 0xBF58476D1CE4E5B9ull;
}

}  // namespace

TPlayerView MakePlayerView(const TGame& game) {
  TPlayerView v;
  v.Hand = game.PlayerHand;
  v.PlayerRow = game.PlayerRow;
  v.CompRow = game.CompRow;
  v.Discard = game.Discard;
  v.SeenComp = game.SeenCompCards;
  v.Trump = game.Trump;
  v.StockCount = static_cast<int>(game.Deck.size());
  v.CompCount = static_cast<int>(game.CompHand.size());
  v.HasTrumpCard = !game.Deck.empty();
  if (v.HasTrumpCard) v.TrumpCard = game.Deck[0];
  v.TransferOn = game.TransferOn;
  v.MultiLeadOn = game.MultiLeadOn;
  v.PlayMode = game.PlayMode;
  v.CompAction = game.CompAction;
  v.TakeShown = game.ButtonVisible[ComputerTakesButton];
  v.DiscardShown = game.ButtonVisible[DiscardButton];
  v.DealOver = game.DealResult != drGoesOn;
  return v;
}

TInfoSet InfoOfComputer(const TCompView& view, int action, int afterTake) {
  TInfoSet info;
  info.Seat = seatComputer;
  TSearchState& s = info.Visible;
  FillCommon(s, *view.PlayerRow, *view.CompRow, *view.Discard, view.Trump, view.StockCount,
             view.HasTrumpCard, view.TrumpCard, view.TransferOn, view.MultiLeadOn);
  s.Hand[seatComputer] = CardSetOf(*view.Hand);
  info.OppKnown = CardSetOf(*view.Known);
  s.Hand[seatPlayer] = info.OppKnown;
  info.OppCount = static_cast<uint8_t>(view.PlayerCount);
  switch (action) {
    case caLead:
      s.Attacker = seatComputer;
      s.Phase = spLead;
      break;
    case caDefend:
      s.Attacker = seatPlayer;
      s.Phase = spDefend;
      break;
    default:
      s.Attacker = seatComputer;
      s.Phase = afterTake != 0 ? spTakeThrowIn : spThrowIn;
      break;
  }
  return info;
}

bool InfoOfPlayer(const TPlayerView& view, TInfoSet& info) {
  if (view.DealOver) return false;
  info = TInfoSet();
  info.Seat = seatPlayer;
  TSearchState& s = info.Visible;
  FillCommon(s, view.PlayerRow, view.CompRow, view.Discard, view.Trump, view.StockCount,
             view.HasTrumpCard, view.TrumpCard, view.TransferOn, view.MultiLeadOn);
  s.Hand[seatPlayer] = CardSetOf(view.Hand);
  info.OppKnown = CardSetOf(view.SeenComp);
  s.Hand[seatComputer] = info.OppKnown;
  info.OppCount = static_cast<uint8_t>(view.CompCount);
  switch (view.PlayMode) {
    case pmLead:
      s.Attacker = seatPlayer;
      s.Phase = RowCount(view.PlayerRow) == 0 ? spLead : spLeadMore;
      return true;
    case pmDefend:
      s.Attacker = seatComputer;
      s.Phase = spDefend;
      return RowCount(view.CompRow) > RowCount(view.PlayerRow);
    case pmThrowIn:
      s.Attacker = seatPlayer;
      s.Phase = view.CompAction == caTakes ? spTakeThrowIn : spThrowIn;
      return true;
    default:
      // Card input is closed; only "Забирай" or "Бито" is left to press.
      s.Attacker = seatPlayer;
      if (view.TakeShown) {
        s.Phase = spTakeThrowIn;
        return true;
      }
      if (view.DiscardShown) {
        s.Phase = spThrowIn;
        return true;
      }
      return false;
  }
}

namespace {

// The cards whose place the deciding side does not know.
TCardSet UnknownCards(const TInfoSet& info) {
  const TSearchState& s = info.Visible;
  TCardSet known = s.Hand[info.Seat] | info.OppKnown | s.Table | s.Discard;
  if (s.StockCount > 0 && s.Stock[0] != 0) known |= CardBit(s.Stock[0]);
  return kAllCards & ~known;
}

}  // namespace

bool FullyKnown(const TInfoSet& info) {
  const TCardSet unknown = UnknownCards(info);
  if (unknown == 0) return true;
  // Once the stock holds at most the face-up trump card, every card not seen elsewhere is
  // in the other hand: a side that counts the cards knows them all.
  return info.Visible.StockCount <= 1 &&
         CardCount(unknown) == info.OppCount - CardCount(info.OppKnown);
}

TSearchState Determinize(const TInfoSet& info, TSearchRandom& random) {
  TSearchState s = info.Visible;
  const int opp = 1 - info.Seat;
  std::array<uint8_t, 36> pool{};
  int n = 0;
  for (TCardSet u = UnknownCards(info); u; u &= u - 1)
    pool[n++] = static_cast<uint8_t>(FirstCard(u));
  for (int i = n - 1; i > 0; --i) {
    const int j = static_cast<int>(random.Below(static_cast<uint32_t>(i + 1)));
    std::swap(pool[i], pool[j]);
  }
  int next = 0;
  const int missing = info.OppCount - CardCount(info.OppKnown);
  for (int i = 0; i < missing && next < n; ++i) s.Hand[opp] |= CardBit(pool[next++]);
  for (int i = 1; i < s.StockCount && next < n; ++i) s.Stock[i] = pool[next++];
  return s;
}

uint64_t InfoHash(const TInfoSet& info) {
  const TSearchState& s = info.Visible;
  uint64_t h = Mix(0x243F6A8885A308D3ull, s.Hand[info.Seat]);
  h = Mix(h, info.OppKnown);
  h = Mix(h, s.Discard);
  h = Mix(h, info.OppCount | uint64_t(s.StockCount) << 8 | uint64_t(s.Stock[0]) << 16 |
                 uint64_t(s.Phase) << 24 | uint64_t(s.Attacker) << 32 | uint64_t(info.Seat) << 40 |
                 uint64_t(s.Trump) << 48);
  for (int side = 0; side < 2; ++side)
    for (int i = 0; i < 6; ++i)
      h = Mix(h, s.Row[side][i] | uint64_t(i) << 8 | uint64_t(side) << 16);
  return h;
}

}  // namespace durak
