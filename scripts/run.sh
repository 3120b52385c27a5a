#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vantrel (optimised) and starts it. Without a display it starts under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Vantrel under Xvfb (xvfb-run), where it is not visible."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/release/bin/vantrel "$@"
fi
exec build/release/bin/vantrel "$@"
