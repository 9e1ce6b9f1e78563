// The game's numbered words: who is meant by a side, which line the computer says, which
// sound plays. The numbers are the ones the engine has always used (the harness and the
// language library see them), so every enumerator keeps its value.
#pragma once

#include <cstdint>

namespace durak {

// The option bits stored under "Arul".
enum TArulFlag : int { arHotCards = 1, arTransfer = 2, arMultiLead = 4, arSound = 8 };

// What a click on one of the player's cards means.
enum TPlayMode : uint8_t { pmLead = 0, pmDefend = 1, pmThrowIn = 3, pmNone = 4 };

// The kind of move the computer makes next.
enum TCompAction : uint8_t { caLead = 0, caDefend = 1, caThrowIn = 3, caNothing = 4, caTakes = 5 };

// End of a deal as CheckGameOver reports it.
enum TDealResult : int { drGoesOn = 0, drPlayerWon = -1, drComputerWon = 1, drDraw = 2 };

// A side of the table for Beru, Bito, DrawCards, ShiftRow and PlaceRow: whose hand takes or
// draws, who attacked the bout, towards whose row the cards move.
enum TSide : int { sdPlayer = 0, sdComputer = 1 };

// Who leads the next deal: the winner of the previous one, or, after a draw and at the start
// of a game, the side with the lower trump.
enum TLeader : uint8_t { ldPlayer = 0, ldComputer = 1, ldUndecided = 100 };

// The side PutOnTable puts a card down for (any other value only puts the card on the table).
enum TDeskSide : int { dsPlayer = 1, dsComputer = 2 };

// The computer's speech line: situation 1..19, each with five variants in the language
// library; 0 clears the line.
enum TSpeech : int {
  sayClear = 0,
  sayCompLeads = 1,             // the computer leads a bout
  sayCompTakesMayAdd = 2,       // it cannot beat and takes; the player may add more
  sayCompBeatAll = 3,           // it has beaten every card; the player may add or say "Бито"
  sayCompWon = 4,               // the deal is over, the computer has won it
  sayPlayerWon = 5,             // the deal is over, the player has won it
  sayDraw = 6,                  // the deal is over as a draw
  sayCompThrowsIn = 7,          // the computer adds one more card for the player to beat
  sayRankNotOnTable = 8,        // the player tried to add a rank that is not on the table
  sayCannotBeat = 9,            // the player's card beats nothing and cannot transfer
  sayCompDiscards = 10,         // nothing to add: the bout is discarded, the player leads
  sayCompTookPlayerLeads = 11,  // the computer took the table; the player leads again
  sayNoMoreCards = 12,          // no further card may come; only the buttons act
  sayCompTakesNoMore = 13,      // the computer takes and nothing more may be added
  sayNewGame = 14,              // a new game has been started
  sayCompTransfers = 15,        // the computer transfers the attack back to the player
  sayCompAcceptsMore = 16,      // the computer, taking, accepts an added card
  sayMayLeadMore = 17,          // the player may lead more cards of the same rank ("Бейся")
  sayPlayerLeadsDeal = 18,      // dealt, and the player leads
  sayCompLeadsDeal = 19,        // dealt, and the computer leads with the lower trump
};
constexpr int kSpeechCount = 19;

// The sounds of the sound library ("SND<id>").
enum TSound : int {
  snPutDown = 1,    // a card is put on the table
  snDiscard = 2,    // a bout is discarded
  snTake = 3,       // a side takes the table
  snPlayerWon = 4,  // the player wins a deal
  snCompWon = 5,    // the computer wins a deal
};

}  // namespace durak
