#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vantrel with its tests and runs every test.
#   scripts/test.sh          debug build, then the web page in Chromium
#   scripts/test.sh --asan   the same suite under AddressSanitizer and UBSan; any report fails
set -euo pipefail
cd "$(dirname "$0")/.."
preset=dev
# The sanitizer options live in the asan test preset (CMakePresets.json).
[ "${1:-}" = "--asan" ] && preset=asan
scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j2
if [ "$preset" = dev ]; then
  # The page, built with the engine as WebAssembly, against the desktop's engine.
  scripts/web.sh --build
  node tests/web/page_units_test.mjs
  node tests/web/page_test.mjs build/web/site build/dev/bin/web_replay
  # Excel, dropped files, bad files and a big table, against the desktop's workbook writer.
  node tests/web/files_test.mjs build/web/site build/dev/bin/web_workbook
  # The single file from a disk, the folder offline and installable, and axe-core.
  node tests/web/offline_test.mjs build/web
fi
