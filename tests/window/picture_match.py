#!/usr/bin/env python3
"""How closely a window shows the game's own picture, scaled smooth.

    xwd -id WIN -silent | picture_match.py SHOT.png X,Y,W,H [X,Y,W,H ...]

SHOT.png is the game's 1024 x 768 screenshot of the same frame; each box is
in its (logical) pixels. The window's pixels over each box, letterboxed as
the game places the picture, are compared with a bilinear scaling of the
screenshot (pixel centres mapped onto pixel centres, edges padded). Prints
per box the mean and the largest difference per channel. A picture scaled
half a pixel off, or with its edges faded into the black bars, stands out
from the rounding of a right one.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from png_pixel import decode  # noqa: E402
from xwd_read import XwdDump  # noqa: E402


def main():
    dump = XwdDump(sys.stdin.buffer.read(), "picture_match")
    width, height = dump.width, dump.height
    rows, bpp = decode(sys.argv[1])
    fw, fh = len(rows[0]) // bpp, len(rows)
    s = min(width / fw, height / fh)
    pw, ph = min(width, round(fw * s)), min(height, round(fh * s))
    ox, oy = (width - pw) // 2, (height - ph) // 2
    sx, sy = fw / pw, fh / ph

    def frame(x, y, c):
        x, y = min(max(x, 0), fw - 1), min(max(y, 0), fh - 1)
        return rows[y][x * bpp + c]

    for box in sys.argv[2:]:
        bx, by, bw, bh = (int(v) for v in box.split(","))
        total = count = worst = 0
        for wy in range(int(by / sy) + oy, min(int((by + bh) / sy) + oy, height)):
            fy = (wy - oy + 0.5) * sy - 0.5
            y0 = int(fy // 1)
            ty = fy - y0
            for wx in range(int(bx / sx) + ox, min(int((bx + bw) / sx) + ox, width)):
                fx = (wx - ox + 0.5) * sx - 0.5
                x0 = int(fx // 1)
                tx = fx - x0
                got = dump.rgb(wx, wy)
                for c in range(3):
                    top = frame(x0, y0, c) * (1 - tx) + frame(x0 + 1, y0, c) * tx
                    bottom = frame(x0, y0 + 1, c) * (1 - tx) + frame(x0 + 1, y0 + 1, c) * tx
                    d = abs(got[c] - (top * (1 - ty) + bottom * ty))
                    total += d
                    worst = max(worst, d)
                    count += 1
        print("%.2f %.0f" % (total / max(count, 1), worst))


if __name__ == "__main__":
    main()
