#!/usr/bin/env bash
# The package command: installs what is missing, builds the program into dist/
# in the release configuration, and writes what users download into
# build/packages/: the portable zip, the installer, the Windows Installer package
# and SHA256SUMS for all three.
# With BRIVEX_SIGN_PFX and BRIVEX_SIGN_PASSWORD_FILE set (and optionally
# BRIVEX_SIGN_TIMESTAMP_URL), the programs and the packages are signed with
# Authenticode (README, "Signing a release").
# The same commit packaged again gives the same files, byte for byte (signed
# too, with the same certificate and no timestamp server).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target brivex_packages

cd build/packages
while read -r sum name; do
    printf '%s  %8d bytes  %s\n' "$sum" "$(stat -c %s "$name")" "$(pwd)/$name"
done <SHA256SUMS
