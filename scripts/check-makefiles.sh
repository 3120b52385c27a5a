#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that CMake's default generator, Unix Makefiles (what Debian's packaging tools use),
# builds every step the build writes by hand, without the cost of a second full build.
# The presets use Ninja, which forgives what Makefiles do not: Ninja makes the folder of each
# output and sees every rule of the whole tree, Makefiles only those of the current folder and
# of the targets already built. So: configure with Makefiles in build/makefiles, ask CMake's
# file API which targets hold a custom command (generated pictures, translations, catalogues,
# compressed manual pages), and build just those, from a clean tree.
#   scripts/check-makefiles.sh          prints the targets built and the time taken
set -euo pipefail
cd "$(dirname "$0")/.."
build=${VANTREL_MAKEFILES_DIR:-build/makefiles}
start=$(date +%s)
rm -rf "$build"
mkdir -p "$build/.cmake/api/v1/query"
touch "$build/.cmake/api/v1/query/codemodel-v2"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null

# Targets whose sources include a custom command's rule, Qt's moc steps (*_autogen) aside.
# Libraries and programs among them are built whole: a rule of theirs may need their own
# order of steps.
mapfile -t targets < <(python3 - "$build" <<'EOF'
import glob, json, os, sys
reply = os.path.join(sys.argv[1], '.cmake/api/v1/reply')
index = json.load(open(sorted(glob.glob(os.path.join(reply, 'index-*.json')))[-1]))
codemodel = next(o for o in index['objects'] if o['kind'] == 'codemodel')
model = json.load(open(os.path.join(reply, codemodel['jsonFile'])))
for entry in model['configurations'][0]['targets']:
    target = json.load(open(os.path.join(reply, entry['jsonFile'])))
    if target['name'].endswith('_autogen'):
        continue
    if any(s['path'].endswith('.rule') for s in target.get('sources', [])):
        print(target['name'])
EOF
)
if [ ${#targets[@]} -eq 0 ]; then
  echo "check-makefiles: found no target with a custom command; the file API's answer changed?" >&2
  exit 1
fi
echo "check-makefiles: building ${targets[*]}"
cmake --build "$build" -j2 --target "${targets[@]}" >"$build/build.log" 2>&1 || {
  tail -30 "$build/build.log" >&2
  exit 1
}
echo "check-makefiles: done in $(($(date +%s) - start)) s"
