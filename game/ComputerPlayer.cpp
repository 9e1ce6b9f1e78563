// The computer's move. The engine calls ComputerMove whenever the turn passes to the computer; it
// decides on what the computer may know (see CompView.h), puts its cards on the table,
// says its line, sets the answer buttons and the player's next input mode, and returns.
#include <utility>

#include "CompAttack.h"
#include "CompChooser.h"
#include "CompDefence.h"
#include "CompView.h"
#include "Game.h"

namespace durak {

TCompMoves TDescribedChooser::Lead(TCompView& view) {
  return ChooseLead(view);
}

TCompDefence TDescribedChooser::Defend(TCompView& view) {
  TCompDefence d;
  d.TransferTag = ChooseTransfer(view);
  if (d.TransferTag <= 0) d.Beaters = ChooseBeat(view);
  return d;
}

TCompMoves TDescribedChooser::ThrowIn(TCompView& view, bool afterTake) {
  return ChooseThrowIn(view, afterTake);
}

namespace {

void PutDown(TGame& game, const TCompMoves& moves) {
  for (const TCompMove& m : moves) game.PutOnTable(game.GetCard(m.Tag), dsComputer, m.Slot);
}

}  // namespace

void TGame::ComputerMove(TCompAction action, bool afterTake) {
  if (action == caNothing) return;
  // With an empty hand the computer has no move, with one exception: the player has just
  // beaten its last card while the stock still holds cards. Then it has nothing to add and
  // the bout is discarded as usual; returning would leave the player with no move at all.
  const bool lastCardBeaten = action == caThrowIn && !afterTake && !Deck.empty();
  if (CompHand.empty() && !lastCardBeaten) return;

  TCompView view = MakeCompView(*this);
  TDescribedChooser described;
  ICompChooser& chooser = Chooser != nullptr ? *Chooser : described;
  TCompMoves moveList;
  int transferTag = -1;

  switch (action) {
    case caLead:
      moveList = chooser.Lead(view);
      ShowSpeech(sayCompLeads);
      PutDown(*this, moveList);
      PlayMode = pmDefend;
      break;

    case caDefend: {
      TCompDefence defence = chooser.Defend(view);
      transferTag = defence.TransferTag;
      if (transferTag > 0) {
        // The attack moves over to the computer's row; the transfer card joins it below.
        ShiftRow(sdComputer);
        PlayMode = pmDefend;
        ShowSpeech(sayCompTransfers);
        break;
      }
      moveList = std::move(defence.Beaters);
      if (moveList.empty()) {
        // Cannot beat everything: take, and let the player add while there is room.
        const int open = RowCount(PlayerRow) - RowCount(CompRow);
        if (RowCount(PlayerRow) < 6 && open < static_cast<int>(CompHand.size())) {
          ShowSpeech(sayCompTakesMayAdd);
          PlayMode = pmThrowIn;
          CompAction = caTakes;
        } else {
          ShowSpeech(sayCompTakesNoMore);
          PlayMode = pmNone;
        }
        SetButton(DiscardButton, false);
        SetButton(ComputerTakesButton, true);
      } else if (RowCount(CompRow) + static_cast<int>(moveList.size()) == RowCount(PlayerRow)) {
        PutDown(*this, moveList);
        if (RowCount(PlayerRow) >= 6 || CompHand.empty()) {
          ShowSpeech(sayNoMoreCards);
          PlayMode = pmNone;
        } else {
          ShowSpeech(sayCompBeatAll);
          PlayMode = pmThrowIn;
        }
        SetButton(DiscardButton, true);
        SetButton(ComputerTakesButton, false);
      }
      break;
    }

    case caThrowIn:
      moveList = chooser.ThrowIn(view, afterTake);
      if (!moveList.empty()) {
        PutDown(*this, moveList);
        if (afterTake) {
          // The player takes these with the rest.
          PlayMode = pmNone;
        } else {
          ShowSpeech(sayCompThrowsIn);
          PlayMode = pmDefend;
        }
      } else if (afterTake) {
        PlayMode = pmNone;
      } else {
        // Nothing to add after the player beat everything: the bout is discarded.
        ShowSpeech(sayCompDiscards);
        Bito(sdComputer);
        PlayMode = pmLead;
      }
      break;

    case caTakes: {
      // The computer takes and the player has added a card: answer with a word only.
      const int open = RowCount(PlayerRow) - RowCount(CompRow);
      if (RowCount(PlayerRow) < 6 && open < static_cast<int>(CompHand.size())) {
        ShowSpeech(sayCompAcceptsMore);
        PlayMode = pmThrowIn;
      } else {
        ShowSpeech(sayCompTakesNoMore);
        PlayMode = pmNone;
      }
      break;
    }

    default:
      break;
  }

  if (moveList.empty() && transferTag > 0)
    PutOnTable(GetCard(transferTag), dsComputer, RowCount(CompRow));
  moveList.clear();
  if (CompAction != caTakes) CompAction = caNothing;
  if (CheckGameOver() != drGoesOn) {
    // The deal may already have ended inside the move (a discard that emptied a hand): no
    // card input once it is over.
    PlayMode = pmNone;
  }
  if (PlayMode == pmDefend) SetButton(TakeButton, true);
  MarkPlayable(PlayMode);
}

}  // namespace durak
