"""The Keyloom key: a gold key with a round bow, turned 45 degrees.

Shared by the application icon and the logo so they show the same key.
Laid out on a 48-pixel grid and scaled by k; small keys get thicker
strokes and one tooth so they still read.
"""

from raster import Blur, CoverageMap, Hex, Mix
from sdf import Box, Circle, Moved, Offset, Rotated, Subtract, Union

GOLD_LIGHT = Hex("#FFD45C")
GOLD_DARK = Hex("#E39B0B")
GOLD_EDGE = Hex("#8A5A00")
SHADOW = (0.02, 0.05, 0.12)


def Key(k, cx, cy, small):
    """The key centred on (cx, cy), laid out level and then turned 45 degrees."""
    # Strokes never get thinner than about 1.3 pixels, or a 16-pixel key falls apart.
    half_shaft = max(2.3 * k, 0.75)
    ring_outer = max(8.2 * k, 3.0)
    ring_hole = max(3.4 * k, 1.3)
    bow_x = cx - 12 * k
    bow = Subtract(Circle(bow_x, cy, ring_outer), Circle(bow_x, cy, ring_hole))
    shaft_left = bow_x + ring_outer - 1 * k
    shaft_right = cx + 17 * k
    shaft = Box(
        (shaft_left + shaft_right) / 2,
        cy,
        (shaft_right - shaft_left) / 2,
        half_shaft,
        half_shaft * 0.6,
    )
    tooth_depth = max(4.6 * k, 1.6)
    parts = [bow, shaft]
    # Teeth as (distance from the centre along the shaft, half width).
    teeth = [(12.5, 2.6)] if small else [(7.5, 2.1), (14.0, 2.1)]
    for along, half_width in teeth:
        tooth = Box(
            cx + along * k,
            cy + half_shaft + tooth_depth / 2 - 0.5 * k,
            max(half_width * k, 0.75),
            tooth_depth / 2 + 0.5 * k,
            0.4 * k,
        )
        parts.append(tooth)
    return Rotated(Union(*parts), cx, cy, 45)


def PaintKey(canvas, k, cx, cy, small):
    """Paints the key with its drop shadow; small keys go without the dark edge."""
    key = Key(k, cx, cy, small)
    shadow = Moved(key, 1.2 * k + 0.3, 1.6 * k + 0.3)
    blurred = Blur(CoverageMap(shadow, canvas.width, canvas.height), max(2.4 * k, 0.8))
    canvas.FillMap(blurred, SHADOW, 0.55)
    if not small:
        canvas.Fill(key, GOLD_EDGE)
        key = Offset(key, -max(k, 0.6))
    x0, y0 = cx - 24 * k, cy - 24 * k
    canvas.Fill(key, lambda x, y: Mix(GOLD_LIGHT, GOLD_DARK, (x - x0 + y - y0) / (96 * k)))
