"""A small RGBA canvas that paints signed-distance shapes with anti-aliasing.

Pixels hold premultiplied colour in floats 0..1; pixel (i, j) covers the
square [i, i+1] x [j, j+1]. Coverage is found by supersampling a pixel only
where its outline passes near it.
"""

import math

SAMPLES = 8  # per axis, so 64 samples per edge pixel


def Coverage(shape, x, y):
    """Fraction of pixel (x, y) that lies inside the shape."""
    centre = shape(x + 0.5, y + 0.5)
    if centre > 0.75:  # half the pixel diagonal is 0.707
        return 0.0
    if centre < -0.75:
        return 1.0
    hits = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            if shape(x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES) < 0:
                hits += 1
    return hits / (SAMPLES * SAMPLES)


def CoverageMap(shape, width, height):
    return [[Coverage(shape, x, y) for x in range(width)] for y in range(height)]


def Blur(grid, radius):
    """Gaussian blur of a 2-D list of floats, edges treated as empty."""
    sigma = radius / 2.0
    reach = int(math.ceil(radius))
    kernel = [math.exp(-(k * k) / (2 * sigma * sigma)) for k in range(-reach, reach + 1)]
    total = sum(kernel)
    kernel = [k / total for k in kernel]
    height, width = len(grid), len(grid[0])

    def Pass(src, horizontal):
        out = [[0.0] * width for _ in range(height)]
        for y in range(height):
            for x in range(width):
                acc = 0.0
                for i, k in enumerate(kernel):
                    sx, sy = (x + i - reach, y) if horizontal else (x, y + i - reach)
                    if 0 <= sx < width and 0 <= sy < height:
                        acc += src[sy][sx] * k
                out[y][x] = acc
        return out

    return Pass(Pass(grid, True), False)


class Canvas:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.px = [[(0.0, 0.0, 0.0, 0.0)] * width for _ in range(height)]

    def Composite(self, x, y, rgba, amount):
        """Paints straight-alpha colour rgba over pixel (x, y), weighted by amount."""
        r, g, b, a = rgba
        a *= amount
        if a <= 0.0:
            return
        dr, dg, db, da = self.px[y][x]
        keep = 1.0 - a
        self.px[y][x] = (r * a + dr * keep, g * a + dg * keep, b * a + db * keep, a + da * keep)

    def Fill(self, shape, colour):
        """colour is an (r, g, b, a) tuple or a function (x, y) -> tuple, in 0..1."""
        for y in range(self.height):
            for x in range(self.width):
                c = Coverage(shape, x, y)
                if c > 0.0:
                    rgba = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                    self.Composite(x, y, rgba, c)

    def FillMap(self, grid, rgb, opacity):
        """Paints one colour through a coverage map (for shadows and glows)."""
        for y in range(self.height):
            for x in range(self.width):
                self.Composite(x, y, (*rgb, opacity), grid[y][x])

    def Rgba8(self, x, y):
        """Straight-alpha 8-bit colour of pixel (x, y)."""
        r, g, b, a = self.px[y][x]
        alpha = round(min(a, 1.0) * 255)
        if alpha == 0:
            return (0, 0, 0, 0)
        return tuple(round(min(c / a, 1.0) * 255) for c in (r, g, b)) + (alpha,)


def Hex(text, alpha=1.0):
    text = text.lstrip("#")
    return tuple(int(text[i : i + 2], 16) / 255 for i in (0, 2, 4)) + (alpha,)


def Mix(c0, c1, t):
    t = max(0.0, min(1.0, t))
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def VerticalGradient(top_colour, bottom_colour, y0, y1):
    return lambda x, y: Mix(top_colour, bottom_colour, (y - y0) / (y1 - y0))
