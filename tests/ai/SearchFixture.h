// Helpers for checking the search model against the engine: the whole state of a game as a
// search state (these read every hidden card, as only a test may), and a copy of a game.
#pragma once

#include <string>

#include "CompChooser.h"
#include "Game.h"
#include "Headless.h"
#include "SearchModel.h"
#include "SearchView.h"

namespace durak::testing {

// The whole deal as a search state; the decision is the player's (the phase as the player's
// view reads it), or the computer's ComputerMove(action, afterTake) when action >= 0.
inline TSearchState FullState(const TGame& g, int action = -1, int afterTake = 0) {
  TInfoSet info;
  if (action >= 0) {
    TGame& game = const_cast<TGame&>(g);
    const TCompView view = MakeCompView(game);
    info = InfoOfComputer(view, action, afterTake);
  } else {
    InfoOfPlayer(MakePlayerView(g), info);
  }
  TSearchState s = info.Visible;
  for (int i = 0; i < 6; ++i) {
    s.Row[seatPlayer][i] = g.PlayerRow[i].Rank != 0 ? g.PlayerRow[i].Tag : 0;
    s.Row[seatComputer][i] = g.CompRow[i].Rank != 0 ? g.CompRow[i].Tag : 0;
  }
  s.Table = CardSetOf(g.TableCards);
  s.Discard = CardSetOf(g.Discard);
  s.Trump = g.Trump;
  s.TransferOn = g.TransferOn;
  s.MultiLeadOn = g.MultiLeadOn;
  s.Hand[seatPlayer] = CardSetOf(g.PlayerHand);
  s.Hand[seatComputer] = CardSetOf(g.CompHand);
  s.StockCount = static_cast<uint8_t>(g.Deck.size());
  for (size_t i = 0; i < g.Deck.size(); ++i) s.Stock[i] = g.Deck[i].Tag;
  if (g.DealResult != drGoesOn) {
    s.Phase = spOver;
    s.Result = static_cast<int8_t>(g.DealResult);
  }
  return s;
}

// Where the model and the game disagree about the cards, the turn or the result; empty when
// they agree.
inline std::string Difference(const TSearchState& m, const TGame& g) {
  const TSearchState e = FullState(g);
  if (m.Hand != e.Hand) return "hands differ";
  if (m.StockCount != e.StockCount) return "stock sizes differ";
  for (int i = 0; i < m.StockCount; ++i)
    if (m.Stock[i] != e.Stock[i]) return "stock order differs";
  // Once a deal is over the cards left on the table lie in no particular slots.
  if (!m.Over() && m.Row != e.Row) return "table rows differ";
  if (m.Discard != CardSetOf(g.Discard)) return "discard differs";
  if (m.Table != CardSetOf(g.TableCards)) return "table cards differ";
  if (m.Over() != (g.DealResult != drGoesOn)) return "end of deal differs";
  if (m.Over()) return m.Result == g.DealResult ? "" : "results differ";
  if (m.Mover() != seatPlayer) return "the model waits for the computer";
  if (m.Phase != e.Phase || m.Attacker != e.Attacker) return "phases differ";
  return "";
}

// Copies a game's state into another game on its own headless cards.
inline void CopyGame(const TGame& from, TGame& to, THeadlessCards& cards) {
  to.PlayerHand = from.PlayerHand;
  to.CompHand = from.CompHand;
  to.Deck = from.Deck;
  to.TableCards = from.TableCards;
  to.Discard = from.Discard;
  to.UnseenCards = from.UnseenCards;
  to.KnownCards = from.KnownCards;
  to.SeenCompCards = from.SeenCompCards;
  to.PlayerRow = from.PlayerRow;
  to.CompRow = from.CompRow;
  to.Trump = from.Trump;
  to.PlayMode = from.PlayMode;
  to.CompAction = from.CompAction;
  to.Leader = from.Leader;
  to.TransferOn = from.TransferOn;
  to.MultiLeadOn = from.MultiLeadOn;
  to.DealResult = from.DealResult;
  to.ButtonVisible = from.ButtonVisible;
  to.Options = from.Options;
  to.PlayerScore = from.PlayerScore;
  to.ComputerScore = from.ComputerScore;
  for (auto& c : cards.Cards) c->SetClickable(false);
  for (const TCardInfo& k : from.PlayerHand) cards.Cards[k.Tag - 1]->SetClickable(true);
}

}  // namespace durak::testing

namespace durak::testing {

inline std::string Dump(const TSearchState& s) {
  std::string o;
  auto set = [&](TCardSet c) {
    std::string r;
    for (; c; c &= c - 1) r += std::to_string(FirstCard(c)) + ",";
    return r;
  };
  o += "P[" + set(s.Hand[0]) + "] C[" + set(s.Hand[1]) + "] rows ";
  for (int side = 0; side < 2; ++side) {
    for (int i = 0; i < 6; ++i) o += std::to_string(s.Row[side][i]) + " ";
    o += "| ";
  }
  o += "stock " + std::to_string(s.StockCount) + " phase " + std::to_string(s.Phase) + " att " +
       std::to_string(s.Attacker) + " res " + std::to_string(s.Result);
  return o;
}

}  // namespace durak::testing
