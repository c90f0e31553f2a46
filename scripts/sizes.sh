#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Production files over 600 lines and functions over 60 lines, measured by
# Universal Ctags' line ranges (Debian universal-ctags). Prints each one and
# exits 1 when there is any; tests, benchmarks and fuzz targets are not
# production code.
#   scripts/sizes.sh [source root]
set -uo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root" || exit 2
command -v ctags >/dev/null || { echo "sizes: ctags (universal-ctags) is missing"; exit 2; }
files="$(find engine files screens app translations dist resources -name '*.cpp' -o -name '*.h' | sort)"
over=0
for file in $files; do
    lines="$(wc -l <"$file")"
    if [ "$lines" -gt 600 ]; then
        echo "file over 600 lines: $file ($lines)"
        over=1
    fi
done
# One line a function: name, first and last line, file.
long="$(ctags --fields=+ne --c++-kinds=fp -o - $files 2>/dev/null | awk -F'\t' '
    $4 == "f" {
        start = ""; end = ""
        for (i = 5; i <= NF; i++) {
            if ($i ~ /^line:/) start = substr($i, 6)
            if ($i ~ /^end:/) end = substr($i, 5)
        }
        if (start != "" && end != "" && end - start + 1 > 60)
            printf "function over 60 lines: %s:%s %s (%d)\n", $2, start, $1, end - start + 1
    }')"
if [ -n "$long" ]; then
    echo "$long"
    over=1
fi
[ "$over" -eq 0 ] && echo "ok: no production file over 600 lines, no function over 60"
exit "$over"
