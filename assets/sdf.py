"""Signed distance functions for the drawn assets.

A shape is a function (x, y) -> distance in pixels to its outline, negative
inside. The combinators keep |d| no larger than the true distance, so the
rasteriser may trust a large |d| and skip supersampling there.
"""

import math


def Circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def Ring(cx, cy, outer, inner):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - (outer + inner) / 2) - (outer - inner) / 2


def Box(cx, cy, hw, hh, radius=0.0):
    """Axis-aligned box centred on (cx, cy), optional rounded corners."""

    def d(x, y):
        qx = abs(x - cx) - hw + radius
        qy = abs(y - cy) - hh + radius
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius

    return d


def Polygon(points):
    """Simple polygon given by its vertices in order."""
    edges = list(zip(points, points[1:] + points[:1]))

    def d(x, y):
        best = float("inf")
        inside = False
        for (ax, ay), (bx, by) in edges:
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
            # Even-odd crossing test along +x.
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        return -best if inside else best

    return d


def Union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def Intersect(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def Subtract(shape, hole):
    return lambda x, y: max(shape(x, y), -hole(x, y))


def Offset(shape, amount):
    """Grows the shape by amount pixels (shrinks it when negative)."""
    return lambda x, y: shape(x, y) - amount


def Moved(shape, dx, dy):
    return lambda x, y: shape(x - dx, y - dy)


def Rotated(shape, cx, cy, degrees):
    """The shape turned by degrees about (cx, cy), clockwise on screen (y down)."""
    c = math.cos(math.radians(degrees))
    s = math.sin(math.radians(degrees))

    def d(x, y):
        px, py = x - cx, y - cy
        return shape(cx + px * c + py * s, cy - px * s + py * c)

    return d
