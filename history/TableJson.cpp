#include "TableJson.h"

#include <array>

#include "StateJson.h"

namespace durak {

using nlohmann::json;
using nlohmann::ordered_json;
using namespace table;

namespace {

constexpr std::array<const char*, 6> kPhaseNames = {"lead",    "leadMore",    "defend",
                                                    "throwIn", "takeThrowIn", "over"};
constexpr std::array<const char*, 5> kMoveNames = {"play", "beat", "transfer", "take", "pass"};
constexpr std::array<const char*, 12> kEventNames = {"dealt", "play", "beat",    "transfer",
                                                     "takes", "pass", "discard", "pickUp",
                                                     "draw",  "out",  "bout",    "over"};

[[noreturn]] void Fail(const std::string& message) {
  throw THarnessError{message};
}

int64_t IntOf(const json& j, const char* key, int64_t lo, int64_t hi) {
  auto it = j.find(key);
  if (it == j.end()) Fail(std::string("table state lacks '") + key + "'");
  if (!it->is_number_integer()) Fail(std::string("'") + key + "' must be an integer");
  const int64_t v = it->is_number_unsigned() && it->get<uint64_t>() > uint64_t(INT64_MAX)
                        ? INT64_MAX
                        : it->get<int64_t>();
  if (v < lo || v > hi)
    Fail(std::string("'") + key + "' must be " + std::to_string(lo) + ".." + std::to_string(hi));
  return v;
}

int CardOf(const json& j, const std::string& where) {
  if (!j.is_number_integer() || j.get<int64_t>() < 1 || j.get<int64_t>() > 36)
    Fail(where + " holds something that is no card tag 1..36");
  return static_cast<int>(j.get<int64_t>());
}

TCards CardSetOf(const json& j, const std::string& where) {
  if (!j.is_array()) Fail(where + " must be an array of card tags");
  TCards set = 0;
  for (const json& c : j) {
    const int tag = CardOf(c, where);
    if ((set & Bit(tag)) != 0) Fail(where + " lists card " + std::to_string(tag) + " twice");
    set |= Bit(tag);
  }
  return set;
}

json CardList(TCards set) {
  json list = json::array();
  for (; set != 0; set &= set - 1) list.push_back(Lowest(set));
  return list;
}

uint8_t SeatBits(const json& j, int seats, const char* key) {
  if (!j.is_array()) Fail(std::string("'") + key + "' must be an array of seats");
  uint8_t bits = 0;
  for (const json& v : j) {
    if (!v.is_number_integer() || v.get<int64_t>() < 0 || v.get<int64_t>() >= seats)
      Fail(std::string("'") + key + "' holds no seat");
    bits |= static_cast<uint8_t>(1 << v.get<int>());
  }
  return bits;
}

json SeatList(uint8_t bits, int seats) {
  json list = json::array();
  for (int seat = 0; seat < seats; ++seat)
    if ((bits >> seat & 1) != 0) list.push_back(seat);
  return list;
}

}  // namespace

TTableState LoadTableState(const json& j) {
  if (!j.is_object()) Fail("table state must be an object");
  TTableState s;
  s.Seats = static_cast<uint8_t>(IntOf(j, "players", 3, 4));
  const int options = static_cast<int>(IntOf(j, "options", 0, 15));
  s.Rules.Transfer = (options & 2) != 0;
  s.Rules.MultiLead = (options & 4) != 0;
  auto seatArrays = [&](const char* key, bool required) {
    std::array<TCards, kMaxSeats> sets{};
    auto it = j.find(key);
    if (it == j.end()) {
      if (required) Fail(std::string("table state lacks '") + key + "'");
      return sets;
    }
    if (!it->is_array() || it->size() != s.Seats)
      Fail(std::string("'") + key + "' must hold one array per seat");
    for (int seat = 0; seat < s.Seats; ++seat)
      sets[seat] = CardSetOf((*it)[seat], std::string(key) + "[" + std::to_string(seat) + "]");
    return sets;
  };
  s.Hand = seatArrays("hands", true);
  s.Shown = seatArrays("shown", false);
  for (int seat = 0; seat < s.Seats; ++seat) s.Shown[seat] &= s.Hand[seat];
  s.TrumpCard = static_cast<uint8_t>(IntOf(j, "trumpCard", 1, 36));
  s.Trump = static_cast<uint8_t>(SuitOf(s.TrumpCard));
  auto stock = j.find("stock");
  if (stock == j.end() || !stock->is_array() || stock->size() > 24)
    Fail("'stock' must be an array of at most 24 card tags, the trump card first");
  for (const json& c : *stock) s.Stock[s.StockCount++] = static_cast<uint8_t>(CardOf(c, "stock"));
  auto discard = j.find("discard");
  s.Discard = discard == j.end() ? 0 : CardSetOf(*discard, "discard");
  auto pairs = j.find("table");
  if (pairs != j.end()) {
    if (!pairs->is_array() || pairs->size() > kMaxAttack)
      Fail("'table' must be an array of at most six pairs");
    for (const json& p : *pairs) {
      if (!p.is_object() || !p.contains("attack"))
        Fail("a pair must be {\"attack\": T, \"cover\": T}");
      s.Attack[s.AttackCount] = static_cast<uint8_t>(CardOf(p["attack"], "table"));
      const auto cover = p.find("cover");
      if (cover != p.end() && !cover->is_null() && !(cover->is_number_integer() && *cover == 0))
        s.Cover[s.AttackCount] = static_cast<uint8_t>(CardOf(*cover, "table"));
      ++s.AttackCount;
    }
  }
  s.Attacker = static_cast<uint8_t>(IntOf(j, "attacker", 0, s.Seats - 1));
  s.Defender = static_cast<uint8_t>(IntOf(j, "defender", 0, s.Seats - 1));
  s.ToMove = static_cast<uint8_t>(IntOf(j, "toMove", 0, s.Seats - 1));
  auto phase = j.find("phase");
  if (phase == j.end() || !phase->is_string()) Fail("table state lacks 'phase'");
  s.Phase = 255;
  for (size_t i = 0; i < kPhaseNames.size(); ++i)
    if (*phase == kPhaseNames[i]) s.Phase = static_cast<uint8_t>(i);
  if (s.Phase == 255) Fail("unknown phase '" + phase->get<std::string>() + "'");
  auto passed = j.find("passed");
  if (passed != j.end()) s.Passed = SeatBits(*passed, s.Seats, "passed");
  // Seats out are worked out from the cards; a "fool" only matters once the deal is over.
  for (int seat = 0; seat < s.Seats; ++seat)
    if (!s.InPlay(seat)) s.Out |= static_cast<uint8_t>(1 << seat);
  auto fool = j.find("fool");
  if (s.Over())
    s.Fool = static_cast<int>(IntOf(j, "fool", -1, s.Seats - 1));
  else if (fool != j.end() && !fool->is_null() && !(fool->is_number_integer() && *fool == -1))
    Fail("'fool' is set while the deal goes on");
  const std::string fault = CheckTable(s);
  if (!fault.empty()) Fail("table state breaks the rules: " + fault);
  return s;
}

ordered_json SaveTableState(const TTableState& s) {
  ordered_json j;
  j["players"] = s.Seats;
  j["options"] = (s.Rules.Transfer ? 2 : 0) | (s.Rules.MultiLead ? 4 : 0);
  j["trump"] = s.Trump;
  j["trumpCard"] = s.TrumpCard;
  json hands = json::array(), shown = json::array(), counts = json::array();
  for (int seat = 0; seat < s.Seats; ++seat) {
    hands.push_back(CardList(s.Hand[seat]));
    shown.push_back(CardList(s.Shown[seat]));
    counts.push_back(s.HandCount(seat));
  }
  j["hands"] = hands;
  j["handCounts"] = counts;
  j["shown"] = shown;
  json stock = json::array();
  for (int i = 0; i < s.StockCount; ++i) stock.push_back(s.Stock[i]);
  j["stock"] = stock;
  j["discard"] = CardList(s.Discard);
  json pairs = json::array();
  for (int i = 0; i < s.AttackCount; ++i)
    pairs.push_back({{"attack", s.Attack[i]}, {"cover", s.Cover[i]}});
  j["table"] = pairs;
  j["attacker"] = s.Attacker;
  j["defender"] = s.Defender;
  j["toMove"] = s.ToMove;
  j["phase"] = kPhaseNames[s.Phase];
  j["passed"] = SeatList(s.Passed, s.Seats);
  j["out"] = SeatList(s.Out, s.Seats);
  j["fool"] = s.Over() ? json(s.Fool) : json(nullptr);
  return j;
}

ordered_json TableMoveJson(const TTableMove& m) {
  ordered_json j;
  j["kind"] = kMoveNames[m.Kind];
  if (m.Kind == tmPlay || m.Kind == tmBeat || m.Kind == tmTransfer) j["card"] = m.Card;
  if (m.Kind == tmBeat) j["slot"] = m.Slot;
  return j;
}

TTableMove LoadTableMove(const json& j) {
  if (!j.is_object()) Fail("'move' must be an object");
  auto kind = j.find("kind");
  if (kind == j.end() || !kind->is_string()) Fail("move lacks 'kind'");
  TTableMove m;
  bool known = false;
  for (size_t i = 0; i < kMoveNames.size(); ++i)
    if (*kind == kMoveNames[i]) {
      m.Kind = static_cast<uint8_t>(i);
      known = true;
    }
  if (!known) Fail("unknown move kind '" + kind->get<std::string>() + "'");
  if (m.Kind == tmPlay || m.Kind == tmBeat || m.Kind == tmTransfer)
    m.Card = static_cast<uint8_t>(IntOf(j, "card", 1, 36));
  if (m.Kind == tmBeat) m.Slot = static_cast<uint8_t>(IntOf(j, "slot", 0, kMaxAttack - 1));
  return m;
}

ordered_json TableEventJson(const TTableEvent& e) {
  ordered_json j;
  j["event"] = kEventNames[e.Kind];
  j["seat"] = e.Seat;
  if (e.Card != 0) j["card"] = e.Card;
  if (e.Kind == tePlay || e.Kind == teBeat || e.Kind == teTransfer) j["slot"] = e.Slot;
  if (e.Other >= 0) j["other"] = e.Other;
  return j;
}

}  // namespace durak
