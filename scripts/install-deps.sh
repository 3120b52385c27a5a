#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing Vantrel need, if any are
# missing, and the web page's tools from npm as its lock file names them. Runs apt-get as
# root, or through sudo for a normal user.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  libxlsxwriter-dev libgtest-dev libgmock-dev libbenchmark-dev qt6-charts-dev libqt6opengl6-dev libsqlite3-dev
  xvfb xauth xdotool imagemagick fonts-liberation xdg-utils unzip desktop-file-utils bc
  dpkg-dev appstream file man-db clang-format clang-tidy
  at-spi2-core python3-pyatspi dbus emscripten zopfli googletest chromium
  libboost-math-dev zlib1g-dev python3 qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update
  "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The page's tools (Vite, TypeScript, Prettier, playwright-core, which never downloads a
# browser), installed anew only when the lock file changed since the last install.
page=web/page
if [ ! -f "$page/node_modules/.package-lock.json" ] ||
  [ "$page/package-lock.json" -nt "$page/node_modules/.package-lock.json" ]; then
  (cd "$page" && npm ci --no-audit --no-fund)
fi
