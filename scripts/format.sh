#!/usr/bin/env bash
# Formats the C++ sources of the tree in the house style (.clang-format).
# With --check, changes nothing and fails, naming the files, where the
# formatter would change something. The formatter's version is pinned: another
# version lays some lines out differently.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

formatter=clang-format-14
command -v "$formatter" >/dev/null || { echo "format: $formatter is missing (scripts/deps.sh installs it)" >&2; exit 2; }

mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' 2>/dev/null ||
    find src tests tools -name '*.cpp' -o -name '*.h')

if [ "${1:-}" != --check ]; then
    "$formatter" -i --style=file "${files[@]}"
    exit 0
fi

mapfile -t unformatted < <("$formatter" --style=file --dry-run "${files[@]}" 2>&1 |
    sed -nE 's/^(.*):[0-9]+:[0-9]+: (warning|error): code should be clang-formatted.*/\1/p' | sort -u)
if [ ${#unformatted[@]} -ne 0 ]; then
    echo "format: ${#unformatted[@]} files are not in the house style (scripts/format.sh formats them):"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi
echo "format: ${#files[@]} files in the house style"
