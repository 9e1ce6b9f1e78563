// The search model against the engine: whole deals played through both at once, move by
// move. At every decision of the player the engine's accepted clicks and visible buttons
// must be exactly the model's legal moves; every computer move, whether the described
// player's or one drawn at random from the model's legal moves, must leave both with the
// same cards in the same places and the same side to move; deals end alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>
#include <sstream>

#include "SearchFixture.h"
#include "StrongChooser.h"

namespace durak::testing {
namespace {

// Makes the computer's choices for the engine from the model: at random among the model's
// legal moves, or as the described player chooses (which must then be legal in the model).
class TModelChooser : public ICompChooser {
 public:
  TModelChooser(TGame& game, TSearchState& model, uint64_t seed)
      : game_(game), model_(model), random_(seed) {}

  bool Described = false;
  bool Ready = false;  // the model holds the deal
  std::string Fault;
  int Positions = 0;

  TCompMoves Lead(TCompView& view) override {
    Begin(caLead, 0, spLead);
    if (Described) {
      TCompMoves lead = described_.Lead(view);
      std::vector<int> tags;
      for (const TCompMove& k : lead) tags.push_back(k.Tag);
      std::sort(tags.begin(), tags.end());
      for (int t : tags) Play(TMove{mkPlay, static_cast<uint8_t>(t), 0});
      if (ComputerMoveOpen(model_)) Play(TMove{mkDone, 0, 0});
      // The same cards in the order the model builds a lead in: only the slots differ.
      return Cards(MovesOf(tags), 0);
    }
    return Cards(RandomMove(), 0);
  }

  TCompDefence Defend(TCompView& view) override {
    Begin(caDefend, 0, spDefend);
    TCompDefence d;
    if (Described) {
      d = described_.Defend(view);
      if (d.TransferTag > 0) {
        Play(TMove{mkTransfer, static_cast<uint8_t>(d.TransferTag), 0});
      } else if (d.Beaters.empty()) {
        Play(TMove{mkTake, 0, 0});
      } else {
        TCompMoves byslot = d.Beaters;
        std::sort(byslot.begin(), byslot.end(),
                  [](const TCompMove& a, const TCompMove& b) { return a.Slot < b.Slot; });
        for (const TCompMove& k : byslot)
          Play(TMove{mkBeat, static_cast<uint8_t>(k.Tag), static_cast<uint8_t>(k.Slot)});
      }
      return d;
    }
    const std::vector<TMove> moves = RandomMove();
    if (moves.front().Kind == mkTransfer) {
      d.TransferTag = moves.front().Card;
    } else if (moves.back().Kind == mkBeat) {
      for (const TMove& m : moves) d.Beaters.push_back({m.Card, m.Slot});
    }
    return d;
  }

  TCompMoves ThrowIn(TCompView& view, bool afterTake) override {
    Begin(caThrowIn, afterTake, afterTake ? spTakeThrowIn : spThrowIn);
    if (Described) {
      TCompMoves cards = described_.ThrowIn(view, afterTake);
      std::vector<int> tags;
      for (const TCompMove& k : cards) tags.push_back(k.Tag);
      std::sort(tags.begin(), tags.end());
      for (int t : tags) Play(TMove{mkPlay, static_cast<uint8_t>(t), 0});
      if (afterTake || cards.empty()) Play(TMove{mkDone, 0, 0});
      return Cards(MovesOf(tags), RowCount(game_.CompRow));
    }
    return Cards(RandomMove(), RowCount(game_.CompRow));
  }

 private:
  void Begin(int action, int afterTake, int phase) {
    ++Positions;
    if (!Ready) {
      model_ = FullState(game_, action, afterTake);
      Ready = true;
    }
    if (model_.Over() || model_.Mover() != seatComputer || model_.Phase != phase)
      Note("the engine asks the computer for a move the model does not expect");
    // The computer decides on the same cards as the model holds.
    const TSearchState e = FullState(game_, action, afterTake);
    if (e.Hand != model_.Hand || e.Row != model_.Row) Note("cards differ at the computer's move");
  }

