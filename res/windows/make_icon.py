#!/usr/bin/env python3
"""Makes the Windows program's icon from the SVG that the Linux icons are drawn
from, at every size Windows asks for from 96 to 192 DPI: 16, 20, 24, 32, 40, 48
and 64 pixels as 32-bit bitmaps whose alpha shades their edges (with the mask
that older systems read), 256 as the PNG that Windows Vista and later expect.
rsvg-convert draws each size, as it drew the PNGs of res/icons (the same pixels),
and ImageMagick gives the drawn pixels as bytes.

Usage: make_icon.py ICON.svg OUT.ico
"""
import struct
import subprocess
import sys

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)


def drawn(svg, size):
    """The icon drawn at `size` pixels, as a PNG."""
    return subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), svg],
                          check=True, capture_output=True).stdout


def bitmap(png, size):
    """One icon image as a DIB: BITMAPINFOHEADER, BGRA rows, mask rows, bottom up."""
    rgba = subprocess.run(["convert", "png:-", "-depth", "8", "rgba:-"], input=png,
                          check=True, capture_output=True).stdout
    assert len(rgba) == size * size * 4, "unexpected image size"
    mask_row = ((size + 31) // 32) * 4
    colours, mask = bytearray(), bytearray()
    for y in reversed(range(size)):
        row = rgba[y * size * 4:(y + 1) * size * 4]
        bits = bytearray(mask_row)
        for x in range(size):
            r, g, b, a = row[x * 4:x * 4 + 4]
            colours += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(colours) + len(mask), 0, 0, 0, 0)
    return header + bytes(colours) + bytes(mask)


def main(svg, out):
    images = [drawn(svg, size) if size == 256 else bitmap(drawn(svg, size), size)
              for size in SIZES]
    icon = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        # A width or height of 256 is written as 0.
        icon += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(out, "wb") as file:
        file.write(icon + b"".join(images))


if __name__ == "__main__":
    main(*sys.argv[1:])
