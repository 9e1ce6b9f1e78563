#include "DealReplay.h"

#include <memory>

#include "ApplyEvent.h"
#include "DealKeeper.h"
#include "EasyPlayer.h"
#include "StateJson.h"
#include "StrongChooser.h"

namespace durak {

using nlohmann::json;

namespace {

// A deal that has not ended after this many inputs never will.
constexpr size_t kMaxEvents = 10000;

bool IsPlayerInput(const json& event) {
  const auto type = event.find("type");
  if (type == event.end() || !type->is_string()) return false;
  if (*type == "click") return true;
  if (*type != "button") return false;
  const auto name = event.find("name");
  // The deal button starts a deal; the others answer in one.
  return name != event.end() && name->is_string() && *name != "Button2";
}

}  // namespace

const json& StateBefore(const TDealReplay& replay, size_t step) {
  return step == 0 ? replay.Start : replay.Steps[step - 1].State;
}

TDealReplay ReplayDeal(const TDealRecord& record) {
  TDealReplay replay;
  replay.Start = record.Start;
  if (record.Players != 2) {
    replay.Problem = "a deal of " + std::to_string(record.Players) + " players";
    return replay;
  }
  if (record.Events.size() > kMaxEvents) {
    replay.Problem = "more than " + std::to_string(kMaxEvents) + " inputs";
    return replay;
  }
  THeadlessGame headless;
  TGame& game = headless.Game;
  // The computer of the record's level, as the window seats it.
  std::unique_ptr<ICompChooser> chooser;
  if (record.Opponent == "strong") {
    auto strong = std::make_unique<TStrongChooser>(TStrongParams(), 1);
    // The moves the computer made, where the record has them; a search otherwise.
    strong->Script = record.Computer;
    chooser = std::move(strong);
  } else if (record.Opponent == "easy")
    chooser = std::make_unique<TEasyChooser>(1);
  game.Chooser = chooser.get();
  try {
    LoadState(record.Start, game, headless.Cards);
    std::string before = SaveState(game, headless.Cards).dump();
    for (size_t i = 0; i < record.Events.size(); ++i) {
      const json& event = record.Events[i];
      if (i == 0 && (!event.contains("type") || event["type"] != "deal"))
        throw THarnessError{"the first input is not the deal"};
      if (i > 0 && game.DealResult != drGoesOn)
        throw THarnessError{"inputs after the end of the deal"};
      ApplyEvent(event, headless);
      TReplayStep step;
      step.Event = static_cast<int>(i);
      step.State = SaveState(game, headless.Cards);
      std::string after = step.State.dump();
      step.PlayerMove = i > 0 && IsPlayerInput(event) && after != before;
      before = std::move(after);
      replay.Steps.push_back(std::move(step));
    }
  } catch (const THarnessError& e) {
    replay.Problem = "input " + std::to_string(replay.Steps.size() + 1) + ": " + e.Message;
  } catch (const std::exception& e) {
    replay.Problem = "input " + std::to_string(replay.Steps.size() + 1) + ": " + e.what();
  }
  replay.Result = ResultWord(game.DealResult);
  if (!replay.Problem.empty()) return replay;
  if (replay.Result.empty())
    replay.Problem = "the deal did not end";
  else if (replay.Result != record.Result)
    replay.Problem = "the replay ended in a " + replay.Result + ", the record says " +
                     record.Result + " (the computer answered otherwise than in the game)";
  return replay;
}

}  // namespace durak
