// The game engine: the state of a deal and every rule of play. It owns the card lists, the
// table rows, the modes and the scores, and reaches the screen only through the card
// controls and the table view it is handed.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "CardControl.h"
#include "CardLists.h"
#include "Layout.h"
#include "Random.h"
#include "TableView.h"
#include "Vocabulary.h"

namespace durak {

class ICompChooser;

// The current player's line in the champions table that every finished deal updates.
struct TRecord {
  int32_t Games = 0;
  int32_t Wins = 0;
  int32_t Losses = 0;
  double Rating = 0.5;
};

// Words the engine shows: the pick-a-pair menu captions and the speeches.
struct TGameTexts {
  std::array<std::string, 5> SuitWords{};                 // suits 1..4
  std::array<std::string, 15> RankWords{};                // ranks 6..14
  std::array<std::string, 2> PopupWords{};                // beat-item prefix, transfer caption
  std::array<std::array<std::string, 5>, 20> Speeches{};  // situations 1..19, 5 variants
};

// Rating of a record: 0 when every deal was lost, 1 when every deal was won.
double RatingOf(int32_t games, int32_t wins, int32_t losses);

class TGame {
 public:
  TGame(std::array<ICardControl*, 36> cards, ITableView& table, IClock& clock);
  virtual ~TGame() = default;

  // ---- state ------------------------------------------------------------------------
  TCardList PlayerHand, CompHand, Deck, TableCards, Discard, UnseenCards, KnownCards;
  // The computer's cards the player has seen: taken from the table, the face-up trump card
  // it drew, the trump it showed at the deal. The hint decides on these, never on CompHand.
  TCardList SeenCompCards;
  TRow PlayerRow{}, CompRow{};
  uint8_t Trump = 1;
  TPlayMode PlayMode = pmNone;
  TCompAction CompAction = caNothing;
  TLeader Leader = ldUndecided;
  bool TransferOn = false;
  bool MultiLeadOn = false;
  int32_t PlayerScore = 0;
  int32_t ComputerScore = 0;
  int32_t MenuPick = -1;
  bool Busy = false;
  // Result of the current deal once its end-of-deal steps have run; the deal resets it.
  TDealResult DealResult = drGoesOn;
  int LastSpeech = 0;                   // a TSpeech, or any number a stored state brought
  std::array<bool, 6> ButtonVisible{};  // indexed by TButton

  // Settings the rules read.
  int32_t Options = arHotCards | arSound;
  int32_t GlideSpeed = 40;
  int32_t HandOrder = 1;

  TRecord Record;
  TGameTexts Texts;
  TLayout Layout;
  TRandom Random;

  // Every speech and sound asked for, in order (the harness reports them).
  std::vector<int> SpeechLog, SoundLog;
  // Every non-zero result CheckGameOver returned.
  std::vector<int> ResultLog;

  // ---- deal and new game --------------------------------------------------------------
  void DealPressed();
  void DealCards();
  virtual void Shuffle(std::array<uint8_t, 36>& buffer, int high);
  void NewGame();

  // ---- table operations ---------------------------------------------------------------
  ICardControl& GetCard(int tag) { return *Cards[tag - 1]; }
  void AddToList(const TCardInfo& card, TCardList& list) { durak::AddToList(card, list); }
  void RemoveFromList(const TCardInfo& card, TCardList& list) { durak::RemoveFromList(card, list); }
  int CountRank(int rank, const TCardList& list) const {
    return durak::CountRank(rank, list, Trump);
  }
  int SlotOpen(int i) const;
  void PutSlot(ICardControl& card, int i, TRow& row);
  void PutOnTable(ICardControl& card, TDeskSide side, int slot);
  // Moves the whole attack into the row of the side named (the transfer).
  void ShiftRow(TSide towards);
  void PlaceRow(TSide row);
  void MarkPlayable(TPlayMode mode);

  // ---- layout -------------------------------------------------------------------------
  // Recomputes the layout for a table of that size, then lays out the stock, the hands and
  // the table cards again. scale: how much the cards are enlarged over the library's size.
  void ArrangeTable(int tableWidth, int tableHeight, int cardWidth, int cardHeight,
                    double scale = 1.0);
  void PaintStock();
  void PlaceCards(int left, int right, int top, int sortKind, TCardList& list);

  // ---- what the player may do ----------------------------------------------------------
  bool MayLead(const TCardInfo& card) const;
  bool MayTransfer(const TCardInfo& card) const;
  // The open pairs of the attack the card beats.
  std::vector<int> SlotsToBeat(const TCardInfo& card) const;
  // Whether some card of the attack is still unanswered.
  bool AttackOpen() const;
  // Whether the player's attack may take one card more.
  bool ThrowInRoom() const;
  bool MayThrowIn(const TCardInfo& card) const;
  // Whether a click on the card now would be accepted as a move.
  bool ClickActs(const TCardInfo& card) const;

  // ---- player moves -------------------------------------------------------------------
  void CardClicked(ICardControl& card);
  void TakePressed();
  void ComputerTakesPressed();
  void DiscardPressed();
  void DefendPressed();

  // ---- take, discard, draw ------------------------------------------------------------
  void Beru(TSide who);
  void Bito(TSide attacker);
  void DrawCards(int count, TSide who);

  // ---- end of a deal, speech and sound ------------------------------------------------
  TDealResult CheckGameOver();
  void ShowScore();
  void ShowSpeech(TSpeech id);
  void PlaySoundEffect(TSound id);

  // ---- the computer's move ------------------------------------------------------------
  virtual void ComputerMove(TCompAction action, bool afterTake);
  // Who makes the computer's choices; none means the described computer player.
  ICompChooser* Chooser = nullptr;

  // Shows or hides a command button.
  void SetButton(TButton button, bool visible);

  // The glide step for a speed setting: longer in proportion to the card scale, so that a
  // glide across the table takes as long at every window size.
  int GlideStep(int speed) const;

 protected:
  std::array<ICardControl*, 36> Cards;
  ITableView& Table;
  IClock& Clock;

 private:
  bool LeadBranch(const TCardInfo& card, int& slot, bool& extend);
  bool DefendBranch(ICardControl& card, const TCardInfo& kart, int& slot);
  bool ThrowInBranch(const TCardInfo& card, int& slot);
  int PairMenu(ICardControl& card, const std::vector<int>& candidates, bool transfer);
  // Lays a hand out again from its origin with the given step (position only).
  void LayOutHand(const TCardList& hand, int left, int top, int step);
  void EndDeal(TDealResult result);
};

}  // namespace durak
