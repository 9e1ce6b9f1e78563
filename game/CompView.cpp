#include "CompView.h"

#include "CompEval.h"
#include "Game.h"

namespace durak {

TCompView MakeCompView(TGame& game) {
  TCompView view;
  view.Hand = &game.CompHand;
  view.Table = &game.TableCards;
  view.PlayerRow = &game.PlayerRow;
  view.CompRow = &game.CompRow;
  view.Discard = &game.Discard;
  view.Known = &game.KnownCards;
  view.Trump = game.Trump;
  view.StockCount = static_cast<int>(game.Deck.size());
  view.PlayerCount = static_cast<int>(game.PlayerHand.size());
  view.UnseenEmpty = game.UnseenCards.empty();
  view.TransferOn = game.TransferOn;
  view.MultiLeadOn = game.MultiLeadOn;
  view.HasTrumpCard = !game.Deck.empty();
  if (view.HasTrumpCard) view.TrumpCard = game.Deck[0];
  // Nothing moves while the computer decides, so the seen cards are gathered once.
  view.Seen = SeenCards(view);
  return view;
}

}  // namespace durak
