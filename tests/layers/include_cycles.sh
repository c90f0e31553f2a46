#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# No include circles: a file and its header are one unit, every quoted
# #include of another unit an arrow between units, and tsort reports any
# loop among the arrows (printing the units on it).
#   include_cycles.sh [source root]
set -uo pipefail
root="${1:-$(cd "$(dirname "$0")/../.." && pwd)}"
cd "$root" || exit 2
edges="$(
    find engine files screens app translations -name '*.h' -o -name '*.cpp' | while read -r file; do
        from="$(basename "${file%.*}")"
        grep -o '^#include "[^"]*"' "$file" | sed 's/#include "\(.*\)"/\1/' | while read -r included; do
            to="$(basename "${included%.*}")"
            [ "$from" != "$to" ] && echo "$from $to"
        done
    done
)"
[ -n "$edges" ] || { echo "FAIL: no includes found under $root"; exit 1; }
if ! loops="$(echo "$edges" | tsort 2>&1 >/dev/null)" || [ -n "$loops" ]; then
    echo "FAIL: include circle"
    echo "$loops"
    exit 1
fi
echo "ok: $(echo "$edges" | wc -l) arrows between units, no circle"
