#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a finished build folder and checks it: the
# files it holds are exactly those that cmake --install puts in place, and
# lintian finds no error. Prints lintian's findings, warnings included.
#   scripts/package.sh BUILD_DIR
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
(cd "$build" && rm -f ./*.deb && cpack -G DEB)
deb="$(ls "$build"/kalvex_*.deb)"
dpkg-deb --info "$deb"

expected="$(sed 's|^|usr/|' "$root/tests/install/installed-files.txt" | LC_ALL=C sort)"
actual="$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort)"
if [ "$expected" != "$actual" ]; then
  echo "The package's files differ from tests/install/installed-files.txt:"
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi

echo "lintian $(lintian --version | awk '{print $2}') on $(basename "$deb"):"
lintian --display-info --fail-on error "$deb"
echo "lintian: no errors"
