#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times opening a table of 100,000 organisms three ways, in turn within each round so that
# the machine's changing load falls on all three alike: the engine's load natively
# (BM_EngineLoadTable/100000, preset bench), the same load inside the page's WebAssembly
# module under Node (tests/web/measure_engine_load.mjs: the engine alone, nothing of the
# page), and the page's own measure `vantrel-open` (the engine's load and the page's
# showing of it, tests/web/measure_loads.mjs --open-only, a fresh page each round). Prints
# every round, the median of each and the ratios to native. Not a test: the figures
# depend on the machine.
#   scripts/time-load.sh [ROUNDS]     (5 unless told; builds what it runs first)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-5}
scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench --target vantrel_bench >/dev/null
scripts/web.sh --build >/dev/null

native=() module=() page=()
for round in $(seq "$rounds"); do
  native+=("$(build/bench/bin/vantrel_bench --benchmark_filter='BM_EngineLoadTable/100000' \
    --benchmark_format=csv 2>/dev/null | awk -F, '/BM_EngineLoadTable/ { print $4 }')")
  module+=("$(node --no-experimental-fetch tests/web/measure_engine_load.mjs \
    build/wasm/web/vantrel_engine.mjs 100000 8 | sed -n 's/^median_ms //p')")
  page+=("$(node tests/web/measure_loads.mjs build/web/site 100000 --open-only |
    sed -n 's/.*vantrel-open \([0-9.]*\) ms.*/\1/p')")
  printf 'round %d: native %.1f ms, module under Node %.1f ms, page %.1f ms\n' "$round" \
    "${native[-1]}" "${module[-1]}" "${page[-1]}"
done
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
n=$(median "${native[@]}") m=$(median "${module[@]}") p=$(median "${page[@]}")
echo "medians of $rounds rounds (load average $(cut -d' ' -f1-3 /proc/loadavg)):"
echo "  native (g++, BM_EngineLoadTable/100000)        $n ms"
echo "  the module's load under Node                    $m ms  ($(echo "scale=2; $m / $n" | bc) x native)"
echo "  the page's vantrel-open                         $p ms  ($(echo "scale=2; $p / $n" | bc) x native)"
