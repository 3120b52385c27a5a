#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Qt-free core and its tests as WebAssembly (Emscripten, preset wasm) and runs
# the tests under Node, the engine module's calls among them; then plays one scripted game
# on the desktop's engine (built natively in the dev preset, or the one VANTREL_PRESET
# names) and on the module, and compares the tables both saved, byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The preset sets NODE_PATH: Emscripten's JavaScript tools need Debian's acorn, which Node
# does not find on its own.
cmake --preset wasm >/dev/null
cmake --build --preset wasm
ctest --preset wasm -j2
preset=${VANTREL_PRESET:-dev}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target web_replay
tests/web/same_tables.sh "build/$preset/bin/web_replay" build/wasm/web/vantrel_engine.mjs
