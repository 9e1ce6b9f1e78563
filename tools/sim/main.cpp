// durak-sim: the engine's command-line harness.
//   durak-sim step      JSON Lines requests on standard input, one response line each
//   durak-sim demo      a short demonstration deal, printed as text
//   durak-sim play      whole deals against a scripted opponent, with a JSON summary
#include <cstring>
#include <iostream>
#include <string>

#include "Demo.h"
#include "Play.h"
#include "Step.h"

namespace {

int RunStep() {
  std::string line;
  // A line is read with a cap, so one endless line cannot take all memory.
  while (durak::ReadRequestLine(std::cin, &line)) {
    if (durak::IsBlankLine(line)) continue;
    std::cout << durak::StepLine(line) << '\n' << std::flush;
  }
  return 0;
}

void Usage() {
  std::cerr << "usage: durak-sim step < requests.jsonl\n"
               "       durak-sim demo [--seed S]\n"
               "       durak-sim play --games N --seed S [--options BITS]\n"
               "                      [--opponent random|first|strong|easy] [--computer "
               "described|strong|easy]\n"
               "                      [--mirror] [--iterations N]\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc < 2) {
    Usage();
    return 2;
  }
  const std::string command = argv[1];
  if (command == "step") return RunStep();
  if (command == "demo") return durak::RunDemo(argc - 2, argv + 2, std::cout);
  if (command == "play") return durak::RunPlay(argc - 2, argv + 2, std::cout, std::cerr);
  Usage();
  return 2;
}
