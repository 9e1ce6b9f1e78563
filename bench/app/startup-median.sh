#!/usr/bin/env bash
# Runs the start-up measurement seven times on the offscreen platform; prints the medians.
set -euo pipefail
bin=${1:-build/bin/bench_startup}
shift || true  # further arguments go to the benchmark: [bare] [WxH]
ms=(); kib=()
for i in 1 2 3 4 5 6 7; do
  line=$(QT_QPA_PLATFORM=offscreen "$bin" "$@")
  ms+=("$(sed -E 's/.*"startupMs": ([0-9]+).*/\1/' <<<"$line")")
  kib+=("$(sed -E 's/.*"residentKiB": ([0-9]+).*/\1/' <<<"$line")")
done
median() { printf '%s\n' "$@" | sort -n | sed -n 4p; }
echo "start-up to a painted table: median $(median "${ms[@]}") ms (runs: ${ms[*]})"
echo "resident memory after start-up: median $(median "${kib[@]}") KiB"
