#include "DealRecorder.h"

#include <memory>

#include "ApplyEvent.h"
#include "EasyPlayer.h"
#include "StateJson.h"

namespace durak {

using nlohmann::json;

TPlayerPolicy StrongPolicy(int iterations, uint64_t seed) {
  TStrongParams params;
  params.Iterations = iterations;
  return [params, seed](const TGame& game) { return StrongHint(game, seed, params); };
}

json EventOfHint(const THint& hint) {
  if (hint.IsClick) return json{{"type", "click"}, {"tag", hint.Tag}, {"menu", hint.Menu}};
  return json{{"type", "button"}, {"name", "Button" + std::to_string(int(hint.Button))}};
}

TDealRecord RecordDeal(uint32_t seed, int options, const std::string& opponent,
                       const TPlayerPolicy& player, int maxInputs, uint64_t computerSeed) {
  TDealRecord record;
  record.Time = "2026-01-01T00:00:00Z";
  record.Options = options;
  record.Opponent = opponent;
  record.Deal = seed;

  THeadlessGame headless;
  TGame& game = headless.Game;
  std::unique_ptr<ICompChooser> chooser;
  TStrongChooser* strong = nullptr;
  if (opponent == "strong") {
    chooser = std::make_unique<TStrongChooser>(TStrongParams(), computerSeed);
    strong = static_cast<TStrongChooser*>(chooser.get());
  } else if (opponent == "easy")
    chooser = std::make_unique<TEasyChooser>(1);
  game.Chooser = chooser.get();
  game.Options = options;
  game.NewGame();
  record.Start = SaveState(game, headless.Cards);

  json event = {{"type", "deal"}, {"seed", seed}};
  for (int n = 0; n <= maxInputs; ++n) {
    ApplyEvent(event, headless);
    record.Events.push_back(event);
    if (game.DealResult != drGoesOn) break;
    const THint hint = player(game);
    if (!hint.Valid) break;
    event = EventOfHint(hint);
  }
  record.Result = game.DealResult == drPlayerWon     ? "win"
                  : game.DealResult == drComputerWon ? "loss"
                  : game.DealResult == drDraw        ? "draw"
                                                     : "";
  if (strong != nullptr) record.Computer = strong->Played;
  return record;
}

}  // namespace durak
