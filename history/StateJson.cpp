#include "StateJson.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace durak {

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

[[noreturn]] void Fail(const std::string& message) {
  throw THarnessError{message};
}

int64_t IntOf(const json& v, const std::string& key, int64_t lo, int64_t hi) {
  if (!v.is_number_integer()) Fail("'" + key + "' must be an integer");
  const int64_t x = v.is_number_unsigned() && v.get<uint64_t>() > uint64_t(INT64_MAX)
                        ? INT64_MAX
                        : v.get<int64_t>();
  if (x < lo || x > hi)
    Fail("'" + key + "' out of range " + std::to_string(lo) + ".." + std::to_string(hi));
  return x;
}

int64_t IntKey(const json& obj, const char* key, int64_t def, int64_t lo, int64_t hi) {
  auto it = obj.find(key);
  if (it == obj.end()) return def;
  return IntOf(*it, key, lo, hi);
}

bool BoolKey(const json& obj, const char* key) {
  auto it = obj.find(key);
  if (it == obj.end()) return false;
  if (!it->is_boolean()) Fail(std::string("'") + key + "' must be a boolean");
  return it->get<bool>();
}

TCardList ListKey(const json& obj, const char* key) {
  TCardList list;
  auto it = obj.find(key);
  if (it == obj.end()) return list;
  if (!it->is_array()) Fail(std::string("'") + key + "' must be an array of card ids");
  for (const json& v : *it) {
    TCardInfo k = CardInfoOfTag(static_cast<int>(IntOf(v, key, 1, 36)));
    list.push_back(k);
  }
  return list;
}

TRow RowKey(const json& obj, const char* key) {
  TRow row{};
  auto it = obj.find(key);
  if (it == obj.end()) return row;
  if (!it->is_array() || it->size() != 6)
    Fail(std::string("'") + key + "' must be an array of exactly 6 ints");
  for (int i = 0; i < 6; ++i) {
    const int tag = static_cast<int>(IntOf((*it)[i], key, 0, 36));
    if (tag != 0) row[i] = CardInfoOfTag(tag);
  }
  return row;
}

const char* const kButtonNames[] = {"", "Button1", "Button2", "Button3", "Button4", "Button5"};

json KartsJson(const TCardList& list) {
  json a = json::array();
  for (const TCardInfo& k : list) a.push_back(k.Tag);
  return a;
}

json RowJson(const TRow& row) {
  json a = json::array();
  for (const TCardInfo& k : row) a.push_back(k.Rank == 0 ? 0 : int(k.Tag));
  return a;
}

// Every card lies in exactly one place: a hand, the stock, the table or the discard, where
// a card that no list names counts as discarded (a state may lay out only the cards that
// matter to it). A deal still going on (dealResult 0) with cards laid out and nothing on
// the table has a card in each hand, for once a hand is empty with the stock gone, or both
// are empty, the deal is over; such a state is refused (36 cards in one hand, say).
void CheckDealCanGoOn(const TGame& game, int64_t dealResult) {
  const bool laidOut = !game.PlayerHand.empty() || !game.CompHand.empty() || !game.Deck.empty() ||
                       !game.TableCards.empty() || !game.Discard.empty();
  if (dealResult != 0 || !laidOut || !game.TableCards.empty()) return;
  if (game.PlayerHand.empty() && game.CompHand.empty())
    Fail("both hands are empty while the deal goes on");
  if (game.Deck.empty() && (game.PlayerHand.empty() || game.CompHand.empty()))
    Fail(std::string(game.PlayerHand.empty() ? "playerHand" : "compHand") +
         " is empty with the stock gone while the deal goes on");
}

}  // namespace

void LoadState(const json& s, TGame& game, THeadlessCards& cards) {
  LoadState(s, game, cards.Pointers());
}

