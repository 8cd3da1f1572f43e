#!/usr/bin/env bash
# Fuzzes the portable logic with libFuzzer: builds the fuzz preset (clang 14,
# AddressSanitizer and UndefinedBehaviorSanitizer), then runs every target, or
# only the one named, for the given number of seconds each (default 300).
# Each run starts from a copy of its committed corpus in build/fuzz-runs/, so
# the corpus in tests/fuzz/corpus/ only changes by hand; an input that breaks
# a target is left beside that copy. Ends with "fuzz: N/M targets clean".
# libFuzzer picks a new seed each run; BRIVEX_FUZZ_SEED fixes it.
#   scripts/fuzz.sh [seconds] [target]
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

seconds=${1:-300}
only=${2:-}
runs=build/fuzz-runs
targets=()
for source in tests/fuzz/*_fuzz.cpp; do
    target=$(basename "$source" .cpp)
    [ -z "$only" ] || [ "$only" = "$target" ] || continue
    targets+=("$target")
done
if [ ${#targets[@]} -eq 0 ]; then
    echo "No fuzz target named '$only'; the targets are: $(ls tests/fuzz/*_fuzz.cpp | xargs -n1 basename | sed 's/\.cpp$//' | tr '\n' ' ')" >&2
    exit 1
fi

mkdir -p build
log=build/fuzz-build.log
if ! cmake --preset fuzz -DBRIVEX_WERROR=ON >"$log" 2>&1 || ! cmake --build --preset fuzz -j2 >>"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz: BUILD FAILED"
    exit 1
fi

seed=()
[ -z "${BRIVEX_FUZZ_SEED:-}" ] || seed=(-seed="$BRIVEX_FUZZ_SEED")

clean=0
for target in "${targets[@]}"; do
    scratch="$runs/$target"
    rm -rf "$scratch"
    mkdir -p "$scratch/tmp"
    cp -r "tests/fuzz/corpus/$target" "$scratch/corpus"
    # The targets' temporary folders go in the scratch folder too, even when a
    # failing input stops a target before it can remove them.
    if TMPDIR="$(pwd)/$scratch/tmp" UBSAN_OPTIONS=print_stacktrace=1 \
        "build/fuzz/tests/fuzz/$target" "${seed[@]}" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
        -artifact_prefix="$scratch/" "$scratch/corpus" >"$scratch/log" 2>&1; then
        executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/log")
        echo "$target: clean, ${executed:-?} inputs in ${seconds} s"
        clean=$((clean + 1))
    else
        grep -E 'ERROR:|runtime error|property broken|SUMMARY' "$scratch/log" | head -n 5
        echo "$target: FAILED; the input is $(ls "$scratch"/crash-* "$scratch"/timeout-* "$scratch"/oom-* "$scratch"/leak-* 2>/dev/null | head -n 1), the log $scratch/log"
    fi
done
echo "fuzz: $clean/${#targets[@]} targets clean"
[ "$clean" -eq ${#targets[@]} ]
