# Sourced by the scripts that run Wine: a prefix of our own, quiet, and a locale
# whose ANSI code page is 1252, so language files keep their Western bytes.
: "${WINEPREFIX:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wineprefix}"
export WINEPREFIX
export WINEDEBUG=-all
# No Mono or Gecko prompts, no menu files in the home folder, and no sound
# driver: without a sound card its errors would fill the output whenever the
# program plays its sound.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winealsa.drv=d"
export LC_ALL=C.UTF-8

# Creates the prefix when missing, with the settings that keep automation fast:
# unmanaged windows (no 2 s stall on hide without a window manager) and no crash dialog.
wine_prefix_ensure() {
    [ -f "$WINEPREFIX/.brivex-ready" ] && return 0
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 </dev/null
    wineserver -w
    touch "$WINEPREFIX/.brivex-ready"
}
