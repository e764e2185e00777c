#!/usr/bin/python3
"""Builds SomnarPictograms.ttf: the two article pictograms, an open book on "&" and a
right-pointing hand on "F". Needs python3-fonttools; the font it writes is kept in the tree,
so building the program does not need this script.

    /usr/bin/python3 data/fonts/make_pictograms.py data/fonts/SomnarPictograms.ttf
"""
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

FAMILY = "Somnar Pictograms"
EM = 1000
ASCENT = 800
DESCENT = 200


def polygon(pen, points):
    """One closed contour through on-curve points; ("q", x, y) marks an off-curve point."""
    first = points[0]
    pen.moveTo(first)
    pending = []
    for p in points[1:]:
        if p[0] == "q":
            pending.append(p[1:])
            continue
        if pending:
            pen.qCurveTo(*pending, p)
            pending = []
        else:
            pen.lineTo(p)
    if pending:
        pen.qCurveTo(*pending, first)
    pen.closePath()


def rounded_rect(x0, y0, x1, y1, r):
    """Clockwise (y up) rectangle with quadratic corners."""
    return [(x0, y0 + r), (x0, y1 - r), ("q", x0, y1), (x0 + r, y1), (x1 - r, y1), ("q", x1, y1),
            (x1, y1 - r), (x1, y0 + r), ("q", x1, y0), (x1 - r, y0), (x0 + r, y0), ("q", x0, y0)]


def reverse(points):
    """The same contour run the other way, keeping off-curve points between their neighbours."""
    return [points[0]] + list(reversed(points[1:]))


def mirror(points, axis):
    return reverse([(p[0], 2 * axis - p[1], p[2]) if p[0] == "q" else (2 * axis - p[0], p[1])
                    for p in points])


def book_glyph():
    outer = [(60, 90), (60, 630), ("q", 270, 720), (490, 600), (490, 50), ("q", 270, 160)]
    inner = reverse([(115, 150), (115, 590), ("q", 290, 650), (440, 560), (440, 130), ("q", 290, 210)])
    lines = [rounded_rect(160, y, 400, y + 34, 12) for y in (250, 360, 470)]
    left = [outer, inner] + lines
    contours = left + [mirror(c, 530) for c in left]
    pen = TTGlyphPen(None)
    for c in contours:
        polygon(pen, c)
    return pen.glyph(), 1060


def hand_glyph():
    contours = [
        rounded_rect(40, 190, 150, 590, 20),     # cuff
        rounded_rect(185, 170, 580, 600, 90),    # palm
        rounded_rect(480, 470, 960, 590, 60),    # index finger
        rounded_rect(520, 370, 770, 460, 45),    # curled fingers
        rounded_rect(520, 275, 745, 360, 42),
        rounded_rect(520, 180, 715, 265, 40),
        rounded_rect(300, 560, 640, 660, 50),    # thumb
    ]
    pen = TTGlyphPen(None)
    for c in contours:
        polygon(pen, c)
    return pen.glyph(), 1000


def empty_glyph():
    return TTGlyphPen(None).glyph()


def build(path):
    book, book_width = book_glyph()
    hand, hand_width = hand_glyph()
    order = [".notdef", "space", "book", "hand"]
    fb = FontBuilder(EM, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap({0x20: "space", ord("&"): "book", ord("F"): "hand"})
    fb.setupGlyf({".notdef": empty_glyph(), "space": empty_glyph(), "book": book, "hand": hand})
    metrics = {".notdef": (500, 0), "space": (300, 0), "book": (book_width, 0), "hand": (hand_width, 0)}
    glyf = fb.font["glyf"]
    fb.setupHorizontalMetrics({name: (metrics[name][0], glyf[name].xMin if hasattr(glyf[name], "xMin") else 0)
                               for name in order})
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    fb.setupNameTable({"familyName": FAMILY, "styleName": "Regular",
                       "copyright": "Drawn for OKV Somnar 3"})
    fb.setupOS2(sTypoAscender=ASCENT, sTypoDescender=-DESCENT, usWinAscent=ASCENT, usWinDescent=DESCENT)
    fb.setupPost()
    fb.save(path)


if __name__ == "__main__":
    build(sys.argv[1] if len(sys.argv) > 1 else "SomnarPictograms.ttf")
