#!/usr/bin/env bash
# Drives the real program under Xvfb as a user would: composes F(x) = x² − 2
# on the setting screen, opens the analysis screen, types the range, clicks
# グラフ and 自動解析, then drags on the graph (manual root, readout, zoom,
# home), saving a screenshot after each step. Look at the pictures.
#
#   drive_under_xvfb.sh [path/to/Kalvex] [screenshot folder]
#
# Needs Xvfb, xdotool and ImageMagick. Positions are those of the designed
# forms at 96 dots per inch, relative to each window.
set -euo pipefail

program="${1:-build/app/Kalvex}"
shots="${2:-/tmp/kalvex-analysis-shots}"
mkdir -p "$shots"

display=""
for n in $(seq 50 99); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free display" >&2; exit 1; }

Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# An inherited offscreen platform would make the windows invisible to X.
QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
app=$!

window() {  # the visible window whose name matches, waited for
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "window $1 did not appear" >&2; exit 1; }
    echo "$id"
}
origin() { xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'; }
clickAt() {  # window-relative click
    read -r ox oy < <(origin "$1")
    xdotool mousemove $((ox + $2)) $((oy + $3)) click 1
    sleep 0.3
}
shot() { sleep 0.5; import -window root "$shots/$1.png"; echo "saved $shots/$1.png"; }

setting=$(window '方程式設定画面')
clickAt "$setting" 159 171; xdotool type 1      # shape x^n: coefficient b
clickAt "$setting" 239 153; xdotool type 2      # power n
clickAt "$setting" 135 234                      # 追加
clickAt "$setting" 27 290                       # shape 定数
clickAt "$setting" 164 171; xdotool type -- -2  # k
clickAt "$setting" 135 234                      # 追加
shot 1-setting
clickAt "$setting" 19 45                        # toolbar 解法

analysis=$(window '^解析画面$')
shot 2-analysis-opened
# The start box has the focus when the screen opens.
xdotool type -- -3
xdotool key Tab
xdotool type 3
clickAt "$analysis" 212 61                      # グラフ
shot 3-graph
clickAt "$analysis" 471 75                      # 自動解析
shot 4-automatic-analysis

# Find the graph's scale from the picture: the blue frame's left edge is
# x = -3.2 and its top edge y = 7.2 (two ticks of 0.1 beyond the data), the
# red axes cross at (0, 0).
colourColumns() {  # columns of row $2 in colour $3
    convert "$1" -crop 1280x1+0+"$2" +repage txt:- | awk -v c="$3" '$0 ~ c {split($1, p, ","); print p[1]}'
}
colourRows() {  # rows of column $2 in colour $3
    convert "$1" -crop 1x1024+"$2"+0 +repage txt:- | awk -v c="$3" '$0 ~ c {split($1, p, ","); sub(":", "", p[2]); print p[2]}'
}
picture="$shots/4-automatic-analysis.png"
read -r ox oy < <(origin "$analysis")
probeRow=$((oy + 300))
left=$(colourColumns "$picture" "$probeRow" '#0000C8' | head -n1)
yAxis=$(colourColumns "$picture" "$probeRow" '#FF0000' | head -n1)
probeColumn=$((left + 40))
top=$(colourRows "$picture" "$probeColumn" '#0000C8' | head -n1)
xAxis=$(colourRows "$picture" "$probeColumn" '#FF0000' | head -n1)
echo "frame left $left top $top, axes at column $yAxis row $xAxis"
at() {  # screen pixel of the user point ($1, $2)
    awk -v x="$1" -v y="$2" -v l="$left" -v t="$top" -v c="$yAxis" -v a="$xAxis" \
        'BEGIN { printf "%d %d\n", c + x * (c - l) / 3.2 + 0.5, a - y * (a - t) / 7.2 + 0.5 }'
}
dragUser() {  # press at ($1, $2), move through, release at ($3, $4)
    read -r px py < <(at "$1" "$2")
    read -r rx ry < <(at "$3" "$4")
    xdotool mousemove "$px" "$py" mousedown 1
    for step in 1 2 3 4 5; do
        xdotool mousemove $((px + (rx - px) * step / 6)) $((py + (ry - py) * step / 6))
        sleep 0.05
    done
    xdotool mousemove "$rx" "$ry" mouseup 1
    sleep 0.3
}

dragUser 1.6 0.5 1.2 -0.5     # left and down: manual root, 1.4142135 at the press point
shot 5-manual-root
dragUser 1.234 -0.5 0.6 1.5   # left and up: readout of the press point
shot 6-readout
dragUser -2 3 2 -1.5          # right and down: zoom
shot 7-zoom
read -r cx cy < <(at 0 0)     # right and up on the zoomed picture: home
xdotool mousemove $((cx - 40)) $((cy + 40)) mousedown 1 mousemove $((cx + 40)) $((cy - 40)) mouseup 1
shot 8-home
