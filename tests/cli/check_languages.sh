#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The programs as a user runs them in Dutch and German: the language comes from --lang, else
# LANGUAGE, LC_ALL, LC_MESSAGES, LANG; the CSV and the exit statuses never change with it.
#   tests/cli/check_languages.sh VANTREL_LAB VANTREL
set -euo pipefail
lab=$1
vantrel=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A clean environment plus the given variables.
in_env() { env -i PATH="$PATH" "$@"; }
sweep=(--goal shape=square --population 4,6 --strictness 1,0.9 --runs 6 --seed 3 --quiet)

in_env LANG=en_US.UTF-8 "$lab" "${sweep[@]}" --csv "$work/en.csv" >"$work/en.txt"
in_env LANG=de_DE.UTF-8 "$lab" "${sweep[@]}" --csv "$work/de.csv" >"$work/de.txt"
cmp -s "$work/en.csv" "$work/de.csv" || fail "the CSV differs between English and German"
head -n 1 "$work/en.txt" | grep -q '^cond  pop creat' || fail "English summary: $(cat "$work/en.txt")"
head -n 1 "$work/de.txt" | grep -q '^Bed\. Pop\.' || fail "German summary: $(cat "$work/de.txt")"
grep -q '0,9 ' "$work/de.txt" || fail "no decimal comma in: $(cat "$work/de.txt")"

# Which language speaks: the first word of a refusal says it.
refusal() { "$@" --runs x 2>&1 >/dev/null | head -n 1; }
expect() {
  local want=$1
  shift
  local got
  got=$(refusal "$@") || true
  case $want in
    en) [[ $got == *"is not a whole number"* ]] ;;
    de) [[ $got == *"ist keine ganze Zahl"* ]] ;;
    nl) [[ $got == *"is geen geheel getal"* ]] ;;
  esac || fail "expected $want from [$*], got: $got"
}
expect en in_env "$lab"
expect de in_env LANG=de_DE.UTF-8 "$lab"
expect nl in_env LANG=de_DE.UTF-8 LC_MESSAGES=nl_NL.UTF-8 "$lab"
expect de in_env LC_ALL=de_AT.UTF-8 LC_MESSAGES=nl_NL.UTF-8 "$lab"
expect nl in_env LANGUAGE=fr:nl LC_ALL=de_DE.UTF-8 "$lab"
expect en in_env LANGUAGE=de LC_ALL=C "$lab"
expect en in_env LANG=POSIX "$lab"
expect de in_env LANG=nl_NL.UTF-8 "$lab" --lang de
expect nl in_env LANGUAGE=de "$lab" --lang=nl

# A bad --lang: status 2, one line in the environment's language naming the value.
status=0
in_env LANG=de_DE.UTF-8 "$lab" --goal shape=square --lang xx >"$work/out" 2>"$work/err" ||
  status=$?
[ "$status" -eq 2 ] && [ ! -s "$work/out" ] && [ "$(wc -l <"$work/err")" -eq 1 ] &&
  grep -q "^vantrel-lab: --lang: 'xx' ist keine Sprache" "$work/err" ||
  fail "vantrel-lab --lang xx gave $status: $(cat "$work/out" "$work/err")"
status=0
in_env LANG=nl_NL.UTF-8 "$vantrel" --lang xx >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] && [ ! -s "$work/out" ] && grep -q "^vantrel: onbekende taal 'xx'" "$work/err" ||
  fail "vantrel --lang xx gave $status: $(cat "$work/out" "$work/err")"

# The program's help in German, with every option as it is typed.
help=$(in_env LANGUAGE=de LANG=de_DE.UTF-8 "$vantrel" --help)
grep -q '^Aufruf: vantrel' <<<"$help" || fail "vantrel --help in German: $help"
for option in --help --version --lang -platform -display -style -reverse; do
  grep -q -- "$option" <<<"$help" || fail "vantrel --help in German lacks $option"
done
[ "$(in_env LANG=de_DE.UTF-8 "$vantrel" --version)" = "$(in_env "$vantrel" --version)" ] ||
  fail "--version changes with the language"
echo "both programs speak English, Dutch and German"
