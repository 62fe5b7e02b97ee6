#!/usr/bin/env python3
"""Prints the colour of pixels of an X window dump (xwd format) read from stdin.

    xwd -root -silent | xwd_pixel.py X,Y [X,Y ...]     -> "r g b" per point
    xwd -root -silent | xwd_pixel.py --size            -> "width height"
    xwd -root -silent | xwd_pixel.py --lit-fraction    -> share of pixels not near black
    xwd -root -silent | xwd_pixel.py --green X,Y,W,H   -> count of bright green pixels in the box
    xwd -root -silent | xwd_pixel.py --yellow          -> "x y": middle and top of the pure yellow pixels
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xwd_read import XwdDump  # noqa: E402


def main():
    dump = XwdDump(sys.stdin.buffer.read(), "xwd_pixel")
    width, height = dump.width, dump.height
    if sys.argv[1:] == ["--size"]:
        print(width, height)
        return

    if sys.argv[1:] == ["--lit-fraction"]:
        lit = total = 0
        for y in range(0, height, 8):
            for x in range(0, width, 8):
                total += 1
                lit += max(dump.rgb(x, y)) > 24
        print(lit / max(total, 1))
        return

    if sys.argv[1] == "--green":
        # Highlighted text of the start-up window is pure green (0, 255, 0);
        # unlit text is (0, 150, 0).
        bx, by, bw, bh = (int(v) for v in sys.argv[2].split(","))
        count = 0
        for y in range(max(by, 0), min(by + bh, height)):
            for x in range(max(bx, 0), min(bx + bw, width)):
                r, g, b = dump.rgb(x, y)
                count += g > 210 and r < 90 and b < 90
        print(count)
        return

    if sys.argv[1] == "--yellow":
        # The renderer's name in the start-up window is the one pure yellow
        # (255, 255, 0) thing on it: it tells where the window stands.
        xs, ys = [], []
        for y in range(0, height, 2):
            for x in range(0, width, 2):
                r, g, b = dump.rgb(x, y)
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
        print(*dump.rgb(x, y))


if __name__ == "__main__":
    main()
