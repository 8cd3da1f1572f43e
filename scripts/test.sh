#!/usr/bin/env bash
# The test command: installs what is missing, builds the three presets with
# warnings as errors, runs every native test (plain and under ASan + UBSan) and
# every Windows test under Wine, fuzzes the portable logic for half a minute a
# target (scripts/fuzz.sh), and ends with one summary line.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

[ "${1:-}" = "--windows-only" ] || scripts/deps.sh || { echo "SUMMARY: FAILED (could not install the build dependencies)"; exit 1; }
source scripts/wine-env.sh

summary=()
failed=0

run_preset() {
    local preset=$1 log="build/test-$1.log"
    mkdir -p build
    if ! cmake --preset "$preset" -DBRIVEX_WERROR=ON >"$log" 2>&1 ||
       ! cmake --build --preset "$preset" >>"$log" 2>&1; then
        tail -n 40 "$log"
        summary+=("$preset: BUILD FAILED")
        failed=1
        return
    fi
    if [ "$preset" = windows ]; then
        # The end-to-end tests meet the program as a new user does: in a new prefix.
        WINEPREFIX="$(pwd)/build/e2e-prefix" wineserver -k 2>/dev/null || true
        WINEPREFIX="$(pwd)/build/e2e-prefix" wineserver -w 2>/dev/null || true
        rm -rf build/e2e-prefix
    fi
    ctest --preset "$preset" --timeout 300 2>&1 | tee -a "$log" | grep -E '^\s*[0-9]+/[0-9]+ Test .*(\*\*\*Failed|\*\*\*Timeout|\*\*\*Exception|Not Run)|tests passed|Errors while' || true
    local line
    line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$line" ]; then
        summary+=("$preset: NO RESULT")
        failed=1
        return
    fi
    local total bad
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
    bad=$(sed -E 's/.*, ([0-9]+) tests failed.*/\1/' <<<"$line")
    summary+=("$preset: $((total - bad))/$total passed")
    [ "$bad" -eq 0 ] || failed=1
}

# Every fuzz target for half a minute, from a copy of its committed corpus.
# A fixed seed: the verdict follows the code, not the luck of one run; longer
# runs with new seeds are scripts/fuzz.sh's work.
run_fuzz() {
    local log=build/test-fuzz.log line status
    mkdir -p build
    BRIVEX_FUZZ_SEED=1 scripts/fuzz.sh 30 >"$log" 2>&1
    status=$?
    grep -E 'FAILED' "$log" || true
    line=$(grep -E '^fuzz: ' "$log" | tail -n 1)
    summary+=("${line:-fuzz: NO RESULT}")
    [ "$status" -eq 0 ] && [ -n "$line" ] || failed=1
}

# Under a virtual display the script runs itself again for the Windows preset
# alone and hands its summary back through a file.
if [ "${1:-}" = "--windows-only" ]; then
    run_preset windows
    wineserver -k 2>/dev/null
    printf '%s\n' "${summary[@]}" >"$2"
    exit "$failed"
fi

run_preset native
run_preset native-sanitize
run_fuzz
if [ -n "${DISPLAY:-}" ]; then
    run_preset windows
else
    # The Windows tests that open windows need a display: give them a virtual one.
    summary_file=$(mktemp)
    xvfb-run -a -s "-screen 0 1024x768x24" "$0" --windows-only "$summary_file" || failed=1
    if [ -s "$summary_file" ]; then
        mapfile -t -O "${#summary[@]}" summary <"$summary_file"
    else
        summary+=("windows: NO RESULT")
        failed=1
    fi
    rm -f "$summary_file"
fi

status=PASSED
[ "$failed" -eq 0 ] || status=FAILED
echo "SUMMARY: $status - $(IFS=';'; echo "${summary[*]}" | sed 's/;/; /g')"
exit "$failed"
