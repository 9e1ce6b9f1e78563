// The end of a deal and the score, the speech line and the sounds.
#include <cstdint>

#include "Game.h"

namespace durak {

namespace {

// One more, except at the top of the range: a record of two billion deals stays there
// rather than turning negative.
void Saturated(int32_t& counter) {
  if (counter < INT32_MAX) ++counter;
}

}  // namespace

double RatingOf(int32_t games, int32_t wins, int32_t losses) {
  if (games <= 0) return 0.5;
  const long double r = 0.5L / games * (static_cast<long double>(wins) - losses) + 0.5L;
  return static_cast<double>(r);
}

TDealResult TGame::CheckGameOver() {
  // A deal ends once: later checks in the same deal report the stored result.
  if (DealResult != drGoesOn) {
    ResultLog.push_back(DealResult);
    return DealResult;
  }
  if (!Deck.empty() || (!PlayerHand.empty() && !CompHand.empty())) return drGoesOn;

  const int t = RowCount(CompRow) - RowCount(PlayerRow);
  const int comp = static_cast<int>(CompHand.size());
  const int mine = static_cast<int>(PlayerHand.size());
  const int h = comp - mine;
  TDealResult result = drGoesOn;
  if (h == 0) {
    result = drDraw;
  } else if (h > 0) {
    // The computer could still shed its cards on the player's unanswered ones.
    const bool notYet = t < 0 && comp <= -t && CompAction == caDefend;
    result = notYet ? drGoesOn : drPlayerWon;
  } else {
    const bool notYet = t > 0 && mine <= t && PlayMode == pmDefend;
    result = notYet ? drGoesOn : drComputerWon;
  }
  if (result == drGoesOn) return drGoesOn;
  EndDeal(result);
  ResultLog.push_back(result);
  return result;
}

void TGame::EndDeal(TDealResult result) {
  DealResult = result;
  MarkPlayable(pmNone);
  SetButton(TakeButton, false);
  SetButton(ComputerTakesButton, false);
  SetButton(DiscardButton, false);
  if (result == drPlayerWon) {
    ShowSpeech(sayPlayerWon);
    Saturated(PlayerScore);
    Saturated(Record.Wins);
    PlaySoundEffect(snPlayerWon);
    Leader = ldPlayer;
  } else if (result == drComputerWon) {
    ShowSpeech(sayCompWon);
    Saturated(ComputerScore);
    Saturated(Record.Losses);
    PlaySoundEffect(snCompWon);
    Leader = ldComputer;
  } else {
    ShowSpeech(sayDraw);
    Leader = ldUndecided;
  }
  ShowScore();
  PlayMode = pmNone;
  CompAction = caNothing;
  // The computer's hand is shown: every card still face down is turned up where it lies; a
  // card already face up (the drawn trump card) stays so.
  for (const TCardInfo& k : CompHand) {
    ICardControl& c = GetCard(k.Tag);
    if (c.CardState() == 0) c.FlipInPlace(2, true);
  }
  SetButton(DealButton, true);
  Saturated(Record.Games);
  Record.Rating = RatingOf(Record.Games, Record.Wins, Record.Losses);
  if (!Table.ShowChampionsAfterDeal()) Table.CloseMainWindow();
  if (PlayerScore == 0 && ComputerScore == 0) ShowScore();
}

void TGame::ShowScore() {
  Table.SetLed(PlayerScoreLed, PlayerScore);
  Table.SetLed(ComputerScoreLed, ComputerScore);
}

void TGame::ShowSpeech(TSpeech id) {
  SpeechLog.push_back(id);
  Random.Reseed(Clock);
  Random.Draw(100);
  if (id == 0) {
    Table.SetSpeechText(std::string());
  } else if (id >= 1 && id <= 19) {
    const uint32_t r = Random.Draw(5);
    Table.SetSpeechText(Texts.Speeches[id][r]);
  }
  LastSpeech = id;
}

void TGame::PlaySoundEffect(TSound id) {
  SoundLog.push_back(id);
  if ((Options & arSound) == 0) return;
  Table.PlaySound(id);
}

}  // namespace durak
