#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The programs as a user starts them: the language comes from --lang, else the environment,
# before anything prints; the CSV and the exit statuses never change with it.
#   tests/cli/check_languages.sh VANTREL_LAB VANTREL
set -euo pipefail
lab=$1
vantrel=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
in_env() { env -i PATH="$PATH" "$@"; }

sweep=(--goal shape=square --population 4,6 --strictness 1,0.9 --runs 6 --seed 3 --quiet)
in_env LANG=en_US.UTF-8 "$lab" "${sweep[@]}" --csv "$work/en.csv" >"$work/en.txt"
in_env LANG=de_DE.UTF-8 "$lab" "${sweep[@]}" --csv "$work/de.csv" >"$work/de.txt"
cmp -s "$work/en.csv" "$work/de.csv" || fail "the CSV differs between English and German"
grep -q '^cond  pop' "$work/en.txt" || fail "English summary: $(cat "$work/en.txt")"
grep -q '^Bed\. Pop\.' "$work/de.txt" && grep -q ' 0,9 .* 1\.[0-9][0-9][0-9],[0-9]' "$work/de.txt" ||
  fail "German summary: $(cat "$work/de.txt")"

# A sweep played in shards and summarized together prints what the whole sweep printed, in
# the language asked for; a file that is no runs file is named on standard error.
for lang in en de; do
  in_env LANG=C "$lab" "${sweep[@]}" --lang "$lang" --csv "$work/whole.csv" >"$work/whole.txt"
  for k in 1 2 3; do
    in_env LANG=C "$lab" "${sweep[@]}" --shard "$k/3" --csv "$work/shard$k.csv" >/dev/null
  done
  echo "not,a,runs,file" >"$work/other.csv"
  in_env LANG=C "$lab" --lang "$lang" --summarize "$work"/shard{3,1,2}.csv "$work/other.csv" \
    >"$work/pooled.txt" 2>"$work/pooled.err"
  cmp -s "$work/whole.txt" "$work/pooled.txt" || fail "shards summarized ($lang): $(cat "$work/pooled.txt")"
  grep -q "other.csv" "$work/pooled.err" || fail "the foreign file is not named ($lang)"
done

# The first message already speaks the language, --lang before or after the bad option.
message() { "$@" 2>&1 >/dev/null | head -n 1 || true; }
[[ $(message in_env LANGUAGE=fr:nl LANG=de_DE.UTF-8 "$lab" --runs x) == *"geen geheel getal"* ]] ||
  fail "LANGUAGE does not come first"
[[ $(message in_env LANGUAGE=de LC_ALL=C "$lab" --runs x) == *"not a whole number"* ]] ||
  fail "LC_ALL=C is not English"
[[ $(message in_env LANG=nl_NL.UTF-8 "$lab" --runs x --lang de) == *"keine ganze Zahl"* ]] ||
  fail "--lang does not override the environment"
# A goal's words stay English; what the program says about them does not.
[[ $(message in_env LC_ALL=C "$lab" --lang de --goal farbe=rot) == *"unbekannter Schlüssel 'farbe'"* ]] ||
  fail "--lang de --goal farbe=rot: $(message "$lab" --lang de --goal farbe=rot)"
[[ $(message in_env LC_ALL=C "$lab" --lang nl --goal color=rood) == *"onbekende waarde 'rood' voor color"* ]] ||
  fail "--lang nl --goal color=rood: $(message "$lab" --lang nl --goal color=rood)"

# A bad --lang: status 2 and one line naming it, for both programs.
for program in "$lab" "$vantrel"; do
  status=0
  in_env LANG=de_DE.UTF-8 "$program" --lang xx >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -eq 2 ] && [ ! -s "$work/out" ] && [ "$(wc -l <"$work/err")" -eq 1 ] &&
    grep -q "'xx'" "$work/err" || fail "$program --lang xx: $status $(cat "$work/out" "$work/err")"
done
in_env LANG=de_DE.UTF-8 "$vantrel" --help | grep -q '^Aufruf: vantrel' || fail "vantrel --help"
echo "both programs speak the language they are asked for"
