// durak-sim: the engine's command-line harness.
//   durak-sim step      JSON Lines requests on standard input, one response line each
//   durak-sim demo      one whole deal, told move by move
//   durak-sim play      whole deals against a scripted opponent, with a JSON summary
//   durak-sim table     a table of three or four stepped in JSON Lines, like step
//   durak-sim review    the strong player's judgement of a recorded deal's moves
#include <unistd.h>

#include <iostream>
#include <string>

#include "Demo.h"
#include "DurakVersion.h"
#include "Play.h"
#include "Review.h"
#include "Step.h"
#include "TableStep.h"

namespace {

constexpr const char* kStepUsage = "usage: durak-sim step < requests.jsonl\n";
constexpr const char* kTableUsage = "usage: durak-sim table < requests.jsonl\n";

int RunStep(std::string (*answer)(const std::string&)) {
  std::string line;
  // A line is read with a cap, so one endless line cannot take all memory.
  while (durak::ReadRequestLine(std::cin, &line)) {
    if (durak::IsBlankLine(line)) continue;
    std::cout << answer(line) << '\n' << std::flush;
  }
  return 0;
}

void Usage(std::ostream& out) {
  out << "usage: durak-sim step < requests.jsonl\n"
         "       durak-sim demo [--seed S]\n"
         "       durak-sim play --games N --seed S [--options BITS]\n"
         "                      [--opponent random|first|strong|easy]\n"
         "                      [--computer described|strong|easy]\n"
         "                      [--mirror] [--iterations N]\n"
         "       durak-sim play --players 3|4 --games N --seed S [--options BITS]\n"
         "                      [--opponent random|first|ordinary|strong]\n"
         "                      [--computer ordinary|strong|random|first]\n"
         "                      [--seats NAME,NAME,...]\n"
         "       durak-sim table < requests.jsonl\n"
         "       durak-sim review FILE [--deal K] [--margin X] [--iterations N]\n"
         "                       [--value-deals N] [--threads N]\n"
         "       durak-sim --version\n"
         "Each command answers --help with its usage.\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc < 2) {
    Usage(std::cerr);
    return 2;
  }
  const std::string command = argv[1];
  if (command == "--help") {
    Usage(std::cout);
    return 0;
  }
  if (command == "--version") {
    std::cout << "durak-sim " << DURAK_VERSION << '\n';
    return 0;
  }
  if (command == "step" || command == "table") {
    const char* usage = command == "step" ? kStepUsage : kTableUsage;
    if (argc == 3 && std::string(argv[2]) == "--help") {
      std::cout << usage;
      return 0;
    }
    if (argc > 2) {
      std::cerr << "durak-sim " << command << ": bad argument '" << argv[2] << "'\n" << usage;
      return 2;
    }
    return RunStep(command == "step" ? durak::StepLine : durak::TableStepLine);
  }
  if (command == "demo") return durak::RunDemo(argc - 2, argv + 2, std::cout, std::cerr);
  if (command == "play")
    return durak::RunPlay(argc - 2, argv + 2, std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
  if (command == "review") return durak::RunReview(argc - 2, argv + 2, std::cout, std::cerr);
  std::cerr << "durak-sim: unknown command '" << command << "'\n";
  Usage(std::cerr);
  return 2;
}
