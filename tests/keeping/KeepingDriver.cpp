// A player at a headless table whose deals are kept as the game window keeps them: the
// resume file after every move, the history line once a deal is over. The kill and the two
// writers tests run it as a process of its own.
//
//   durak_keeping_driver play FOLDER SEED       resume what FOLDER holds, then play for
//                                               ever; before each write it prints what it
//                                               writes: "S <state>" for the resume file,
//                                               "F" for the end of a deal, then "W" once
//                                               written. At the start: "R <state>" for a
//                                               deal resumed, "N" for none, "B" for a
//                                               refused file.
//   durak_keeping_driver finish FOLDER SEED N NAME   plays N deals to their end as NAME.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "ApplyEvent.h"
#include "DealKeeper.h"
#include "StateJson.h"

namespace {

using durak::TGame;
using nlohmann::json;

// A move the rules accept now: a card that a click plays, or a command button shown.
json RandomMove(durak::THeadlessGame& h, std::mt19937& random) {
  std::vector<json> moves;
  TGame& g = h.Game;
  for (const durak::TCardInfo& k : g.PlayerHand)
    if (h.Cards.Cards[k.Tag - 1]->Clickable() && g.ClickActs(k))
      moves.push_back({{"type", "click"}, {"tag", k.Tag}, {"menu", int(random() % 7)}});
  for (int b : {1, 3, 4, 5})
    if (g.ButtonVisible[b])
      moves.push_back({{"type", "button"}, {"name", "Button" + std::to_string(b)}});
  if (moves.empty()) return json();
  return moves[random() % moves.size()];
}

void Say(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

int Run(const std::string& mode, const std::string& folder, uint32_t seed, int deals,
        const std::string& name) {
  std::mt19937 random(seed);
  durak::THeadlessGame h;
  durak::TDealKeeper keeper(folder + "/durak-resume.json", folder + "/durak-history.jsonl");
  const bool announce = mode == "play";
  if (announce) {
    durak::TResumePoint point;
    switch (durak::ReadResumeFile(keeper.ResumePath(), &point)) {
      case durak::TResumeLoad::Loaded:
        durak::LoadState(point.State, h.Game, h.Cards);
        keeper.ResumeDeal(point);
        Say("R " + durak::SaveState(h.Game, h.Cards).dump());
        break;
      case durak::TResumeLoad::None:
        Say("N");
        break;
      case durak::TResumeLoad::Refused:
        Say("B");
        break;
    }
  }
  int finished = 0;
  while (mode == "play" || finished < deals) {
    json event;
    if (!keeper.InDeal()) {
      const uint32_t number = static_cast<uint32_t>(random() % 86400000u);
      keeper.StartDeal(durak::SaveState(h.Game, h.Cards), number, name, "described",
                       h.Game.Options);
      event = {{"type", "deal"}, {"seed", number}};
    } else {
      event = RandomMove(h, random);
      if (event.is_null()) {
        // No move left to the player (never expected): the deal is given up.
        keeper.Abandon();
        h.Game.NewGame();
        continue;
      }
    }
    durak::ApplyEvent(event, h);
    const auto state = durak::SaveState(h.Game, h.Cards);
    if (announce) Say(h.Game.DealResult == durak::drGoesOn ? "S " + state.dump() : "F");
    if (!keeper.AfterEvent(event, state, h.Game.DealResult)) {
      std::fprintf(stderr, "%s\n", keeper.LastError().c_str());
      return 1;
    }
    if (announce) Say("W");
    if (!keeper.InDeal()) ++finished;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if ((mode == "play" && argc == 4) || (mode == "finish" && argc == 6))
    return Run(mode, argv[2], static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10)),
               mode == "finish" ? std::atoi(argv[4]) : 0, mode == "finish" ? argv[5] : "");
  std::fprintf(stderr, "usage: %s play FOLDER SEED | finish FOLDER SEED N NAME\n", argv[0]);
  return 2;
}
