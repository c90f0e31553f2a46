#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Kalvex and walks through every screen in a real X window (Xvfb),
# saving a screenshot of each step in shots/. This is how to check the look.
# Then the windows maximized and at QT_SCALE_FACTOR=2 (shots/fit-*.png).
# Then pictures every screen, its menus, the 式を入力 dialog (reading a
# line and stopping at a fault), the certified analysis's window beside
# the analysis screen with its marks, and the question about unsaved
# changes in English and in Japanese, side by side, in shots/forms/
# (en-*.png, ja-*.png), under the offscreen platform.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j"$(nproc)" --target Kalvex english_screen_tests
bash "$root/tests/e2e/walkthrough.sh" "$root/build/app/Kalvex" "$root/shots"
# The analysis window maximized, and both windows at scale 2 on a screen
# smaller than the designed forms at that scale.
bash "$root/tests/e2e/fitshots.sh" "$root/build/app/Kalvex" "$root/shots"
for language in en ja; do
    KALVEX_SHOTS_LANGUAGE="$language" KALVEX_SHOTS_DIR="$root/shots/forms" QT_QPA_PLATFORM=offscreen \
        "$root/build/tests/english_screen_tests" --gtest_filter='*Fits*' >/dev/null
done
