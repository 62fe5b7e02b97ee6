#!/usr/bin/env python3
"""Writes an X window dump (xwd format, 24 or 32 bits a pixel) read from stdin as a PNG.

    xwd -root -silent | xwd_png.py OUT.png [--mark X,Y]

--mark draws a small red cross where the pointer stood (a dump never holds
the pointer itself), so a picture of a click shows where it landed.
"""
import struct
import sys
import zlib


def main():
    out = sys.argv[1]
    mark = None
    if len(sys.argv) > 3 and sys.argv[2] == "--mark":
        mark = tuple(int(v) for v in sys.argv[3].split(","))
    data = sys.stdin.buffer.read()
    head = struct.unpack(">25I", data[:100])
    header_size, width, height = head[0], head[4], head[5]
    byte_order, bits_per_pixel, bytes_per_line = head[7], head[11], head[12]
    red_mask, green_mask, blue_mask, ncolors = head[14], head[15], head[16], head[19]
    if bits_per_pixel not in (24, 32):
        sys.exit("xwd_png: only 24- and 32-bit dumps are read (got %d bits)" % bits_per_pixel)
    step = bits_per_pixel // 8
    start = header_size + 12 * ncolors
    endian = "<" if byte_order == 0 else ">"

    def shift(mask):
        return (mask & -mask).bit_length() - 1

    rs, gs, bs = shift(red_mask), shift(green_mask), shift(blue_mask)
    rows = []
    for y in range(height):
        line = start + y * bytes_per_line
        row = bytearray(1 + 3 * width)
        for x in range(width):
            v = int.from_bytes(data[line + step * x:line + step * x + step], "little" if endian == "<" else "big")
            row[1 + 3 * x:4 + 3 * x] = bytes(((v & red_mask) >> rs, (v & green_mask) >> gs, (v & blue_mask) >> bs))
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
