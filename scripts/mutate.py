#!/usr/bin/env python3
"""Plants known faults in the engine one at a time and reports which the tests catch.

Each mutant changes one line of game/ in a scratch copy of the working tree (never in the
tree itself), rebuilds the Qt-free configuration there (engine, files, harness and their
tests) and runs ctest. A mutant is caught when some test fails. The score is the share of
mutants caught; a mutant that does not compile is reported and left out of the score.

Usage: scripts/mutate.py [--scratch DIR] [--only SUBSTRING] [--jobs N]
"""
import argparse
import os
import shutil
import subprocess
import sys
import time

# (file, text as it stands, planted fault, what the fault means in the game)
MUTANTS = [
    ("game/CompAttack.cpp", "attack >= 6) return {};", "attack > 6) return {};",
     "computer throws a seventh card into the attack"),
    ("game/CompAttack.cpp", "if (open >= view.PlayerCount", "if (open > view.PlayerCount",
     "computer throws in more cards than the player holds"),
    ("game/CompAttack.cpp", "    if (wanted > view.PlayerCount - open) wanted = view.PlayerCount - open;\n", "",
     "after a take the computer throws in past the player's hand"),
    ("game/CompAttack.cpp", "  if (stock >= 16) {", "  if (stock > 16) {",
     "lead band: shed the lowest plain card only above 16"),
    ("game/CompAttack.cpp", "  } else if (stock >= 8) {", "  } else if (stock >= 9) {",
     "lead band: middle band starts at 9"),
    ("game/CompAttack.cpp", "  } else if (stock >= 2) {\n    ScoreLeadLate", "  } else if (stock >= 3) {\n    ScoreLeadLate",
     "lead band: late band starts at 3"),
    ("game/CompAttack.cpp", "  if (stock >= 9) {\n    if (trump || tableStrength", "  if (stock >= 10) {\n    if (trump || tableStrength",
     "throw-in score band: early band ends at 10"),
    ("game/CompAttack.cpp", "  if (stock >= 2) {\n    if (trump) {", "  if (stock >= 3) {\n    if (trump) {",
     "throw-in score band: late band ends at 3"),
    ("game/CompAttack.cpp", "if (trump || tableStrength >= 14) return slBarred;",
     "if (trump || tableStrength >= 15) return slBarred;",
     "early throw-in: a table of strength 14 no longer counts as strong"),
    ("game/CompAttack.cpp", "    if (!IsTrump(view, k) && k.Rank <= 10) {\n      const TSafety safe = CardSafety(view, k.Rank, k.Suit);\n      if (safe == sfSafe || safe == sfSafeInSuit) ++k.Score;",
     "    if (!IsTrump(view, k) && k.Rank <= 11) {\n      const TSafety safe = CardSafety(view, k.Rank, k.Suit);\n      if (safe == sfSafe || safe == sfSafeInSuit) ++k.Score;",
     "middle lead band: safe jacks preferred too"),
    ("game/CompDefence.cpp", "  if (stock >= 17) return true;", "  if (stock >= 18) return true;",
     "defence keeps trumps back only from 18 cards"),
    ("game/CompDefence.cpp", "  if (stock >= 9) return rank >= 9;", "  if (stock >= 9) return rank >= 10;",
     "defence spends trump nines with a large stock"),
    ("game/CompDefence.cpp", "  if (view.PlayerCount <= led || led >= 6) return -1;", "  if (view.PlayerCount < led || led >= 6) return -1;",
     "computer transfers more cards than the player holds"),
    ("game/Deal.cpp", "    if (c < p) {", "    if (c <= p) {",
     "the computer leads when neither hand holds a trump"),
    ("game/PlayerRules.cpp", "         attack < static_cast<int>(CompHand.size());",
     "         attack <= static_cast<int>(CompHand.size());",
     "transfer allowed when the computer could not face the cards"),
    ("game/TableOps.cpp", "if (MayTransfer(k) || !SlotsToBeat(k).empty())", "if (!SlotsToBeat(k).empty())",
     "a card that may only transfer is not highlighted"),
    ("game/TableOps.cpp", "        if (present) card.SetHotMouse(true);", "        card.SetHotMouse(true);",
     "every card highlighted for a throw-in"),
    ("game/PlayerRules.cpp", "  if (led >= static_cast<int>(CompHand.size())) return false;",
     "  if (led > static_cast<int>(CompHand.size())) return false;",
     "player leads more cards than the computer holds"),
    ("game/PlayerRules.cpp", "&& attack < 6;", "&& attack <= 6;",
     "player throws a seventh card in"),
    ("game/CardLists.cpp", "  if (suit1 == suit2) return rank1 > rank2;", "  if (suit1 == suit2) return rank1 != rank2;",
     "a lower card beats a higher one of its suit"),
    ("game/TakeDiscard.cpp", "  if (Deck.size() >= 2) return;", "  if (Deck.size() >= 3) return;",
     "end of stock handled one card early"),
    ("game/CompEval.cpp", "  if (twice > n || (twice == n && q % 2 == 1)) return q + 1;", "  if (twice > n) return q + 1;",
     "rank count: ties between doubles and singles"),
    ("game/CompEval.cpp", "  if (result == 1 && static_cast<int>(known.size()) < view.PlayerCount) result = 0;", "",
     "endgame: a pair counted safe though some of the player's cards are unknown"),
]


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


