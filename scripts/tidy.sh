#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy (checks in .clang-tidy) on the .cc files changed since a base commit,
# with the dev build's compile commands (built first when missing), or with another
# preset's when VANTREL_PRESET names it (CI checks with the sanitizer build it already has).
#   scripts/tidy.sh          changes since the merge-base with origin/main; on main itself,
#                            or without origin/main, the changes of the last commit
#   scripts/tidy.sh BASE     changes since the commit BASE (the working tree included)
#   scripts/tidy.sh --all    every .cc file the dev build compiles
# Prints each finding once; exits 1 when there is any.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${VANTREL_PRESET:-dev}
build=build/$preset

if [ ! -f "$build/compile_commands.json" ] || [ ! -f "$build/build.ninja" ]; then
  cmake --preset "$preset" >/dev/null
fi
# Generated headers (moc, resources) must exist for the Qt files to compile.
cmake --build --preset "$preset" -j2 >/dev/null

# A build whose test files are compiled in batches lists the batches, not the files: each
# file gets its batch's command (one target, so the same flags) in a database of our own.
db=$build
if grep -q '/Unity/unity_' "$build/compile_commands.json"; then
  db=$(mktemp -d)
  trap 'rm -rf "$db"' EXIT
  python3 - "$build/compile_commands.json" "$db/compile_commands.json" <<'EOF'
import json, re, sys
entries = json.load(open(sys.argv[1]))
for batch in [entry for entry in entries if '/Unity/unity_' in entry['file']]:
    with open(batch['file']) as unity:
        for source in re.findall(r'#include "([^"]+)"', unity.read()):
            command = batch['command'].replace(batch['file'], source)
            entries.append(dict(batch, file=source, command=command))
with open(sys.argv[2], 'w') as out:
    json.dump(entries, out, indent=1)
EOF
fi

files=()
if [ "${1:-}" = "--all" ]; then
  mapfile -t files < <(git ls-files '*.cc')
else
  base=${1:-}
  if [ -z "$base" ]; then
    if git rev-parse -q --verify origin/main >/dev/null &&
      [ "$(git merge-base HEAD origin/main)" != "$(git rev-parse HEAD)" ]; then
      base=$(git merge-base HEAD origin/main)
    elif git rev-parse -q --verify HEAD~1 >/dev/null; then
      base=HEAD~1
    else
      echo "tidy: no parent commit to compare with (a shallow clone?); give a base commit"
      exit 0
    fi
  fi
  mapfile -t files < <(git diff --name-only --diff-filter=d "$base" -- '*.cc')
fi

# Only files the build compiles have compile commands (not the fuzz targets).
checked=()
for f in "${files[@]}"; do
  if grep -qF "\"file\": \"$PWD/$f\"" "$db/compile_commands.json"; then
    checked+=("$f")
  fi
done
if [ ${#checked[@]} -eq 0 ]; then
  echo "tidy: no changed .cc file to check"
  exit 0
fi
echo "tidy: checking ${#checked[@]} file(s)"

# Headers of this repository are checked with the files that include them.
report=$(printf '%s\0' "${checked[@]}" |
  xargs -0 -n 4 -P 2 clang-tidy -p "$db" --quiet --header-filter="^$PWD/" 2>/dev/null |
  grep -E '^[^ ]+:[0-9]+:[0-9]+: (warning|error):' | sed "s|^$PWD/||" | grep -v '^build/' |
  sort -u || true)
if [ -z "$report" ]; then
  echo "tidy: no findings"
  exit 0
fi
echo "$report"
echo "tidy: $(echo "$report" | wc -l) finding(s)"
exit 1
