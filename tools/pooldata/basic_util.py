"""Helpers of the Basic tables: the compact block notation and exact
number formatting for computed questions."""

from decimal import Decimal, ROUND_HALF_UP, localcontext
from fractions import Fraction

# More digits than any answer ever shows, so rounding happens once, at print.
PI = Decimal("3.14159265358979323846264338327950288419716939937510")


def q(en, fr):
    return {"en": tuple(en), "fr": tuple(fr)}


def parse(text):
    """Questions from groups of ten lines separated by a blank line:
    English question, correct answer, three wrong answers, then the same
    five lines in French."""
    out = []
    for chunk in text.strip("\n").split("\n\n"):
        lines = [ln.strip() for ln in chunk.strip("\n").split("\n")]
        if len(lines) != 10 or not all(lines):
            raise ValueError("block of %d lines: %r" % (len(lines), chunk[:120]))
        out.append(q(lines[:5], lines[5:]))
    return out


def dec(x):
    """Decimal from an int, str, Fraction or Decimal, without float noise."""
    if isinstance(x, Decimal):
        return x
    if isinstance(x, Fraction):
        with localcontext() as ctx:
            ctx.prec = 40
            return Decimal(x.numerator) / Decimal(x.denominator)
    if isinstance(x, float):
        raise TypeError("use str, int, Fraction or Decimal, not float")
    return Decimal(x)


def sqrt(x):
    with localcontext() as ctx:
        ctx.prec = 40
        return dec(x).sqrt()


def log10(x):
    with localcontext() as ctx:
        ctx.prec = 40
        return dec(x).log10()


def rnd(x, sig=3):
    """x rounded half up to `sig` significant figures (a Decimal)."""
    d = dec(x)
    if d == 0:
        return Decimal(0)
    exp = d.adjusted() - sig + 1
    r = d.quantize(Decimal(1).scaleb(exp), rounding=ROUND_HALF_UP)
    if r.adjusted() > d.adjusted():       # 9.995 -> 10.0: one digit too many
        r = r.quantize(Decimal(1).scaleb(exp + 1), rounding=ROUND_HALF_UP)
    return r


def group(intpart, lang):
    """Thousands grouping from five digits on: 14,347 / 14 347."""
    if len(intpart) <= 4:
        return intpart
    parts = []
    while len(intpart) > 3:
        parts.insert(0, intpart[-3:])
        intpart = intpart[:-3]
    parts.insert(0, intpart)
    return ("," if lang == "en" else " ").join(parts)


def num(x, lang, sig=3):
    """Rounded number as a candidate reads it: no exponent, no useless
    zeros, decimal comma in French."""
    r = rnd(x, sig)
    s = format(r.normalize() if r != 0 else Decimal(0), "f")
    neg = s.startswith("-")
    s = s.lstrip("-")
    ip, _, fp = s.partition(".")
    s = group(ip, lang) + (("." if lang == "en" else ",") + fp if fp else "")
    return ("-" if neg else "") + s


def exact(x, lang, places=6):
    """A value shown in full (no significant-figure rounding), trimmed."""
    d = dec(x).quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP)
    return num(d, lang, sig=max(1, d.adjusted() + 1 + places))


_PREFIX = [(12, "T"), (9, "G"), (6, "M"), (3, "k"), (0, ""), (-3, "m"),
           (-6, "\u00b5"), (-9, "n"), (-12, "p")]
_OHM_WORD = {6: "megohm", 3: "kilohm", 0: "ohm"}
_OHM_WORD_FR = {6: "m\u00e9gohm", 3: "kilohm", 0: "ohm"}


def _scale(x, sig, allowed):
    d = rnd(x, sig)
    if d == 0:
        return Decimal(0), 0
    for p in allowed:
        m = d.scaleb(-p)
        if abs(m) >= 1:
            return m, p
    p = allowed[-1]
    return d.scaleb(-p), p


def si(x, unit, lang, sig=3, top=12):
    """Value with an engineering prefix: '4.7 kilohms', '150 pF', '2,5 mA'.
    top is the largest prefix exponent allowed (0: '1000 s', not '1 ks')."""
    if unit == "ohm":
        m, p = _scale(x, sig, [6, 3, 0])
        word = (_OHM_WORD if lang == "en" else _OHM_WORD_FR)[p]
        # English plural unless exactly one; French from two on.
        if (m != 1) if lang == "en" else (abs(m) >= 2):
            word += "s"
        return "%s %s" % (num(m, lang, sig), word)
    m, p = _scale(x, sig, [e for e, _ in _PREFIX if e <= top])
    return "%s %s%s" % (num(m, lang, sig), dict(_PREFIX)[p], unit)


def plain(x, unit, lang, sig=3):
    """Value without prefix scaling: '21.15 MHz' stays in MHz."""
    return "%s %s" % (num(x, lang, sig), unit) if unit else num(x, lang, sig)


def calc(en_q, fr_q, values, fmt):
    """A computed question: values holds the correct value first, then
    candidates for the wrong answers (typical slips).  The first three
    candidates that print differently from the correct answer and from each
    other become the distractors."""
    chosen = []
    seen = set()
    for v in values:
        key = (fmt(v, "en"), fmt(v, "fr"))
        if key[0] in seen or key[1] in {c[1] for c in chosen}:
            continue
        seen.add(key[0])
        chosen.append(key)
        if len(chosen) == 4:
            break
    if len(chosen) != 4:
        raise ValueError("not enough distinct answers for %r" % en_q)
    return q([en_q] + [c[0] for c in chosen], [fr_q] + [c[1] for c in chosen])


def unit(u, sig=3, u_fr=None):
    """Formatter of an answer value in unit u with prefix scaling."""
    return lambda v, lang: si(v, u if lang == "en" or u_fr is None else u_fr, lang, sig)


def fixed(u_en, u_fr=None, sig=3):
    """Formatter of an answer value in a fixed unit."""
    return lambda v, lang: plain(v, u_en if lang == "en" or u_fr is None else u_fr, lang, sig)