def copy_tree(src, dst):
    files = subprocess.run(["git", "ls-files", "-z"], cwd=src, check=True,
                           stdout=subprocess.PIPE).stdout.decode().split("\0")
    for f in files:
        if not f or not os.path.isfile(os.path.join(src, f)):
            continue
        target = os.path.join(dst, f)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if not os.path.exists(target) or open(os.path.join(src, f), "rb").read() != open(target, "rb").read():
            # A fresh time stamp, so that the build sees the copied file as changed.
            shutil.copyfile(os.path.join(src, f), target)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--scratch", default="build-mutate")
    ap.add_argument("--only", default="")
    ap.add_argument("--jobs", default="2")
    args = ap.parse_args()
    root = subprocess.run(["git", "rev-parse", "--show-toplevel"], check=True,
                          stdout=subprocess.PIPE).stdout.decode().strip()
    scratch = os.path.abspath(os.path.join(root, args.scratch))
    src = os.path.join(scratch, "src")
    build = os.path.join(scratch, "build")
    log = os.path.join(scratch, "mutate.log")
    os.makedirs(src, exist_ok=True)
    open(log, "w").close()
    copy_tree(root, src)

    configure = ["cmake", "-S", src, "-B", build, "-DDURAK_WITH_QT=OFF", "-DDURAK_WITH_BENCH=OFF"]
    if shutil.which("ccache"):
        configure += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
    build_cmd = ["cmake", "--build", build, "-j" + args.jobs]
    test_cmd = ["ctest", "--test-dir", build, "-j" + args.jobs, "--timeout", "120"]

    print("mutate: building the unchanged copy in", scratch, flush=True)
    if run(configure, src, log) or run(build_cmd, src, log) or run(test_cmd, src, log):
        print("mutate: the unchanged copy does not build or its tests fail; see", log)
        return 2

    caught, planted, rows = 0, 0, []
    for path, before, after, meaning in MUTANTS:
        if args.only and args.only not in meaning and args.only not in path:
            continue
        name = os.path.join(src, path)
        text = open(name).read()
        if text.count(before) != 1:
            print(f"mutate: {path}: the text to change is not there exactly once: {before!r}")
            return 2
        start = time.time()
        with open(name, "w") as f:
            f.write(text.replace(before, after))
        try:
            if run(build_cmd, src, log) != 0:
                verdict = "does not compile"
            else:
                planted += 1
                if run(test_cmd, src, log, timeout=900) != 0:
                    caught += 1
                    verdict = "caught"
                else:
                    verdict = "MISSED"
        finally:
            with open(name, "w") as f:
                f.write(text)
        rows.append((verdict, path, meaning, time.time() - start))
        print(f"  {verdict:16} {path:22} {meaning} ({time.time() - start:.0f} s)", flush=True)

    run(build_cmd, src, log)
    share = 100.0 * caught / planted if planted else 0.0
    print(f"mutate: {caught} of {planted} planted faults caught ({share:.0f} %)")
    with open(os.path.join(scratch, "report.txt"), "w") as f:
        for verdict, path, meaning, secs in rows:
            f.write(f"{verdict}\t{path}\t{meaning}\n")
        f.write(f"score\t{caught}/{planted}\t{share:.0f} %\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
