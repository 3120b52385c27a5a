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

# Each figure twice: the processor time, which holds steady when other programs take the
# machine's cores, and the wall time, which on this machine also holds the host's slow
# first touch of fresh memory.
bench() {
  build/bench/bin/vantrel_bench --benchmark_filter='BM_EngineLoadTable/100000' \
    --benchmark_format=csv 2>/dev/null | awk -F, '/BM_EngineLoadTable/ { print $4, $3 }'
}
engine_alone() {
  node --no-experimental-fetch tests/web/measure_engine_load.mjs \
    build/wasm/web/vantrel_engine.mjs 100000 8 |
    awk '/^first load/ { first = $6 } /^median_cpu_ms/ { warm = $2 } END { print first, warm }'
}
in_page() {
  node tests/web/measure_loads.mjs build/web/site 100000 --open-only |
    sed -n 's/.*vantrel-open \([0-9.]*\) ms, processor \([0-9.]*\) ms.*/\2 \1/p'
}
native_cpu=() first_cpu=() warm_cpu=() page_cpu=() native_wall=() page_wall=()
for round in $(seq "$rounds"); do
  read -r cpu wall < <(bench)
  native_cpu+=("$cpu") native_wall+=("$wall")
  read -r first warm < <(engine_alone)
  first_cpu+=("$first") warm_cpu+=("$warm")
  read -r cpu wall < <(in_page)
  page_cpu+=("$cpu") page_wall+=("$wall")
  printf 'round %d: native %.1f ms (wall %.1f); module under Node, first load %.1f ms, later %.1f ms; page %.1f ms (wall %.1f)\n' \
    "$round" "${native_cpu[-1]}" "${native_wall[-1]}" "$first" "$warm" "$cpu" "$wall"
done
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { echo "scale=2; $1 / $2" | bc; }
n=$(median "${native_cpu[@]}") nw=$(median "${native_wall[@]}")
f=$(median "${first_cpu[@]}") w=$(median "${warm_cpu[@]}")
p=$(median "${page_cpu[@]}") pw=$(median "${page_wall[@]}")
echo "medians of $rounds rounds, processor time (load average $(cut -d' ' -f1-3 /proc/loadavg)):"
echo "  native, BM_EngineLoadTable/100000           $n ms (wall $nw ms)"
echo "  the module under Node, a first load          $f ms ($(ratio "$f" "$n") x native)"
echo "  the module under Node, later loads           $w ms ($(ratio "$w" "$n") x native)"
echo "  the page's vantrel-open (a first load)       $p ms ($(ratio "$p" "$n") x native; wall $pw ms, $(ratio "$pw" "$nw") x native's wall)"
