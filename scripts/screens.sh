#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The pictures in docs/screens/: the main window at its advanced width after sixty shots,
# with the population, the family tree and the notebook in turn, on a laptop's 1366 x 768
# screen and a 1920 x 1080 one, under Xvfb (no window manager, so no frames); then the main
# window and the experiments window in German and Dutch on the laptop's screen.
#   scripts/screens.sh [PROGRAM]     (default: the dev build's)
#   VANTREL_SCREENS=languages scripts/screens.sh    (only the German and Dutch ones)
#   VANTREL_SCREENS=learner scripts/screens.sh      (only the learner's two)
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/dev/bin/vantrel}
out=docs/screens
mkdir -p "$out"

# The notebook's "What you select for" after forty clicks that feed one organism in
# four, then "Judge like me" playing 300 clicks at 4 a second, with the chances of being
# kept shown (K) on the big drawing and in the population view, on the laptop's screen.
learner_screens() {
  local state
  state=$(mktemp -d)
  XDG_STATE_HOME=$state XDG_CONFIG_HOME=$state xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
    program=$1 out=$2
    "$program" & pid=$!
    for _ in $(seq 100); do xdotool search --onlyvisible --pid $pid >/dev/null 2>&1 && break; sleep 0.1; done
    sleep 1.5
    xdotool mousemove 530 564 click 1; sleep 0.7   # ">>": the advanced width
    xdotool mousemove 400 300 click 1
    for _ in $(seq 10); do xdotool key s; sleep 0.05; xdotool key s; sleep 0.05; xdotool key s; sleep 0.05; xdotool key f; sleep 0.05; done
    sleep 0.5
    xdotool key l; sleep 1.5
    import -window root png:- | convert - -colors 128 "PNG8:$out/1366x768-notebook-learner.png"
    xdotool key Escape; sleep 0.5
    xdotool mousemove 400 300 click 1
    xdotool key g; sleep 1.5
    xdotool mousemove 400 300 click 1
    xdotool key k; sleep 0.3
    xdotool key j; sleep 1
    xdotool key ctrl+a; xdotool type 300; xdotool key Tab ctrl+a; xdotool type 4
    xdotool key Return; sleep 2.6
    import -window root png:- | convert - -colors 128 "PNG8:$out/1366x768-judge-like-me.png"
    xdotool key Escape; sleep 0.3
    kill $pid
  ' bash "$program" "$out"
  rm -rf "$state"
  ls -l "$out"/1366x768-notebook-learner.png "$out"/1366x768-judge-like-me.png
}
if [[ ${VANTREL_SCREENS:-} == learner ]]; then
  learner_screens
  exit
fi
screens="1366x768 1920x1080"
[[ ${VANTREL_SCREENS:-} == languages ]] && screens=
for screen in $screens; do
  state=$(mktemp -d)
  XDG_STATE_HOME=$state XDG_CONFIG_HOME=$state xvfb-run -a -s "-screen 0 ${screen}x24" bash -c '
    program=$1 out=$2 screen=$3
    "$program" & pid=$!
    for _ in $(seq 100); do xdotool search --onlyvisible --pid $pid >/dev/null 2>&1 && break; sleep 0.1; done
    sleep 1.5
    xdotool mousemove 530 564 click 1; sleep 0.7   # ">>": the advanced width
    xdotool mousemove 400 300 click 1              # the main window has the keys
    for _ in $(seq 60); do xdotool key s; sleep 0.05; done
    sleep 0.5
    for window in g:population t:family-tree l:notebook; do
      xdotool mousemove 400 300 click 1
      xdotool key "${window%%:*}"; sleep 1.5
      import -window root png:- | convert - -colors 128 "PNG8:$out/$screen-${window##*:}.png"
      xdotool key Escape; sleep 0.5
    done
    kill $pid
  ' bash "$program" "$out" "$screen"
  rm -rf "$state"
done

