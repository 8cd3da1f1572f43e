#!/usr/bin/env bash
# The run command: installs what is missing, builds the program into dist/ as
# users get it, and starts it under Wine. Without a display it runs it under a
# virtual one, waits for the main window (answering OK to a first run's
# notices, which it prints), saves a screenshot and closes it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target brivex_app brivex_driver

source scripts/wine-env.sh
wine_prefix_ensure

program="dist/Brivex Doziv.exe"
if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != "--screenshot" ]; then
    exec wine "$program"
fi

shot="$(pwd)/build/screenshot.png"
driver="build/windows/tests/brivex_driver.exe"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -u
    wine "$1" & program=$!
    if ! wine "$2" open "Velmora Xp" 30000; then
        echo "The main window did not appear." >&2
        kill $program 2>/dev/null; wineserver -k; exit 1
    fi
    sleep 2
    import -window root "$3"
    wine "$2" close "Velmora Xp" 20000
    wait $program
    wineserver -w
' run "$program" "$driver" "$shot"
echo "Screenshot: $shot"
