#!/usr/bin/env bash
# The test command: installs what is missing, builds the presets with warnings
# as errors, runs every native test under ASan + UBSan and every Windows test
# under Wine, fuzzes the portable logic for half a minute a target
# (scripts/fuzz.sh), and ends with one summary line. The packages it builds
# are signed with a throwaway certificate of the build tree.
#
# The Windows build comes first. The Windows tests spend their time waiting on
# Wine and on windows rather than computing, so the fuzz runs go beside them,
# and the Linux builds and the native tests go on all along at a low priority,
# on the processor time the Windows side leaves. The Windows tests run in two
# groups side by side, each on a virtual display and in Wine prefixes of its
# own, so that neither takes the other's focus or registry: the unit tests with
# the short soak test (scripts/soak.sh), and the end-to-end and package tests.
# Each stage's time is kept in build/test-times.log and printed at the end.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/deps.sh || { echo "SUMMARY: FAILED (could not install the build dependencies)"; exit 1; }
source scripts/wine-env.sh

mkdir -p build
results=build/test-results
rm -rf "$results"
mkdir -p "$results"
times=build/test-times.log
: >"$times"

# Runs a command (a function too) and notes its wall-clock and processor time.
timed() {
    local label=$1
    shift
    local TIMEFORMAT="$label: %0R s, cpu %0U+%0S s"
    { time "$@" 2>&3; } 3>&2 2>>"$times"
}

# Configures and builds a preset with warnings as errors, with the given
# command before the build's (nice, to build at a low priority); on failure the
# stage's result says so.
build_preset() {
    local preset=$1 label=$2 log="build/test-$1.log"
    shift 2
    if cmake --preset "$preset" -DBRIVEX_WERROR=ON >"$log" 2>&1 &&
        "$@" cmake --build --preset "$preset" >>"$log" 2>&1; then
        return 0
    fi
    tail -n 40 "$log"
    echo "$label: BUILD FAILED" >"$results/$label"
    return 1
}

# Prints the failed tests of a CTest log and adds up its counts: "passed total".
ctest_counts() {
    grep -E '^\s*[0-9]+/[0-9]+ Test .*(\*\*\*Failed|\*\*\*Timeout|\*\*\*Exception|Not Run)|Errors while' "$1" >&2
    local line
    line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -n 1)
    [ -n "$line" ] || return 1
    local total bad
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
    bad=$(sed -E 's/.*, ([0-9]+) tests failed.*/\1/' <<<"$line")
    echo "$((total - bad)) $total"
}

# Writes a stage's result from its passed and total counts.
record() {
    local label=$1 passed=$2 total=$3
    echo "$label: $passed/$total passed" >"$results/$label"
}

run_native_tests() {
    local label="native (ASan+UBSan)" log=build/test-native-sanitize.log counts
    nice -n 15 ctest --preset native-sanitize --timeout 300 >>"$log" 2>&1
    if counts=$(ctest_counts "$log"); then
        record "$label" $counts
    else
        echo "$label: NO RESULT" >"$results/$label"
    fi
}

# Every fuzz target for half a minute, from a copy of its committed corpus.
# A fixed seed: the verdict follows the code, not the luck of one run; longer
# runs with new seeds are scripts/fuzz.sh's work.
run_fuzz() {
    local log=build/test-fuzz.log line
    BRIVEX_FUZZ_SEED=1 scripts/fuzz.sh 30 >"$log" 2>&1
    grep -E 'FAILED' "$log"
    line=$(grep -E '^fuzz: ' "$log" | tail -n 1)
    echo "${line:-fuzz: NO RESULT}" >"$results/fuzz"
}

native_side() {
    timed "native-sanitize build" build_preset native-sanitize "native (ASan+UBSan)" nice -n 15 &&
        timed "native-sanitize tests" run_native_tests
}

# The fuzz runs last a fixed time: at the usual priority, after the Windows
# build, they get a processor of their own.
fuzz_side() {
    timed "fuzz build" build_preset fuzz fuzz nice -n 15 || return
    while [ ! -e "$results/.windows-built" ]; do sleep 1; done
    timed "fuzz runs" run_fuzz
}

# Starts a virtual display: sets display (its number, once it answers) and
# display_pid. What the server says goes to a log of its own, so that a display
# that went away can be told from a failing test.
start_display() {
    local name=$1 number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >"build/xvfb-$name.log" 2>&1 &
    display_pid=$!
    display=
    for _ in $(seq 300); do
        [ -s "$number_file" ] && [ -S "/tmp/.X11-unix/X$(cat "$number_file")" ] && break
        sleep 0.1
    done
    [ -S "/tmp/.X11-unix/X$(cat "$number_file")" ] && display=$(cat "$number_file")
    rm -f "$number_file"
}

