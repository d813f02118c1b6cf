"""Helpers for the Advanced pool data: block parsing and computed questions.

Computed questions derive every answer from one formula, so the correct value
is exact and the distractors are the results of typical slips (a forgotten
2*pi, a decade error, the wrong formula), never random numbers.
"""

import math

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


def num(x, lang, sig=3):
    """Round to `sig` significant figures, drop useless zeros, French comma."""
    if x == 0:
        s = "0"
    else:
        digits = sig - 1 - int(math.floor(math.log10(abs(x))))
        v = round(x, digits)
        if digits > 0:
            s = ("%." + str(digits) + "f") % v
            s = s.rstrip("0").rstrip(".")
        else:
            s = "%d" % int(round(v))
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


def calc(en_q, fr_q, values, fmt):
    """values: correct first, then three wrong values; fmt(value, lang)."""
    en = [fmt(v, "en") for v in values]
    fr = [fmt(v, "fr") for v in values]
    if len(set(en)) != 4 or len(set(fr)) != 4:
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
