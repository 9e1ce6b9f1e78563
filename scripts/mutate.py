#!/usr/bin/env python3
"""Plants faults in the engine one at a time and fails when the tests catch too few.

The faults are planted in the objects of a built tree ($BUILD, by default build/), never in
the sources: for each mutant the changed file is written to a scratch folder (beside a copy
of the files of its folder, so that its includes still resolve), only the objects that
compile it are compiled again from there, over the built ones, and only the one test
program that covers the file is linked again and run, with only its tests for that file
and under a time limit. The built objects are put back after each mutant. A mutant is
caught when a test fails or runs past the limit; a mutant that does not compile is
reported and left out of the share.

The mutants are the hand-written faults below, which name what they break in the game, and
a deterministic sample of mechanical ones (a comparison, a logical or arithmetic operator,
a constant or a truth value changed) drawn from the files of COVERED: each candidate change
is ranked by a hash of its file name, the line's text and the change, and the first
--per-file of each file are planted, one a line and of different kinds while kinds last.
The sample thus stays the same from run to run and moves only where a sampled line itself
is edited.

Exit status: 0 when the share of caught mutants reaches --bar (per cent), 1 below it,
2 when the tree is not built or its tests fail unchanged. --budget caps the seconds spent
planting: mutants not reached in time are named and left out of the share.

Usage: scripts/mutate.py [--build DIR] [--only SUBSTRING] [--jobs N] [--bar PERCENT]
                         [--per-file N] [--budget SECONDS] [--list]
"""
import argparse
import hashlib
import json
import os
import re
import shlex
import shutil
import signal
import subprocess
import sys
import time

# The engine's files under test, by name (found wherever they sit under game/), with the
# test programs that cover each and the tests of them to run. The computer's move flow is
# checked by its unit tests and by the recorded decisions of the harness cases. The search
# model's header is left out of the mechanical sample: its few inline card-set helpers go
# into some twenty objects (the harness's JSON code among them), each mutant of it would
# cost minutes, and SearchModel.cpp's mutants run through them all the same.
AI_SEARCH = "SearchModel.*:ExactSearch.*:StrongTest.*:StrongPlay.*"
# The boundary tests are parameterised: their suites carry a prefix ("Boundaries/",
# "Bands/"), which the leading * lets in.
AI_FLOW = "AttackTest.*:ThrowInTest.*:DefenceTest.*:TransferTest.*:*TrumpBanTest.*:FlowTest.*:" \
          "BandTest.*:*EarlyThrowInTest.*:*LateThrowInTest.*:*LeadBandTest.*:*LeadStockTest.*:" \
          "*RoomTest.*:InvariantTest.*:PlayDeals.*"
SEARCH = (("durak_ai_tests", AI_SEARCH),)
RULES = (("durak_game_tests", "*"),)
FLOW = (("durak_ai_tests", AI_FLOW), ("durak_harness_tests", "HarnessCases.*"))
COVERED = {
    "SearchModel.cpp": SEARCH,
    "StrongPlayer.cpp": SEARCH,
    "StrongChooser.cpp": SEARCH,
    "GameOver.cpp": RULES,
    "PlayerMoves.cpp": RULES,
    "PlayerRules.cpp": RULES,
    "ComputerPlayer.cpp": FLOW,
    "CompAttack.cpp": FLOW,
    "CompDefence.cpp": FLOW,
}
# Files only the hand-written faults reach.
ALSO_COVERED = {
    "Deal.cpp": RULES,
    "TableOps.cpp": RULES,
    "CardLists.cpp": RULES,
    "TakeDiscard.cpp": RULES,
    "CompEval.cpp": (("durak_ai_tests", "EvalTest.*:AvgStrength.*:Counting.*:PickLowest.*:" + AI_FLOW),
                     ("durak_harness_tests", "HarnessCases.*")),
}
# The objects each test program is linked from, by the folders CMake keeps them in.
PROGRAM_OBJECTS = {
    "durak_ai_tests": ("durak_game.dir", "durak_headless.dir", "durak_sim_lib.dir", "durak_ai_tests.dir"),
    "durak_game_tests": ("durak_game.dir", "durak_headless.dir", "durak_game_tests.dir"),
    "durak_harness_tests": ("durak_game.dir", "durak_sim_lib.dir", "durak_harness_tests.dir"),
}

