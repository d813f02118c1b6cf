"""Helpers for the Advanced pool data: block parsing and computed questions.

Computed questions derive every answer from one formula, so the correct value
is exact and the distractors are the results of typical slips (a forgotten
2*pi, a decade error, the wrong formula), never random numbers.  calc()
chooses which three slips a question shows, so that the keys of each file
sit at every value rank equally often (see basic_calc.draw).
"""

import math
import re
from decimal import ROUND_HALF_EVEN, ROUND_HALF_UP, Decimal

from basic_calc import draw

TWO_PI = 2.0 * math.pi

_PREFIXES = [(1e9, "G"), (1e6, "M"), (1e3, "k"), (1.0, ""),
             (1e-3, "m"), (1e-6, "\u00b5"), (1e-9, "n"), (1e-12, "p")]


def q(en, fr):
    return {"en": tuple(en), "fr": tuple(fr)}


def parse(text):
    """Turn blocks of ten lines (English question and four answers, then
    French question and four answers, correct answer first) into questions.
    Blocks are separated by blank lines."""
    out = []
    for block in text.strip("\n").split("\n\n"):
        lines = [ln.strip() for ln in block.strip("\n").split("\n")]
        if len(lines) != 10 or not all(lines):
            raise ValueError("bad block: %r" % block[:80])
        out.append(q(lines[0:5], lines[5:10]))
    return out


def _rounded(x, digits):
    """x rounded half away from zero to `digits` decimal places.  The float
    is first cut to 12 significant figures, so that 100 * (1 + 0.7**2 / 2),
    held as 124.49999999999999, rounds as the 124.5 it stands for."""
    d = Decimal(repr(float(x)))
    if d:
        d = d.quantize(Decimal(1).scaleb(d.adjusted() - 11), rounding=ROUND_HALF_EVEN)
    return d.quantize(Decimal(1).scaleb(-digits), rounding=ROUND_HALF_UP)


def num(x, lang, sig=3):
    """Round to `sig` significant figures, drop useless zeros, French comma."""
    if x == 0:
        s = "0"
    else:
        digits = sig - 1 - int(math.floor(math.log10(abs(x))))
        v = _rounded(x, digits)
        if digits > 0:
            s = format(v, "f")
            s = s.rstrip("0").rstrip(".") if "." in s else s
        else:
            s = "%d" % int(v)
    if lang == "fr":
        s = s.replace(".", ",")
        # Thousands grouped with a space, as a French text would print them.
        neg = s.startswith("-")
        body = s[1:] if neg else s
        ip, _, fp = body.partition(",")
        if len(ip) > 4:
            groups = []
            while len(ip) > 3:
                groups.insert(0, ip[-3:])
                ip = ip[:-3]
            groups.insert(0, ip)
            ip = " ".join(groups)
        body = ip + ("," + fp if fp else "")
        s = ("-" if neg else "") + body
    else:
        ip, dot, fp = s.partition(".")
        neg = ip.startswith("-")
        ip = ip.lstrip("-")
        if len(ip) > 4:
            ip = "{:,}".format(int(ip))
        s = ("-" if neg else "") + ip + dot + fp
    return s


def si(x, unit, lang, sig=6):
    """Value with an engineering prefix: 0.00159 s -> '1.59 ms'."""
    if unit == "ohms":
        return ohms(x, lang, sig)
    ax = abs(x)
    for mult, pre in _PREFIXES:
        if unit == "F" and mult == 1e-3:
            continue  # capacitors are marked in microfarads, never millifarads
        if ax >= mult * 0.9995 or mult == 1e-12:
            m = x / mult
            if abs(float(num(m, "en", sig).replace(",", ""))) >= 1000 and mult < 1e9 \
                    and not (unit == "F" and mult == 1e-6):
                continue
            return "%s %s%s" % (num(m, lang, sig), pre, unit)
    raise ValueError(x)


def ohms(x, lang, sig=6):
    if abs(x) >= 999.5e3:
        v, unit = x / 1e6, "megohm" if lang == "en" else "m\u00e9gohm"
    elif abs(x) >= 9995:
        v, unit = x / 1e3, "kilohm"
    else:
        v, unit = x, "ohm"
    n = num(v, lang, sig)
    # English puts the plural on every value but one; French only from two on.
    singular = abs(v) < 2 if lang == "fr" else n == "1"
    return "%s %s" % (n, unit if singular else unit + "s")