  void Play(const TMove& m) {
    TMoveList legal;
    GenerateMoves(model_, legal);
    if (!legal.Contains(m)) {
      std::ostringstream o;
      o << "the described computer's move " << int(m.Kind) << "/" << int(m.Card) << "/"
        << int(m.Slot) << " is not legal in the model";
      Note(o.str());
      return;
    }
    ApplyMove(model_, m);
  }

  std::vector<TMove> RandomMove() {
    std::vector<TMove> moves;
    TMoveList legal;
    do {
      GenerateMoves(model_, legal);
      if (legal.Count == 0) break;
      const TMove m = legal.Items[random_.Below(static_cast<uint32_t>(legal.Count))];
      moves.push_back(m);
      ApplyMove(model_, m);
    } while (ComputerMoveOpen(model_));
    if (moves.empty()) moves.push_back(TMove{});
    return moves;
  }

  static std::vector<TMove> MovesOf(const std::vector<int>& tags) {
    std::vector<TMove> moves;
    for (int t : tags) moves.push_back(TMove{mkPlay, static_cast<uint8_t>(t), 0});
    return moves;
  }

  static TCompMoves Cards(const std::vector<TMove>& moves, int slot) {
    TCompMoves list;
    for (const TMove& m : moves)
      if (m.Kind == mkPlay) list.push_back({m.Card, slot++});
    return list;
  }

  void Note(const std::string& what) {
    if (Fault.empty()) Fault = what;
  }

  TGame& game_;
  TSearchState& model_;
  TSearchRandom random_;
  TDescribedChooser described_;
};

// Remembers the table as the player's move left it, before the computer answers.
class TSnapshotChooser : public TDescribedChooser {
 public:
  explicit TSnapshotChooser(TGame& game) : game_(game) {}
  TCompMoves Lead(TCompView& view) override {
    Snap();
    return TDescribedChooser::Lead(view);
  }
  TCompDefence Defend(TCompView& view) override {
    Snap();
    return TDescribedChooser::Defend(view);
  }
  TCompMoves ThrowIn(TCompView& view, bool afterTake) override {
    Snap();
    return TDescribedChooser::ThrowIn(view, afterTake);
  }
  bool Taken = false;
  TRow PlayerRow{}, CompRow{};

