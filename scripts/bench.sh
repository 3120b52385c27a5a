#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks (optimised) and prints one table: every Google Benchmark, then the
# program's start-up to its first painted organism beside the start-up of a minimal Qt
# Widgets program built with the same flags: the median CPU time (user + system) of each
# over alternating runs, their ratio, and the peak memory of both.
#   scripts/bench.sh [Google Benchmark options]      (VANTREL_BENCH_PAIRS: runs of each, 21)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
bin=build/bench/bin
export QT_QPA_PLATFORM=offscreen
# Whatever opens a journal or writes an export does so in folders of its own, never in the
# user's: fresh, empty state, data, config and cache folders for the whole run.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_STATE_HOME="$scratch/state" XDG_DATA_HOME="$scratch/data"
export XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"

"$bin/vantrel_bench" --benchmark_counters_tabular=true "$@"

pairs=${VANTREL_BENCH_PAIRS:-21}
if [ "$pairs" -lt 21 ]; then
  echo "VANTREL_BENCH_PAIRS must be at least 21" >&2
  exit 2
fi

# One run of a probe: its CPU time in ms (user + system, from bash's `time`) and the peak
# resident memory in KiB it reports on its last line. The state, data, config and cache
# folders are emptied first, so every run starts as on a fresh installation.
run_probe() {
  local program=$1 cpu_file=$2 peak_file=$3
  rm -rf "$XDG_STATE_HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
  local TIMEFORMAT='%3U %3S' timing
  timing=$({ time "$program" >"$scratch/out" 2>/dev/null; } 2>&1)
  awk '{ printf "%.3f\n", ($1 + $2) * 1000 }' <<<"$timing" >>"$cpu_file"
  tail -n 1 "$scratch/out" >"$peak_file"
}

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Alternating, so that a change in the machine's load falls on both alike.
vantrel_cpu="$scratch/vantrel.cpu" minimal_cpu="$scratch/minimal.cpu"
for _ in $(seq "$pairs"); do
  run_probe "$bin/vantrel_startup_probe" "$vantrel_cpu" "$scratch/vantrel.peak"
  run_probe "$bin/minimal_qt_probe" "$minimal_cpu" "$scratch/minimal.peak"
done
vantrel_ms=$(median "$vantrel_cpu")
minimal_ms=$(median "$minimal_cpu")

echo
printf '%-44s %13s %14s\n' "Start-up to first paint (median of $pairs)" "CPU time" "peak memory"
printf '%-44s %10.1f ms %10s KiB\n' "vantrel, first organism painted" "$vantrel_ms" \
  "$(cat "$scratch/vantrel.peak")"
printf '%-44s %10.1f ms %10s KiB\n' "minimal Qt Widgets window (the floor)" "$minimal_ms" \
  "$(cat "$scratch/minimal.peak")"
printf '%-44s %10.2f x\n' "ratio (the budget is 1.3 x)" \
  "$(awk -v a="$vantrel_ms" -v b="$minimal_ms" 'BEGIN { print a / b }')"

# Small files that once took the machine's memory: the 60 KB file of one wide title line
# and 20,000 empty lines, and the slowest inputs the table reader's fuzzer found
# (tools/bench/inputs/). Each opened in a fresh process, natively and with the page's engine.
{
  printf 'a'
  head -c 20000 /dev/zero | tr '\0' '#'
  for _ in $(seq 20000); do printf '\r\n'; done
} >"$scratch/wide-60k.str"
echo
echo "Opening small files (time of the load; peak resident memory before and after it)"
module=build/wasm/web/vantrel_engine.mjs
for file in "$scratch/wide-60k.str" tools/bench/inputs/*.str; do
  printf '%s\n  native: %s\n' "$(basename "$file")" "$("$bin/open_probe" "$file")"
  if [ -f "$module" ]; then
    printf '  page:   %s\n' \
      "$(node --no-experimental-fetch tests/web/measure_small_file.mjs "$module" "$file")"
  fi
done

# A table of 1,000,000 organisms (39 MB) opened as the desktop opens it, without and with
# the journal (kept in the scratch state folder): the peak must stay within 300 MB.
node tests/web/make_table.mjs 1000000 "$scratch/million.str"
echo
echo "Opening 1,000,000 organisms (time of the load; peak resident memory before and after it)"
printf '  %s\n' "$("$bin/open_probe" "$scratch/million.str" 2>/dev/null)"
mkdir -p "$XDG_STATE_HOME"
printf '  %s\n' "$("$bin/open_probe" --journal "$XDG_STATE_HOME" "$scratch/million.str" 2>/dev/null)"
