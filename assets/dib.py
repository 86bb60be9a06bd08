"""Windows icon and cursor files holding 32-bit images with alpha.

Each image is stored as a DIB: a BITMAPINFOHEADER whose height is doubled
(colour image plus mask), the BGRA pixels bottom-up, then the 1-bit AND mask
bottom-up with rows padded to 4 bytes. Alpha is straight, not premultiplied.
"""

import struct

ICON_TYPE = 1
CURSOR_TYPE = 2


def MaskRowBytes(width):
    return (width + 31) // 32 * 4


def PackDib(canvas):
    """The DIB bytes of a canvas: header, BGRA pixels, AND mask."""
    w, h = canvas.width, canvas.height
    mask_size = MaskRowBytes(w) * h
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, w * h * 4 + mask_size, 0, 0, 0, 0)
    pixels = bytearray()
    mask = bytearray()
    for y in reversed(range(h)):
        bits = bytearray(MaskRowBytes(w))
        for x in range(w):
            r, g, b, a = canvas.Rgba8(x, y)
            pixels += bytes((b, g, r, a))
            # Fully transparent pixels are also masked out for viewers that ignore alpha.
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def PackIconFile(canvases):
    """An .ico file with one 32-bit entry per canvas."""
    dibs = [PackDib(c) for c in canvases]
    offset = 6 + 16 * len(dibs)
    out = bytearray(struct.pack("<HHH", 0, ICON_TYPE, len(dibs)))
    for canvas, dib in zip(canvases, dibs):
        # Width and height bytes hold 0 for 256; planes 1, 32 bits per pixel.
        out += struct.pack(
            "<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0, 1, 32, len(dib), offset
        )
        offset += len(dib)
    for dib in dibs:
        out += dib
    return bytes(out)


def PackCursorFile(canvas, hot_x, hot_y):
    """A .cur file with one 32-bit image.

    Its directory entry holds the hot spot where an icon's holds planes and bit count.
    """
    dib = PackDib(canvas)
    out = struct.pack("<HHH", 0, CURSOR_TYPE, 1)
    out += struct.pack(
        "<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0, hot_x, hot_y, len(dib), 22
    )
    return out + dib
