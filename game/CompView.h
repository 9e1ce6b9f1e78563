// What the computer player may know when it decides a move, and nothing more: its own hand,
// the table, the discard pile, the face-up trump card, the size of the stock and of the
// player's hand, the player's cards it has seen, and whether any card's place is still
// unknown. The player's hand itself is not reachable from here: only its size is copied in.
#pragma once

#include <vector>

#include "CardInfo.h"
#include "CardLists.h"

namespace durak {

class TGame;

// One card the computer puts down: the card of its hand (by Tag) and the slot of its row.
struct TCompMove {
  int Tag = 0;
  int Slot = 0;
};
using TCompMoves = std::vector<TCompMove>;

struct TCompView {
  TCardList* Hand = nullptr;         // the computer's own hand; the working scores are written here
  const TCardList* Table = nullptr;  // every card of the bout, both rows, in order of play
  const TRow* PlayerRow = nullptr;
  const TRow* CompRow = nullptr;
  const TCardList* Discard = nullptr;
  const TCardList* Known = nullptr;  // the player's cards the computer has seen
  TCardList Seen;                    // the cards whose place outside the player's hand is known
  int Trump = 1;
  int StockCount = 0;        // cards in the stock, the face-up trump card included
  int PlayerCount = 0;       // cards in the player's hand
  bool UnseenEmpty = false;  // every card's place is known
  bool TransferOn = false;
  bool MultiLeadOn = false;
  bool HasTrumpCard = false;  // the face-up trump card still lies under the stock
  TCardInfo TrumpCard;
};

// Builds the computer's view of the game at the start of its move. It reads the player's
// hand only for its size and the unseen cards only for whether there are any.
TCompView MakeCompView(TGame& game);

}  // namespace durak
