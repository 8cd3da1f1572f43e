#!/usr/bin/env bash
# Checks the Authenticode signature of every signed file users get, with
# osslsigncode, against the certificates of the .pfx the packages were signed
# with (a self-signed one is its own root): the installer and the .msi, the
# program and its console companion as the zip and the .msi hold them, and the
# program, the companion and the uninstaller as the installer puts them on a
# machine (installed silently under Wine, in a prefix of its own).
#   check_signatures.sh PFX PASSWORD_FILE PACKAGE_DIR PACKAGE_NAME
set -euo pipefail
pfx=$1 password_file=$2 packages=$3 name=$4
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
source "$root/scripts/wine-env.sh"
export WINEPREFIX="$root/build/signature-prefix"
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT

openssl pkcs12 -in "$pfx" -passin "file:$password_file" -nokeys -out "$work/certificates.pem"
python3 -m zipfile -e "$packages/$name.zip" "$work/zip"
msiextract -C "$work/msi" "$packages/$name.msi" >/dev/null
rm -rf "$WINEPREFIX"
wine_prefix_ensure
wine "$packages/$name-setup.exe" /S </dev/null
installed="$WINEPREFIX/drive_c/Program Files/Brivex Doziv"

failed=0
for file in "$packages/$name-setup.exe" "$packages/$name.msi" \
    "$work/zip/$name/Brivex Doziv.exe" "$work/zip/$name/Brivex Doziv.com" \
    "$work/msi/Brivex Doziv/Brivex Doziv.exe" "$work/msi/Brivex Doziv/Brivex Doziv.com" \
    "$installed/Brivex Doziv.exe" "$installed/Brivex Doziv.com" "$installed/Uninstall.exe"; do
    if osslsigncode verify -CAfile "$work/certificates.pem" -in "$file" >"$work/verify.log" 2>&1; then
        echo "signed: ${file#"$work/"}"
    else
        echo "NOT SIGNED by the certificate: ${file#"$work/"}"
        cat "$work/verify.log"
        failed=1
    fi
done
exit "$failed"