# Runs the Windows tests CTest selects with the given arguments on the given
# display, with WINEPREFIX as the prefix of the tests that do not name one.
run_wine_group() {
    local name=$1 prefix=$2 display=$3 display_pid=$4
    shift 4
    local log="build/test-windows-$name.log"
    DISPLAY=":$display" WINEPREFIX="$prefix" ctest --preset windows --timeout 300 "$@" >"$log" 2>&1
    kill -0 "$display_pid" 2>/dev/null ||
        echo "The virtual display of the $name tests ended during the run (build/xvfb-$name.log)" | tee -a "$log" >&2
    kill "$display_pid" 2>/dev/null
}

# Wine's servers of the given prefixes, ended and waited for.
end_wine() {
    local prefix
    for prefix in "$@"; do
        WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
        WINEPREFIX="$prefix" wineserver -w 2>/dev/null || true
    done
}

windows_tests() {
    local unit_prefix="$WINEPREFIX" e2e_prefix="$(pwd)/build/e2e-prefix"
    # The end-to-end tests meet the program as a new user does: in a new prefix.
    # No Wine server of the build's (test discovery runs without a display) is
    # left for the tests to join.
    end_wine "$unit_prefix" "$e2e_prefix"
    rm -rf "$e2e_prefix"
    # One display after the other, each group on its own: two servers looking
    # for a free display number at the same moment can both pick the same one.
    local display display_pid unit_display unit_display_pid
    start_display unit
    unit_display=$display unit_display_pid=$display_pid
    start_display program
    if [ -z "$unit_display" ] || [ -z "$display" ]; then
        echo "windows: NO RESULT (Xvfb did not start; build/xvfb-*.log)" >"$results/windows"
        kill "$unit_display_pid" "$display_pid" 2>/dev/null
        return
    fi
    run_wine_group unit "$unit_prefix" "$unit_display" "$unit_display_pid" -R '^(wine|soak)\.' &
    local unit_pid=$!
    run_wine_group program "$e2e_prefix" "$display" "$display_pid" -E '^(wine|soak)\.'
    wait "$unit_pid"
    end_wine "$unit_prefix" "$e2e_prefix" "$(pwd)/build/footprint-prefix" "$(pwd)/build/package-prefix" \
        "$(pwd)/build/signature-prefix" "$(pwd)/build/soak-prefix"
    local passed=0 total=0 counts group
    for group in unit program; do
        if ! counts=$(ctest_counts "build/test-windows-$group.log"); then
            echo "windows: NO RESULT ($group tests)" >"$results/windows"
            return
        fi
        set -- $counts
        passed=$((passed + $1))
        total=$((total + $2))
    done
    record windows "$passed" "$total"
}

# A throwaway self-signed code-signing certificate, made once per build tree.
# The Windows build packages with it, so the package tests install signed
# packages and package.signatures checks what the packaging signed.
throwaway_certificate() {
    local folder=build/test-certificate
    export BRIVEX_SIGN_PFX="$PWD/$folder/test.pfx" BRIVEX_SIGN_PASSWORD_FILE="$PWD/$folder/password"
    [ -f "$BRIVEX_SIGN_PFX" ] && return
    mkdir -p "$folder"
    openssl rand -hex 16 >"$BRIVEX_SIGN_PASSWORD_FILE"
    openssl req -x509 -newkey rsa:2048 -sha256 -nodes -days 3650 -subj "/CN=Brivex Doziv test signing" \
        -addext "extendedKeyUsage=codeSigning" -keyout "$folder/key.pem" -out "$folder/certificate.pem" 2>/dev/null &&
        openssl pkcs12 -export -inkey "$folder/key.pem" -in "$folder/certificate.pem" \
            -passout "file:$BRIVEX_SIGN_PASSWORD_FILE" -out "$BRIVEX_SIGN_PFX"
}

native_side &
native_pid=$!
fuzz_side &
fuzz_pid=$!
throwaway_certificate
timed "windows build" build_preset windows windows
windows_built=$?
touch "$results/.windows-built"
[ "$windows_built" -ne 0 ] || timed "windows tests" windows_tests
wait "$native_pid" "$fuzz_pid"

echo "Times (build/test-times.log):"
sed 's/^/  /' "$times"
summary=()
failed=0
for label in "native (ASan+UBSan)" fuzz windows; do
    line=$(cat "$results/$label" 2>/dev/null)
    line=${line:-$label: NO RESULT}
    summary+=("$line")
    grep -qE '^[^:]+: ([0-9]+)/\1 (passed|targets clean)$' <<<"$line" || failed=1
done
status=PASSED
[ "$failed" -eq 0 ] || status=FAILED
echo "SUMMARY: $status - $(IFS=';'; echo "${summary[*]}" | sed 's/;/; /g')"
exit "$failed"
