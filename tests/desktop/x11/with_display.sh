#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command under a new Xvfb server once its display answers. xvfb-run takes the
# server's start for readiness, and on a loaded machine the program has found no display
# behind it; so the command starts only once a client can connect, and a server that never
# answers is replaced by a fresh one (three in all), with what Xvfb said shown. The server
# runs with -noreset: by default an X server starts itself over when its last client leaves,
# as the readiness check does, and a program connecting in that moment finds no display.
#   with_display.sh FIRST_NUMBER WIDTHxHEIGHTxDEPTH COMMAND [ARGS...]
# FIRST_NUMBER: the lowest display number to try (xvfb-run -a goes up from it). Each test
# starts from a number of its own, so that it never starts a server on a number whose
# server, of a test just ended, may still be going away.
set -uo pipefail
first=$1 screen=$2
shift 2
log=$(mktemp)
trap 'rm -f "$log"' EXIT
readonly kNoDisplay=75
for attempt in 1 2 3; do
  : >"$log"
  xvfb-run -a -n "$first" -e "$log" -s "-screen 0 $screen -noreset" bash -c '
    for _ in $(seq 100); do
      xdotool getdisplaygeometry >/dev/null 2>&1 && exec "$@"
      sleep 0.1
    done
    exit '"$kNoDisplay" bash "$@"
  status=$?
  [ "$status" -ne "$kNoDisplay" ] && exit "$status"
  echo "with_display: no display answered within 10 s (server $attempt of 3); Xvfb said:"
  cat "$log"
done
exit 1