void LoadState(const json& s, TGame& game, const std::array<ICardControl*, 36>& cards) {
  if (!s.is_object()) Fail("'state' must be an object");

  game.Trump = static_cast<uint8_t>(IntKey(s, "trump", 1, 1, 4));
  game.PlayerHand = ListKey(s, "playerHand");
  game.CompHand = ListKey(s, "compHand");
  game.Deck = ListKey(s, "deck");
  game.TableCards = ListKey(s, "tableCards");
  game.Discard = ListKey(s, "discard");
  game.UnseenCards = ListKey(s, "unseen");
  game.KnownCards = ListKey(s, "known");
  game.SeenCompCards = ListKey(s, "seenComp");
  game.PlayerRow = RowKey(s, "playerRow");
  game.CompRow = RowKey(s, "compRow");

  // The five places of the pack: no card may stand in two of them, nor twice in one.
  int where[37] = {};
  const TCardList* places[] = {&game.PlayerHand, &game.CompHand, &game.Deck, &game.TableCards,
                            &game.Discard};
  for (const TCardList* list : places)
    for (const TCardInfo& k : *list)
      if (where[k.Tag]++) Fail("card " + std::to_string(k.Tag) + " stands in two places");
  for (const TCardInfo& k : game.SeenCompCards)
    if (!ListHasTag(game.CompHand, k.Tag))
      Fail("seenComp card " + std::to_string(k.Tag) + " is not in compHand");
  int inRows[37] = {};
  for (const TRow* row : {&game.PlayerRow, &game.CompRow})
    for (const TCardInfo& k : *row) {
      if (k.Rank == 0) continue;
      if (inRows[k.Tag]++) Fail("card " + std::to_string(k.Tag) + " lies in two table slots");
      if (!ListHasTag(game.TableCards, k.Tag))
        Fail("row card " + std::to_string(k.Tag) + " is not in tableCards");
    }

  // The computer's memory of the pack names each card once at most.
  for (const auto& [list, key] :
       {std::pair{&game.UnseenCards, "unseen"}, std::pair{&game.KnownCards, "known"}}) {
    int seen[37] = {};
    for (const TCardInfo& k : *list)
      if (seen[k.Tag]++)
        Fail(std::string("card ") + std::to_string(k.Tag) + " is twice in '" + key + "'");
  }

  const int64_t dealResult = IntKey(s, "dealResult", 0, std::numeric_limits<int32_t>::min(),
                                    std::numeric_limits<int32_t>::max());
  CheckDealCanGoOn(game, dealResult);

  game.PlayMode = static_cast<TPlayMode>(IntKey(s, "playMode", 4, 0, 255));
  game.CompAction = static_cast<TCompAction>(IntKey(s, "compAction", 4, 0, 255));
  game.Leader = static_cast<TLeader>(IntKey(s, "leader", 100, 0, 255));
  game.TransferOn = BoolKey(s, "transferOn");
  game.MultiLeadOn = BoolKey(s, "multiLeadOn");
  const int64_t i32min = std::numeric_limits<int32_t>::min();
  const int64_t i32max = std::numeric_limits<int32_t>::max();
  game.PlayerScore = static_cast<int32_t>(IntKey(s, "myScore", 0, i32min, i32max));
  game.ComputerScore = static_cast<int32_t>(IntKey(s, "herScore", 0, i32min, i32max));
  game.DealResult = static_cast<int32_t>(IntKey(s, "dealResult", 0, i32min, i32max));
  game.Options = static_cast<int32_t>(IntKey(s, "options", 0, i32min, i32max));
  game.HandOrder = static_cast<int32_t>(IntKey(s, "vidSort", 1, i32min, i32max));

  game.ButtonVisible.fill(false);
  if (auto it = s.find("buttons"); it != s.end()) {
    if (!it->is_object()) Fail("'buttons' must be an object");
    for (int b = 1; b <= 5; ++b) game.ButtonVisible[b] = BoolKey(*it, kButtonNames[b]);
  }

  game.Record = TRecord{};
  if (auto it = s.find("record"); it != s.end()) {
    if (!it->is_object()) Fail("'record' must be an object");
    game.Record.Games = static_cast<int32_t>(IntKey(*it, "games", 0, i32min, i32max));
    game.Record.Wins = static_cast<int32_t>(IntKey(*it, "wins", 0, i32min, i32max));
    game.Record.Losses = static_cast<int32_t>(IntKey(*it, "losses", 0, i32min, i32max));
    if (auto r = it->find("rating"); r != it->end()) {
      if (!r->is_number()) Fail("'rating' must be a number");
      game.Record.Rating = r->get<double>();
    }
  }

  // The cards as they would lie: the player's face up and clickable, the computer's and
  // the stock face down, the trump card face up and sideways, the table face up.
  for (ICardControl* c : cards) {
    c->SetCardState(1);
    if (c->Turned()) c->Turn();
    c->SetHotMouse(false);
    c->SetClickable(false);
    c->SetHandCursor(false);
  }
  for (const TCardInfo& k : game.PlayerHand) {
    cards[k.Tag - 1]->SetClickable(true);
    cards[k.Tag - 1]->SetHandCursor(true);
  }
  for (const TCardInfo& k : game.CompHand) cards[k.Tag - 1]->SetCardState(0);
  for (size_t i = 0; i < game.Deck.size(); ++i) {
    ICardControl& c = *cards[game.Deck[i].Tag - 1];
    if (i == 0)
      c.Turn();
    else
      c.SetCardState(0);
  }
  if (auto it = s.find("hot"); it != s.end()) {
    if (!it->is_array()) Fail("'hot' must be an array of card ids");
    for (const json& v : *it) cards[IntOf(v, "hot", 1, 36) - 1]->SetHotMouse(true);
  }
}

