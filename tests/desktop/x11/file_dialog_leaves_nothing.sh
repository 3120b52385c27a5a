#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under Xvfb: a full path typed into the open dialog and Return must load
# the file and leave nothing of the dialog on screen (its completion list used to stay up
# over the main window, holding the keyboard). Without a window manager the main window
# sits where it asks (189, 172), so the buttons are at known places.
#   file_dialog_leaves_nothing.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf ' P1 # P2 # DNA # Survival #\r\n 0 # 0 # 1234567890123 # 7 #\r\n' >"$work/population.str"
export XDG_STATE_HOME=$work/state

# Its own display numbers (from 110), apart from the other tests under Xvfb.
"$here/with_display.sh" 110 1280x1024x24 bash -c '
  program=$1 work=$2
  "$program" & pid=$!
  wait_for() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done; return 1; }
  wait_for "xdotool search --onlyvisible --pid $pid >/dev/null 2>&1"
  sleep 1
  xdotool mousemove 530 564 click 1   # ">>": the advanced width
  sleep 0.5
  xdotool mousemove 573 460 click 1   # "Open"
  wait_for "[ \$(xdotool search --onlyvisible --pid $pid 2>/dev/null | wc -l) -ge 2 ]"
  sleep 1
  xdotool type --delay 50 "$work/pop"
  sleep 0.5
  xdotool type --delay 50 "ulation.str"
  sleep 0.5
  xdotool key Return
  sleep 2
  visible=$(xdotool search --onlyvisible --pid $pid 2>/dev/null | wc -l)
  kill $pid
  echo "windows on screen after the dialog: $visible (the main window alone is 1)"
  [ "$visible" -eq 1 ]
' bash "$program" "$work"
