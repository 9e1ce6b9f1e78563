// durak-sim: the engine's command-line harness.
//   durak-sim step      JSON Lines requests on standard input, one response line each
//   durak-sim demo      a short demonstration deal, printed as text
//   durak-sim play      whole deals against a scripted opponent, with a JSON summary
//   durak-sim table     a table of three or four stepped in JSON Lines, like step
#include <cstring>
#include <iostream>
#include <string>

#include "Demo.h"
#include "Play.h"
#include "Step.h"
#include "TableStep.h"

namespace {

int RunStep(std::string (*answer)(const std::string&)) {
  std::string line;
  // A line is read with a cap, so one endless line cannot take all memory.
  while (durak::ReadRequestLine(std::cin, &line)) {
    if (durak::IsBlankLine(line)) continue;
    std::cout << answer(line) << '\n' << std::flush;
  }
  return 0;
}

void Usage() {
  std::cerr
      << "usage: durak-sim step < requests.jsonl\n"
         "       durak-sim demo [--seed S]\n"
         "       durak-sim play --games N --seed S [--options BITS]\n"
         "                      [--opponent random|first|strong] [--computer described|strong]\n"
         "                      [--mirror] [--iterations N]\n"
         "       durak-sim play --players 3|4 --games N --seed S [--options BITS]\n"
         "                      [--opponent random|first|ordinary|strong]\n"
         "                      [--computer ordinary|strong|random|first]\n"
         "                      [--seats NAME,NAME,...]\n"
         "       durak-sim table < requests.jsonl\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc < 2) {
    Usage();
    return 2;
  }
  const std::string command = argv[1];
  if (command == "step") return RunStep(durak::StepLine);
  if (command == "table") return RunStep(durak::TableStepLine);
  if (command == "demo") return durak::RunDemo(argc - 2, argv + 2, std::cout);
  if (command == "play") return durak::RunPlay(argc - 2, argv + 2, std::cout, std::cerr);
  Usage();
  return 2;
}