# (file, text as it stands, planted fault, what the fault means in the game)
MUTANTS = [
    ("CompAttack.cpp", "attack >= 6) return {};", "attack > 6) return {};",
     "computer throws a seventh card into the attack"),
    ("CompAttack.cpp", "if (open >= view.PlayerCount", "if (open > view.PlayerCount",
     "computer throws in more cards than the player holds"),
    ("CompAttack.cpp", "    if (wanted > view.PlayerCount - open) wanted = view.PlayerCount - open;\n", "",
     "after a take the computer throws in past the player's hand"),
    ("CompAttack.cpp", "  if (stock >= 16) {", "  if (stock > 16) {",
     "lead band: shed the lowest plain card only above 16"),
    ("CompAttack.cpp", "  } else if (stock >= 8) {", "  } else if (stock >= 9) {",
     "lead band: middle band starts at 9"),
    ("CompAttack.cpp", "  } else if (stock >= 2) {\n    ScoreLeadLate", "  } else if (stock >= 3) {\n    ScoreLeadLate",
     "lead band: late band starts at 3"),
    ("CompAttack.cpp", "  if (stock >= 9) {\n    if (trump || tableStrength", "  if (stock >= 10) {\n    if (trump || tableStrength",
     "throw-in score band: early band ends at 10"),
    ("CompAttack.cpp", "  if (stock >= 2) {\n    if (trump) {", "  if (stock >= 3) {\n    if (trump) {",
     "throw-in score band: late band ends at 3"),
    ("CompAttack.cpp", "if (trump || tableStrength >= 14) return slBarred;",
     "if (trump || tableStrength >= 15) return slBarred;",
     "early throw-in: a table of strength 14 no longer counts as strong"),
    ("CompAttack.cpp", "    if (!IsTrump(view, k) && k.Rank <= 10) {\n      const TSafety safe = CardSafety(view, k.Rank, k.Suit);\n      if (safe == sfSafe || safe == sfSafeInSuit) ++k.Score;",
     "    if (!IsTrump(view, k) && k.Rank <= 11) {\n      const TSafety safe = CardSafety(view, k.Rank, k.Suit);\n      if (safe == sfSafe || safe == sfSafeInSuit) ++k.Score;",
     "middle lead band: safe jacks preferred too"),
    ("CompDefence.cpp", "  if (stock >= 17) return true;", "  if (stock >= 18) return true;",
     "defence keeps trumps back only from 18 cards"),
    ("CompDefence.cpp", "  if (stock >= 9) return rank >= 9;", "  if (stock >= 9) return rank >= 10;",
     "defence spends trump nines with a large stock"),
    ("CompDefence.cpp", "  if (view.PlayerCount <= led || led >= 6) return -1;", "  if (view.PlayerCount < led || led >= 6) return -1;",
     "computer transfers more cards than the player holds"),
    ("Deal.cpp", "    if (c < p) {", "    if (c <= p) {",
     "the computer leads when neither hand holds a trump"),
    ("PlayerRules.cpp", "         attack < static_cast<int>(CompHand.size());",
     "         attack <= static_cast<int>(CompHand.size());",
     "transfer allowed when the computer could not face the cards"),
    ("TableOps.cpp", "if (MayTransfer(k) || !SlotsToBeat(k).empty())", "if (!SlotsToBeat(k).empty())",
     "a card that may only transfer is not highlighted"),
    ("TableOps.cpp", "        if (present) card.SetHotMouse(true);", "        card.SetHotMouse(true);",
     "every card highlighted for a throw-in"),
    ("PlayerRules.cpp", "  if (led >= static_cast<int>(CompHand.size())) return false;",
     "  if (led > static_cast<int>(CompHand.size())) return false;",
     "player leads more cards than the computer holds"),
    ("PlayerRules.cpp", "&& attack < 6;", "&& attack <= 6;",
     "player throws a seventh card in"),
    ("CardLists.cpp", "  if (suit1 == suit2) return rank1 > rank2;", "  if (suit1 == suit2) return rank1 != rank2;",
     "a lower card beats a higher one of its suit"),
    ("TakeDiscard.cpp", "  if (Deck.size() >= 2) return;", "  if (Deck.size() >= 3) return;",
     "end of stock handled one card early"),
    ("CompEval.cpp", "  if (twice > n || (twice == n && q % 2 == 1)) return q + 1;", "  if (twice > n) return q + 1;",
     "rank count: ties between doubles and singles"),
    ("CompEval.cpp", "  if (result == 1 && static_cast<int>(known.size()) < view.PlayerCount) result = 0;", "",
     "endgame: a pair counted safe though some of the player's cards are unknown"),
]

