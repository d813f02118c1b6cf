#!/usr/bin/python3
"""Draw the interface skin: every face bitmap, the icon and a contact sheet.

    gen_skin.py                          write resources/bitmaps/NNN.bmp,
                                         resources/icon/korvane.ico,
                                         packaging/icons/korvane-NN.png (the
                                         desktop's icon sizes) and
                                         docs/skin_contact_sheet.png
    gen_skin.py OUTPUT_DIR [--sheet F]   write NNN.bmp, korvane.ico and
                                         korvane-NN.png into
                                         OUTPUT_DIR (and the sheet only if asked)

The look is the front panel of a radio transceiver: graphite chassis, brushed
metal keys with engraved labels, recessed phosphor displays and amber lamps.
Every picture is computed from constants and a seeded generator, so a re-run
reproduces the committed files byte for byte.  Text uses one typeface family,
Liberation Sans (Debian package fonts-liberation), which shares its metrics
with the Arial that the program draws its own texts in.

Bitmap numbers are those the program loads; a French variant sits at the next
number.  BMPs are uncompressed, bottom-up, 24 bits per pixel.
"""

import math
import os
import random
import struct
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FONT_DIR = "/usr/share/fonts/truetype/liberation"
FONT_FILES = {
    (False, False): "LiberationSans-Regular.ttf",
    (True, False): "LiberationSans-Bold.ttf",
    (False, True): "LiberationSansNarrow-Regular.ttf",
    (True, True): "LiberationSansNarrow-Bold.ttf",
}

# ---------------------------------------------------------------- palette
EDGE = (18, 19, 22)            # outside the window shapes (clipped away)
CHASSIS_TOP = (60, 63, 69)
CHASSIS_BOT = (43, 46, 51)
LIP_HI = (128, 134, 142)       # lit edge of a raised plate
LIP_LO = (12, 13, 15)          # shaded edge of a raised plate
WELL = (17, 18, 21)            # floor of every recess around a control
WELL_SHADE = (6, 6, 8)         # upper-left wall of a recess
WELL_LIGHT = (96, 101, 108)    # lower-right lip of a recess
LEGEND = (184, 190, 197)       # paint-filled engraving on the chassis
LEGEND_SHADE = (14, 15, 17)
METAL_TOP = (204, 208, 213)
METAL_BOT = (146, 151, 158)
INK = (24, 26, 30)             # engraved key label
INK_HI = (244, 246, 248)       # light catching the lower lip of the cut
GLOW_RING = (18, 120, 70)      # backlight seeping round a hovered key
GLASS_TOP = (11, 26, 19)       # phosphor display glass
GLASS_BOT = (5, 14, 10)
GRATICULE = (20, 54, 38)
GREEN = (0, 255, 128)          # text colour the program draws with
TEXT_SHADOW = (64, 64, 64)     # its shadow
AMBER = (255, 172, 28)
RED = (214, 52, 38)

SS = 4  # supersampling factor for curved shapes

# ---------------------------------------------------------------- layout
# Control rectangles (x, y, w, h) on each face, and the bitmaps they load.
PANEL_KEYS = [  # (x, y, w, h, normal number)
    (68, 16, 66, 36, 127),   # quit
    (6, 6, 28, 26, 115),     # minimise
    (48, 66, 86, 26, 133),   # test module
    (48, 126, 86, 26, 259),  # log module
    (48, 156, 86, 26, 121),  # options module
    (48, 266, 86, 26, 307),  # new Basic test
    (48, 296, 86, 26, 313),  # new Advanced test
    (48, 326, 86, 26, 299),  # language
    (48, 356, 86, 26, 109),  # calculator
    (48, 386, 86, 26, 253),  # about module
]
BORDER_KEY = (6, 66, 46, 36, 103)
TEST_DISPLAYS = [  # (x, y, w, h, number)
    (30, 20, 60, 20, 229), (100, 20, 80, 20, 225), (190, 20, 80, 20, 227),
    (280, 20, 60, 20, 231), (350, 20, 40, 20, 223),
    (20, 50, 400, 60, 221),
    (50, 120, 370, 50, 233), (50, 180, 370, 50, 235),
    (50, 240, 370, 50, 237), (50, 300, 370, 50, 239),
]
TEST_KEYS = [
    (6, 116, 36, 36, 139), (6, 176, 36, 36, 145),
    (6, 236, 36, 36, 151), (6, 296, 36, 36, 157),
    (6, 356, 46, 28, 169), (56, 356, 46, 28, 209),
    (106, 356, 46, 28, 203), (156, 356, 46, 28, 175),
    (266, 356, 78, 28, 273), (346, 356, 78, 28, 285),
]
TEST_LAMPS = [  # (x, y, w, h, off number, lit number)
    (6, 156, 36, 18, 181, 183), (6, 216, 36, 18, 185, 187),
    (6, 276, 36, 18, 189, 191), (6, 336, 36, 18, 193, 195),
]
LOG_KEYS = [(16, 356, 78, 28, 241), (96, 356, 78, 28, 247)]
LOG_CAPTION = (40, 42, 200, 60)
LOG_CHART = (22, 62, 418, 318)
OPTION_CHECKS = [(30, 50, 300, 16), (30, 70, 300, 16), (30, 90, 300, 16)]
ABOUT_DISPLAY = (20, 40, 400, 320, 101)

PANEL_OUTLINE = [
    (140, 0), (145, 0), (150, 2), (154, 5), (157, 10), (159, 14), (160, 20),
    (160, 440), (158, 450), (154, 460), (148, 468), (140, 474), (130, 478),
    (120, 480), (10, 480), (7, 479), (5, 478), (2, 477), (1, 475), (0, 472),
    (0, 470), (0, 440), (20, 440), (20, 40), (0, 40), (0, 10), (0, 7),
    (1, 5), (2, 2), (5, 1), (7, 0), (10, 0)]
BORDER_OUTLINE = [
    (20, 0), (40, 0), (40, 40), (60, 40), (60, 440), (40, 440), (40, 480),
    (20, 480), (14, 479), (10, 477), (5, 474), (2, 470), (0, 465), (0, 460),
    (0, 20), (0, 14), (2, 10), (5, 5), (10, 2), (14, 0)]

