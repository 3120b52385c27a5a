#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a build folder (cpack -G DEB), unpacks it into a temporary
# root and checks what a desktop and Debian need: the programs, the desktop entry, icon and
# AppStream metadata under one application id, the manual pages, copyright and changelog.
# Then runs the installed program: --help and --version without a display, a refused
# argument, and a start on the offscreen platform. Runs lintian too where it is installed.
#   tests/install/check_install.sh BUILD_DIR
set -euo pipefail
build_dir=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
readonly app_id=example.quorvane.Vantrel

fail() { echo "FAIL: $*"; exit 1; }

if ! (cd "$work" && cpack -G DEB -B "$work/package" --config "$build_dir/CPackConfig.cmake") \
    >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  fail "cpack could not make the package"
fi
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build_dir/CPackConfig.cmake")
deb="$work/package/vantrel_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$work/package")"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The plugins' libraries too, though the program itself does not link them.
for needed in xdg-utils fonts-liberation libqt6widgets6 libc6 \
    libqt6svg6 libqt6charts6 libxlsxwriter4 libsqlite3-0; do
  grep -Eq "(^|, )$needed( |,|\$)" <<<"$depends" || fail "Depends lacks $needed"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
usr="$root/usr"
desktop="$usr/share/applications/$app_id.desktop"
metainfo="$usr/share/metainfo/$app_id.metainfo.xml"
[ -x "$usr/bin/vantrel" ] || fail "usr/bin/vantrel missing"
[ -f "$desktop" ] || fail "desktop entry $app_id.desktop missing"
[ -f "$usr/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "icon $app_id.svg missing"
[ -f "$metainfo" ] || fail "metainfo missing"
[ -f "$usr/share/doc/vantrel/copyright" ] || fail "copyright missing"
head -n 1 "$usr/share/doc/vantrel/copyright" | grep -q '^Format: .*copyright-format/1.0/' ||
  fail "copyright is not in the machine-readable format"
[ -f "$usr/share/doc/vantrel/changelog.gz" ] || fail "changelog.gz missing"
# The private library and the parts the program loads when first used, where it looks for
# them: beside its bin/.
private="$usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/vantrel"
for file in libvantrel_private xlsx notebook svg journal; do
  [ -f "$private/$file.so" ] || fail "$file.so missing from ${private#"$root"}"
done
# SQLite comes with the journal plugin, after the first paint: neither the program nor its
# private library needs it at start.
for file in "$usr/bin/vantrel" "$private/libvantrel_private.so"; do
  ! readelf -d "$file" | grep -q 'NEEDED.*libsqlite3' || fail "${file#"$root"} links SQLite"
done
readelf -d "$private/journal.so" | grep -q 'NEEDED.*libsqlite3' ||
  fail "journal.so does not link SQLite"

# Every program has its manual page, compressed as Debian wants (gzip -9n: recompressing
# the text gives the same bytes), and man shows it without a warning.
mapfile -t programs < <(find "$usr/bin" -mindepth 1 -printf "%f\n")
pages=$(find "$usr/share/man/man1" -mindepth 1 -printf "%f\n" | LC_ALL=C sort)
[ "$pages" = "$(printf '%s.1.gz\n' "${programs[@]}" | LC_ALL=C sort)" ] ||
  fail "manual pages [$pages] do not match the programs [${programs[*]}]"
for program in "${programs[@]}"; do
  page="$usr/share/man/man1/$program.1.gz"
  gzip -dc "$page" | gzip -9n | cmp -s - "$page" || fail "$program.1.gz is not gzip -9n"
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man warns about $program.1: $warnings"
  MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q "^NAME" || fail "man shows no $program(1)"
done
# Each program's page in German and Dutch too, where man finds it for the reader's language.
for language_heading in de:BEZEICHNUNG nl:NAAM; do
  language=${language_heading%%:*}
  for program in "${programs[@]}"; do
    page="$usr/share/man/$language/man1/$program.1.gz"
    [ -f "$page" ] || fail "no $language manual page for $program"
    gzip -dc "$page" | gzip -9n | cmp -s - "$page" || fail "$language/$program.1.gz is not gzip -9n"
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man warns about $language/$program.1: $warnings"
    MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q "^${language_heading#*:}" ||
      fail "man shows no $language $program(1)"
  done
done

# The desktop entry and the metadata validate and name each other, the icon and the program.
desktop_report=$(desktop-file-validate "$desktop") || fail "desktop entry: $desktop_report"
! grep -Eq '(error|warning):' <<<"$desktop_report" || fail "desktop entry: $desktop_report"
grep -q '^Exec=vantrel$' "$desktop" || fail "desktop entry does not start vantrel"
grep -q "^Icon=$app_id\$" "$desktop" || fail "desktop entry does not name the icon"
grep -Eq '^Categories=.*Education;.*Science;' "$desktop" || fail "categories"
for language in de nl; do
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=" "$desktop" || fail "desktop entry lacks $key[$language]"
  done
  for element in name summary p; do
    grep -q "<$element xml:lang=\"$language\">" "$metainfo" || fail "metainfo lacks $element in $language"
  done
done
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "metainfo does not validate"; }
# The tree check also finds the desktop entry the metadata launches.
appstreamcli validate-tree --no-net "$root" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "installed tree does not validate"; }
grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo has another id"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"

# The installed program: help and version need no display, anything else is refused.
home="$work/home"
mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" \
    XDG_STATE_HOME="$home/state" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" \
    "$@"
}
status=0
out=$(run timeout 10 "$usr/bin/vantrel" --version 2>"$work/err") || status=$?
if [ "$status" -ne 0 ] || [ "$out" != "vantrel $version" ]; then
  fail "vantrel --version gave status $status and '$out' $(cat "$work/err")"
fi
status=0
out=$(run timeout 10 "$usr/bin/vantrel" --help 2>"$work/err") || status=$?
if [ "$status" -ne 0 ] || ! grep -q '^Usage: vantrel' <<<"$out"; then
  fail "vantrel --help gave status $status $(cat "$work/err")"
fi
status=0
run timeout 10 "$usr/bin/vantrel" --no-such-option >"$work/out" 2>"$work/err" || status=$?
if [ "$status" -ne 2 ] || [ -s "$work/out" ] || [ "$(wc -l <"$work/err")" -ne 1 ]; then
  fail "a bad argument gave status $status and: $(cat "$work/out" "$work/err")"
fi
if [ -e "$usr/bin/vantrel-lab" ]; then
  run timeout 10 "$usr/bin/vantrel-lab" --help >/dev/null || fail "vantrel-lab --help failed"
fi

# Started with a Qt option, it keeps running until it is stopped.
status=0
run timeout 5 "$usr/bin/vantrel" -platform offscreen >"$work/out" 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "installed program exited with $status instead of running: \
$(cat "$work/out")"
# Its journal shows that it started in full, with its private library and the journal's
# plugin.
compgen -G "$home/state/vantrel/run-*.journal" >/dev/null ||
  fail "the installed program kept no journal: $(cat "$work/out")"

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || fail "lintian reports errors"
fi
echo "the package is complete and its program starts"
