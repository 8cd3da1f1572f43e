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

# A new prefix is a copy of a template that wineboot makes once per build tree:
# booting a prefix takes seconds of work, a copy a fraction of one. The
# system's program files are hard links to the template's, as nothing writes
# them in place; every other file (registry, .ini, .nls) is a copy of its own.
brivex_wine_template="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wine-template"

# Boots the prefix in place, with the settings that keep automation fast:
# unmanaged windows (no 2 s stall on hide without a window manager) and no crash dialog.
wine_prefix_boot() {
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 </dev/null
    wineserver -w
    touch "$WINEPREFIX/.brivex-ready"
}

# Creates the prefix when missing: from the template when the folder is new or
# empty, in place when it holds something already (a prefix of the user's own).
wine_prefix_ensure() {
    [ -f "$WINEPREFIX/.brivex-ready" ] && return 0
    if [ -n "$(ls -A "$WINEPREFIX" 2>/dev/null)" ]; then
        wine_prefix_boot
        return
    fi
    mkdir -p "$(dirname "$brivex_wine_template")"
    (
        flock 8
        export WINEPREFIX="$brivex_wine_template"
        [ -f "$WINEPREFIX/.brivex-ready" ] || wine_prefix_boot
    ) 8>"$brivex_wine_template.lock"
    rmdir "$WINEPREFIX" 2>/dev/null || true
    cp -al "$brivex_wine_template" "$WINEPREFIX"
    rm "$WINEPREFIX/.brivex-ready"
    (cd "$brivex_wine_template" && find . -type f ! -name .brivex-ready \
        ! -iregex '.*\.\(dll\|exe\|drv\|sys\|ocx\|cpl\|acm\|tlb\|ax\|ds\)' -print0 |
        xargs -0 cp -a --parents --remove-destination -t "$WINEPREFIX")
    touch "$WINEPREFIX/.brivex-ready"
}