# Mechanical changes that cannot alter what the program does, each with the reason; they
# are left out of the sample. (file, the line's text without indentation, change)
EQUIVALENT = {
    ("PlayerMoves.cpp", "bool accepted = false;", "false to true"):
        "every play mode that reaches the switch sets it (pmNone returned before)",
    ("StrongChooser.cpp", "TSearchRandom random(0);", "constant + 1"):
        "the position is fully known there, so every deal drawn from any seed is the same",
    ("StrongChooser.cpp", "const TMove m = ChooseMove(info, chosen, seed + chosen.size() * 0x9E37ull, avoid);",
     "+ to -"):
        "only another seed for the search of a move's next card; no rule or limit moves",
}

# The mechanical changes: (name, pattern, replacement). Binary operators are matched with
# the spaces clang-format puts around them, so template brackets, arrows and shifts are
# left alone.
OPERATORS = [
    ("< to <=", r" < ", " <= "),
    ("<= to <", r" <= ", " < "),
    ("> to >=", r" > ", " >= "),
    (">= to >", r" >= ", " > "),
    ("== to !=", r" == ", " != "),
    ("!= to ==", r" != ", " == "),
    ("&& to ||", r" && ", " || "),
    ("|| to &&", r" \|\| ", " && "),
    ("+ to -", r" \+ ", " - "),
    ("- to +", r" - ", " + "),
    ("+= to -=", r" \+= ", " -= "),
    ("-= to +=", r" -= ", " += "),
    ("true to false", r"\btrue\b", "false"),
    ("false to true", r"\bfalse\b", "true"),
    ("drop !", r"(?<=\()!(?=[A-Za-z_(])", ""),
    ("constant + 1", r"(?<![\w.])([0-9]+)(?![\w.'])", None),
]


def mechanical_candidates(name, text):
    """Every mechanical change of one file: (key, line number, new line, description)."""
    found = []
    seen = {}
    in_block_comment = False
    for number, line in enumerate(text.split("\n"), start=1):
        stripped = line.strip()
        if in_block_comment:
            if "*/" in stripped:
                in_block_comment = False
            continue
        if stripped.startswith("/*"):
            in_block_comment = "*/" not in stripped
            continue
        if (not stripped or stripped.startswith(("//", "#", "*")) or '"' in line or "'" in line
                or "assert" in line or stripped.startswith(("namespace", "enum", "using"))):
            continue
        code = line.split("//", 1)[0]
        # In a header only what the inline helpers compute, not the declarations.
        if name.endswith(".h") and "return" not in code:
            continue
        for op, pattern, replacement in OPERATORS:
            for match in re.finditer(pattern, code):
                if replacement is None:
                    # Sizes of arrays and template arguments only move a limit nobody reaches.
                    if code.rstrip().endswith(";") and re.search(r"<[^<>]*$", code[:match.start()]):
                        continue
                    new = str(int(match.group(1)) + 1)
                else:
                    new = replacement
                mutated = code[:match.start()] + new + code[match.end():] + line[len(code):]
                occurrence = seen.get((stripped, op), 0)
                seen[(stripped, op)] = occurrence + 1
                if (name, stripped, op) in EQUIVALENT:
                    continue
                key = hashlib.sha1(f"{name}|{stripped}|{op}|{occurrence}|{match.start() - (len(line) - len(line.lstrip()))}"
                                   .encode()).hexdigest()
                found.append((key, number, mutated,
                              f"{op} at line {number}, column {match.start() + 1}: {stripped[:60]}"))
    return found


def pick_sample(candidates, count):
    """The first `count` candidates in hash order, one a line, each of another kind of
    change while kinds remain."""
    ranked = sorted(candidates)
    chosen, kinds, lines = [], set(), set()
    for spread in (True, False):
        for c in ranked:
            kind = c[3].split(" at line")[0]
            if len(chosen) == count or c in chosen or c[1] in lines or (spread and kind in kinds):
                continue
            chosen.append(c)
            kinds.add(kind)
            lines.add(c[1])
    return chosen


