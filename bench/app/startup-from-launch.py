#!/usr/bin/env python3
"""Times start-up as a player meets it: from launching the program to its painted window.

Runs the game's start-up benchmark, a bare Qt window (a program linking only Qt Widgets) and
the same bare window with nothing but the game's menu bar, in interleaved rounds on the
offscreen platform, and prints the medians of each, from launch and from main, and the
ratios to the bare window.

    bench/app/startup-from-launch.py [--runs N] [--bin-dir build/bin] [WxH]
"""
import argparse
import json
import os
import statistics
import subprocess
import time


def one_run(command):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    start = time.monotonic_ns()
    out = subprocess.run(command, env=env, capture_output=True, text=True, check=True).stdout
    line = json.loads(out.strip().splitlines()[-1])
    return (line["paintedAtNs"] - start) / 1e6, line["startupMs"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--bin-dir", default="build/bin")
    parser.add_argument("size", nargs="?", default="1280x1024")
    args = parser.parse_args()
    programs = {
        "game": [os.path.join(args.bin_dir, "bench_startup"), args.size],
        "bare": [os.path.join(args.bin_dir, "bench_bare_window"), args.size],
        "menus": [os.path.join(args.bin_dir, "bench_bare_window"), "menus", args.size],
    }
    launch = {name: [] for name in programs}
    inside = {name: [] for name in programs}
    for name, command in programs.items():  # one run each first, to warm the file cache
        one_run(command)
    for _ in range(args.runs):
        for name, command in programs.items():
            from_launch, from_main = one_run(command)
            launch[name].append(from_launch)
            inside[name].append(from_main)
    for name in programs:
        print("%s %s: from launch median %.1f ms (min %.1f, max %.1f); from main median %d ms"
              % (name, args.size, statistics.median(launch[name]), min(launch[name]),
                 max(launch[name]), statistics.median(inside[name])))
    for name in ("game", "menus"):
        print("ratio %s / bare, from launch: %.2f; from main: %.2f"
              % (name, statistics.median(launch[name]) / statistics.median(launch["bare"]),
                 statistics.median(inside[name]) / max(1, statistics.median(inside["bare"]))))


if __name__ == "__main__":
    main()
