#!/usr/bin/env python3
"""Writes the 37 skin files skin01.ksk .. skin37.ksk beside this script.

Each skin is one of four styles (light, glass, flat, dark) in one base hue,
plus a neutral graphite skin; the format is described in ../README.md. The
outputs are committed: the build reads them and never runs this script.
Run it again after changing a style: python3 make_skins.py
"""
import colorsys
import os

HUES = [
    ("Jade", 100),  # skin 1: the program attaches it with hue +110, a blue
    ("Ruby", 355),
    ("Amber", 28),
    ("Honey", 56),
    ("Mint", 145),
    ("Teal", 180),
    ("Azure", 215),
    ("Violet", 265),
    ("Rose", 320),
]

KEYS = [
    "window", "text", "frame.outer", "frame.inner",
    "caption.top", "caption.bottom", "caption.text",
    "caption.inactive.top", "caption.inactive.bottom", "caption.inactive.text",
    "caption.glyph",
    "button.top", "button.bottom", "button.hover.top", "button.hover.bottom",
    "button.pressed.top", "button.pressed.bottom", "button.frame", "button.text",
    "group.frame", "edit.border", "edit.inner", "list.border",
    "header.top", "header.bottom", "header.pressed.top", "header.pressed.bottom",
    "header.separator", "header.text",
]

# Saturation and lightness of every colour, per style; the hue is the skin's.
STYLES = {
    "Light": {
        "radius": (3, 4),
        "window": (.18, .92), "text": (.25, .12),
        "frame.outer": (.35, .30), "frame.inner": (.40, .55),
        "caption.top": (.50, .58), "caption.bottom": (.55, .40), "caption.text": (.10, .98),
        "caption.inactive.top": (.12, .78), "caption.inactive.bottom": (.12, .68),
        "caption.inactive.text": (.10, .40), "caption.glyph": (.10, .97),
        "button.top": (.20, .98), "button.bottom": (.25, .85),
        "button.hover.top": (.45, .95), "button.hover.bottom": (.45, .80),
        "button.pressed.top": (.35, .72), "button.pressed.bottom": (.30, .84),
        "button.frame": (.30, .45), "button.text": (.30, .10),
        "group.frame": (.25, .62), "edit.border": (.35, .50), "edit.inner": (.20, .96),
        "list.border": (.35, .45),
        "header.top": (.15, .99), "header.bottom": (.22, .86),
        "header.pressed.top": (.25, .78), "header.pressed.bottom": (.20, .88),
        "header.separator": (.20, .65), "header.text": (.30, .15),
    },
    "Glass": {
        "radius": (5, 6),
        "window": (.30, .90), "text": (.40, .10),
        "frame.outer": (.60, .22), "frame.inner": (.70, .45),
        "caption.top": (.75, .66), "caption.bottom": (.80, .32), "caption.text": (.15, .99),
        "caption.inactive.top": (.25, .80), "caption.inactive.bottom": (.25, .62),
        "caption.inactive.text": (.20, .30), "caption.glyph": (.20, .99),
        "button.top": (.40, .97), "button.bottom": (.50, .76),
        "button.hover.top": (.70, .93), "button.hover.bottom": (.70, .68),
        "button.pressed.top": (.60, .60), "button.pressed.bottom": (.55, .78),
        "button.frame": (.55, .35), "button.text": (.50, .08),
        "group.frame": (.45, .50), "edit.border": (.60, .40), "edit.inner": (.35, .94),
        "list.border": (.60, .35),
        "header.top": (.35, .97), "header.bottom": (.45, .78),
        "header.pressed.top": (.50, .68), "header.pressed.bottom": (.40, .84),
        "header.separator": (.40, .55), "header.text": (.50, .12),
    },
    "Flat": {
        "radius": (0, 0),
        "window": (.10, .95), "text": (.15, .18),
        "frame.outer": (.45, .35), "frame.inner": (.50, .45),
        "caption.top": (.50, .45), "caption.bottom": (.50, .45), "caption.text": (.00, 1.0),
        "caption.inactive.top": (.10, .72), "caption.inactive.bottom": (.10, .72),
        "caption.inactive.text": (.10, .35), "caption.glyph": (.00, 1.0),
        "button.top": (.15, .88), "button.bottom": (.15, .88),
        "button.hover.top": (.35, .82), "button.hover.bottom": (.35, .82),
        "button.pressed.top": (.40, .68), "button.pressed.bottom": (.40, .68),
        "button.frame": (.20, .70), "button.text": (.20, .15),
        "group.frame": (.20, .75), "edit.border": (.30, .65), "edit.inner": (.00, 1.0),
        "list.border": (.30, .60),
        "header.top": (.12, .90), "header.bottom": (.12, .90),
        "header.pressed.top": (.35, .78), "header.pressed.bottom": (.35, .78),
        "header.separator": (.15, .75), "header.text": (.20, .20),
    },
    "Dark": {
        "radius": (2, 3),
        "window": (.22, .20), "text": (.15, .88),
        "frame.outer": (.30, .08), "frame.inner": (.40, .26),
        "caption.top": (.50, .34), "caption.bottom": (.50, .20), "caption.text": (.10, .94),
        "caption.inactive.top": (.15, .26), "caption.inactive.bottom": (.15, .20),
        "caption.inactive.text": (.08, .62), "caption.glyph": (.15, .92),
        "button.top": (.25, .36), "button.bottom": (.25, .27),
        "button.hover.top": (.50, .44), "button.hover.bottom": (.50, .33),
        "button.pressed.top": (.35, .18), "button.pressed.bottom": (.35, .25),
        "button.frame": (.30, .10), "button.text": (.08, .94),
        "group.frame": (.35, .42), "edit.border": (.40, .14), "edit.inner": (.20, .32),
        "list.border": (.40, .12),
        "header.top": (.25, .34), "header.bottom": (.25, .25),
        "header.pressed.top": (.35, .18), "header.pressed.bottom": (.35, .23),
        "header.separator": (.25, .46), "header.text": (.08, .92),
    },
}


def hex_colour(hue, saturation, lightness):
    r, g, b = colorsys.hls_to_rgb(hue / 360.0, lightness, saturation)
    return "#%02X%02X%02X" % tuple(round(c * 255) for c in (r, g, b))


def skin_text(name, style, hue, neutral=False):
    lines = [
        "KEYLOOM-SKIN 1",
        "# Written by make_skins.py; change the script, not this file.",
        "name = " + name,
        "button.radius = %d" % style["radius"][0],
        "group.radius = %d" % style["radius"][1],
    ]
    for key in KEYS:
        saturation, lightness = style[key]
        lines.append("%s = %s" % (key, hex_colour(hue, 0.0 if neutral else saturation, lightness)))
    lines.append("end")
    return "\n".join(lines) + "\n"


def all_skins():
    skins = []
    for style_name in ("Light", "Glass", "Flat", "Dark"):
        for hue_name, hue in HUES:
            skins.append(skin_text("%s %s" % (hue_name, style_name), STYLES[style_name], hue))
    skins.append(skin_text("Graphite", STYLES["Light"], 0, neutral=True))
    return skins


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    skins = all_skins()
    assert len(skins) == 37
    for index, text in enumerate(skins, start=1):
        with open(os.path.join(here, "skin%02d.ksk" % index), "w", newline="\n") as f:
            f.write(text)


if __name__ == "__main__":
    main()
