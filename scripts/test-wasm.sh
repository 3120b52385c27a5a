#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Qt-free core and its tests as WebAssembly (Emscripten, preset wasm) and runs
# the tests under Node.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The preset sets NODE_PATH: Emscripten's JavaScript tools need Debian's acorn, which Node
# does not find on its own.
cmake --preset wasm >/dev/null
cmake --build --preset wasm
ctest --preset wasm -j2
