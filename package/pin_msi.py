#!/usr/bin/env python3
"""Pins what wixl leaves to the moment in a Windows Installer package.

    pin_msi.py PACKAGE.msi EPOCH

wixl stamps the package's summary information with the time of the build
(created, last saved) and a random package code. The times become EPOCH
(seconds since 1970, UTC), the package code a name-based UUID of the
package's own bytes: the same package built again is the same bytes, and a
package that differs in any byte has another code, as Windows Installer asks.
The values are rewritten in place, inside the compound file that holds them.
"""
import hashlib
import struct
import sys
import uuid

END_OF_CHAIN = 0xFFFFFFFE
SUMMARY = "\x05SummaryInformation"
REVISION_NUMBER, CREATED, LAST_SAVED = 9, 12, 13  # the package code is the revision number
VT_LPSTR, VT_FILETIME = 30, 64
SECONDS_1601_TO_1970 = 11644473600


def u32(data, at):
    return struct.unpack_from("<I", data, at)[0]


class CompoundFile:
    """Where each byte of a stream of a compound file (version 3) lies in the file."""

    def __init__(self, data):
        if data[:8] != b"\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1":
            sys.exit("not a compound file")
        self.data = data
        self.sector = 1 << struct.unpack_from("<H", data, 0x1E)[0]
        self.mini = 1 << struct.unpack_from("<H", data, 0x20)[0]
        self.cutoff = u32(data, 0x38)
        fat_sectors = [u32(data, 0x4C + 4 * i) for i in range(109)][: u32(data, 0x2C)]
        difat = u32(data, 0x44)
        while difat != END_OF_CHAIN and len(fat_sectors) < u32(data, 0x2C):
            entries = self.sector // 4 - 1
            fat_sectors += [u32(data, self.offset(difat) + 4 * i) for i in range(entries)]
            difat = u32(data, self.offset(difat) + 4 * entries)
        self.fat = [u32(data, self.offset(s) + 4 * i) for s in fat_sectors[: u32(data, 0x2C)]
                    for i in range(self.sector // 4)]
        self.minifat = [u32(data, o + 4 * i) for o in self.sector_offsets(u32(data, 0x3C))
                        for i in range(self.sector // 4)]
        self.entries = [self.entry(o + i) for o in self.sector_offsets(u32(data, 0x30))
                        for i in range(0, self.sector, 128)]
        self.root_sectors = self.sector_offsets(self.entries[0][1])

    def offset(self, sector):
        return (sector + 1) * self.sector

    def chain(self, start, table):
        links = []
        while start != END_OF_CHAIN:
            links.append(start)
            start = table[start]
        return links

    def sector_offsets(self, start):
        return [self.offset(s) for s in self.chain(start, self.fat)] if start != END_OF_CHAIN else []

    def entry(self, at):
        length = struct.unpack_from("<H", self.data, at + 64)[0]
        name = self.data[at:at + max(length - 2, 0)].decode("utf-16-le")
        return name, u32(self.data, at + 116), u32(self.data, at + 120)

    def stream_offsets(self, name):
        found = [e for e in self.entries if e[0] == name]
        if not found:
            sys.exit("no stream " + repr(name))
        _, start, size = found[0]
        if size >= self.cutoff:
            return [o + i for o in self.sector_offsets(start) for i in range(self.sector)][:size]
        places = []
        for mini in self.chain(start, self.minifat):
            at = mini * self.mini
            places += [self.root_sectors[at // self.sector] + at % self.sector + i for i in range(self.mini)]
        return places[:size]


def property_offsets(stream):
    """Where the value of each property of the first property set starts, by identifier."""
    section = u32(stream, 44)
    count = u32(stream, section + 4)
    pairs = [struct.unpack_from("<II", stream, section + 8 + 8 * i) for i in range(count)]
    return {pid: section + at for pid, at in pairs}


def put(stream, values, pid, kind, payload):
    at = values[pid]
    if u32(stream, at) != kind:
        sys.exit("summary property %d is not of the expected type" % pid)
    if kind == VT_LPSTR:
        if u32(stream, at + 4) != len(payload):
            sys.exit("summary property %d would change its size" % pid)
        at += 4
    stream[at + 4:at + 4 + len(payload)] = payload


def main(path, epoch):
    with open(path, "rb") as source:
        data = bytearray(source.read())
    places = CompoundFile(data).stream_offsets(SUMMARY)
    stream = bytearray(data[o] for o in places)
    values = property_offsets(stream)

    def write(package_code):
        put(stream, values, REVISION_NUMBER, VT_LPSTR, ("{%s}" % package_code).upper().encode("ascii") + b"\0")
        for o, byte in zip(places, stream):
            data[o] = byte

    filetime = struct.pack("<Q", (epoch + SECONDS_1601_TO_1970) * 10_000_000)
    put(stream, values, CREATED, VT_FILETIME, filetime)
    put(stream, values, LAST_SAVED, VT_FILETIME, filetime)
    write(uuid.UUID(int=0))
    write(uuid.uuid5(uuid.NAMESPACE_URL, "sha256:" + hashlib.sha256(data).hexdigest()))
    with open(path, "wb") as target:
        target.write(data)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], int(sys.argv[2]))
