#!/usr/bin/env python3
"""Draws keyloom.cur: the program's arrow pointer, 32 x 32, 32-bit with alpha.

The tip of the arrow is pixel (8, 3), which is also the hot spot. A dark
outline around a light fill keeps it visible on any background, a soft
shadow lifts it off the window, and a gold band across the tail is the
Keyloom touch. Run: python3 assets/make_cursor.py
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from dib import PackCursorFile  # noqa: E402
from raster import Blur, Canvas, CoverageMap, Hex, VerticalGradient  # noqa: E402
from sdf import Intersect, Moved, Offset, Polygon  # noqa: E402

SIZE = 32
HOT_X, HOT_Y = 8, 3

# Outer outline of the arrow relative to the hot spot: tip, left edge, notch,
# tail (left end, right end), notch, wing, back to the flat tip.
ARROW = [
    (0.0, 0.0),
    (0.0, 18.2),
    (4.3, 14.3),
    (7.1, 21.0),
    (10.9, 19.5),
    (8.1, 13.3),
    (13.9, 13.3),
    (0.9, 0.0),
]

OUTLINE = Hex("#141C26")
FILL_TOP = Hex("#FFFFFF")
FILL_BOTTOM = Hex("#DCE4EE")
GOLD_LIGHT = Hex("#FFC93C")
GOLD_DARK = Hex("#E39B0B")


def ArrowOutline():
    """The whole pointer, outline included.

    The tip is cut flat, just under a pixel wide, so that the hot spot pixel
    itself is solid rather than a faint anti-aliased point.
    """
    return Polygon([(HOT_X + x, HOT_Y + y) for x, y in ARROW])


def Tail():
    """The tail's own strip, from a little below the notch to past its end."""
    (nx, ny), (ex, ey), (fx, fy), (mx, my) = ARROW[2:6]
    lift = 1.2  # leave the notch corners light
    length = math.hypot(ex - nx, ey - ny)
    ux, uy = (ex - nx) / length, (ey - ny) / length
    points = [
        (nx + ux * lift, ny + uy * lift),
        (ex + ux * 2, ey + uy * 2),
        (fx + ux * 2, fy + uy * 2),
        (mx + ux * lift, my + uy * lift),
    ]
    return Polygon([(HOT_X + x, HOT_Y + y) for x, y in points])


def Draw():
    canvas = Canvas(SIZE, SIZE)
    arrow = ArrowOutline()
    shadow = Blur(CoverageMap(Moved(arrow, 1.1, 1.4), SIZE, SIZE), 2.2)
    canvas.FillMap(shadow, (0.0, 0.0, 0.0), 0.38)
    canvas.Fill(arrow, OUTLINE)
    inner = Offset(arrow, -1.0)
    canvas.Fill(inner, VerticalGradient(FILL_TOP, FILL_BOTTOM, HOT_Y, HOT_Y + 16))
    tail_top = HOT_Y + 15
    gold = VerticalGradient(GOLD_LIGHT, GOLD_DARK, tail_top, tail_top + 5)
    canvas.Fill(Intersect(inner, Tail()), gold)
    return canvas


def main():
    data = PackCursorFile(Draw(), HOT_X, HOT_Y)
    assert len(data) == 6 + 16 + 40 + 4096 + 128, len(data)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "keyloom.cur")
    with open(path, "wb") as f:
        f.write(data)
    print(f"{path}: {len(data)} bytes")


if __name__ == "__main__":
    main()
