#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times kalvex-solve --json over many generated equation files in one
# process: bench/solve_bench.sh build/app/kalvex-solve [count] [runs]
# The equations are varied (one to six terms of every shape, several ranges
# and precisions) and the same on every run: the generator has its own
# fixed seed. The machine may be shared, so the files are solved several
# times and the fastest run is reported beside the others.
set -euo pipefail
solve="${1:?usage: solve_bench.sh KALVEX_SOLVE [COUNT] [RUNS]}"
count="${2:-1000}"
runs="${3:-3}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A linear congruential generator in the shell itself: $RANDOM is reseeded
# in every subshell, so it would not give the same files twice.
seed=20240601
pick() {  # sets $picked to one of the arguments
    seed=$(((seed * 1103515245 + 12345) % 2147483648))
    local choices=("$@")
    picked="${choices[(seed >> 8) % ${#choices[@]}]}"
}

term() {  # sets $made to one term
    local a b n c shape
    pick 1 2 3 0.5 -1 -2 -0.25 1.5 4 -3; a=$picked
    pick 1 2 3 0.5 -1 -2 -0.25 1.5 4 -3; b=$picked
    pick 1 2 3; n=$picked
    pick 0 1 -1 0.5; c=$picked
    pick power exp base log sin cos constant; shape=$picked
    case $shape in
        power) pick 0 1 2 3 4; made="{\"shape\": \"power\", \"b\": \"$b\", \"n\": \"$picked\"}" ;;
        exp) pick 0.5 -0.5 1 -1; made="{\"shape\": \"exp\", \"a\": \"$a\", \"b\": \"$picked\", \"n\": \"1\", \"c\": \"$c\"}" ;;
        base)
            local m
            pick 2 3 10; m=$picked
            pick 0.5 -0.5 1
            made="{\"shape\": \"base\", \"m\": \"$m\", \"a\": \"$a\", \"b\": \"$picked\", \"n\": \"1\", \"c\": \"$c\"}" ;;
        log) pick 0 1 2; made="{\"shape\": \"log\", \"a\": \"$a\", \"b\": \"1\", \"n\": \"$n\", \"c\": \"$picked\"}" ;;
        sin | cos) made="{\"shape\": \"$shape\", \"a\": \"$a\", \"b\": \"$b\", \"n\": \"$n\", \"c\": \"$c\"}" ;;
        constant) pick -2 -1 0.5 3 -10; made="{\"shape\": \"constant\", \"k\": \"$picked\"}" ;;
    esac
}

for ((i = 1; i <= count; ++i)); do
    term
    terms=$made
    pick 0 1 2 3 4 5
    for ((t = picked; t > 0; --t)); do
        term
        terms+=", $made"
    done
    pick '"start": "-3", "end": "3"' '"start": "0.1", "end": "10"' '"start": "-10", "end": "10"' \
        '"start": "0.5", "end": "-2"' '"start": "1", "end": "100"'
    range=$picked
    pick 1E-03 1E-05 1E-07 1E-09 1E-12 0.1
    printf '{"format": "kalvex-equation", "version": 1, "terms": [%s],\n "analysis": {%s, "precision": "%s"}}\n' \
        "$terms" "$range" "$picked" >"$work/eq$i.kalvex"
done

times=()
for ((r = 0; r < runs; ++r)); do
    start=$(date +%s%N)
    status=0
    "$solve" --json "$work"/*.kalvex >"$work/out.jsonl" 2>"$work/err.txt" || status=$?
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
done
best=$(printf '%s\n' "${times[@]}" | sort -n | head -1)

lines=$(wc -l <"$work/out.jsonl")
completed=$(grep -c '"completed":true' "$work/out.jsonl" || true)
entries=$(grep -o '"list":\[[^]]*\]' "$work/out.jsonl" | grep -o '"[-0-9.E+]*"' | wc -l)
echo "files: $count, output lines: $lines, ran to their end: $completed, list entries: $entries, exit status: $status"
echo "runs: ${times[*]} ms"
echo "best: ${best} ms in total, $(awk "BEGIN { printf \"%.3f\", $best / $count }") ms per file"