# The buttons are found from the window's bottom-left and bottom-right corners, which hold
# them in every language: ">>" 22 pixels in from the right and the bottom, the experiments
# button 104 pixels in from the left.
for language in de nl; do
  state=$(mktemp -d)
  XDG_STATE_HOME=$state XDG_CONFIG_HOME=$state xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
    program=$1 out=$2 language=$3
    "$program" --lang "$language" & pid=$!
    for _ in $(seq 100); do xdotool search --onlyvisible --pid $pid >/dev/null 2>&1 && break; sleep 0.1; done
    sleep 1.5
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --pid $pid | head -1)")"
    xdotool mousemove $((X + WIDTH - 22)) $((Y + HEIGHT - 22)) click 1; sleep 0.7
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --pid $pid | head -1)")"
    xdotool mousemove $((X + 100)) $((Y + 100)) click 1
    for _ in $(seq 60); do xdotool key s; sleep 0.05; done
    sleep 0.5
    import -window root png:- | convert - -colors 128 "PNG8:$out/1366x768-main-$language.png"
    xdotool mousemove $((X + 104)) $((Y + HEIGHT - 22)) click 1; sleep 1
    # The window on its own: without a window manager the screen behind it may show
    # through until it is painted whole.
    import -window "$(xdotool search --onlyvisible --pid $pid | tail -1)" png:- |
      convert - -colors 128 "PNG8:$out/1366x768-experiments-$language.png"
    kill $pid
  ' bash "$program" "$out" "$language"
  rm -rf "$state"
done
ls -l "$out"
# The lab notebook in Dutch and German on the laptop's screen after sixty shots: its words
# are longer than English ones.
for lang in de nl; do
  state=$(mktemp -d)
  XDG_STATE_HOME=$state XDG_CONFIG_HOME=$state xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
    program=$1 out=$2 lang=$3
    "$program" --lang "$lang" & pid=$!
    for _ in $(seq 100); do xdotool search --onlyvisible --pid $pid >/dev/null 2>&1 && break; sleep 0.1; done
    sleep 1.5
    xdotool mousemove 400 300 click 1
    for _ in $(seq 60); do xdotool key s; sleep 0.05; done
    sleep 0.5
    xdotool key l; sleep 1.5
    import -window root png:- | convert - -colors 128 "PNG8:$out/1366x768-notebook-$lang.png"
    kill $pid
  ' bash "$program" "$out" "$lang"
  rm -rf "$state"
done
ls -l "$out"/1366x768-notebook-??.png
# The class results: two pupils' runs files made by vantrel-lab and a file that is none,
# chosen at once (Ctrl+A in the file list) from the notebook's "Class results…".
class=$(mktemp -d)
lab=$(dirname "$program")/vantrel-lab
for pupil in Anna:1 Ben:2; do
  "$lab" --goal shape=square --goal color=green --population 6,20 --runs 30 --seed 3 \
    --max-clicks 1500 --pupil "${pupil%%:*}" --shard "${pupil##*:}/2" \
    --csv "$class/${pupil%%:*}.csv" >/dev/null
done
printf 'shopping list\nmilk\n' >"$class/notes.csv"
state=$(mktemp -d)
XDG_STATE_HOME=$state XDG_CONFIG_HOME=$state xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
  program=$1 out=$2 class=$3
  "$program" & pid=$!
  for _ in $(seq 100); do xdotool search --onlyvisible --pid $pid >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 1.5
  xdotool mousemove 400 300 click 1
  xdotool key l; sleep 2
  xdotool mousemove 1120 214 click 1; sleep 1.5
  xdotool mousemove 72 21 click 1; sleep 1.5
  xdotool type --delay 5 "$class/"; xdotool key Return; sleep 0.7
  xdotool mousemove 600 226 click 1; xdotool key ctrl+a Return; sleep 1.5
  import -window root png:- | convert - -colors 128 "PNG8:$out/1366x768-class-results.png"
  kill $pid
' bash "$program" "$out" "$class"
rm -rf "$state" "$class"
ls -l "$out"/1366x768-class-results.png
learner_screens
