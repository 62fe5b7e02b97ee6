"""Reading an X window dump (xwd format, 24 or 32 bits a pixel): the one
parser the window routes' picture tools share."""
import struct
import sys


class XwdDump:
    def __init__(self, data, tool="xwd"):
        head = struct.unpack(">25I", data[:100])
        header_size, self.width, self.height = head[0], head[4], head[5]
        byte_order, bits_per_pixel, self.bytes_per_line = head[7], head[11], head[12]
        self.masks, ncolors = head[14:17], head[19]
        if bits_per_pixel not in (24, 32):
            sys.exit("%s: only 24- and 32-bit dumps are read (got %d bits)" % (tool, bits_per_pixel))
        self.step = bits_per_pixel // 8
        self.start = header_size + 12 * ncolors
        self.order = "little" if byte_order == 0 else "big"
        self.shifts = [(m & -m).bit_length() - 1 for m in self.masks]
        self.data = data

    def value(self, x, y):
        """The pixel as the dump holds it."""
        at = self.start + y * self.bytes_per_line + self.step * x
        return int.from_bytes(self.data[at:at + self.step], self.order)

    def rgb(self, x, y):
        v = self.value(x, y)
        return tuple((v & m) >> s for m, s in zip(self.masks, self.shifts))