# Key labels: normal number -> (size, English, French).  A label is text or
# a glyph name in angle brackets; glyphs need no translation.
KEYS = {
    109: ((86, 26), "CALCULATOR", "CALCULATRICE"),
    121: ((86, 26), "OPTIONS", "OPTIONS"),
    133: ((86, 26), "TEST", "TEST"),
    253: ((86, 26), "ABOUT", "A PROPOS"),
    259: ((86, 26), "LOG", "JOURNAL"),
    299: ((86, 26), "FRENCH", "ANGLAIS"),
    307: ((86, 26), "BASIC", "DE BASE"),
    313: ((86, 26), "ADVANCED", "SUPÉRIEURE"),
    127: ((66, 36), "<power>QUIT", "<power>QUITTER"),
    115: ((28, 26), "<minimise>", "<minimise>"),
    103: ((46, 36), "<hide>HIDE", "<hide>CACHER"),
    139: ((36, 36), "A", "A"),
    145: ((36, 36), "B", "B"),
    151: ((36, 36), "C", "C"),
    157: ((36, 36), "D", "D"),
    169: ((46, 28), "<first>", "<first>"),
    175: ((46, 28), "<last>", "<last>"),
    203: ((46, 28), "<next>", "<next>"),
    209: ((46, 28), "<previous>", "<previous>"),
    273: ((78, 28), "BROWSE", "PARCOURS"),
    285: ((78, 28), "PRINT", "IMPRIMER"),
    241: ((78, 28), "ADD", "AJOUTER"),
    247: ((78, 28), "CLEAR", "EFFACER"),
}
LAMPS = [181, 185, 189, 193]  # off faces; the lit face is number + 2
DISPLAYS = {221: (400, 60), 233: (370, 50), 235: (370, 50), 237: (370, 50),
            239: (370, 50), 229: (60, 20), 225: (80, 20), 227: (80, 20),
            231: (60, 20), 223: (40, 20)}
ABOUT_TEXT_FACE = 101

# Words engraved on the faces themselves, per language.
FACE_WORDS = {
    "en": {"new_test": "NEW TEST", "trainer": "EXAM TRAINER",
           "captions": ["MODE", "CLASS", "QUESTION", "SCORE", "RESULT"],
           "about": "ABOUT", "log": "RESULTS LOG", "pass": "PASS"},
    "fr": {"new_test": "NOUVEAU TEST", "trainer": "ENTRAÎNEMENT",
           "captions": ["MODE", "CLASSE", "QUESTION", "SCORE", "RÉSULTAT"],
           "about": "A PROPOS", "log": "JOURNAL DES RÉSULTATS",
           "pass": "RÉUSSITE"},
}
AUTHORITY = {"en": "Velmoria Radio Authority",
             "fr": "Autorité radio de Velmoria"}
BRAND = "KORVANE"


# ---------------------------------------------------------------- basics
_fonts = {}


def font(size, bold=True, narrow=False):
    key = (size, bold, narrow)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(
            os.path.join(FONT_DIR, FONT_FILES[(bold, narrow)]), size,
            layout_engine=ImageFont.Layout.BASIC)
    return _fonts[key]


def fit_font(text, max_w, size, bold=True, min_size=7):
    """Largest font of the family, regular width before narrow, whose
    rendering of text is at most max_w pixels wide."""
    for s in range(size, min_size - 1, -1):
        for narrow in (False, True):
            f = font(s, bold, narrow)
            if f.getlength(text) <= max_w:
                return f
    return font(min_size, bold, True)


def cap_height(f):
    return -f.getbbox("H", anchor="ls")[1]


def seed_of(*parts):
    """Stable seed from numbers and strings (hash() is salted per run)."""
    s = 2166136261
    for ch in repr(parts).encode("utf-8"):
        s = ((s ^ ch) * 16777619) & 0xFFFFFFFF
    return s


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def shade(c, d):
    return tuple(max(0, min(255, v + d)) for v in c)


def vgrad(w, h, top, bot):
    col = Image.new("RGB", (1, h))
    col.putdata([mix(top, bot, y / max(1, h - 1)) for y in range(h)])
    return col.resize((w, h), Image.NEAREST)


def grain(w, h, seed, amp, streak=9):
    """Horizontal brushing: per-pixel noise stretched along x, plus a
    per-row bias, centred on 128."""
    rnd = random.Random(seed)
    sw = w // streak + 2
    raw = bytearray(sw * h)
    for y in range(h):
        row_bias = (rnd.random() - 0.5) * 0.8
        for x in range(sw):
            v = (rnd.random() - 0.5) * 1.2 + row_bias
            raw[y * sw + x] = max(0, min(255, int(128 + v * amp)))
    return Image.frombytes("L", (sw, h), bytes(raw)).resize((w, h), Image.BILINEAR)


def brushed(img, seed, amp, streak=9):
    n = grain(img.width, img.height, seed, amp, streak)
    return ImageChops.add(img, Image.merge("RGB", (n, n, n)), 1.0, -128)


def shift(mask, dx, dy):
    out = Image.new("L", mask.size, 0)
    out.paste(mask, (dx, dy))
    return out


def ss_mask(w, h, draw_fn):
    """Antialiased L mask: draw_fn(draw, s) paints at s-times scale."""
    m = Image.new("L", (w * SS, h * SS), 0)
    draw_fn(ImageDraw.Draw(m), SS)
    return m.resize((w, h), Image.BOX)


def scaled(alpha_mask, k):
    return alpha_mask.point(lambda v: int(v * k))


def bevel(img, mask, hi, lo, width=2, strength=1.0):
    """Light from the upper left: the edge pixels of mask whose upper-left
    neighbours lie outside get hi, those with lower-right outside get lo."""
    prev_tl = prev_br = Image.new("L", mask.size, 0)
    for i in range(1, width + 1):
        tl = ImageChops.subtract(mask, shift(mask, i, i))
        br = ImageChops.subtract(mask, shift(mask, -i, -i))
        k = strength * (1.0 if i == 1 else 0.45)
        img.paste(hi, mask=scaled(ImageChops.subtract(tl, prev_tl), k))
        img.paste(lo, mask=scaled(ImageChops.subtract(br, prev_br), k))
        prev_tl, prev_br = tl, br


def polygon_mask(size, points):
    """Pixels whose centres lie inside the polygon, as the window region
    built from the same points covers them."""
    s = 8
    m = Image.new("L", (size[0] * s, size[1] * s), 0)
    ImageDraw.Draw(m).polygon([(x * s, y * s) for x, y in points], fill=255)
    m = m.resize(size, Image.BOX)
    return m.point(lambda v: 255 if v >= 128 else 0)


def text_mask(size, text, f, cx, cy, tracking=0):
    """Mask of text centred horizontally on cx with its capital height
    centred on cy."""
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    width = f.getlength(text) + tracking * (len(text) - 1)
    x = cx - width / 2.0
    base = int(round(cy + cap_height(f) / 2.0))
    if tracking == 0:
        d.text((int(round(x)), base), text, font=f, fill=255, anchor="ls")
    else:
        for ch in text:
            d.text((int(round(x)), base), ch, font=f, fill=255, anchor="ls")
            x += f.getlength(ch) + tracking
    return m


def engrave(img, mask, ink, lip, lip_offset=(0, 1)):
    img.paste(lip, mask=shift(mask, *lip_offset))
    img.paste(ink, mask=mask)


def legend(img, text, f, cx, cy, tracking=0):
    """Paint-filled engraving on the dark chassis."""
    m = text_mask(img.size, text, f, cx, cy, tracking)
    img.paste(LEGEND_SHADE, mask=shift(m, 0, -1))
    img.paste(LEGEND, mask=m)


