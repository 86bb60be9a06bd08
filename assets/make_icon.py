#!/usr/bin/env python3
"""Draws keyloom.ico: the application icon, 16, 32 and 48 pixels, 32-bit with alpha.

A gold key lies across a navy tile, bow at the upper left, in the colours of
the pointer's gold accent and of the logo. The drawing is laid out on a
48-pixel grid and scaled; the small sizes get thicker strokes so the key
still reads. Run: python3 assets/make_icon.py
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from dib import PackIconFile  # noqa: E402
from key_glyph import PaintKey  # noqa: E402
from raster import Canvas, Hex, Mix  # noqa: E402
from sdf import Box, Offset  # noqa: E402

SIZES = (16, 32, 48)
GRID = 48.0

TILE_TOP = Hex("#3566A6")
TILE_BOTTOM = Hex("#1B355E")
TILE_EDGE = Hex("#122540")


def Tile(k):
    return Box(24 * k, 24 * k, 22.5 * k, 22.5 * k, 8 * k)


def Draw(size):
    k = size / GRID
    canvas = Canvas(size, size)
    edge = max(k, 0.6)
    tile = Tile(k)
    canvas.Fill(tile, TILE_EDGE)
    canvas.Fill(Offset(tile, -edge), lambda x, y: Mix(TILE_TOP, TILE_BOTTOM, y / size))

    PaintKey(canvas, k, 24 * k, 24 * k, small=size <= 16)
    return canvas


def main():
    data = PackIconFile([Draw(s) for s in SIZES])
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "keyloom.ico")
    with open(path, "wb") as f:
        f.write(data)
    print(f"{path}: {len(data)} bytes")


if __name__ == "__main__":
    main()
