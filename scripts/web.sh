#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the web page (the engine as WebAssembly, then the page with Vite): build/web/site/,
# plain static files any web host can serve, which install as an app and work offline
# after the first visit; and build/web/vantrel.html, one file with everything inside that
# opens from a disk without a server. Then serves the folder at http://127.0.0.1:8080/.
#   scripts/web.sh           build and serve (Ctrl+C stops)
#   scripts/web.sh --build   only build
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset wasm >/dev/null
cmake --build --preset wasm --target vantrel_engine_module
(cd web/page && npm run --silent build)
[ "${1:-}" = "--build" ] && exit 0
echo "Serving build/web/site/ at http://127.0.0.1:8080/ (Ctrl+C stops)"
cd web/page && exec npx vite preview --host 127.0.0.1 --port 8080 --strictPort
