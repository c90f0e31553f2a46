#!/usr/bin/env bash
# Builds Kalvex and walks through every screen in a real X window (Xvfb),
# saving a screenshot of each step in shots/. This is how to check the look.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j"$(nproc)" --target Kalvex
bash "$root/tests/e2e/walkthrough.sh" "$root/build/app/Kalvex" "$root/shots"
