#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the run need, and only
# those that are missing, so running it again costs nothing.
set -euo pipefail

packages=(
    cmake ninja-build g++ googletest libbenchmark-dev
    g++-mingw-w64-x86-64-posix wine wine64
    xvfb xauth imagemagick python3 nsis wixl msitools osslsigncode openssl python3-yaml
    clang-14 libclang-rt-14-dev clang-format-14
    nlohmann-json3-dev zlib1g-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive

# Another installation (an automatic update, another terminal) may hold the
# package manager's locks: wait for it to finish rather than fail at once.
wait_limit=600
wait_for_package_manager() {
    command -v fuser >/dev/null || return 0
    local locks=(/var/lib/dpkg/lock-frontend /var/lib/dpkg/lock /var/lib/apt/lists/lock) waited=0
    while "${as_root[@]}" fuser "${locks[@]}" >/dev/null 2>&1; do
        if [ "$waited" -eq 0 ]; then
            echo "Another package installation is running; waiting up to $((wait_limit / 60)) minutes for it to finish..."
        elif [ "$waited" -ge "$wait_limit" ]; then
            echo "The package manager is still busy after $((wait_limit / 60)) minutes; try again later." >&2
            exit 1
        fi
        sleep 5
        waited=$((waited + 5))
    done
}
# apt itself waits too, for a lock taken between the check and its start.
apt_get=("${as_root[@]}" apt-get -o DPkg::Lock::Timeout="$wait_limit")

wait_for_package_manager
"${apt_get[@]}" update -qq
wait_for_package_manager
"${apt_get[@]}" install -y -qq "${missing[@]}" >/dev/null
