#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that the build and the tests need, and only
# those that are missing. Never waits for input.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  libgtest-dev libbenchmark-dev
  libflint-arb-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  xvfb xdotool imagemagick x11-utils
  binutils-mingw-w64-x86-64
  clang libclang-rt-14-dev
  desktop-file-utils appstream shared-mime-info libxml2-utils man-db
  dpkg-dev file lintian
  universal-ctags
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update </dev/null
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