def run(cmd, cwd, log, timeout=None):
    with open(log, "a") as out:
        out.write("$ " + " ".join(cmd) + "\n")
        out.flush()
        try:
            return subprocess.run(cmd, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            out.write("timed out\n")
            return 124


def engine_files(root):
    """The engine's sources by file name, wherever under game/ they sit."""
    listed = subprocess.run(["git", "ls-files", "game"], cwd=root, check=True,
                            stdout=subprocess.PIPE).stdout.decode().split()
    return {os.path.basename(p): p for p in listed}


def depends_on(entry, path):
    """Whether the object of a compile command was built from `path` (its dependency file)."""
    deps = os.path.join(entry["directory"], entry["object"] + ".d")
    if not os.path.exists(deps):
        return os.path.samefile(entry["file"], path)
    words = open(deps).read().replace("\\\n", " ").split()
    return any(os.path.normpath(os.path.join(entry["directory"], w)) == path
               for w in words[1:] if not w.endswith(":"))


class Objects:
    """The built objects the mutants are compiled over, and putting them back.

    A list of the objects changed so far is kept in the build folder while they are; a run
    that was killed before putting them back leaves it, and the next run deletes those
    objects, so that the build makes them again from the sources."""

    def __init__(self, build, scratch):
        self.build, self.scratch = build, scratch
        self.ledger = os.path.join(build, "mutate-objects.txt")
        self.saved = {}
        if os.path.exists(self.ledger):
            for line in open(self.ledger).read().split("\n"):
                if line and os.path.exists(line):
                    os.remove(line)
            os.remove(self.ledger)

    def replace(self, objects):
        with open(self.ledger, "a") as f:
            for o in objects:
                if o not in self.saved:
                    self.saved[o] = os.path.join(self.scratch, "saved", str(len(self.saved)) + ".o")
                    os.makedirs(os.path.dirname(self.saved[o]), exist_ok=True)
                    shutil.copyfile(o, self.saved[o])
                f.write(o + "\n")

    def restore(self):
        for o, copy in self.saved.items():
            shutil.copyfile(copy, o)
        if os.path.exists(self.ledger):
            os.remove(self.ledger)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--build", default=os.environ.get("BUILD", "build"))
    ap.add_argument("--only", default="", help="plant only mutants whose file or meaning holds this")
    ap.add_argument("--jobs", default="2")
    ap.add_argument("--bar", type=float, default=85.0, help="least share caught, in per cent")
    ap.add_argument("--per-file", type=int, default=3, help="mechanical mutants per covered file")
    ap.add_argument("--budget", type=float, default=0, help="seconds for planting; 0: no cap")
    ap.add_argument("--list", action="store_true", help="list the mutants and stop")
    args = ap.parse_args()
    root = subprocess.run(["git", "rev-parse", "--show-toplevel"], check=True,
                          stdout=subprocess.PIPE).stdout.decode().strip()
    paths = engine_files(root)
    cover = dict(COVERED, **ALSO_COVERED)
    for name in cover:
        if name not in paths:
            print(f"mutate: {name} is not in game/")
            return 2

    # Every mutant as (file name, change, meaning); a change is (text, replacement) or
    # (line number, new line).
    mutants = [(name, (before, after), meaning) for name, before, after, meaning in MUTANTS]
    for name in COVERED:
        text = open(os.path.join(root, paths[name])).read()
        sample = pick_sample(mechanical_candidates(name, text), args.per_file)
        for _, number, mutated, meaning in sorted(sample, key=lambda c: c[1]):
            mutants.append((name, (number, mutated), meaning))
    mutants = [m for m in mutants if not args.only or args.only in m[0] or args.only in m[2]]
    # One file after another, so that a file's objects are looked up once.
    mutants.sort(key=lambda m: m[0])
    if args.list:
        for name, _, meaning in mutants:
            print(f"  {name:20} {meaning}")
        print(f"mutate: {len(mutants)} mutants")
        return 0

    build = os.path.abspath(os.path.join(root, args.build))
    commands = os.path.join(build, "compile_commands.json")
    if not os.path.exists(commands):
        print(f"mutate: {commands} is missing; build the tree first (make build)")
        return 2
    scratch = os.path.join(build, "mutate")
    shutil.rmtree(scratch, ignore_errors=True)
    os.makedirs(scratch)
    log = os.path.join(scratch, "mutate.log")
    open(log, "w").close()
    began = time.time()
    entries = []
    for e in json.load(open(commands)):
        command = shlex.split(e["command"]) if "command" in e else e["arguments"]
        obj = command[command.index("-o") + 1]
        entries.append(dict(e, args=command, object=obj,
                            file=os.path.normpath(os.path.join(e["directory"], e["file"]))))
    objects = Objects(build, scratch)
    # A kill ends the run through the same door as an error: the objects are put back.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))

    programs = sorted({target for runs in cover.values() for target, _ in runs})

    def build_cmd(target):
        return ["cmake", "--build", build, "-j" + args.jobs, "--target", target]

    def test_cmd(target, tests):
        return [os.path.join(build, "bin", target), "--gtest_filter=" + tests, "--gtest_brief=1"]

    print(f"mutate: checking the unchanged tree in {build}", flush=True)
    if any(run(build_cmd(p), root, log) for p in programs):
        print("mutate: the tree does not build; see", log)
        return 2
    # Each test run gets ten times what it takes on the unchanged tree, and at least 20 s.
    limits = {}
    for target, tests in sorted({r for runs in cover.values() for r in runs}):
        start = time.time()
        if run(test_cmd(target, tests), root, log, timeout=600):
            print(f"mutate: {target} fails on the unchanged tree; see", log)
            return 2
        limits[(target, tests)] = max(20.0, 10 * (time.time() - start))
    print(f"mutate: the unchanged tree built and passed in {time.time() - began:.0f} s", flush=True)

    def compiles_of(name, runs):
        """The compile commands of the objects of the test programs that the file goes into."""
        path = os.path.join(root, paths[name])
        dirs = {d for target, _ in runs for d in PROGRAM_OBJECTS[target]}
        return [e for e in entries
                if any("/" + d + "/" in "/" + e["object"] for d in dirs) and depends_on(e, path)]

    def plant(name, mutated, compiles):
        """Writes the mutant beside a copy of its folder and compiles its objects from there;
        false when it does not compile."""
        folder = os.path.dirname(os.path.join(root, paths[name]))
        copy = os.path.join(scratch, "src")
        shutil.rmtree(copy, ignore_errors=True)
        shutil.copytree(folder, copy)
        with open(os.path.join(copy, name), "w") as f:
            f.write(mutated)
        objects.replace([os.path.join(e["directory"], e["object"]) for e in compiles])
        for e in compiles:
            argv = list(e["args"])
            source = e["file"]
            if os.path.dirname(source) == folder:
                source = os.path.join(copy, os.path.basename(source))
            argv[argv.index("-c") + 1] = source
            argv.insert(1, "-I" + copy)
            if run(argv, e["directory"], log) != 0:
                return False
        return True

    planting = time.time()
    caught, planted, broken, rows, unreached = 0, 0, 0, [], []
    found = {}
    try:
        for name, change, meaning in mutants:
            if args.budget and time.time() - planting > args.budget:
                unreached.append((name, meaning))
                continue
            runs = cover[name]
            if name not in found:
                found[name] = compiles_of(name, runs)
            text = open(os.path.join(root, paths[name])).read()
            if isinstance(change[0], int):
                lines = text.split("\n")
                lines[change[0] - 1] = change[1]
                mutated = "\n".join(lines)
            else:
                if text.count(change[0]) != 1:
                    print(f"mutate: {paths[name]}: the text to change is not there exactly once: {change[0]!r}")
                    return 2
                mutated = text.replace(change[0], change[1])
            start = time.time()
            try:
                if not plant(name, mutated, found[name]) or any(
                        run(build_cmd(target), root, log) != 0 for target, _ in runs):
                    verdict = "does not compile"
                    broken += 1
                else:
                    planted += 1
                    # The first program that fails is enough.
                    if any(run(test_cmd(target, tests), root, log, timeout=limits[(target, tests)]) != 0
                           for target, tests in runs):
                        caught += 1
                        verdict = "caught"
                    else:
                        verdict = "MISSED"
            finally:
                objects.restore()
            rows.append((verdict, name, meaning, time.time() - start))
            print(f"  {verdict:16} {name:18} {meaning} ({time.time() - start:.0f} s)", flush=True)
    finally:
        objects.restore()
        # The test programs as built from the sources again.
        for p in programs:
            run(build_cmd(p), root, log)

    share = 100.0 * caught / planted if planted else 0.0
    total = time.time() - began
    print(f"mutate: {caught} of {planted} planted faults caught ({share:.1f} %; the bar is {args.bar:g} %), "
          f"{broken} did not compile, in {total:.0f} s")
    if unreached:
        print(f"mutate: the budget of {args.budget:g} s ran out; {len(unreached)} mutants not planted:")
        for name, meaning in unreached:
            print(f"  {'not planted':16} {name:18} {meaning}")
    with open(os.path.join(scratch, "report.txt"), "w") as f:
        for verdict, name, meaning, secs in rows:
            f.write(f"{verdict}\t{name}\t{meaning}\t{secs:.0f} s\n")
        for name, meaning in unreached:
            f.write(f"not planted\t{name}\t{meaning}\n")
        f.write(f"score\t{caught}/{planted}\t{share:.1f} %\tbar {args.bar:g} %\t{total:.0f} s\n")
    if planted == 0 or share < args.bar:
        print("mutate: too few planted faults caught")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
