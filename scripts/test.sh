#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vantrel with its tests and runs every test.
#   scripts/test.sh          debug build, then the web page in Chromium
#   scripts/test.sh --asan   the same suite under AddressSanitizer and UBSan, the page's tests
#                            against the sanitized desktop tools; any report fails
set -euo pipefail
cd "$(dirname "$0")/.."
preset=dev
# The sanitizer options of ctest live in the asan test preset (CMakePresets.json); the
# desktop tools the page's tests start get the same ones here.
if [ "${1:-}" = "--asan" ]; then
  preset=asan
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
fi
bin=build/$preset/bin
scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j2
# The page, built with the engine as WebAssembly, against the desktop's engine.
scripts/web.sh --build
node tests/web/page_units_test.mjs
node tests/web/page_test.mjs build/web/site "$bin"/web_replay
# The lab notebook: its exported run table against the desktop notebook's.
node tests/web/notebook_test.mjs build/web/site "$bin"/web_replay
# The page's pictures against the desktop's pixels; the picture menus, copy and save.
node tests/web/pictures_test.mjs build/web/site "$bin"/picture_digests
# Excel, dropped files, bad files and a big table, against the desktop's workbook writer.
node tests/web/files_test.mjs build/web/site "$bin"/web_workbook
# The single file from a disk, the folder offline and installable, and axe-core.
node tests/web/offline_test.mjs build/web
# The family tree against the desktop's engine, and populations sent as links.
node tests/web/treelink_test.mjs build/web/site "$bin"/web_replay
# Automatic runs in workers against vantrel-lab's CSV, served and from the single file.
node tests/web/autoruns_test.mjs build/web "$bin"/vantrel-lab
# Every view in the pseudo-language: no text outside a catalogue, none cut off.
node tests/web/pseudo_test.mjs build/web/site
# The journal: a crashed tab and a killed browser restore, a reload does not ask.
node tests/web/journal_test.mjs build/web/site "$bin"/web_replay
# The page in German and Dutch, the choice kept, a damaged catalogue, the single file.
node tests/web/language_test.mjs build/web
# Lessons opened from links and prepared, the pupil's name, a class's runs files pooled.
node tests/web/lesson_test.mjs build/web/site build/wasm/web/vantrel_engine.mjs
# "What you select for" against the engine in Node, the chances, "Judge like me" by keys.
node tests/web/learner_test.mjs build/web/site build/wasm/web/vantrel_engine.mjs
# axe-core on every view and dialog in three languages, target sizes, focus, touch, portrait.
node tests/web/access_test.mjs build/web/site
