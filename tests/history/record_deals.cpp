// Writes a history file of deals played by the strong player in the player's seat, for
// trying the review by hand and for its benchmark:
//   durak-record-deals FILE [COUNT [FIRST_SEED [OPTIONS]]]
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "DealRecorder.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: durak-record-deals FILE [COUNT [FIRST_SEED [OPTIONS]]]\n";
    return 2;
  }
  const int count = argc > 2 ? std::atoi(argv[2]) : 3;
  const uint32_t first = argc > 3 ? static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10)) : 1;
  const int options = argc > 4 ? std::atoi(argv[4]) : 9;
  std::ofstream out(argv[1], std::ios::app);
  for (int i = 0; i < count; ++i) {
    durak::TDealRecord record =
        durak::RecordDeal(first + i, options, "described", durak::StrongPolicy(100));
    record.Player = "Tester";
    out << durak::DealRecordLine(record) << '\n';
  }
  return out ? 0 : 1;
}
