#!/usr/bin/env python3
"""Writes the portable zip: one folder, named after the package, holding the staged files.

    make_zip.py STAGE_FOLDER OUTPUT_ZIP EPOCH

The entries come in sorted order and all carry the time EPOCH (seconds since
1970, UTC), so the same files always give the same bytes and the published sum
can be checked by building again.
"""
import os
import sys
import time
import zipfile

# Zip times start in 1980 and are stored in two-second steps.
EARLIEST = 315532800


def entry(name, epoch, directory):
    info = zipfile.ZipInfo(name, time.gmtime(max(epoch, EARLIEST))[:6])
    info.create_system = 0  # MS-DOS attributes: the package is for Windows
    info.external_attr = 0x10 if directory else 0x20  # FILE_ATTRIBUTE_DIRECTORY / _ARCHIVE
    info.compress_type = zipfile.ZIP_STORED if directory else zipfile.ZIP_DEFLATED
    return info


def main(stage, output, epoch):
    top = os.path.basename(os.path.normpath(stage))
    entries = []  # (name in the zip, source file or None for a folder)
    for root, _, names in os.walk(stage):
        relative = os.path.relpath(root, stage)
        prefix = top if relative == "." else top + "/" + relative.replace(os.sep, "/")
        entries.append((prefix + "/", None))
        entries.extend((prefix + "/" + name, os.path.join(root, name)) for name in names)
    partial = output + ".partial"
    with zipfile.ZipFile(partial, "w") as archive:
        for name, path in sorted(entries):
            if path is None:
                archive.writestr(entry(name, epoch, True), b"")
                continue
            with open(path, "rb") as source:
                archive.writestr(entry(name, epoch, False), source.read(), compresslevel=9)
    os.replace(partial, output)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]))
