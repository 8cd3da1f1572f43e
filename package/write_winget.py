#!/usr/bin/env python3
"""Writes the winget manifests of the installer and the Windows Installer package (schema 1.6.0).

    write_winget.py OUTPUT_FOLDER SETUP.exe PACKAGE.msi --identifier ID --version VERSION
                    --publisher NAME --license LICENSE --download-url URL --nsis-entry KEY_NAME --epoch EPOCH

Three files, as the winget-pkgs repository keeps them in
manifests/<first letter>/<publisher>/<name>/<version>/:
    ID.yaml                the version
    ID.installer.yaml      both installers, at DOWNLOAD_URL, with the sums of the files as built
    ID.locale.en-US.yaml   the publisher, the name, the licence and the description
winget knows an installed program by its product code: the .msi's, read from
its Property table (msiinfo, msitools), and the NSIS installer's
Programs and Features entry (the name of its key, KEY_NAME).
"""
import argparse
import hashlib
import os
import re
import shutil
import subprocess
import time

MANIFEST_VERSION = "1.6.0"
LOCALE = "en-US"
PACKAGE_NAME = "Brivex Doziv"
SHORT_DESCRIPTION = ("Tunes Windows in one click, switches individual system behaviours off or on, "
                     "reports on the machine and creates system restore points.")
# Text YAML reads back as the same string without quotes; anything else is quoted.
PLAIN = re.compile(r"[A-Za-z0-9/][\w .,/:+-]*")


def scalar(value):
    text = str(value)
    if isinstance(value, int) or (PLAIN.fullmatch(text) and ": " not in text and not text.endswith(":")):
        return text
    return "'" + text.replace("'", "''") + "'"


def block(mapping, indent=""):
    lines = []
    for key, value in mapping.items():
        if isinstance(value, dict):
            lines += [f"{indent}{key}:"] + block(value, indent + "  ")
        elif isinstance(value, list):
            lines.append(f"{indent}{key}:")
            for item in value:
                if isinstance(item, dict):
                    inner = block(item, indent + "  ")
                    lines += [f"{indent}- {inner[0].lstrip()}"] + inner[1:]
                else:
                    lines.append(f"{indent}- {scalar(item)}")
        else:
            lines.append(f"{indent}{key}: {scalar(value)}")
    return lines


def write(folder, name, kind, mapping):
    schema = f"https://aka.ms/winget-manifest.{kind}.{MANIFEST_VERSION}.schema.json"
    body = dict(mapping, ManifestType=kind, ManifestVersion=MANIFEST_VERSION)
    text = "\n".join([f"# yaml-language-server: $schema={schema}", ""] + block(body)) + "\n"
    with open(os.path.join(folder, name), "w", encoding="utf-8", newline="\n") as target:
        target.write(text)


def sha256(path):
    with open(path, "rb") as source:
        return hashlib.sha256(source.read()).hexdigest().upper()


def msi_product_code(path):
    table = subprocess.run(["msiinfo", "export", path, "Property"], check=True, capture_output=True, text=True)
    for line in table.stdout.splitlines():
        name, _, value = line.rstrip("\r").partition("\t")
        if name == "ProductCode":
            return value
    raise SystemExit(f"{path} has no ProductCode")


def installers(options):
    url = options.download_url if options.download_url.endswith("/") else options.download_url + "/"
    msi = {
        "Architecture": "x64",
        "InstallerType": "msi",
        "InstallerUrl": url + os.path.basename(options.msi),
        "InstallerSha256": sha256(options.msi),
        "ProductCode": msi_product_code(options.msi),
        # Files in use are replaced at the next restart: installed, a restart completes it.
        "InstallerSuccessCodes": [3010],
    }
    nsis = {
        "Architecture": "x64",
        "InstallerType": "nullsoft",
        "InstallerUrl": url + os.path.basename(options.setup),
        "InstallerSha256": sha256(options.setup),
        "InstallerSwitches": {"Silent": "/S", "SilentWithProgress": "/S"},
        "ProductCode": options.nsis_entry,
        # Silent, the installer changes nothing under a copy running from the install folder.
        "ExpectedReturnCodes": [{"InstallerReturnCode": 2, "ReturnResponse": "packageInUse"}],
    }
    return [msi, nsis]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("output")
    parser.add_argument("setup")
    parser.add_argument("msi")
    for option in ("identifier", "version", "publisher", "license", "download-url", "nsis-entry"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("--epoch", type=int, required=True)
    options = parser.parse_args()

    package = {"PackageIdentifier": options.identifier, "PackageVersion": options.version}
    shutil.rmtree(options.output, ignore_errors=True)
    os.makedirs(options.output)
    write(options.output, f"{options.identifier}.yaml", "version", dict(package, DefaultLocale=LOCALE))
    write(options.output, f"{options.identifier}.installer.yaml", "installer", dict(
        package, Scope="machine", UpgradeBehavior="install",
        ReleaseDate=time.strftime("%Y-%m-%d", time.gmtime(options.epoch)), Installers=installers(options)))
    write(options.output, f"{options.identifier}.locale.{LOCALE}.yaml", "defaultLocale", dict(
        package, PackageLocale=LOCALE, Publisher=options.publisher, PackageName=PACKAGE_NAME,
        License=options.license, ShortDescription=SHORT_DESCRIPTION))


if __name__ == "__main__":
    main()
