#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks (optimised) and prints one table: every Google Benchmark, then the
# program's start-up to its first painted organism beside the start-up of a minimal Qt
# Widgets program built with the same flags, and the peak memory of both.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
bin=build/bench/bin
export QT_QPA_PLATFORM=offscreen

"$bin/vantrel_bench" --benchmark_counters_tabular=true "$@"

# Median wall time (ms) of 15 runs, and the peak resident memory (KiB) a run reports.
measure() {
  local program=$1 times=() peak=0
  for _ in $(seq 15); do
    local start end
    start=$(date +%s%N)
    peak=$("$program" 2>/dev/null | tail -n 1)
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
  done
  local median
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 8p)
  printf '%-44s %10.1f ms %10s KiB\n' "$2" "$(echo "$median / 1000" | bc -l)" "$peak"
}

echo
printf '%-44s %13s %14s\n' "Start-up to first paint (median of 15)" "time" "peak memory"
measure "$bin/vantrel_startup_probe" "vantrel, first organism painted"
measure "$bin/minimal_qt_probe" "minimal Qt Widgets window (the floor)"
