#!/usr/bin/env python3
"""Writes an X window dump (xwd format, 24 or 32 bits a pixel) read from stdin as a PNG.

    xwd -root -silent | xwd_png.py OUT.png [--mark X,Y]

--mark draws a small red cross where the pointer stood (a dump never holds
the pointer itself), so a picture of a click shows where it landed.
"""
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xwd_read import XwdDump  # noqa: E402


def main():
    out = sys.argv[1]
    mark = None
    if len(sys.argv) > 3 and sys.argv[2] == "--mark":
        mark = tuple(int(v) for v in sys.argv[3].split(","))
    dump = XwdDump(sys.stdin.buffer.read(), "xwd_png")
    width, height = dump.width, dump.height
    rows = []
    for y in range(height):
        row = bytearray(1 + 3 * width)
        for x in range(width):
            row[1 + 3 * x:4 + 3 * x] = bytes(dump.rgb(x, y))
        rows.append(row)
    if mark:
        mx, my = mark
        for d in range(-8, 9):
            for px, py in ((mx + d, my), (mx, my + d)):
                if 0 <= px < width and 0 <= py < height:
                    rows[py][1 + 3 * px:4 + 3 * px] = b"\xff\x00\x00"

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    with open(out, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(b"".join(bytes(r) for r in rows), 6)))
        f.write(chunk(b"IEND", b""))


if __name__ == "__main__":
    main()
