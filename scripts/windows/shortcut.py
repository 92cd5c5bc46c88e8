#!/usr/bin/env python3
"""Prints a Windows shortcut's (.lnk) target path and working folder, one a line."""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, IS_UNICODE = 0x1, 0x2, 0x80
# The optional strings, in the order the format stores them.
STRINGS = ((0x4, "name"), (0x8, "relative path"), (0x10, "working folder"), (0x20, "arguments"),
           (0x40, "icon"))


def read(path):
    data = open(path, "rb").read()
    flags = struct.unpack_from("<I", data, 20)[0]
    pos = 76  # after the fixed header
    if flags & HAS_ID_LIST:
        pos += 2 + struct.unpack_from("<H", data, pos)[0]
    target = ""
    if flags & HAS_LINK_INFO:
        size, _, info_flags, _, base = struct.unpack_from("<5I", data, pos)
        if info_flags & 1:  # a local base path follows
            target = data[pos + base:data.index(b"\0", pos + base)].decode("latin-1")
        pos += size
    width = 2 if flags & IS_UNICODE else 1
    strings = {}
    for bit, name in STRINGS:
        if flags & bit:
            count = struct.unpack_from("<H", data, pos)[0]
            raw = data[pos + 2:pos + 2 + count * width]
            strings[name] = raw.decode("utf-16-le" if width == 2 else "latin-1")
            pos += 2 + count * width
    return target, strings.get("working folder", "")


if __name__ == "__main__":
    for line in read(sys.argv[1]):
        print(line)
