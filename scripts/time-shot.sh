#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the engine's shot at 1,000 organisms with one harness (web/timing/shot_timing.cc)
# built twice, optimised: natively with g++ and as WebAssembly run by Node. Runs them in
# turn, three times each, and prints the median of each build's three medians and their
# ratio. Not a test: the figures depend on the machine.
#   scripts/time-shot.sh [SAMPLES [SHOTS_PER_SAMPLE]]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export NODE_PATH=/usr/share/nodejs  # Emscripten's JavaScript tools need Debian's acorn
core_only=(-G Ninja -DVANTREL_CORE_ONLY=ON -DVANTREL_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release)
cmake -S . -B build/timing-native "${core_only[@]}" >/dev/null
cmake --build build/timing-native --target shot_timing >/dev/null
cmake -S . -B build/timing-wasm "${core_only[@]}" \
  -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake >/dev/null
cmake --build build/timing-wasm --target shot_timing >/dev/null

median() { sed -n 's/^median_ns //p'; }
native=()
wasm=()
for round in 1 2 3; do
  native+=("$(build/timing-native/tools/timing/shot_timing "$@" | median)")
  wasm+=("$(node --no-experimental-fetch build/timing-wasm/tools/timing/shot_timing.js "$@" | median)")
  echo "round $round: native ${native[-1]} ns, WebAssembly ${wasm[-1]} ns a shot"
done
middle() { printf '%s\n' "$@" | sort -g | sed -n 2p; }
n=$(middle "${native[@]}")
w=$(middle "${wasm[@]}")
echo "native (g++ -O3):                  median $n ns a shot"
echo "WebAssembly (em++ -O3, Node $(node --version)): median $w ns a shot"
echo "ratio WebAssembly / native: $(echo "scale=2; $w / $n" | bc)"