def chassis(w, h, seed):
    return brushed(vgrad(w, h, CHASSIS_TOP, CHASSIS_BOT), seed, 7)


def well(img, x, y, w, h, pad):
    """Recess around a control at (x, y, w, h); the control covers its
    middle, the rim shows."""
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = x - pad, y - pad, x + w + pad - 1, y + h + pad - 1
    d.rectangle([x0, y0, x1, y1], fill=WELL)
    d.line([(x0, y1), (x0, y0), (x1, y0)], fill=WELL_SHADE)
    d.line([(x0 + 1, y1), (x1, y1), (x1, y0 + 1)], fill=WELL_LIGHT)


def screw(img, cx, cy, r=4):
    m = ss_mask(img.width, img.height, lambda d, s: d.ellipse(
        [(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s], fill=255))
    head = vgrad(img.width, img.height, (170, 175, 181), (84, 88, 95))
    img.paste(WELL_SHADE, mask=shift(m, 1, 1))
    img.paste(head, mask=m)
    slot = ss_mask(img.width, img.height, lambda d, s: d.line(
        [((cx - r + 1.5) * s, (cy + 1.5) * s), ((cx + r - 1.5) * s, (cy - 1.5) * s)],
        fill=255, width=int(1.3 * s)))
    img.paste((40, 42, 46), mask=slot)


def grille(img, x0, y0, x1, y1, pitch=6, r=1.6):
    """Field of round perforations, as over a loudspeaker."""
    def holes(d, s):
        row = 0
        y = y0 + pitch / 2.0
        while y < y1:
            x = x0 + pitch / 2.0 + (pitch / 2.0 if row % 2 else 0)
            while x < x1 - pitch / 4.0:
                d.ellipse([(x - r) * s, (y - r) * s, (x + r) * s, (y + r) * s],
                          fill=255)
                x += pitch
            y += pitch * 0.87
            row += 1
    m = ss_mask(img.width, img.height, holes)
    img.paste(WELL_LIGHT, mask=scaled(shift(m, 1, 1), 0.5))
    img.paste(WELL_SHADE, mask=m)


def slots(img, x0, y0, x1, y1, n):
    """Row of vertical ventilation slots."""
    d = ImageDraw.Draw(img)
    step = (x1 - x0) / float(n)
    for i in range(n):
        x = int(round(x0 + i * step + step / 2.0)) - 1
        d.rectangle([x, y0, x + 2, y1], fill=WELL_SHADE)
        d.line([(x + 3, y0 + 1), (x + 3, y1)], fill=WELL_LIGHT)
        d.line([(x, y1 + 1), (x + 3, y1 + 1)], fill=WELL_LIGHT)


# ---------------------------------------------------------------- glyphs
def glyph_mask(w, h, name, cx, cy):
    """Symbols of the language-free keys, centred on (cx, cy)."""
    def tri(d, s, tip_x, y_mid, half, length, direction):
        base = tip_x - direction * length
        d.polygon([(tip_x * s, y_mid * s), (base * s, (y_mid - half) * s),
                   (base * s, (y_mid + half) * s)], fill=255)

    def bar(d, s, x, y_mid, half, thick=2.2):
        d.rectangle([x * s, (y_mid - half) * s, (x + thick) * s,
                     (y_mid + half) * s], fill=255)

    def draw(d, s):
        if name == "next":
            tri(d, s, cx + 5, cy, 6, 10, 1)
        elif name == "previous":
            tri(d, s, cx - 5, cy, 6, 10, -1)
        elif name == "first":
            bar(d, s, cx - 8, cy, 6)
            tri(d, s, cx - 5, cy, 6, 10, -1)
            tri(d, s, cx + 3, cy, 6, 8, -1)
        elif name == "last":
            bar(d, s, cx + 5.8, cy, 6)
            tri(d, s, cx + 5, cy, 6, 10, 1)
            tri(d, s, cx - 3, cy, 6, 8, 1)
        elif name == "minimise":
            d.rectangle([(cx - 6) * s, (cy + 3) * s, (cx + 6) * s,
                         (cy + 5.5) * s], fill=255)
        elif name == "hide":
            for off in (-4.5, 3.5):  # two chevrons pointing right
                x = cx + off
                d.line([((x - 3) * s, (cy - 5) * s), ((x + 2) * s, cy * s),
                        ((x - 3) * s, (cy + 5) * s)], fill=255,
                       width=int(2.2 * s), joint="curve")
        elif name == "power":
            r = 6.0
            d.arc([(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s],
                  start=-55, end=235, fill=255, width=int(2.0 * s))
            d.rectangle([(cx - 1.1) * s, (cy - r - 1.5) * s, (cx + 1.1) * s,
                         (cy - 0.5) * s], fill=255)
    return ss_mask(w, h, draw)


# ---------------------------------------------------------------- keys
def key_face(size, label, state, seed):
    """A brushed-metal key cap in its recess.  state: 0 normal, 1 over
    (brighter, backlit rim), 2 pressed (darker, concave, label moved 1 px)."""
    w, h = size
    img = Image.new("RGB", size, WELL)
    if state == 1:
        ImageDraw.Draw(img).rectangle([0, 0, w - 1, h - 1], outline=GLOW_RING)
    radius = 3.5 if min(w, h) > 20 else 3
    cap = ss_mask(w, h, lambda d, s: d.rounded_rectangle(
        [1 * s, 1 * s, (w - 1) * s - 1, (h - 1) * s - 1], radius=radius * s,
        fill=255))
    if state == 0:
        top, bot = METAL_TOP, METAL_BOT
    elif state == 1:
        top, bot = shade(METAL_TOP, 28), shade(METAL_BOT, 30)
    else:
        top, bot = shade(METAL_BOT, -42), shade(METAL_TOP, -52)
    face = brushed(vgrad(w, h, top, bot), seed, 9, streak=7)
    if state == 2:
        bevel(face, cap, (52, 54, 58), (200, 204, 208), width=2)
    else:
        bevel(face, cap, (250, 251, 252), (78, 82, 88), width=2,
              strength=0.9)
    img.paste(face, mask=cap)

    dx = dy = 1 if state == 2 else 0
    mask = label_mask(size, label)
    mask = shift(mask, dx, dy)
    ink = INK if state != 2 else (14, 15, 18)
    lip = INK_HI if state != 2 else (168, 172, 178)
    lip_mask = ImageChops.multiply(shift(mask, 0, 1), cap)
    img.paste(lip, mask=lip_mask)
    img.paste(ink, mask=mask)
    return img


def label_mask(size, label):
    w, h = size
    glyph = None
    if label.startswith("<"):
        glyph, label = label[1:].split(">", 1)
    cx, cy = w / 2.0, h / 2.0
    if not label:
        return glyph_mask(w, h, glyph, cx, cy)
    if len(label) == 1:  # answer letters
        f = font(18)
        return text_mask(size, label, f, cx, cy)
    if glyph is None:
        f = fit_font(label, w - 8, 11)
        return text_mask(size, label, f, cx, cy)
    if glyph == "power":  # symbol left of the word
        f = fit_font(label, w - 28, 11)
        tw = f.getlength(label)
        gx = (w - (tw + 17)) / 2.0 + 6
        m = glyph_mask(w, h, glyph, gx, cy + 0.5)
        return ImageChops.lighter(m, text_mask(size, label, f, gx + 11 + tw / 2.0, cy))
    # symbol above a small word
    f = fit_font(label, w - 8, 9, min_size=7)
    m = glyph_mask(w, h, glyph, cx, cy - 6)
    return ImageChops.lighter(m, text_mask(size, label, f, cx, cy + 9))


# ---------------------------------------------------------------- small parts
def display_face(w, h):
    """Phosphor glass: dark and plain, so that green text and its grey
    shadow both read; only a faint rim at the very edge."""
    img = vgrad(w, h, GLASS_TOP, GLASS_BOT)
    d = ImageDraw.Draw(img)
    d.line([(0, h - 1), (0, 0), (w - 1, 0)], fill=(2, 7, 5))
    d.line([(1, h - 1), (w - 1, h - 1), (w - 1, 1)], fill=(22, 38, 30))
    return img


def about_text_face(w, h):
    img = display_face(w, h)
    # A dim mast with radiating arcs in the lower right, clear of the text.
    cx, cy = w - 70, h - 52

    def mast(d, s):
        d.polygon([(cx * s, (cy - 26) * s), ((cx - 12) * s, (cy + 34) * s),
                   ((cx + 12) * s, (cy + 34) * s)], fill=255)
        for r in (12, 22, 32):
            for a0, a1 in ((200, 250), (290, 340)):
                d.arc([(cx - r) * s, (cy - 26 - r) * s, (cx + r) * s,
                       (cy - 26 + r) * s], start=a0, end=a1, fill=255,
                      width=int(2 * s))
    inner = ss_mask(w, h, lambda d, s: d.polygon(
        [(cx * s, (cy - 18) * s), ((cx - 7) * s, (cy + 32) * s),
         ((cx + 7) * s, (cy + 32) * s)], fill=255))
    img.paste((16, 40, 29), mask=ss_mask(w, h, mast))
    img.paste(GLASS_BOT, mask=inner)
    return img


def lamp_face(size, lit):
    w, h = size
    img = Image.new("RGB", size, WELL)
    if lit:
        halo = Image.new("L", size, 0)
        ImageDraw.Draw(halo).rounded_rectangle([3, 3, w - 4, h - 4], radius=5,
                                               fill=255)
        halo = halo.filter(ImageFilter.GaussianBlur(3))
        img.paste((255, 130, 10), mask=scaled(halo, 0.85))
    bez = ss_mask(w, h, lambda d, s: d.rounded_rectangle(
        [2 * s, 2 * s, (w - 2) * s - 1, (h - 2) * s - 1], radius=6 * s, fill=255))
    img.paste(vgrad(w, h, (150, 155, 162), (58, 61, 66)), mask=bez)
    lens = ss_mask(w, h, lambda d, s: d.rounded_rectangle(
        [3.5 * s, 3.5 * s, (w - 3.5) * s, (h - 3.5) * s], radius=4.5 * s, fill=255))
    if lit:
        glass = vgrad(w, h, (255, 246, 196), (255, 150, 14))
        core = Image.new("L", size, 0)
        ImageDraw.Draw(core).ellipse([9, 6, w - 10, h - 7], fill=255)
        glass.paste((255, 255, 236), mask=scaled(core.filter(ImageFilter.GaussianBlur(2)), 0.8))
    else:
        glass = vgrad(w, h, (96, 60, 16), (40, 22, 5))
    img.paste(glass, mask=lens)
    glint = ss_mask(w, h, lambda d, s: d.rounded_rectangle(
        [7 * s, 5 * s, (w / 2.0) * s, 7 * s], radius=1 * s, fill=255))
    img.paste((255, 255, 255), mask=scaled(glint, 0.75 if lit else 0.35))
    return img


# ---------------------------------------------------------------- faces
def shaped_face(size, outline, seed):
    w, h = size
    img = chassis(w, h, seed)
    inside = polygon_mask(size, outline)
    img.paste(EDGE, mask=ImageChops.invert(inside))
    bevel(img, inside, LIP_HI, LIP_LO, width=2)
    return img, inside


def panel_face(lang):
    words = FACE_WORDS[lang]
    img, inside = shaped_face((160, 480), PANEL_OUTLINE, seed_of("panel"))
    d = ImageDraw.Draw(img)
    # Inlaid darker key bay down the middle of the panel.
    bay = ss_mask(160, 480, lambda dr, s: dr.rounded_rectangle(
        [42 * s, 60 * s, 140 * s, 418 * s], radius=5 * s, fill=255))
    img.paste(vgrad(160, 480, (40, 42, 47), (33, 35, 39)), mask=bay)
    bevel(img, bay, LIP_LO, (92, 97, 104), width=1)
    for x, y, w, h, _ in PANEL_KEYS:
        well(img, x, y, w, h, 2)
    # Speaker grille in the gap below the test key.
    well(img, 48, 98, 86, 24, 0)
    grille(img, 50, 99, 132, 121, pitch=5, r=1.3)
    # Tuning knob between the module keys and the new-test pair.
    knob(img, 91, 217, 27)
    nf = fit_font(words["new_test"], 66, 8)
    legend(img, words["new_test"], nf, 91, 257)
    half = int(nf.getlength(words["new_test"]) / 2) + 4
    d.line([(50, 257), (91 - half, 257)], fill=LEGEND)
    d.line([(91 + half, 257), (132, 257)], fill=LEGEND)
    # Maker's plate.
    legend(img, BRAND, font(15), 86, 437, tracking=2)
    legend(img, words["trainer"], fit_font(words["trainer"], 90, 8, bold=False),
           86, 452)
    d.line([(42, 426), (130, 426)], fill=LIP_LO)
    d.line([(42, 427), (130, 427)], fill=(84, 88, 95))
    for cx, cy in ((31, 52), (31, 430), (148, 26), (142, 455)):
        screw(img, cx, cy)
    # Seam beside the notch, where the module or the border tab meets it.
    d.line([(24, 60), (24, 418)], fill=LIP_LO)
    d.line([(25, 60), (25, 418)], fill=(80, 84, 91))
    img.paste(EDGE, mask=ImageChops.invert(inside))
    return img


def knob(img, cx, cy, r):
    w, h = img.size
    ring = ss_mask(w, h, lambda d, s: d.ellipse(
        [(cx - r - 4) * s, (cy - r - 4) * s, (cx + r + 4) * s, (cy + r + 4) * s],
        fill=255))
    img.paste(WELL, mask=ring)
    bevel(img, ring, WELL_SHADE, WELL_LIGHT, width=1)
    skirt = ss_mask(w, h, lambda d, s: d.ellipse(
        [(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s], fill=255))
    img.paste(vgrad(w, h, (112, 117, 124), (28, 30, 34)), mask=skirt)

    def knurl(d, s):
        for i in range(48):
            a = 2 * math.pi * i / 48
            x0, y0 = cx + (r - 4) * math.cos(a), cy + (r - 4) * math.sin(a)
            x1, y1 = cx + r * math.cos(a), cy + r * math.sin(a)
            d.line([(x0 * s, y0 * s), (x1 * s, y1 * s)], fill=255, width=s)
    img.paste((16, 17, 20), mask=scaled(ss_mask(w, h, knurl), 0.8))
    ri = r - 6
    cap = ss_mask(w, h, lambda d, s: d.ellipse(
        [(cx - ri) * s, (cy - ri) * s, (cx + ri) * s, (cy + ri) * s], fill=255))
    img.paste(brushed(vgrad(w, h, (176, 181, 187), (98, 102, 109)),
                      seed_of("knob"), 8, streak=4), mask=cap)
    bevel(img, cap, (232, 235, 238), (52, 55, 60), width=1)
    dimple = ss_mask(w, h, lambda d, s: d.ellipse(
        [(cx + 6) * s, (cy - 12) * s, (cx + 12) * s, (cy - 6) * s], fill=255))
    img.paste((70, 74, 80), mask=dimple)
    img.paste((200, 204, 209), mask=scaled(shift(dimple, 1, 1), 0.4))


def border_face(lang):
    img, inside = shaped_face((60, 480), BORDER_OUTLINE, seed_of("border"))
    x, y, w, h, _ = BORDER_KEY
    well(img, x, y, w, h, 2)
    # Carrying handle down the column.
    for by in (120, 422):
        block = Image.new("L", img.size, 0)
        ImageDraw.Draw(block).rounded_rectangle([9, by, 31, by + 18], radius=3,
                                                fill=255)
        img.paste((30, 32, 36), mask=block)
        bevel(img, block, (96, 101, 108), LIP_LO, width=1)
        screw(img, 20, by + 9, r=3)
    bar = ss_mask(60, 480, lambda d, s: d.rounded_rectangle(
        [13 * s, 140 * s, 27 * s, 420 * s], radius=4 * s, fill=255))
    img.paste(WELL_SHADE, mask=scaled(shift(bar, 2, 0), 0.7))
    metal = Image.new("RGB", (60, 480))
    col = Image.new("RGB", (14, 1))
    col.putdata([mix((110, 115, 122), (214, 218, 222), 1 - abs(i - 5) / 8.0)
                 for i in range(14)])
    metal.paste(col.resize((14, 480), Image.NEAREST), (13, 0))
    metal = brushed(metal, seed_of("handle"), 5, streak=1)
    img.paste(metal, mask=bar)
    for cy in (26, 456):
        screw(img, 20, cy)
    slots(img, 44, 380, 56, 420, 2)
    img.paste(EDGE, mask=ImageChops.invert(inside))
    return img


def module_base(seed):
    img = chassis(440, 400, seed)
    frame = Image.new("L", (440, 400), 255)
    bevel(img, frame, LIP_HI, LIP_LO, width=2)
    return img


def test_face(lang):
    words = FACE_WORDS[lang]
    img = module_base(seed_of("test"))
    for (x, y, w, h, _), cap in zip(TEST_DISPLAYS[:5], words["captions"]):
        legend(img, cap, fit_font(cap, w + 16, 9), x + w / 2.0, 11)
    for x, y, w, h, _ in TEST_DISPLAYS:
        well(img, x, y, w, h, 2 if h == 20 else 3)
    # One channel holds the select keys and their lamps.
    well(img, 6, 116, 36, 238, 3)
    for x, y, w, h, _ in TEST_KEYS[4:]:
        well(img, x, y, w, h, 2)
    slots(img, 210, 359, 258, 380, 6)
    return img


def about_face(lang):
    words = FACE_WORDS[lang]
    img = module_base(seed_of("about"))
    x, y, w, h, _ = ABOUT_DISPLAY
    legend(img, words["about"], font(11), 20 + font(11).getlength(words["about"]) / 2.0, 22)
    legend(img, BRAND, font(9), 420 - font(9).getlength(BRAND) / 2.0 - 6, 22, tracking=2)
    well(img, x, y, w, h, 3)
    slots(img, 24, 370, 416, 390, 28)
    return img


def log_face(lang):
    words = FACE_WORDS[lang]
    img = module_base(seed_of("log"))
    f = font(11)
    legend(img, words["log"], f, 20 + f.getlength(words["log"]) / 2.0, 19)
    # Screen: glass from just above the caption to just below the chart.
    gx0, gy0, gx1, gy1 = 18, 36, 422, 322
    well(img, gx0, gy0, gx1 - gx0, gy1 - gy0, 3)
    img.paste(vgrad(gx1 - gx0, gy1 - gy0, GLASS_TOP, GLASS_BOT), (gx0, gy0))
    d = ImageDraw.Draw(img)
    l, t, r, b = LOG_CHART
    for i in range(1, 10):  # every 10 %
        y = b - int(256 * i / 10.0)
        for x in range(l, r, 2):
            d.point((x, y), fill=GRATICULE)
    for i in range(1, 10):
        x = l + 4 + int(388 * i / 10.0)
        for y in range(t, b, 2):
            d.point((x, y), fill=GRATICULE)
    pass_y = b - int(256 * 0.6)
    for x in range(l, r, 6):
        d.line([(x, pass_y), (x + 2, pass_y)], fill=(112, 84, 22))
    pf = font(8, narrow=True)
    pw = pf.getlength(words["pass"] + " 60%")
    d.text((r - 3 - pw, pass_y - 2), words["pass"] + " 60%", font=pf,
           fill=(112, 84, 22), anchor="ls")
    d.rectangle([l - 1, t - 1, r, b], outline=(30, 78, 54))
    for x, y, w, h, _ in LOG_KEYS:
        well(img, x, y, w, h, 2)
    grille(img, 190, 356, 420, 384, pitch=6, r=1.5)
    return img


def options_face():
    """One picture for both languages: the only word is the same in both."""
    img = module_base(seed_of("options"))
    f = font(11)
    legend(img, "OPTIONS", f, 28 + f.getlength("OPTIONS") / 2.0, 22)
    x0, y0, x1, y1 = 20, 40, 420, 116
    well(img, x0, y0, x1 - x0, y1 - y0, 3)
    img.paste(vgrad(x1 - x0, y1 - y0, GLASS_TOP, GLASS_BOT), (x0, y0))
    # Loudspeaker behind a perforated plate.
    well(img, 40, 140, 360, 212, 3)
    plate = brushed(vgrad(360, 212, (96, 100, 107), (70, 74, 80)),
                    seed_of("grille"), 6)
    img.paste(plate, (40, 140))
    pm = Image.new("L", (440, 400), 0)
    pm.paste(255, (40, 140, 400, 352))
    bevel(img, pm, (150, 155, 162), (30, 32, 36), width=1)
    grille(img, 44, 144, 396, 348, pitch=8, r=2.4)
    legend(img, BRAND, font(9), 220, 377, tracking=3)
    for cx, cy in ((14, 14), (426, 14), (14, 386), (426, 386)):
        screw(img, cx, cy)
    return img


# ---------------------------------------------------------------- logo, icon
def logo_strip(lang):
    """The issuing authority's signature for printed forms: dark ink on
    white, the first line in the bitmap's language."""
    w, h = 215, 33
    img = Image.new("RGB", (w, h), (255, 255, 255))
    cx, cy = 16, 16

    def mark(d, s):
        d.ellipse([(cx - 14) * s, (cy - 14) * s, (cx + 14) * s, (cy + 14) * s],
                  fill=255)
    disc = ss_mask(w, h, mark)
    img.paste((34, 38, 44), mask=disc)

    def mast(d, s):
        d.polygon([(cx * s, (cy - 6) * s), ((cx - 5) * s, (cy + 11) * s),
                   ((cx + 5) * s, (cy + 11) * s)], fill=255)
        for r in (5, 9):
            for a0, a1 in ((195, 255), (285, 345)):
                d.arc([(cx - r) * s, (cy - 6 - r) * s, (cx + r) * s,
                       (cy - 6 + r) * s], start=a0, end=a1, fill=255,
                      width=int(1.6 * s))
    img.paste((0, 200, 104), mask=ss_mask(w, h, mast))
    d = ImageDraw.Draw(img)
    d.line([(36, 4), (36, 28)], fill=(150, 154, 160))
    first, second = (AUTHORITY["en"], AUTHORITY["fr"]) if lang == "en" else \
        (AUTHORITY["fr"], AUTHORITY["en"])
    f1 = fit_font(first, w - 44, 13)
    f2 = fit_font(second, w - 44, 12, bold=False)
    d.text((42, 14), first, font=f1, fill=(20, 22, 26), anchor="ls")
    d.text((42, 28), second, font=f2, fill=(70, 74, 80), anchor="ls")
    return img


def icon_image(n):
    """The transceiver in miniature: graphite body, phosphor window and an
    amber lamp; the smallest size keeps only the window."""
    u = n / 48.0
    body = ss_mask(n, n, lambda d, s: d.rounded_rectangle(
        [1 * u * s, 7 * u * s, (n - 1 * u) * s, (n - 7 * u) * s],
        radius=max(1.5, 5 * u) * s, fill=255))
    if n >= 24:
        face = vgrad(n, n, (112, 117, 124), (44, 47, 52))
    else:  # lighter, so that the tiny body stands out on a dark taskbar
        face = vgrad(n, n, (168, 173, 180), (96, 100, 107))
    rgb = Image.new("RGB", (n, n), (0, 0, 0))
    rgb.paste(face, mask=body)
    bevel(rgb, body, (200, 205, 212), (16, 17, 19), width=1)
    win = (4 * u, 12 * u, 32 * u, 28 * u) if n >= 24 else (2.5 * u, 11 * u, 45.5 * u, 29 * u)
    glass = ss_mask(n, n, lambda d, s: d.rectangle(
        [win[0] * s, win[1] * s, win[2] * s, win[3] * s], fill=255))
    rgb.paste((4, 22, 14), mask=glass)

    def trace(d, s):
        pts = []
        x0, x1 = win[0] + 1.5 * u, win[2] - 1.5 * u
        mid = (win[1] + win[3]) / 2.0
        amp = (win[3] - win[1]) * 0.3
        steps = 40
        for i in range(steps + 1):
            x = x0 + (x1 - x0) * i / steps
            pts.append((x * s, (mid - amp * math.sin(2 * math.pi * 1.5 * i / steps)) * s))
        # Round joints at the theme's large sizes, where the bare segment
        # ends of a thick trace show as teeth; icon 111 keeps its pixels.
        d.line(pts, fill=255, width=max(1, int(round(max(1.0, 2.2 * u) * s))),
               joint="curve" if n > 48 else None)
    rgb.paste(GREEN, mask=ss_mask(n, n, trace))
    if n >= 24:
        kx, ky, kr = 40 * u, 20 * u, 6 * u
        kn = ss_mask(n, n, lambda d, s: d.ellipse(
            [(kx - kr) * s, (ky - kr) * s, (kx + kr) * s, (ky + kr) * s], fill=255))
        rgb.paste(vgrad(n, n, (214, 218, 222), (96, 100, 106)), mask=kn)
        lx, ly, lr = 8 * u, 34.5 * u, 2.6 * u
        lamp = ss_mask(n, n, lambda d, s: d.ellipse(
            [(lx - lr) * s, (ly - lr) * s, (lx + lr) * s, (ly + lr) * s], fill=255))
        rgb.paste(AMBER, mask=lamp)
        for i in range(3):
            kx0 = 15 * u + i * 9 * u
            k = ss_mask(n, n, lambda d, s: d.rounded_rectangle(
                [kx0 * s, 32 * u * s, (kx0 + 7 * u) * s, 37 * u * s],
                radius=1 * u * s, fill=255))
            rgb.paste((188, 192, 198), mask=k)
    out = rgb.convert("RGBA")
    out.putalpha(body)
    return out


def write_ico(path, images):
    """Classic icon file: each entry a 32-bpp bottom-up DIB with its AND
    mask, the form every Windows version and the resource compiler accept."""
    entries = []
    for im in images:
        n = im.width
        px = im.load()
        xor = bytearray()
        for y in range(n - 1, -1, -1):
            for x in range(n):
                r, g, b, a = px[x, y]
                xor += bytes((b, g, r, a))
        stride = ((n + 31) // 32) * 4
        and_mask = bytearray()
        for y in range(n - 1, -1, -1):
            row = bytearray(stride)
            for x in range(n):
                if px[x, y][3] < 128:
                    row[x // 8] |= 0x80 >> (x % 8)
            and_mask += row
        header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0,
                             len(xor) + len(and_mask), 0, 0, 0, 0)
        entries.append((n, header + bytes(xor) + bytes(and_mask)))
    out = bytearray(struct.pack("<HHH", 0, 1, len(entries)))
    offset = 6 + 16 * len(entries)
    for n, blob in entries:
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32,
                           len(blob), offset)
        offset += len(blob)
    for _, blob in entries:
        out += blob
    with open(path, "wb") as f:
        f.write(out)


# ---------------------------------------------------------------- catalogue
def build_bitmaps():
    """Every bitmap the program loads, as {number: image}."""
    bmps = {}

    def both(number, make):
        bmps[number] = make("en")
        bmps[number + 1] = make("fr")

    for number, (size, en, fr) in KEYS.items():
        seed = seed_of("key", number)
        for state in range(3):
            n = number + 2 * state
            bmps[n] = key_face(size, en, state, seed)
            bmps[n + 1] = key_face(size, fr, state, seed)
    for off in LAMPS:
        both(off, lambda lang: lamp_face((36, 18), False))
        both(off + 2, lambda lang: lamp_face((36, 18), True))
    for number, (w, h) in DISPLAYS.items():
        both(number, lambda lang, w=w, h=h: display_face(w, h))
    both(ABOUT_TEXT_FACE, lambda lang: about_text_face(400, 320))
    both(291, panel_face)
    both(305, border_face)
    both(295, test_face)
    both(265, about_face)
    both(267, log_face)
    bmps[269] = options_face()
    both(505, logo_strip)
    return bmps


def save_bmp(img, path):
    img.convert("RGB").save(path, "BMP")


# The desktop's icon theme sizes (hicolor), drawn from the same art as icon 111.
HICOLOR_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def write_hicolor(png_dir):
    os.makedirs(png_dir, exist_ok=True)
    for n in HICOLOR_SIZES:
        icon_image(n).save(os.path.join(png_dir, "korvane-%d.png" % n), "PNG")


def generate(out_dir, ico_path, png_dir):
    os.makedirs(out_dir, exist_ok=True)
    bmps = build_bitmaps()
    for number in sorted(bmps):
        save_bmp(bmps[number], os.path.join(out_dir, "%d.bmp" % number))
    os.makedirs(os.path.dirname(ico_path), exist_ok=True)
    write_ico(ico_path, [icon_image(n) for n in (16, 32, 48)])
    write_hicolor(png_dir)
    return bmps


# ---------------------------------------------------------------- contact sheet
DESKTOP = (74, 96, 118)
SAMPLE = {
    "en": {229: "Exam", 225: "Basic", 227: "12 : 4-06-05", 231: "7/11:60",
           223: "Good",
           221: "What is the wavelength of a signal at 14.2 MHz, to the "
                "nearest metre?",
           233: "21 metres", 235: "2.1 metres", 237: "211 metres",
           239: "0.21 metres",
           "about": "Korvane\n\n(c) 2000 Velmoria Radio Authority\nAll rights "
                    "reserved.\n\nwww.radio.velmoria.example\n"
                    "radio@velmoria.example\n\nDesign and programming:\n"
                    "A. Navarre, B. Okafor",
           "checks": ["Show correct answer before selection", "Play sound",
                      "Show labels in log"],
           "entries": "Entries"},
    "fr": {229: "Examen", 225: "de Base", 227: "12 : 4-06-05", 231: "7/11:60",
           223: "Néant",
           221: "Quelle est la longueur d'onde d'un signal à 14,2 MHz, au "
                "mètre près?",
           233: "21 mètres", 235: "2,1 mètres", 237: "211 mètres",
           239: "0,21 mètre",
           "about": "Korvane\n\n(c) 2000 Autorité radio de Velmoria\nTous "
                    "droits réservés.\n\nwww.radio.velmoria.example/fr\n"
                    "radio-fr@velmoria.example\n\nConception et programmation:\n"
                    "A. Navarre, B. Okafor",
           "checks": ["Montrer la réponse correcte avant la sélection",
                      "Jouer les sons", "Montrer les étiquettes dans le journal"],
           "entries": "Entrées"},
}
SAMPLE_SCORES = [(64, 100), (71, 100), (38, 50), (58, 100), (44, 50),
                 (83, 100), (100, 100)]


def label_font():
    # Stands in for the program's bold label font (Arial, 12 units high).
    return font(11)


def wrap(text, f, width):
    lines = []
    for para in text.split("\n"):
        line = ""
        for word in para.split(" "):
            trial = word if not line else line + " " + word
            if f.getlength(trial) <= width or not line:
                line = trial
            else:
                lines.append(line)
                line = word
        lines.append(line)
    return lines


def shadow_text(img, rect, text, single=False):
    """The program's shadowed text: grey at (+2, +2), then green."""
    f = label_font()
    d = ImageDraw.Draw(img)
    l, t, r, b = rect
    lines = [text] if single else wrap(text, f, r - l)
    y = t if not single else (t + b) // 2 - 7
    for line in lines:
        if y > b:
            break
        d.text((l + 2, y + 2), line, font=f, fill=TEXT_SHADOW)
        d.text((l, y), line, font=f, fill=GREEN)
        y += 12


def put_display(img, bmps, lang, x, y, w, h, number, corner, text):
    img.paste(bmps[number + (1 if lang == "fr" else 0)], (x, y))
    c = corner // 2
    rect = (x + c, y + c - 4, x + w - c, y + h - c + 4)
    shadow_text(img, rect, text)


def put_key(img, bmps, lang, x, y, number, state=0):
    img.paste(bmps[number + 2 * state + (1 if lang == "fr" else 0)], (x, y))


def module_mock(bmps, lang, which):
    s = SAMPLE[lang]
    fr = 1 if lang == "fr" else 0
    if which == "test":
        img = bmps[295 + fr].copy()
        for x, y, w, h, n in TEST_DISPLAYS:
            put_display(img, bmps, lang, x, y, w, h, n, 8, s[n])
        for x, y, w, h, n in TEST_KEYS:
            put_key(img, bmps, lang, x, y, n)
        for i, (x, y, w, h, off, lit) in enumerate(TEST_LAMPS):
            img.paste(bmps[(lit if i == 0 else off) + fr], (x, y))
    elif which == "log":
        img = bmps[267 + fr].copy()
        for x, y, w, h, n in LOG_KEYS:
            put_key(img, bmps, lang, x, y, n)
        shadow_text(img, LOG_CAPTION, "%s : %d" % (s["entries"], len(SAMPLE_SCORES)))
        chart_mock(img)
    elif which == "options":
        img = bmps[269].copy()
        for (x, y, w, h), text, on in zip(OPTION_CHECKS, s["checks"], (0, 1, 1)):
            check_mock(img, x, y, w, h, text, on)
    else:
        img = bmps[265 + fr].copy()
        x, y, w, h, n = ABOUT_DISPLAY
        put_display(img, bmps, lang, x, y, w, h, n, 20, s["about"])
    return img


def chart_mock(img):
    d = ImageDraw.Draw(img)
    l, t, r, b = LOG_CHART
    n = len(SAMPLE_SCORES)
    step = (r - l - 8) // (n - 1)
    pts = [(l + 4 + i * step, b - int(sc / float(tot) * (b - t)))
           for i, (sc, tot) in enumerate(SAMPLE_SCORES)]

    def two_pen(p, q):
        d.line([(p[0] + 1, p[1] + 1), (q[0] + 1, q[1] + 1)], fill=TEXT_SHADOW)
        d.line([p, q], fill=GREEN)
    for p, q in zip(pts, pts[1:]):
        two_pen(p, q)
    f = label_font()
    for (x, y), (sc, tot) in zip(pts, SAMPLE_SCORES):
        two_pen((x, t), (x, t + 4))
        two_pen((x, b), (x, b - 4))
        d.rectangle([x - 2, y - 2, x + 4, y + 4], outline=TEXT_SHADOW)
        d.rectangle([x - 3, y - 3, x + 3, y + 3], outline=(255, 255, 0))
        text = "%d%%" % (sc * 100 // tot)
        tw = int(f.getlength(text))
        lx = min(max(x - tw // 2, l), r - tw)
        ly = max(y - 20, t)
        d.text((lx + 2, ly + 2), text, font=f, fill=TEXT_SHADOW)
        d.text((lx, ly), text, font=f, fill=GREEN)


def check_mock(img, x, y, w, h, text, on):
    d = ImageDraw.Draw(img)

    def rect(l, t, r, b, pen, brush):  # GDI Rectangle: right and bottom exclusive
        d.rectangle([x + l, y + t, x + r - 1, y + b - 1], outline=pen, fill=brush)
    rect(4, 4, h, h, TEXT_SHADOW, None)
    rect(2, 2, h - 2, h - 2, GREEN, None)
    rect(7, 7, h - 5, h - 5, TEXT_SHADOW, TEXT_SHADOW)
    c = GREEN if on else TEXT_SHADOW
    rect(6, 6, h - 6, h - 6, c, c)
    shadow_text(img, (x + h + 4, y + 2, x + w - 2, y + h - 2), text, single=True)


def compose(bmps, lang, module):
    """The whole composition as it stands on a desktop: border, the module
    (if any) and the panel, each clipped to its window shape."""
    fr = 1 if lang == "fr" else 0
    img = Image.new("RGB", (640, 480), DESKTOP)
    border = bmps[305 + fr].copy()
    x, y, w, h, n = BORDER_KEY
    put_key(border, bmps, lang, x, y, n)
    bx = 0 if module else 440
    img.paste(border, (bx, 0), polygon_mask((60, 480), BORDER_OUTLINE))
    if module:
        img.paste(module_mock(bmps, lang, module), (60, 40))
    panel = bmps[291 + fr].copy()
    for x, y, w, h, n in PANEL_KEYS:
        put_key(panel, bmps, lang, x, y, n)
    img.paste(panel, (480, 0), polygon_mask((160, 480), PANEL_OUTLINE))
    return img


def write_sheet(path, bmps):
    W = 1360
    pad = 14
    items = []  # (section title, [(image, caption)])

    def zoom(im, k):
        return im.resize((im.width * k, im.height * k), Image.NEAREST)

    items.append(("Composition (actual size): test module, English and French", [
        (compose(bmps, "en", "test"), "English: 291 + 305 + 295"),
        (compose(bmps, "fr", "test"), "French: 292 + 306 + 296")]))
    items.append(("Composition: log, about, options, no module", [
        (compose(bmps, "en", "log"), "English: log module 267"),
        (compose(bmps, "fr", "about"), "French: about module 266 + 102"),
        (compose(bmps, "fr", "options"), "French: options module 269"),
        (compose(bmps, "en", None), "English: no module, border tab in the notch")]))
    faces = []
    for n, name in ((291, "panel"), (305, "border"), (295, "test"), (265, "about"),
                    (267, "log")):
        faces.append((bmps[n], "%d %s EN" % (n, name)))
        faces.append((bmps[n + 1], "%d %s FR" % (n + 1, name)))
    faces.append((bmps[269], "269 options (both)"))
    faces.append((bmps[101], "101 about text EN"))
    faces.append((bmps[102], "102 about text FR"))
    items.append(("Faces", faces))
    order = [133, 259, 121, 307, 313, 299, 109, 253, 127, 115, 103,
             139, 145, 151, 157, 169, 209, 203, 175, 273, 285, 241, 247]
    for group in (order[:8], order[8:11], order[11:19], order[19:]):
        keys = []
        for n in group:
            k = 2
            for lang_off in (0, 1):
                for state in range(3):
                    m = n + 2 * state + lang_off
                    keys.append((zoom(bmps[m], k), "%d %s%s" % (
                        m, ("normal", "over", "pressed")[state],
                        " FR" if lang_off else "")))
        items.append(("Keys (2x): normal / over / pressed, English then French", keys))
    lamps = []
    for n in LAMPS:
        for m in (n, n + 1, n + 2, n + 3):
            lamps.append((zoom(bmps[m], 3), "%d %s%s" % (
                m, "lit" if m - n >= 2 else "off", " FR" if (m - n) % 2 else "")))
    items.append(("Lamps (3x): off, off FR, lit, lit FR", lamps))
    disp = []
    for n in sorted(DISPLAYS):
        disp.append((bmps[n], "%d" % n))
        disp.append((bmps[n + 1], "%d FR" % (n + 1)))
    items.append(("Displays", disp))
    def on_bg(im):
        bg = Image.new("RGB", im.size, (36, 38, 42))
        bg.paste(im, mask=im.getchannel("A"))
        return bg
    icons = [(on_bg(zoom(icon_image(n), 4)), "icon %dpx (4x)" % n)
             for n in (16, 32, 48)]
    icons += [(on_bg(icon_image(n)), "%dpx" % n) for n in (16, 32, 48)]
    items.append(("Logo strips (2x) and icon 111", [
        (zoom(bmps[505], 2), "505 EN"), (zoom(bmps[506], 2), "506 FR")] + icons))

    cap_f = font(12, bold=False)
    title_f = font(15)
    placed = []
    y = pad
    for title, entries in items:
        placed.append(("title", title, pad, y))
        y += 24
        x, row_h = pad, 0
        for im, caption in entries:
            span = max(im.width, int(cap_f.getlength(caption)))
            if x + span > W - pad and x > pad:
                x, y = pad, y + row_h + 22
                row_h = 0
            placed.append(("img", (im, caption), x, y))
            x += max(im.width, int(cap_f.getlength(caption))) + pad
            row_h = max(row_h, im.height)
        y += row_h + 22 + pad
    sheet = Image.new("RGB", (W, y), (36, 38, 42))
    d = ImageDraw.Draw(sheet)
    for kind, what, x, yy in placed:
        if kind == "title":
            d.text((x, yy), what, font=title_f, fill=(255, 255, 255))
        else:
            im, caption = what
            sheet.paste(im, (x, yy))
            d.text((x, yy + im.height + 3), caption, font=cap_f, fill=(220, 224, 228))
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    sheet.save(path, "PNG", optimize=False)


def main(argv):
    args = list(argv[1:])
    sheet = None
    if "--sheet" in args:
        i = args.index("--sheet")
        sheet = args[i + 1]
        del args[i:i + 2]
    if args:
        out_dir = args[0]
        ico = os.path.join(out_dir, "korvane.ico")
        png_dir = out_dir
    else:
        out_dir = os.path.join(ROOT, "resources", "bitmaps")
        ico = os.path.join(ROOT, "resources", "icon", "korvane.ico")
        png_dir = os.path.join(ROOT, "packaging", "icons")
        sheet = sheet or os.path.join(ROOT, "docs", "skin_contact_sheet.png")
    bmps = generate(out_dir, ico, png_dir)
    if sheet:
        write_sheet(sheet, bmps)
    print("%d bitmaps in %s" % (len(bmps), out_dir))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
