#!/usr/bin/env bash
# The differential check of the initialisation-file engines: the portable
# engine here and kernel32 under Wine run the same cases on the same files,
# and their transcripts must be identical.
# Usage: compare.sh <portable driver> <Windows driver> <corpus folder>...
set -euo pipefail
portable=$1
windows=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/portable" "$work/windows"

# Wine reaches the machine's files through drive Z:.
to_windows() { printf 'Z:%s' "${1//\//\\}"; }
windows_corpus=()
for folder in "$@"; do windows_corpus+=("$(to_windows "$(cd "$folder" && pwd)")"); done

"$portable" "$work/portable" "$@" >"$work/portable.txt"
# The Windows console turns each line end into CR LF; every other byte of the
# transcript is written as an escape.
"$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-run.sh" "$windows" "$(to_windows "$work/windows")" \
    "${windows_corpus[@]}" | tr -d '\r' >"$work/windows.txt"

tail -n 1 "$work/portable.txt"
if ! diff -u --label portable --label kernel32 "$work/portable.txt" "$work/windows.txt" >"$work/diff.txt"; then
    echo "The engines differ ($(grep -c '^[-+][^-+]' "$work/diff.txt") lines); the first differences:"
    head -n 60 "$work/diff.txt" | cut -c 1-400
    exit 1
fi
grep -q '^cases compared: [1-9]' "$work/windows.txt"
