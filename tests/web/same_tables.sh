#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays tests/web/actions.txt on the desktop's engine (native) and on the WebAssembly
# module (Node) and fails unless every saved table, and what the learner has learned with
# its words at every "learner", is the same bytes on both sides.
#   same_tables.sh NATIVE_REPLAY MODULE
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
native_replay="$1"
module="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

"$native_replay" "$here/actions.txt" "$out/native.bin"
node --no-experimental-fetch "$here/replay.mjs" "$module" "$here/actions.txt" "$out/wasm.bin"
saves=$(grep -c '^save' "$here/actions.txt")
learners=$(grep -c '^learner' "$here/actions.txt")
native_size=$(stat -c %s "$out/native.bin")
if [ "$native_size" -eq 0 ]; then
  echo "same_tables: the native side saved nothing" >&2
  exit 1
fi
if ! cmp "$out/native.bin" "$out/wasm.bin"; then
  echo "same_tables: the WebAssembly module's tables or learner differ from the desktop engine's" >&2
  exit 1
fi
echo "same_tables: $saves tables and $learners learners, $native_size bytes, the same natively and as WebAssembly"
