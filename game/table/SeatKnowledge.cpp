#include "SeatKnowledge.h"

namespace durak::table {

TCards UnseenBy(const TTableState& s, int seat) {
  TCards unseen = 0;
  for (int other = 0; other < s.Seats; ++other)
    if (other != seat) unseen |= s.Hand[other] & ~s.Shown[other];
  // The stock's face-up trump card is seen by all; the others are face down.
  for (int i = 1; i < s.StockCount; ++i) unseen |= Bit(s.Stock[i]);
  return unseen;
}

TTableState SeatKnowledge(const TTableState& s, int seat) {
  TTableState known = s;
  TCards pool = UnseenBy(s, seat);
  for (int other = 0; other < s.Seats; ++other) {
    if (other == seat) continue;
    const int hidden = Count(s.Hand[other] & ~s.Shown[other]);
    known.Hand[other] = s.Shown[other];
    for (int i = 0; i < hidden; ++i) {
      const int card = Lowest(pool);
      pool &= pool - 1;
      known.Hand[other] |= Bit(card);
    }
  }
  for (int i = 1; i < s.StockCount; ++i) {
    known.Stock[i] = static_cast<uint8_t>(Lowest(pool));
    pool &= pool - 1;
  }
  return known;
}

}  // namespace durak::table
