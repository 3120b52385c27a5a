#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under Xvfb, read through AT-SPI as a screen reader reads it: on a
# private D-Bus session, with its own accessibility bus and registry.
#   screen_reader_names.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
for tool in dbus-run-session xvfb-run /usr/libexec/at-spi-bus-launcher \
            /usr/libexec/at-spi2-registryd; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh)"; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "missing python3-pyatspi"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$work/runtime"

# Its own display numbers (from 130), apart from the other tests under Xvfb.
dbus-run-session -- "$here/with_display.sh" 130 1280x1024x24 bash -c '
  program=$1 here=$2
  /usr/libexec/at-spi-bus-launcher --launch-immediately & launcher=$!
  sleep 0.5
  /usr/libexec/at-spi2-registryd & registry=$!
  sleep 0.5
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" & pid=$!
  for _ in $(seq 100); do xdotool search --onlyvisible --pid $pid >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 1
  status=0
  /usr/bin/python3 "$here/screen_reader_names.py" || status=$?
  kill $pid $registry $launcher 2>/dev/null || true
  exit $status
' bash "$program" "$here"
