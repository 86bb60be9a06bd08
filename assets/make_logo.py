#!/usr/bin/env python3
"""Makes logo.jpg: the Keyloom web site's logo, 120 x 31, baseline JPEG, YCbCr.

The key of the icon on the left, the word mark "Keyloom" beside it ("Key" in
white, "loom" in the key's gold) on the icon's navy, with a thin gold thread
under the word as the loom. The program shows it stretched to 96 x 24, so the
type is bold and large. The key is drawn here; ImageMagick 6 adds the ground
and the type and writes the JPEG.
Run: python3 assets/make_logo.py   (needs /usr/bin/convert and DejaVu fonts)
"""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from key_glyph import PaintKey  # noqa: E402
from raster import Canvas  # noqa: E402

CONVERT = "/usr/bin/convert"  # the real ImageMagick, not a wrapper earlier on PATH
WIDTH, HEIGHT = 120, 31
KEY_SCALE = 0.6
KEY_CENTRE = (14.5, 14.5)
QUALITY = 94  # about 3 KB at this size
FONT = "DejaVu-Sans-Bold"
POINT_SIZE = 18
TEXT_AT = (29, 1)  # top-left of the word mark
THREAD_Y = 25
THREAD_X0, THREAD_X1 = 25, 116  # from just past the key's tip to near the edge


def Stitches():
    """ImageMagick draw primitives for the light stitches along the thread."""
    return " ".join(
        f"rectangle {x},{THREAD_Y} {x + 2},{THREAD_Y + 1}"
        for x in range(THREAD_X0 + 1, THREAD_X1 - 1, 6)
    )


def WritePam(canvas, path):
    """Writes the canvas as a PAM file with alpha, which ImageMagick reads."""
    header = (
        f"P7\nWIDTH {canvas.width}\nHEIGHT {canvas.height}\nDEPTH 4\nMAXVAL 255\n"
        "TUPLTYPE RGB_ALPHA\nENDHDR\n"
    )
    data = bytearray(header.encode("ascii"))
    for y in range(canvas.height):
        for x in range(canvas.width):
            data += bytes(canvas.Rgba8(x, y))
    with open(path, "wb") as f:
        f.write(data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = os.path.join(here, "logo.jpg")
    key = Canvas(WIDTH, HEIGHT)
    PaintKey(key, KEY_SCALE, *KEY_CENTRE, small=False)
    with tempfile.TemporaryDirectory() as tmp:
        key_path = os.path.join(tmp, "key.pam")
        WritePam(key, key_path)
        text_x, text_y = TEXT_AT
        # fmt: off
        subprocess.run([
            CONVERT,
            "-size", f"{WIDTH}x{HEIGHT}", "gradient:#3566A6-#1B355E",
            key_path, "-compose", "over", "-composite",
            "(", "+size", "-background", "none", "-font", FONT, "-pointsize", str(POINT_SIZE),
                "-fill", "#FFFFFF", "label:Key",
                "-fill", "#FFC93C", "label:loom",
                "+append", "+repage", ")",
            "-geometry", f"+{text_x}+{text_y}", "-composite",
            # The thread: dark gold with light stitches over it, as if woven. Two
            # pixels high, as the JPEG's halved colour resolution greys out one.
            "-stroke", "none",
            "-fill", "#B9800F",
            "-draw", f"rectangle {THREAD_X0},{THREAD_Y} {THREAD_X1},{THREAD_Y + 1}",
            "-fill", "#FFD45C", "-draw", Stitches(),
            "-strip", "-interlace", "none", "-sampling-factor", "2x2",
            "-quality", str(QUALITY), "-type", "TrueColor",
            out,
        ], check=True)
        # fmt: on
    print(f"{out}: {os.path.getsize(out)} bytes")


if __name__ == "__main__":
    main()