# A prefix slip, or a misplaced decimal point, is a likely mistake when the
# working converts between prefixes: the stem and the answer hold a prefixed
# quantity ("4.7 kilohms", "100 pF", "50.1 \u00b5V") beside one with another
# prefix or none.  A bare ratio (a Q, a gain) can have its point misplaced.
_QUANTITY = re.compile(r"\d[\s-]?(kilohm|megohm|ohm|[kMGmunp\u00b5]?(?:Hz|H|F|V|A|W|s|S)\b)")
_BARE = re.compile(r"^-?[\d.,]+$")


def _converts(stem):
    prefixes = set()
    for m in _QUANTITY.finditer(stem):
        u = m.group(1)
        prefixes.add({"kilohm": "k", "megohm": "M", "ohm": ""}.get(u, u[0] if len(u) > 1 and u not in ("Hz",) else ""))
    return len(prefixes) > 1


def _scales(fmt):
    """True when fmt picks a prefix by size: 1 and a million print alike."""
    try:
        a, b = fmt(1.0, "en"), fmt(1e6, "en")
    except (TypeError, ValueError):
        return False
    return a.split(" ")[0] == b.split(" ")[0] and a != b


def _bare(fmt):
    try:
        return bool(_BARE.match(fmt(1.5, "en")))
    except (TypeError, ValueError):
        return False


def calc(en_q, fr_q, values, fmt, keep=False, compound=False):
    """values: correct first, then wrong values, typical slips in the order
    they are to be preferred; fmt(value, lang).  Three of the wrong values
    are shown: the first three when keep is set, otherwise three that put
    the key at a value rank this file's keys have used little and leave no
    value the others are multiples of; the first three whenever they do.
    Besides the caller's slips, draw() may take a listed decade slip the
    other way round, and a prefix or decimal-point slip of the key where
    the working converts prefixes.  compound adds, as a last resort, each
    listed slip made with a decimal point or a prefix wrong as well: where
    every single slip lands on a simple multiple of the key (a forgotten
    2*pi, a halving, a decade), two slips at once do not."""
    if not keep and all(isinstance(v, (int, float)) for v in values):
        c = values[0]
        slips = [(w, 0) for w in values[1:4]] + [(w, 1) for w in values[4:]]
        if not isinstance(c, int):            # counts and conversions: no point to slip
            # A decade slip the caller lists is as likely the other way.
            for w in values[1:]:
                if c and w and w / c > 0 and any(abs(math.log10(w / c) - e) < 1e-9 for e in (-3, -2, -1, 1, 2, 3)):
                    slips.append((c * c / w, 1))
            if _scales(fmt) and _converts("%s %s" % (en_q, fmt(c, "en"))):
                slips += [(c * 1000, 2), (c / 1000, 2), (c * 10, 2), (c / 10, 2)]
            elif _bare(fmt):
                slips += [(c * 10, 2), (c / 10, 2)]
        if compound:
            slips += [(w * m, 3) for w in values[1:] if w and w != c
                      for m in (10.0, 0.1, 1000.0, 0.001)]
        values = draw(c, slips, fmt, en_q, sep=0.03, keep=values[1:4], slack=1)
    en = [fmt(v, "en") for v in values[:4]]
    fr = [fmt(v, "fr") for v in values[:4]]
    if len(values) < 4 or len(set(en)) != 4 or len(set(fr)) != 4:
        raise ValueError("computed answers collide: %r" % (en,))
    return q([en_q] + en, [fr_q] + fr)


def unit_fmt(unit, sig=3):
    return lambda v, lang: si(v, unit, lang, sig)


def plain_fmt(unit_en, unit_fr=None, sig=3):
    unit_fr = unit_en if unit_fr is None else unit_fr
    def f(v, lang):
        u = unit_en if lang == "en" else unit_fr
        return "%s%s" % (num(v, lang, sig), u)
    return f


def ohm_adj(x, lang):
    """A resistance used as an adjective: 'a 4.7-kilohm resistor' in English;
    French keeps 'une r\u00e9sistance de 4,7 kilohms'."""
    s = ohms(x, lang)
    if lang == "en":
        n, unit = s.split(" ")
        return "%s-%s" % (n, unit[:-1] if unit.endswith("s") else unit)
    return s