 private:
  void Snap() {
    if (Taken) return;
    Taken = true;
    PlayerRow = game_.PlayerRow;
    CompRow = game_.CompRow;
  }
  TGame& game_;
};

// The engine's own answer to "which clicks and buttons act now", found by trying each on
// a copy of the game; each acting input is named as the model's move it amounts to.
std::set<uint16_t> EngineMoves(const TGame& game, const TSearchState& model) {
  std::set<uint16_t> found;
  THeadlessCards cards;
  THeadlessTable table;
  TFixedClock clock(5);
  for (const TCardInfo& k : game.PlayerHand) {
    for (int menu = -1; menu <= 6; ++menu) {
      TGame trial(cards.Pointers(), table, clock);
      trial.Layout = game.Layout;
      CopyGame(game, trial, cards);
      TSnapshotChooser snap(trial);
      trial.Chooser = &snap;
      table.MenuChoice = menu;
      table.MenuShown = false;
      trial.CardClicked(*cards.Cards[k.Tag - 1]);
      const bool refused = ListHasTag(trial.PlayerHand, k.Tag) && !snap.Taken;
      if (refused) {
        if (!table.MenuShown) break;  // no pair or menu item makes this card act
        continue;
      }
      const TRow& row = snap.Taken ? snap.PlayerRow : trial.PlayerRow;
      const TRow& other = snap.Taken ? snap.CompRow : trial.CompRow;
      int slot = -1;
      for (int i = 0; i < 6; ++i)
        if (row[i].Rank != 0 && row[i].Tag == k.Tag) slot = i;
      TMove m{mkPlay, k.Tag, 0};
      if (model.Phase == spDefend) {
        const bool transferred = RowCount(other) == 0;
        m = transferred ? TMove{mkTransfer, k.Tag, 0}
                        : TMove{mkBeat, k.Tag, static_cast<uint8_t>(slot)};
      }
      found.insert(m.Code());
      if (!table.MenuShown) break;  // the menu value made no difference
    }
  }
  if (game.ButtonVisible[TakeButton]) found.insert(TMove{mkTake, 0, 0}.Code());
  for (TButton b : {ComputerTakesButton, DiscardButton, DefendButton})
    if (game.ButtonVisible[b]) found.insert(TMove{mkDone, 0, 0}.Code());
  return found;
}

std::string Describe(const std::set<uint16_t>& codes) {
  std::ostringstream o;
  for (uint16_t c : codes) o << (c & 7) << "/" << ((c >> 3) & 63) << "/" << (c >> 9) << " ";
  return o.str();
}

struct TAgreement {
  int Deals = 0, Positions = 0, ComputerMoves = 0;
};

// Plays `deals` deals through engine and model together; stops at the first disagreement.
TAgreement PlayBoth(int deals, uint64_t seed, bool describedComputer) {
  TAgreement out;
  THeadlessCards cards;
  THeadlessTable table;
  TFixedClock clock(0);
  TGame game(cards.Pointers(), table, clock);
  game.Layout = ComputeLayout(738, 530, 71, 96);
  TSearchState model;
  TModelChooser chooser(game, model, seed);
  chooser.Described = describedComputer;
  game.Chooser = &chooser;
  TSearchRandom random(seed * 7 + 1);
  const int optionSets[] = {arHotCards | arSound, arTransfer | arSound, arMultiLead | arSound,
                            arTransfer | arMultiLead | arSound};
  game.NewGame();
  for (int d = 0; d < deals; ++d) {
    SCOPED_TRACE("deal " + std::to_string(d));
    game.Options = optionSets[d % 4];
    clock.Value = static_cast<uint32_t>(random.Next());
    chooser.Ready = false;
    game.DealPressed();
    if (!chooser.Ready) model = FullState(game);
    chooser.Ready = true;
    EXPECT_EQ(chooser.Fault, "");
    EXPECT_EQ(Difference(model, game), "");
    if (!chooser.Fault.empty() || !Difference(model, game).empty()) return out;
    ++out.Deals;
    for (int step = 0; step < 1000 && !model.Over(); ++step) {
      TMoveList legal;
      GenerateMoves(model, legal);
      std::set<uint16_t> modelCodes;
      for (const TMove& m : legal) modelCodes.insert(m.Code());
      const std::set<uint16_t> engineCodes = EngineMoves(game, model);
      EXPECT_EQ(Describe(modelCodes), Describe(engineCodes)) << "phase " << int(model.Phase);
      if (modelCodes != engineCodes) return out;
      ++out.Positions;

      const TMove m = legal.Items[random.Below(static_cast<uint32_t>(legal.Count))];
      const TSearchState before = model;
      const THint input = InputOfMove(model, m);
      ApplyMove(model, m);
      PlayHint(game, table, cards, input);
      EXPECT_EQ(chooser.Fault, "");
      const std::string diff = Difference(model, game);
      EXPECT_EQ(diff, "") << "after move " << int(m.Kind) << "/" << int(m.Card) << "/"
                          << int(m.Slot) << "\nmodel  " << Dump(model) << "\nengine "
                          << Dump(FullState(game)) << "\nbefore " << Dump(before);
      if (!chooser.Fault.empty() || !diff.empty()) return out;
    }
    EXPECT_TRUE(model.Over());
  }
  out.ComputerMoves = chooser.Positions;
  return out;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr int kDeals = 40;
#else
constexpr int kDeals = 600;
#endif

TEST(SearchModel, AgreesWithTheEngineAgainstRandomComputerMoves) {
  const TAgreement a = PlayBoth(kDeals, 21, false);
  RecordProperty("positions", a.Positions);
  std::printf("%d deals, %d player positions, %d computer moves\n", a.Deals, a.Positions,
              a.ComputerMoves);
  EXPECT_EQ(a.Deals, kDeals);
  EXPECT_GT(a.Positions, kDeals * 10);
  EXPECT_GT(a.ComputerMoves, kDeals * 5);
}

TEST(SearchModel, AgreesWithTheEngineAgainstTheDescribedComputer) {
  const TAgreement a = PlayBoth(kDeals, 22, true);
  std::printf("%d deals, %d player positions, %d computer moves\n", a.Deals, a.Positions,
              a.ComputerMoves);
  EXPECT_EQ(a.Deals, kDeals);
  EXPECT_GT(a.Positions, kDeals * 10);
}

}  // namespace
}  // namespace durak::testing
