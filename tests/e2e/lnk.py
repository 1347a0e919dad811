#!/usr/bin/env python3
"""Prints what a Windows shortcut (.lnk) file points at, one "field: value" line each:
target, working directory, description, arguments. Exits 1 when the file is not a shortcut.

    lnk.py FILE.lnk
"""
import struct
import sys

HEADER_SIZE = 0x4C
HAS_ID_LIST = 0x01
HAS_LINK_INFO = 0x02
HAS_NAME = 0x04
HAS_RELATIVE_PATH = 0x08
HAS_WORKING_DIR = 0x10
HAS_ARGUMENTS = 0x20
HAS_ICON_LOCATION = 0x40
IS_UNICODE = 0x80
LOCAL_PATH = 0x01


def c_string(data, offset):
    end = data.index(b"\0", offset)
    return data[offset:end].decode("latin-1")


def read_link(data):
    if len(data) < HEADER_SIZE or struct.unpack_from("<I", data, 0)[0] != HEADER_SIZE:
        raise ValueError("no shortcut header")
    flags = struct.unpack_from("<I", data, 20)[0]
    position = HEADER_SIZE
    if flags & HAS_ID_LIST:
        position += 2 + struct.unpack_from("<H", data, position)[0]
    fields = {}
    if flags & HAS_LINK_INFO:
        info_size, _, info_flags = struct.unpack_from("<III", data, position)
        if info_flags & LOCAL_PATH:
            base_offset = struct.unpack_from("<I", data, position + 16)[0]
            suffix_offset = struct.unpack_from("<I", data, position + 24)[0]
            fields["target"] = c_string(data, position + base_offset) + c_string(
                data, position + suffix_offset)
        position += info_size
    wide = bool(flags & IS_UNICODE)
    for flag, name in ((HAS_NAME, "description"), (HAS_RELATIVE_PATH, "relative path"),
                       (HAS_WORKING_DIR, "working directory"), (HAS_ARGUMENTS, "arguments"),
                       (HAS_ICON_LOCATION, "icon")):
        if flags & flag:
            count = struct.unpack_from("<H", data, position)[0]
            position += 2
            size = count * 2 if wide else count
            raw = data[position:position + size]
            fields[name] = raw.decode("utf-16-le" if wide else "latin-1").rstrip("\0")
            position += size
    return fields


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    try:
        with open(sys.argv[1], "rb") as link:
            fields = read_link(link.read())
    except (OSError, ValueError, struct.error) as error:
        print(f"{sys.argv[1]}: not a shortcut ({error})", file=sys.stderr)
        return 1
    for name in ("target", "working directory", "description", "arguments"):
        if name in fields:
            print(f"{name}: {fields[name]}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
