#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the windows fitting their screen: the analysis window
# maximized (made as large as the screen, as a window manager would) on a
# 1280 × 1024 screen, and both windows at QT_SCALE_FACTOR=2 on a 1600 × 1200
# screen, where the designed forms are larger than the screen. Checks that
# each window lies wholly on its screen.
#
#   fitshots.sh [path/to/Kalvex] [screenshot folder]
set -uo pipefail
export LC_ALL=C.UTF-8
unset LANGUAGE
program="${1:-build/app/Kalvex}"
shots="${2:-shots}"
mkdir -p "$shots"
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
equation="$(mktemp --suffix=.kalvex)"
cat >"$equation" <<'JSON'
{
  "format": "kalvex-equation",
  "version": 1,
  "terms": [
    {"shape": "power", "b": "1", "n": "2"},
    {"shape": "constant", "k": "-2"}
  ],
  "analysis": {"start": "-3", "end": "3", "precision": "1E-07"}
}
JSON
. "$(dirname "$0")/xhelpers.sh"
menuHeight=22
geometry() { xdotool getwindowgeometry --shell "$1" | awk -F= '{v[$1]=$2} END{print v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]}'; }
onScreen() {  # onScreen window screen-width screen-height
    read -r x y w h < <(geometry "$1")
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$2" ] && [ $((y + h)) -le "$3" ]
}

# run name width height scale: one program on its own server
run() {
    local name="$1" width="$2" height="$3" scale="$4" displayfile xvfb app number
    displayfile="$(mktemp)"
    Xvfb -displayfd 3 -noreset -screen 0 "${width}x${height}x24" -dpi 96 -nolisten tcp 3>"$displayfile" \
        >"$shots/xvfb-$name.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 200); do [ -s "$displayfile" ] && break; sleep 0.1; done
    number="$(head -n 1 "$displayfile" | tr -dc '0-9')"
    rm -f "$displayfile"
    [ -n "$number" ] || { echo "FAIL: Xvfb did not start"; kill "$xvfb"; return 1; }
    export DISPLAY=":$number"
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" "$program" "$equation" >"$shots/program-$name.log" 2>&1 &
    app=$!
    local setting analysis
    setting=$(window '方程式設定画面')
    check "$name: the setting window opens" test -n "$setting"
    if [ -n "$setting" ]; then
        check "$name: the setting window lies on the screen" onScreen "$setting" "$width" "$height"
        read -r x y _ h < <(geometry "$setting")
        # The menu bar's height, measured at scale 1 where the form fits.
        [ "$scale" = 1 ] && menuHeight=$((h - 399))
        # The toolbar's 解法 button, the first one, below the menu bar.
        xdotool mousemove $((x + 19 * scale)) $((y + (menuHeight + 15) * scale)) click 1
        analysis=$(window '^解析画面$')
        check "$name: the analysis window opens" test -n "$analysis"
        if [ -n "$analysis" ]; then
            [ "$name" = maximized ] && xdotool windowmove --sync "$analysis" 0 0 windowsize --sync "$analysis" "$width" "$height"
            sleep 0.5
            check "$name: the analysis window lies on the screen" onScreen "$analysis" "$width" "$height"
            # From the start box, which has the focus, Tab to 自動解析 and press it.
            xdotool windowfocus --sync "$analysis" 2>/dev/null
            xdotool key Tab Tab Tab space
        fi
    fi
    sleep 1
    import -window root "$shots/fit-$name.png"
    echo "saved $shots/fit-$name.png"
    kill "$app" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}

run maximized 1280 1024 1
run scale2 1600 1200 2
rm -f "$equation"
echo "$failures failed checks; screenshots in $shots"
[ "$failures" -eq 0 ]
