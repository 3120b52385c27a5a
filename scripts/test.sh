#!/usr/bin/env bash
# Builds Vantrel with its tests and runs every test.
#   scripts/test.sh          debug build
#   scripts/test.sh --asan   the same suite under AddressSanitizer and UBSan; any report fails
set -euo pipefail
cd "$(dirname "$0")/.."
preset=dev
if [ "${1:-}" = "--asan" ]; then
  preset=asan
  # Qt keeps some memory until exit on purpose; leaks are not what this run looks for.
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
fi
scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j2
