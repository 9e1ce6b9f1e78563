#include "Random.h"

#include "TableView.h"

namespace durak {

void TRandom::Reseed(IClock& clock) {
  Seed = clock.MillisOfDay();
}

}  // namespace durak
