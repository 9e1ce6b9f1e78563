// Card identity and the card entry used by every card list and table slot.
#pragma once

#include <cstdint>
#include <vector>

namespace durak {

// Suits: 1 spades, 2 clubs, 3 diamonds, 4 hearts. Ranks 6..14 (11 jack ... 14 ace).
enum TSuit : uint8_t { Spades = 1, Clubs = 2, Diamonds = 3, Hearts = 4 };

inline int SuitOfTag(int tag) {
  return (tag - 1) % 4 + 1;
}
inline int RankOfTag(int tag) {
  return (tag - 1) / 4 + 6;
}
inline int CardNoOfTag(int tag) {
  return tag + 16;
}
inline int TagOf(int rank, int suit) {
  return (rank - 6) * 4 + suit;
}

// The 8-byte card entry: face number, rank, suit, identity and the computer's working score.
struct TCardInfo {
  uint8_t CardNo = 0;
  uint8_t Rank = 0;  // 0 marks an empty table slot
  uint8_t Suit = 0;
  uint8_t Tag = 0;
  int32_t Score = 0;
};
static_assert(sizeof(TCardInfo) == 8, "a card entry is 8 bytes");

inline TCardInfo CardInfoOfTag(int tag) {
  TCardInfo k;
  k.CardNo = static_cast<uint8_t>(CardNoOfTag(tag));
  k.Rank = static_cast<uint8_t>(RankOfTag(tag));
  k.Suit = static_cast<uint8_t>(SuitOfTag(tag));
  k.Tag = static_cast<uint8_t>(tag);
  return k;
}

using TCardList = std::vector<TCardInfo>;

}  // namespace durak
