#!/usr/bin/env python3
"""Prints the colour of pixels of an X window dump (xwd format) read from stdin.

    xwd -root -silent | xwd_pixel.py X,Y [X,Y ...]     -> "r g b" per point
    xwd -root -silent | xwd_pixel.py --size            -> "width height"
    xwd -root -silent | xwd_pixel.py --lit-fraction    -> share of pixels not near black
"""
import struct
import sys


def main():
    data = sys.stdin.buffer.read()
    head = struct.unpack(">25I", data[:100])
    header_size, width, height = head[0], head[4], head[5]
    byte_order, bits_per_pixel, bytes_per_line = head[7], head[11], head[12]
    red_mask, green_mask, blue_mask, ncolors = head[14], head[15], head[16], head[19]
    if bits_per_pixel != 32:
        sys.exit("xwd_pixel: only 32-bit dumps are read (got %d bits)" % bits_per_pixel)
    pixels = header_size + 12 * ncolors
    if sys.argv[1:] == ["--size"]:
        print(width, height)
        return
    endian = "<" if byte_order == 0 else ">"
    if sys.argv[1:] == ["--lit-fraction"]:
        lit = total = 0
        for y in range(0, height, 8):
            row = pixels + y * bytes_per_line
            for x in range(0, width, 8):
                (value,) = struct.unpack_from(endian + "I", data, row + 4 * x)
                total += 1
                lit += (value & 0xFFFFFF) != 0 and max(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF) > 24
        print(lit / max(total, 1))
        return

    def channel(value, mask):
        shift = (mask & -mask).bit_length() - 1
        return (value & mask) >> shift

    for point in sys.argv[1:]:
        x, y = (int(v) for v in point.split(","))
        if not (0 <= x < width and 0 <= y < height):
            sys.exit("xwd_pixel: %d,%d lies outside the %dx%d dump" % (x, y, width, height))
        (value,) = struct.unpack_from(endian + "I", data, pixels + y * bytes_per_line + 4 * x)
        print(channel(value, red_mask), channel(value, green_mask), channel(value, blue_mask))


if __name__ == "__main__":
    main()
