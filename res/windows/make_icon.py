#!/usr/bin/env python3
"""Makes lexiquarium.ico: the program's icon as Windows wants it in a 16-colour
icon group, a 32 by 32 and a 16 by 16 image of 4 bits per pixel, each with the
mask that makes its corners transparent. ImageMagick reduces each PNG of
res/icons to 15 colours; the 16th is the black that transparent pixels carry.

Usage: res/windows/make_icon.py   (rewrites res/windows/lexiquarium.ico)
"""
import pathlib
import struct
import subprocess

HERE = pathlib.Path(__file__).resolve().parent
SIZES = (32, 16)


def pixels(size):
    """(r, g, b, opaque) of each pixel, rows from the top, 15 colours at most."""
    png = HERE.parent / "icons" / f"lexiquarium-{size}.png"
    raw = subprocess.run(
        ["convert", str(png), "-channel", "A", "-threshold", "50%", "+channel",
         "-background", "black", "-alpha", "background", "+dither", "-colors", "15",
         "-depth", "8", "rgba:-"],
        check=True, capture_output=True).stdout
    assert len(raw) == size * size * 4, "unexpected image size"
    return [(raw[i], raw[i + 1], raw[i + 2], raw[i + 3] >= 128) for i in range(0, len(raw), 4)]


def image(size):
    """One icon image: BITMAPINFOHEADER, palette, colour bits, mask bits."""
    px = pixels(size)
    palette = [(0, 0, 0)]
    for r, g, b, opaque in px:
        if opaque and (r, g, b) not in palette:
            palette.append((r, g, b))
    assert len(palette) <= 16, "more than 16 colours"
    palette += [(0, 0, 0)] * (16 - len(palette))

    colour_row = size // 2  # two pixels a byte; 16 and 32 keep rows 4-byte aligned
    mask_row = ((size + 31) // 32) * 4
    colours, mask = bytearray(), bytearray()
    for y in reversed(range(size)):  # bottom-up, as bitmaps are stored
        row = px[y * size:(y + 1) * size]
        indices = [palette.index((r, g, b)) if opaque else 0 for r, g, b, opaque in row]
        colours += bytes((indices[x] << 4) | indices[x + 1] for x in range(0, size, 2))
        bits = bytearray(mask_row)
        for x, (_, _, _, opaque) in enumerate(row):
            if not opaque:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
        assert len(colours) % colour_row == 0
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(colours) + len(mask), 0, 0, 16, 0)
    quads = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header + quads + bytes(colours) + bytes(mask)


def main():
    images = [image(size) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    (HERE / "lexiquarium.ico").write_bytes(out + b"".join(images))


if __name__ == "__main__":
    main()
