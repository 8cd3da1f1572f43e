#!/usr/bin/env python3
"""Checks the winget manifests the packaging wrote, against winget's manifest rules (schema 1.6.0) and the packages.

    check_winget_manifests.py WINGET_FOLDER PACKAGE_FOLDER VERSION

The three files, named after the package identifier; each one's required
fields, and the values winget accepts; the same identifier, version and
manifest version in all three; each installer's address names a file of
PACKAGE_FOLDER and its sum is that file's, in upper-case hexadecimal; the
.msi's product code is the one of its Property table. Read with PyYAML's base
loader, which keeps every value as its text, as winget reads them.
"""
import hashlib
import os
import re
import subprocess
import sys

import yaml

REQUIRED = {
    "version": ["PackageIdentifier", "PackageVersion", "DefaultLocale", "ManifestType", "ManifestVersion"],
    "installer": ["PackageIdentifier", "PackageVersion", "Installers", "ManifestType", "ManifestVersion"],
    "defaultLocale": ["PackageIdentifier", "PackageVersion", "PackageLocale", "Publisher", "PackageName", "License",
                      "ShortDescription", "ManifestType", "ManifestVersion"],
}
REQUIRED_BY_INSTALLER = ["Architecture", "InstallerType", "InstallerUrl", "InstallerSha256"]
# What each field must match wherever it stands, after the schema's patterns, lengths and lists of values.
NAME_PART = r'[^.\s\\/:*?"<>|\x01-\x1f]{1,32}'
LOCALE = r"[a-zA-Z]{2,8}(-[a-zA-Z0-9]{1,8})*"
VALUES = {
    "PackageIdentifier": rf"{NAME_PART}(\.{NAME_PART}){{1,7}}",
    "PackageVersion": r'[^\\/:*?"<>|\x01-\x1f]{1,128}',
    "ManifestVersion": r"1\.6\.0",
    "DefaultLocale": LOCALE,
    "PackageLocale": LOCALE,
    "Publisher": r".{2,256}",
    "PackageName": r".{2,256}",
    "License": r".{3,512}",
    "ShortDescription": r".{3,256}",
    "ReleaseDate": r"\d{4}-\d{2}-\d{2}",
    "Scope": r"user|machine",
    "UpgradeBehavior": r"install|uninstallPrevious|deny",
    "Architecture": r"x86|x64|arm|arm64|neutral",
    "InstallerType": r"msix|msi|appx|exe|zip|inno|nullsoft|wix|burn|pwa|portable",
    "InstallerUrl": r"https?://\S+",
    "InstallerSha256": r"[0-9A-F]{64}",
    "ProductCode": r".{1,255}",
    "InstallerSuccessCodes": r"-?\d+",
}

problems = []


def expect(condition, text):
    if not condition:
        problems.append(text)


def check_fields(mapping, where):
    for field, pattern in VALUES.items():
        values = mapping.get(field, [])
        for value in values if isinstance(values, list) else [values]:
            expect(isinstance(value, str) and re.fullmatch(pattern, value), f"{where}: {field} {value!r}")


def sha256(path):
    with open(path, "rb") as source:
        return hashlib.sha256(source.read()).hexdigest().upper()


def msi_product_code(path):
    table = subprocess.run(["msiinfo", "export", path, "Property"], check=True, capture_output=True, text=True)
    return dict(line.rstrip("\r").split("\t", 1) for line in table.stdout.splitlines() if "\t" in line)["ProductCode"]


def check_installer(installer, where, packages):
    for field in REQUIRED_BY_INSTALLER:
        expect(field in installer, f"{where}: no {field}")
    check_fields(installer, where)
    path = os.path.join(packages, installer.get("InstallerUrl", "").rsplit("/", 1)[-1])
    if not os.path.isfile(path):
        problems.append(f"{where}: {installer.get('InstallerUrl')} is no file of {packages}")
        return
    expect(installer.get("InstallerSha256") == sha256(path), f"{where}: InstallerSha256 is not the sum of {path}")
    if installer.get("InstallerType") == "msi":
        expect(installer.get("ProductCode") == msi_product_code(path), f"{where}: ProductCode is not the .msi's")


def main(folder, packages, version):
    manifests = {}
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), encoding="utf-8") as source:
            manifest = yaml.load(source, Loader=yaml.BaseLoader)
        kind = manifest.get("ManifestType")
        expect(kind in REQUIRED and kind not in manifests, f"{name}: ManifestType {kind!r}")
        manifests[kind] = manifest
        for field in REQUIRED.get(kind, []):
            expect(field in manifest, f"{name}: no {field}")
        check_fields(manifest, name)
        identifier = manifest.get("PackageIdentifier")
        expected = {"version": f"{identifier}.yaml", "installer": f"{identifier}.installer.yaml",
                    "defaultLocale": f"{identifier}.locale.{manifest.get('PackageLocale')}.yaml"}
        expect(name == expected.get(kind), f"{name}: a {kind} manifest of {identifier} is named {expected.get(kind)}")
    expect(sorted(manifests) == sorted(REQUIRED), f"manifests found: {sorted(manifests)}")
    for field in ("PackageIdentifier", "PackageVersion", "ManifestVersion"):
        expect(len({m.get(field) for m in manifests.values()}) == 1, f"{field} differs between the manifests")
    expect(all(m.get("PackageVersion") == version for m in manifests.values()), f"PackageVersion is not {version}")
    expect(manifests.get("version", {}).get("DefaultLocale") == manifests.get("defaultLocale", {}).get("PackageLocale"),
           "DefaultLocale is not the default locale manifest's PackageLocale")

    installers = manifests.get("installer", {}).get("Installers", [])
    kinds = sorted(installer.get("InstallerType") for installer in installers)
    expect(kinds == ["msi", "nullsoft"], f"installers: {kinds}, not one msi and one nullsoft")
    for number, installer in enumerate(installers):
        check_installer(installer, f"installer {number + 1}", packages)

    for problem in problems:
        print(problem)
    print(f"winget manifests of {folder}: {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
