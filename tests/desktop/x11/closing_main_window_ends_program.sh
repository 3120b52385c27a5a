#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under Xvfb on a laptop's 1366 x 768 screen: at the advanced width, with
# the notebook, the population and the family tree open, every window lies inside the
# screen; closing the main window as a window manager does ends the program within a few
# seconds, its journal marked closed. Without a window manager the main window sits where
# it asks (189, 172), so ">>" is at a known place.
#   closing_main_window_ends_program.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_STATE_HOME=$work/state

# Its own display numbers (from 120), apart from the other tests under Xvfb.
"$here/with_display.sh" 120 1366x768x24 bash -c '
  program=$1 here=$2 state=$3
  "$program" & pid=$!
  wait_for() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done; return 1; }
  windows() { xdotool search --onlyvisible --pid $pid 2>/dev/null | wc -l; }
  wait_for "xdotool search --onlyvisible --pid $pid >/dev/null 2>&1"
  sleep 1
  main=$(xdotool search --onlyvisible --pid $pid | head -1)
  xdotool mousemove 530 564 click 1   # ">>": the advanced width
  sleep 0.5
  count=1
  for key in l g t; do
    xdotool mousemove 400 300 click 1   # the main window has the keys
    xdotool key $key
    count=$((count + 1))
    wait_for "[ \$(windows) -ge $count ]" || { echo "key $key opened no window"; kill $pid; exit 1; }
    sleep 0.5
  done
  status=0
  for id in $(xdotool search --onlyvisible --pid $pid); do
    eval "$(xdotool getwindowgeometry --shell $id)"
    echo "$(xdotool getwindowname $id): ${WIDTH}x${HEIGHT} at $X,$Y"
    if [ $X -lt 0 ] || [ $Y -lt 0 ] || [ $((X + WIDTH)) -gt 1366 ] || [ $((Y + HEIGHT)) -gt 768 ]; then
      echo "  runs off the screen"; status=1
    fi
  done
  /usr/bin/python3 "$here/close_window.py" $main
  if ! wait_for "! kill -0 $pid 2>/dev/null"; then
    echo "the program still runs 10 s after its main window closed"
    kill $pid; exit 1
  fi
  wait $pid || { echo "the program ended with status $?"; exit 1; }
  closed=$(/usr/bin/python3 -c "
import glob, sqlite3, sys
runs = glob.glob(sys.argv[1] + \"/vantrel/*.journal\")
print(sum(sqlite3.connect(r).execute(\"SELECT closed FROM run\").fetchone()[0] for r in runs), len(runs))
" "$state")
  echo "journals closed, found: $closed"
  [ "$closed" = "1 1" ] || status=1
  exit $status
' bash "$program" "$here" "$XDG_STATE_HOME"