ordered_json SaveState(const TGame& game, const THeadlessCards& cards) {
  return SaveState(game, cards.Pointers());
}

ordered_json SaveState(const TGame& game, const std::array<ICardControl*, 36>& cards) {
  ordered_json s;
  s["trump"] = game.Trump;
  s["playerHand"] = KartsJson(game.PlayerHand);
  s["compHand"] = KartsJson(game.CompHand);
  s["deck"] = KartsJson(game.Deck);
  s["tableCards"] = KartsJson(game.TableCards);
  s["discard"] = KartsJson(game.Discard);
  s["unseen"] = KartsJson(game.UnseenCards);
  s["known"] = KartsJson(game.KnownCards);
  s["seenComp"] = KartsJson(game.SeenCompCards);
  s["playerRow"] = RowJson(game.PlayerRow);
  s["compRow"] = RowJson(game.CompRow);
  s["playMode"] = static_cast<int>(game.PlayMode);
  s["compAction"] = static_cast<int>(game.CompAction);
  s["leader"] = static_cast<int>(game.Leader);
  s["transferOn"] = game.TransferOn;
  s["multiLeadOn"] = game.MultiLeadOn;
  s["myScore"] = game.PlayerScore;
  s["herScore"] = game.ComputerScore;
  s["dealResult"] = game.DealResult;
  s["options"] = game.Options;
  s["vidSort"] = game.HandOrder;
  ordered_json buttons;
  for (int b = 1; b <= 5; ++b) buttons[kButtonNames[b]] = game.ButtonVisible[b];
  s["buttons"] = buttons;
  json hot = json::array();
  for (const TCardInfo& k : game.PlayerHand)
    if (cards[k.Tag - 1]->HotMouse()) hot.push_back(k.Tag);
  s["hot"] = hot;
  ordered_json record;
  record["games"] = game.Record.Games;
  record["wins"] = game.Record.Wins;
  record["losses"] = game.Record.Losses;
  record["rating"] = game.Record.Rating;
  s["record"] = record;
  return s;
}

}  // namespace durak
