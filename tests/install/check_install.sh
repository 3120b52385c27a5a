#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs: the program,
# a valid desktop entry and the scalable icon; then starts the installed program.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
[ -x "$prefix/bin/vantrel" ] || fail "bin/vantrel missing"
desktop="$prefix/share/applications/vantrel.desktop"
[ -f "$desktop" ] || fail "desktop entry missing"
[ -f "$prefix/share/icons/hicolor/scalable/apps/vantrel.svg" ] || fail "icon missing"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
grep -q '^Exec=vantrel$' "$desktop" || fail "desktop entry does not start vantrel"
grep -q '^Icon=vantrel$' "$desktop" || fail "desktop entry does not name the icon"
grep -Eq '^Categories=.*Education;.*Science;' "$desktop" || fail "categories"

# The installed program must start and keep running until it is stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/vantrel" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "installed program exited with $status instead of running"
echo "installed tree is complete and the program starts"
