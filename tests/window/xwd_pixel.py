#!/usr/bin/env python3
"""Prints the colour of pixels of an X window dump (xwd format) read from stdin.

    xwd -root -silent | xwd_pixel.py X,Y [X,Y ...]     -> "r g b" per point
    xwd -root -silent | xwd_pixel.py --size            -> "width height"
    xwd -root -silent | xwd_pixel.py --lit-fraction    -> share of pixels not near black
    xwd -root -silent | xwd_pixel.py --green X,Y,W,H   -> count of bright green pixels in the box
    xwd -root -silent | xwd_pixel.py --yellow          -> "x y": middle and top of the pure yellow pixels
"""
import struct
import sys


def main():
    data = sys.stdin.buffer.read()
    head = struct.unpack(">25I", data[:100])
    header_size, width, height = head[0], head[4], head[5]
    byte_order, bits_per_pixel, bytes_per_line = head[7], head[11], head[12]
    red_mask, green_mask, blue_mask, ncolors = head[14], head[15], head[16], head[19]
    if bits_per_pixel not in (24, 32):
        sys.exit("xwd_pixel: only 24- and 32-bit dumps are read (got %d bits)" % bits_per_pixel)
    step = bits_per_pixel // 8
    pixels = header_size + 12 * ncolors
    if sys.argv[1:] == ["--size"]:
        print(width, height)
        return
    order = "little" if byte_order == 0 else "big"

    def at(offset):
        return int.from_bytes(data[offset:offset + step], order)

    if sys.argv[1:] == ["--lit-fraction"]:
        lit = total = 0
        for y in range(0, height, 8):
            row = pixels + y * bytes_per_line
            for x in range(0, width, 8):
                value = at(row + step * x)
                total += 1
                lit += (value & 0xFFFFFF) != 0 and max(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF) > 24
        print(lit / max(total, 1))
        return

    def channel(value, mask):
        shift = (mask & -mask).bit_length() - 1
        return (value & mask) >> shift

    if sys.argv[1] == "--green":
        # Highlighted text of the start-up window is pure green (0, 255, 0);
        # unlit text is (0, 150, 0).
        bx, by, bw, bh = (int(v) for v in sys.argv[2].split(","))
        count = 0
        for y in range(max(by, 0), min(by + bh, height)):
            for x in range(max(bx, 0), min(bx + bw, width)):
                value = at(pixels + y * bytes_per_line + step * x)
                r, g, b = channel(value, red_mask), channel(value, green_mask), channel(value, blue_mask)
                count += g > 210 and r < 90 and b < 90
        print(count)
        return

    if sys.argv[1] == "--yellow":
        # The renderer's name in the start-up window is the one pure yellow
        # (255, 255, 0) thing on it: it tells where the window stands.
        xs, ys = [], []
        for y in range(0, height, 2):
            for x in range(0, width, 2):
                value = at(pixels + y * bytes_per_line + step * x)
                r, g, b = channel(value, red_mask), channel(value, green_mask), channel(value, blue_mask)
                if r > 230 and g > 230 and b < 60:
                    xs.append(x)
                    ys.append(y)
        if not xs:
            sys.exit("xwd_pixel: no yellow pixels")
        print((min(xs) + max(xs)) // 2, min(ys))
        return

    for point in sys.argv[1:]:
        x, y = (int(v) for v in point.split(","))
        if not (0 <= x < width and 0 <= y < height):
            sys.exit("xwd_pixel: %d,%d lies outside the %dx%d dump" % (x, y, width, height))
        value = at(pixels + y * bytes_per_line + step * x)
        print(channel(value, red_mask), channel(value, green_mask), channel(value, blue_mask))


if __name__ == "__main__":
    main()
