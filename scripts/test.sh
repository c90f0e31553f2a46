#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds from scratch in its own folders with
# warnings as errors, and runs every test headless: the plain build (its
# installed tree checked in a prefix of its own), the Debian package checked
# by lintian, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the fuzz targets for a short while.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

stage() { printf '\n==== %s ====\n' "$*"; }

stage "build and test"
build="$root/build-test"
rm -rf "$build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$build" -j"$jobs"
ctest --test-dir "$build" --output-on-failure -j"$jobs"

stage "package and lintian"
"$root/scripts/package.sh" "$build"

stage "build and test with sanitizers"
asan="$root/build-asan"
rm -rf "$asan"
cmake -S "$root" -B "$asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  -DKALVEX_SANITIZE=ON -DKALVEX_BUILD_BENCHMARKS=OFF
cmake --build "$asan" -j"$jobs"
# The random-action test runs fewer actions here: the sanitizers slow it
# several times over.
KALVEX_RANDOM_ACTIONS=2000 ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$asan" --output-on-failure -j"$jobs"

stage "fuzz"
fuzz="$root/build-fuzz"
rm -rf "$fuzz"
cmake -S "$root/fuzz" -B "$fuzz" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  -DKALVEX_FUZZ_SECONDS="${KALVEX_FUZZ_SECONDS:-30}"
cmake --build "$fuzz" -j"$jobs"
ctest --test-dir "$fuzz" --output-on-failure
