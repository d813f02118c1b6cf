"""Computed question families of the Basic pool.

Each family takes a list of value sets and returns one question per set,
rotating among a few wordings.  Answers are computed exactly (Fraction or
Decimal) and rounded once when printed.  Every family lists more wrong
answers than a question shows, each the result of a typical slip (a
forgotten square or 2 pi, a wrong prefix, the reciprocal, the series
formula for parallel, peak for RMS...), and draw() keeps three of them.
"""

import itertools
import math
import re
import sys
import zlib
from decimal import ROUND_HALF_UP
from fractions import Fraction as F

from basic_util import PI, calc, dec, fixed, log10, num, si, sqrt, unit

OHM = unit("ohm")
A = unit("A")
V = unit("V")
W = unit("W")
HZ = unit("Hz")
S = lambda v, lang: si(v, "s", lang, 3, top=0)


def _v(x, u, lang, sig=3):
    return si(x, u, lang, sig)


def _pick(i, wordings):
    return wordings[i % len(wordings)]


def family(values, make):
    return [make(i, *v) if isinstance(v, tuple) else make(i, v) for i, v in enumerate(values)]


# --- Choosing the wrong answers ----------------------------------------------
#
# Shown only its four values, a guessing candidate bets on the second
# smallest, or on the value the other three are simple multiples of.  So the
# key must sit at each value rank (1 smallest .. 4 largest) equally often,
# and never be the one value the others are built around.  draw() picks,
# among a family's slips, the cheapest three that put the key at the rank
# the calling pool file has used least so far: each file's computed
# questions share the ranks evenly, whatever order the files load in.

# Ratios a candidate recognises at a glance (within 2 %).
_SIMPLE = (2, 4, 8, 10, 100, 1000, 10 ** 6, math.sqrt(2), 2 * math.sqrt(2), math.pi, 2 * math.pi)
_HOME = ("basic_calc", "advanced_calc", "basic_util")
_RANKS = {}                                     # pool module -> keys at each rank
_KINDS = {}                                     # (module, stem pattern) -> the same
RELAXED = []                                    # (level, stem) of questions drawn with tests waived
LN2 = dec(2).ln()                               # a charge to half the supply takes RC ln 2
_NUMBER = re.compile(r"^[^\d]*?-?[\d][\d ,.]*\s*(.*)$")


def _caller():
    """Name of the pool module whose table is being built."""
    f = sys._getframe(1)
    while f is not None and f.f_globals.get("__name__") in _HOME:
        f = f.f_back
    return f.f_globals.get("__name__", "") if f is not None else ""


def _simple(a, b):
    if a == 0 or b == 0 or (a < 0) != (b < 0):
        return False
    r = a / b if abs(a) >= abs(b) else b / a
    return any(abs(r / s - 1) <= 0.02 for s in _SIMPLE)


def _far(k, x):
    """Extra cost of a slip by how far off it lands: an answer a thousand
    times too big is a real slip, but a candidate with some sense of size
    rules it out, so it serves only when nothing nearer fits."""
    if k == 0 or x == 0 or (k < 0) != (x < 0):
        return 0
    return max(0.0, abs(math.log10(x / k)) - 1.6) * 1.5


def _unit_word(text):
    m = _NUMBER.match(text)
    return m.group(1).rstrip("s") if m else text


def _odd_one(features):
    """Index of the one feature that differs from three that agree, or None."""
    for i, f in enumerate(features):
        rest = set(features[:i] + features[i + 1:])
        if len(rest) == 1 and f not in rest:
            return i
    return None


def _precision(text):
    m = re.search(r"\d[\d ,.]*", text)
    digits = re.sub(r"\D", "", m.group(0)) if m else ""
    return len(digits.lstrip("0")) or 1


def _shape_ok(k, ds, texts, ratios, level=0):
    """False when the layout of the four values points at one of them
    (texts: the four options in English, then in French).

    level 0 applies every test; level 1 keeps those a guessing candidate
    would exploit most (centres and multiples); level 2 none."""
    if level >= 2:
        return True
    for a, b in itertools.combinations(ds, 2):
        if abs((a + b) / 2 - k) <= 0.005 * abs(a - b):
            return False                      # arithmetic centre: k-x and k+x
        if ratios and k and (a < 0) == (k < 0) == (b < 0) and abs(a * b / (k * k) - 1) < 0.01:
            return False                      # geometric centre: k/x and k*x
    srt = sorted([k] + list(ds))
    steps = [b - a for a, b in zip(srt, srt[1:])]
    if max(steps) - min(steps) <= 0.01 * max(steps):
        return False                          # four values evenly spaced
    if not ratios:
        return True
    if srt[0] > 0 and k not in (srt[0], srt[-1]):
        lsteps = [math.log(b / a) for a, b in zip(srt, srt[1:])]
        if max(lsteps) - min(lsteps) <= 0.01 * max(lsteps):
            return False                      # the key inside a geometric progression
    vals = [k] + list(ds)
    links = [sum(_simple(x, y) for y in vals if y is not x) for x in vals]
    if 0 < sum(n == 3 for n in links) < 4:
        return False                          # some value the others are multiples of
    if level >= 1:
        return True
    if links[0] >= 2 and links[0] > max(links[1:]):
        return False                          # the key the most linked
    # One option alone in its unit or its number of figures marks either
    # itself or, by elimination, the other three.
    for lang_texts in texts:
        if _odd_one([_NUMBER.match(t).group(1) if _NUMBER.match(t) else t for t in lang_texts]) is not None:
            return False
    if _odd_one([_precision(t) for t in texts[0]]) is not None:
        return False
    return True


def draw(key, slips, fmt, stem, sep=0.04, shape=True, keep=None, slack=0):
    """[key, w1, w2, w3]: three of slips, a list of (value, cost) pairs.

    sep is the least relative gap between two options (0 where the values
    are offsets, e.g. frequencies in one band); shape=False keeps only the
    test against a key midway between two others (clock times, offsets),
    where ratios mean nothing.  keep, three of the slips, stays
    as it is when it passes the tests and its rank is within slack of the
    least used one."""
    kf = float(key)
    ktext = (fmt(key, "en"), fmt(key, "fr"))
    cands, seen = [], {ktext[0]}
    seen_fr = {ktext[1]}
    for v, cost in sorted(((v, cost + (_far(kf, float(v)) if shape else 0)) for v, cost in slips),
                          key=lambda s: s[1]):
        t = (fmt(v, "en"), fmt(v, "fr"))
        if t[0] in seen or t[1] in seen_fr:
            continue
        seen.add(t[0])
        seen_fr.add(t[1])
        cands.append((v, float(v), cost, t))

    def ok(combo, level=0):
        fs = [c[1] for c in combo]
        if level == 0:
            for a, b in itertools.combinations([kf] + fs, 2):
                if abs(a - b) < sep * max(abs(a), abs(b)):
                    return False
        texts = [[ktext[n]] + [c[3][n] for c in combo] for n in (0, 1)]
        return _shape_ok(kf, fs, texts, shape, level)

    best = {}
    for level in (0, 1, 2):
        # Without slips enough to avoid every pattern a question still gets
        # three distinct answers, and RELAXED records it.
        for combo in itertools.combinations(cands, 3):
            if not ok(combo, level):
                continue
            rank = 1 + sum(c[1] < kf for c in combo)
            cost = sum(c[2] for c in combo)
            if rank not in best or cost < best[rank][0]:
                best[rank] = (cost, combo)
        if best:
            break
    if level:
        RELAXED.append((level, stem))
    if not best:
        raise ValueError("no three distinct wrong answers for %r" % stem)
    home = _caller()
    counts = _RANKS.setdefault(home, [0] * 5)
    # Questions of one kind should not all share a rank either.
    kind = _KINDS.setdefault((home, re.sub(r"[\d.,]+", "#", stem)[:48]), [0] * 5)
    least = min(counts[1:])
    rank = None
    if keep is not None:
        kc = [c for c in cands if any(c[0] is w or c[0] == w for w in keep)][:3]
        if len(kc) == 3 and ok(kc):
            r = 1 + sum(c[1] < kf for c in kc)
            if counts[r] <= least + slack:
                rank, combo = r, kc
    if rank is None:
        start = zlib.crc32(stem.encode("utf-8")) % 4
        order = [(start + j) % 4 + 1 for j in range(4)]
        # Being one question behind on a rank outweighs a fair slip but
        # not an absurd one; questions of one kind spread over the ranks too.
        few = min(kind[1:])
        rank = min((r for r in order if r in best),
                   key=lambda r: 4 * (counts[r] - least) + 2 * (kind[r] - few) + best[r][0])
        combo = best[rank][1]
    counts[rank] += 1
    kind[rank] += 1
    return [key] + [c[0] for c in combo]


def ask(en, fr, key, slips, fmt, compound=False, **kw):
    """A computed question whose wrong answers draw() takes from slips.
    compound adds each of the likelier slips made with a prefix wrong as well
    (for answers in prefixed units), as a last resort."""
    if compound:
        slips = slips + [(x, 4) for w, cost in slips if cost <= 2 for x in (w * 1000, w / 1000)]
    return calc(en, fr, draw(key, slips, fmt, en, **kw), fmt)


def _costed(*groups):
    """[(value, cost)] from groups of values, the first group costing 1."""
    return [(v, n) for n, g in enumerate(groups, 1) for v in g]


# --- Ohm's law -------------------------------------------------------------

def _decades(x):
    """A wrong prefix (x 1000 either way), then a misplaced decimal point."""
    return [x * 1000, x / 1000], [x * 10, x / 10]


def ohm_i(values):
    def make(i, v, r):
        v, r = F(v), F(r)
        c = v / r
        en, fr = _pick(i, [
            ("A resistor of %s in a test circuit has %s measured across its terminals. What current flows through it?",
             "Dans un circuit d'essai, une résistance de %s présente une tension de %s mesurée à ses bornes. Quel courant la traverse ?"),
            ("While checking a circuit board, a voltmeter reads %s across a resistor of %s. What current flows in the resistor?",
             "En vérifiant une carte électronique, un voltmètre indique %s aux bornes d'une résistance de %s. Quel courant circule dans cette résistance ?"),
            ("A source of %s with negligible internal resistance is connected to a purely resistive load of %s. What current flows in the load?",
             "Une source de %s, de résistance interne négligeable, est reliée à une charge purement résistive de %s. Quel courant circule dans la charge ?"),
        ])
        if i % 3 == 0:
            args = lambda lang: (_v(r, "ohm", lang), _v(v, "V", lang))
        else:
            args = lambda lang: (_v(v, "V", lang), _v(r, "ohm", lang))
        pre, dot = _decades(c)
        # R/V: the division upside down; V*R: multiplied instead.
        return ask(en % args("en"), fr % args("fr"), c, _costed([r / v] + pre, [v * r] + dot), A, compound=True)
    return family(values, make)


def ohm_v(values):
    def make(i, cur, r):
        cur, r = F(cur), F(r)
        c = cur * r
        en, fr = _pick(i, [
            ("In a transistor stage, a resistor of %s carries a steady current of %s. What voltage appears across the resistor?",
             "Dans un étage à transistor, une résistance de %s est parcourue par un courant continu de %s. Quelle tension apparaît à ses bornes ?"),
            ("During a bench test, what voltage must be applied to a resistor of %s to make a current of %s flow through it?",
             "Lors d'un essai à l'établi, quelle tension faut-il appliquer à une résistance de %s pour y faire circuler un courant de %s ?"),
            ("A series resistor of %s in the supply lead of a small circuit carries %s. What is the voltage drop across it?",
             "Une résistance série de %s, placée dans le fil d'alimentation d'un petit montage, est parcourue par %s. Quelle est la chute de tension à ses bornes ?"),
        ])
        args = lambda lang: (_v(r, "ohm", lang), _v(cur, "A", lang))
        pre, dot = _decades(c)
        return ask(en % args("en"), fr % args("fr"), c, _costed([r / cur, cur / r] + pre, dot), V, compound=True)
    return family(values, make)


def ohm_r(values):
    def make(i, v, cur):
        v, cur = F(v), F(cur)
        c = v / cur
        en, fr = _pick(i, [
            ("A current of %s flows when %s is applied to an unmarked resistor taken from the spares box. What is its resistance?",
             "Un courant de %s circule quand on applique %s à une résistance sans marquage tirée du tiroir de pièces. Quelle est sa valeur ?"),
            ("An indicator needs its current limited to %s when fed from a %s supply. What total series resistance gives that current?",
             "Un voyant doit voir son courant limité à %s sur une alimentation de %s. Quelle résistance série totale donne ce courant ?"),
            ("A small pilot lamp draws %s from a %s battery. What is the resistance of its filament while it is lit?",
             "Une petite lampe témoin consomme %s sur une batterie de %s. Quelle est la résistance de son filament lorsqu'elle est allumée ?"),
        ])
        args = lambda lang: (_v(cur, "A", lang), _v(v, "V", lang))
        pre, dot = _decades(c)
        # I/V upside down; V*I is the power, not the resistance.
        return ask(en % args("en"), fr % args("fr"), c, _costed([cur / v, v * cur] + pre, dot), OHM, compound=True)
    return family(values, make)


# --- Power -----------------------------------------------------------------

def power_vi(values):
    def make(i, v, cur):
        v, cur = F(v), F(cur)
        c = v * cur
        en, fr = _pick(i, [
            ("On full-power transmit, a transceiver draws %s from a %s supply. What power does it take from the supply?",
             "En émission à pleine puissance, un émetteur-récepteur consomme %s sur une alimentation de %s. Quelle puissance prélève-t-il ?"),
            ("What power is dissipated in a resistive load that carries %s with %s measured across it?",
             "Quelle puissance est dissipée dans une charge résistive parcourue par %s, avec %s mesurés à ses bornes ?"),
            ("A mains-powered amplifier takes %s at %s. What input power does it draw from the mains?",
             "Un amplificateur alimenté par le secteur consomme %s sous %s. Quelle puissance absorbe-t-il sur le secteur ?"),
        ])
        args = lambda lang: (_v(cur, "A", lang), _v(v, "V", lang))
        pre, dot = _decades(c)
        # V/I is the resistance, I/V its reciprocal.
        return ask(en % args("en"), fr % args("fr"), c, _costed([v / cur, cur / v] + pre, dot), W, compound=True)
    return family(values, make)


def power_i2r(values):
    def make(i, cur, r):
        cur, r = F(cur), F(r)
        c = cur * cur * r
        en, fr = _pick(i, [
            ("A resistor of %s in a dummy load carries a steady current of %s. What power is dissipated in it as heat?",
             "Une résistance de %s d'une charge fictive est parcourue par un courant constant de %s. Quelle puissance y est dissipée en chaleur ?"),
            ("A dummy load of %s is fed with an RF current of %s (RMS), measured with an RF ammeter. What power does it absorb?",
             "Une charge fictive de %s reçoit un courant HF de %s (efficace), mesuré avec un ampèremètre HF. Quelle puissance absorbe-t-elle ?"),
        ])
        args = lambda lang: (_v(r, "ohm", lang), _v(cur, "A", lang))
        pre, dot = _decades(c)
        # I*R forgets the square (that is the voltage); twice or half: the
        # RMS current taken for a peak, or the reverse; I*R*R and I*I/R
        # misremember the formula.
        return ask(en % args("en"), fr % args("fr"), c,
                   _costed([cur * r, c * 2, c / 2] + pre, [cur * r * r, cur * cur / r] + dot), W, compound=True)
    return family(values, make)


def power_v2r(values):
    def make(i, v, r):
        v, r = F(v), F(r)
        c = v * v / r
        en, fr = _pick(i, [
            ("What power does a resistor of %s dissipate with %s across it, and so what rating must it at least have?",
             "Quelle puissance dissipe une résistance de %s soumise à %s, et donc quelle puissance nominale doit-elle au moins avoir ?"),
            ("An RF voltage of %s (RMS) is measured with a probe across a dummy load of %s. What power is the load absorbing?",
             "On mesure avec une sonde une tension HF de %s (efficace) aux bornes d'une charge fictive de %s. Quelle puissance la charge absorbe-t-elle ?"),
        ])
        if i % 2 == 0:
            args = lambda lang: (_v(r, "ohm", lang), _v(v, "V", lang))
        else:
            args = lambda lang: (_v(v, "V", lang), _v(r, "ohm", lang))
        pre, dot = _decades(c)
        # V/R forgets the square (that is the current); half or twice: the
        # reading taken for a peak, or the reverse; V*V*R multiplies.
        return ask(en % args("en"), fr % args("fr"), c,
                   _costed([v / r, c / 2, c * 2] + pre, [v * v * r] + dot), W, compound=True)
    return family(values, make)


def current_pv(values):
    def make(i, p, v):
        p, v = F(p), F(v)
        c = p / v
        en, fr = _pick(i, [
            ("Assuming no losses, what current does a %s device draw from a %s supply?",
             "En supposant qu'il n'y ait aucune perte, quel courant un appareil de %s consomme-t-il sur une alimentation de %s ?"),
            ("A %s soldering iron for portable use runs from a %s battery. What current does it take?",
             "Un fer à souder de %s pour le trafic portable fonctionne sur une batterie de %s. Quel courant consomme-t-il ?"),
            ("A low-power transmitter takes %s of DC input power at %s. What current does the supply deliver?",
             "Un émetteur de faible puissance absorbe une puissance continue de %s sous %s. Quel courant l'alimentation fournit-elle ?"),
        ])
        args = lambda lang: (_v(p, "W", lang), _v(v, "V", lang))
        pre, dot = _decades(c)
        # V/P upside down; P*V multiplied instead of divided.
        return ask(en % args("en"), fr % args("fr"), c, _costed([v / p, p * v] + pre, dot), A, compound=True)
    return family(values, make)


# --- Combinations ----------------------------------------------------------

def _list(vals, u, lang):
    items = [_v(x, u, lang) for x in vals]
    sep = " and " if lang == "en" else " et "
    return ", ".join(items[:-1]) + sep + items[-1]


def _par(vals):
    return 1 / sum(1 / F(x) for x in vals)


def _prod(vals):
    out = F(1)
    for x in vals:
        out *= x
    return out


def _adders(vals):
    """Slips of a sum: the reciprocal formula, the mean, the largest part,
    the product over the sum (right for two parts only), the product."""
    s = sum(vals)
    return [_par(vals), s / len(vals)], [max(vals), _prod(vals) / s if len(vals) > 2 else _prod(vals)]


def _reciprocals(vals):
    """Slips of a reciprocal sum: the plain sum, the mean, the smallest
    part, the sum of reciprocals left uninverted, the product alone."""
    s = sum(vals)
    return [s, s / len(vals)], [min(vals), 1 / _par(vals), _prod(vals)]


def r_series(values):
    def make(i, vals):
        vals = [F(x) for x in vals]
        c = sum(vals)
        en, fr = _pick(i, [
            ("To make an unusual value, resistors of %s are connected in series. What is the total resistance?",
             "Pour obtenir une valeur inhabituelle, on monte en série des résistances de %s. Quelle est la résistance totale ?"),
            ("What single resistor could replace %s wired in series on a circuit board?",
             "Quelle résistance unique pourrait remplacer %s câblées en série sur une carte ?"),
        ])
        near, far = _adders(vals)
        pre, dot = _decades(c)
        return ask(en % _list(vals, "ohm", "en"), fr % _list(vals, "ohm", "fr"), c,
                   _costed(near, far + pre, dot), OHM, compound=True)
    return family(values, make)


def r_parallel(values):
    def make(i, vals):
        vals = [F(x) for x in vals]
        c = _par(vals)
        en, fr = _pick(i, [
            ("To spread the heat, resistors of %s are connected in parallel. What is the total resistance?",
             "Pour répartir la chaleur, on monte en parallèle des résistances de %s. Quelle est la résistance équivalente ?"),
            ("What resistance is seen across %s wired in parallel?",
             "Quelle résistance voit-on aux bornes de %s câblées en parallèle ?"),
        ])
        near, far = _reciprocals(vals)
        pre, dot = _decades(c)
        return ask(en % _list(vals, "ohm", "en"), fr % _list(vals, "ohm", "fr"), c,
                   _costed(near, far + [c / 2], pre + dot), OHM, compound=True)
    return family(values, make)


def _combined(kind, vals, adds_in):
    """Total of parts that add up when wired `adds_in` ('series' or
    'parallel'), with the mistakes of using the other formula."""
    if kind == adds_in:
        near, far = _adders(vals)
        return sum(vals), near, far[:1]
    c = _par(vals)
    near, far = _reciprocals(vals)
    return c, near, far[:1] + [c / 2]


def c_combo(values):
    """(kind, [values in farads]) with kind 'series' or 'parallel'."""
    def make(i, kind, vals):
        vals = [F(x) for x in vals]
        en_k, fr_k = ("parallel", "parall\u00e8le") if kind == "parallel" else ("series", "s\u00e9rie")
        c, near, far = _combined(kind, vals, "parallel")
        en, fr = _pick(i, [
            ("When the exact value is not in the spares box, capacitors of %s are connected in %s. What is the total capacitance?",
             "Faute de la valeur exacte dans le tiroir, on monte des condensateurs de %s en %s. Quelle est la capacité totale ?"),
            ("What capacitance do %s give when they are wired in %s?",
             "Quelle capacité obtient-on avec %s lorsqu'ils sont câblés en %s ?"),
        ])
        pre, dot = _decades(c)
        return ask(en % (_list(vals, "F", "en"), en_k), fr % (_list(vals, "F", "fr"), fr_k), c,
                   _costed(near, far + pre, dot), unit("F"), compound=True)
    return family(values, make)


def l_combo(values):
    """(kind, [values in henrys]), coils far apart so they do not couple."""
    def make(i, kind, vals):
        vals = [F(x) for x in vals]
        en_k, fr_k = ("parallel", "parall\u00e8le") if kind == "parallel" else ("series", "s\u00e9rie")
        c, near, far = _combined(kind, vals, "series")
        en = "Inductors of %s, well apart so that they do not couple, are connected in %s. What is the total inductance?"
        fr = "Des bobines de %s, assez \u00e9loign\u00e9es pour ne pas \u00eatre coupl\u00e9es, sont mont\u00e9es en %s. Quelle est l'inductance totale ?"
        pre, dot = _decades(c)
        return ask(en % (_list(vals, "H", "en"), en_k), fr % (_list(vals, "H", "fr"), fr_k), c,
                   _costed(near, far + pre, dot), unit("H"), compound=True)
    return family(values, make)


# --- Reactance and resonance -----------------------------------------------

def xl(values):
    def make(i, f, l):
        f, l = dec(f), dec(l)
        c = 2 * PI * f * l
        en, fr = _pick(i, [
            ("What is the reactance of a %s inductor in a filter working at %s?",
             "Quelle est la réactance d'une bobine de %s dans un filtre travaillant à %s ?"),
            ("A coil of %s, with negligible resistance, is used at %s. What is its inductive reactance?",
             "Une bobine de %s, de résistance négligeable, est utilisée à %s. Quelle est sa réactance inductive ?"),
        ])
        args = lambda lang: (_v(l, "H", lang), _v(f, "Hz", lang))
        pre, dot = _decades(c)
        # f*L forgets 2 pi; 1/(2 pi f L) is the capacitor's formula; pi f L
        # takes pi for 2 pi; the 2 pi forgotten and a prefix wrong as well.
        return ask(en % args("en"), fr % args("fr"), c,
                   _costed([f * l, 1 / c] + pre, [c / 2, f * l * 1000, f * l / 1000] + dot), OHM, compound=True)
    return family(values, make)


def xc(values):
    def make(i, f, cap):
        f, cap = dec(f), dec(cap)
        c = 1 / (2 * PI * f * cap)
        en, fr = _pick(i, [
            ("What is the reactance of a %s capacitor in a tuned circuit working at %s?",
             "Quelle est la réactance d'un condensateur de %s dans un circuit accordé travaillant à %s ?"),
            ("A %s capacitor is used for coupling at %s. What is its capacitive reactance?",
             "Un condensateur de %s sert de liaison à %s. Quelle est sa réactance capacitive ?"),
        ])
        args = lambda lang: (_v(cap, "F", lang), _v(f, "Hz", lang))
        pre, dot = _decades(c)
        # 1/(f C) forgets 2 pi; 2 pi f C forgets the reciprocal; 1/(pi f C)
        # takes pi for 2 pi; the 2 pi forgotten and a prefix wrong as well.
        slow = 1 / (f * cap)
        return ask(en % args("en"), fr % args("fr"), c,
                   _costed([slow, 2 * PI * f * cap] + pre, [c * 2, slow * 1000, slow / 1000] + dot), OHM, compound=True)
    return family(values, make)


def resonance(values):
    def make(i, l, cap):
        l, cap = dec(l), dec(cap)
        c = 1 / (2 * PI * sqrt(l * cap))
        en, fr = _pick(i, [
            ("What is the resonant frequency of a tuned circuit made of a %s inductor and a %s capacitor, ignoring stray capacitance?",
             "Quelle est la fréquence de résonance d'un circuit accordé formé d'une bobine de %s et d'un condensateur de %s, capacités parasites négligées ?"),
            ("A tuned circuit in a home-built receiver uses %s of inductance with %s of capacitance. At what frequency does it resonate?",
             "Un circuit accordé d'un récepteur de fabrication personnelle comporte une inductance de %s et une capacité de %s. À quelle fréquence résonne-t-il ?"),
        ])
        args = lambda lang: (_v(l, "H", lang), _v(cap, "F", lang))
        pre, dot = _decades(c)
        # 1/sqrt(LC) forgets 2 pi; 1/(2 pi L C) forgets the root; a prefix
        # wrong inside the root moves the answer by sqrt(1000).
        r1000 = sqrt(1000)
        return ask(en % args("en"), fr % args("fr"), c,
                   _costed([c * 2 * PI, 1 / (2 * PI * l * cap), c / r1000, c * r1000], pre, [c / (2 * PI)] + dot), HZ, compound=True)
    return family(values, make)


def bandwidth_q(values):
    def make(i, f, qf):
        f, qf = F(f), F(qf)
        c = f / qf
        en = "A tuned circuit in the front end of a receiver, resonant at %s, has a loaded Q of %s. What is its bandwidth between the half-power points?"
        fr = "Un circuit accordé de l'étage d'entrée d'un récepteur, résonnant à %s, a un coefficient de qualité en charge Q de %s. Quelle est sa bande passante à mi-puissance ?"
        args = lambda lang: (_v(f, "Hz", lang), num(qf, lang))
        pre, dot = _decades(c)
        # f*Q multiplies; f/2Q gives only half the width, one side of the
        # centre; 2f/Q doubles it; Q/f is upside down.
        return ask(en % args("en"), fr % args("fr"), c,
                   _costed([f * qf, c / 2, c * 2], pre + [qf / f], dot), HZ, compound=True)
    return family(values, make)


# --- AC values -------------------------------------------------------------

def rms_peak(values):
    """(kind, value): kind 'peak' gives the peak of an RMS value, 'pp' the
    peak-to-peak of an RMS value, 'rms' the RMS of a peak value."""
    def make(i, kind, x):
        x = dec(x)
        r2 = sqrt(2)
        avg = 2 / PI                           # mean of a half cycle over the peak
        if kind == "peak":
            # divided by sqrt 2 instead; peak to peak; twice; the mean-value
            # factor used the wrong way round or in place of sqrt 2
            c, slips = x * r2, _costed([x / r2, x * 2 * r2, x * 2], [x / avg, x * avg, x * sqrt(3)])
            en = "A sine-wave mains supply has an RMS value of %s. What is its peak value?"
            fr = "Une tension sinusoïdale du secteur a une valeur efficace de %s. Quelle est sa valeur de crête ?"
        elif kind == "pp":
            c, slips = x * 2 * r2, _costed([x * r2, x * 2, x / r2], [x * 4, x * PI, x * 2 * avg])
            en = "A sine wave from a signal generator has an RMS value of %s. What peak-to-peak value will an oscilloscope show?"
            fr = "Une tension sinusoïdale issue d'un générateur a une valeur efficace de %s. Quelle valeur crête à crête un oscilloscope affichera-t-il ?"
        else:
            c, slips = x / r2, _costed([x * r2, x / 2, x * avg], [x / (2 * r2), x * 2, x])
            en = "An oscilloscope shows a sine wave with a peak value of %s. What RMS value would a true-RMS voltmeter read?"
            fr = "Un oscilloscope affiche une sinusoïde de %s crête. Quelle valeur efficace lirait un voltmètre à valeur efficace vraie ?"
        return ask(en % _v(x, "V", "en"), fr % _v(x, "V", "fr"), c, slips, V)
    return family(values, make)


def period(values):
    """(kind, value): 'T' asks the period of a frequency, 'f' the frequency of a period."""
    def make(i, kind, x):
        x = F(x)
        c = 1 / x
        if kind == "T":
            en = "A signal generator is set to %s. What is the period of one cycle of its output?"
            fr = "Un générateur de signaux est réglé sur %s. Quelle est la période d'un cycle de son signal de sortie ?"
            u, fmt = "Hz", S
        else:
            en = "On an oscilloscope screen, one complete cycle of a steady signal lasts %s. What is the frequency of the signal?"
            fr = "Sur l'écran d'un oscilloscope, un cycle complet d'un signal stable dure %s. Quelle est la fréquence du signal ?"
            u, fmt = "s", HZ
        pre, dot = _decades(c)
        # a prefix slip; 1/(2 pi x) and 2 pi/x bring in the angular
        # frequency where it does not belong.
        return ask(en % _v(x, u, "en"), fr % _v(x, u, "fr"), c,
                   _costed(pre, [dec(c) / (2 * PI), dec(c) * 2 * PI], dot), fmt, compound=True)
    return family(values, make)


def time_constant(values):
    def make(i, r, cap):
        r, cap = F(r), F(cap)
        c = r * cap
        en = "In the delay circuit of a keyer, what is the time constant of a resistor of %s in series with a capacitor of %s?"
        fr = "Dans le circuit de temporisation d'un manipulateur, quelle est la constante de temps d'une résistance de %s en série avec un condensateur de %s ?"
        if i % 2:
            en = "In an AGC circuit, a resistor of %s charges a capacitor of %s. How long is one time constant?"
            fr = "Dans un circuit de CAG, une résistance de %s charge un condensateur de %s. Quelle est la durée d'une constante de temps ?"
        args = lambda lang: (_v(r, "ohm", lang), _v(cap, "F", lang))
        pre, dot = _decades(c)
        # five time constants (the time to charge almost fully); RC ln 2
        # (the time to half charge); a prefix slip; 2 pi RC, from the
        # cut-off frequency formula.
        return ask(en % args("en"), fr % args("fr"), c,
                   _costed([c * 5, dec(c) * LN2] + pre, [dec(c) * 2 * PI], dot), S, compound=True)
    return family(values, make)


def divider(values):
    def make(i, vin, r1, r2):
        vin, r1, r2 = F(vin), F(r1), F(r2)
        c = vin * r2 / (r1 + r2)
        en = ("A voltage divider across a %s supply has %s at the top and %s at the bottom. With no load "
              "connected, what voltage appears across the bottom resistor?")
        fr = ("Un pont diviseur branché sur une alimentation de %s comporte %s en haut et %s en bas. Sans "
              "charge, quelle tension apparaît aux bornes de la résistance du bas ?")
        args = lambda lang: (_v(vin, "V", lang), _v(r1, "ohm", lang), _v(r2, "ohm", lang))
        # the top resistor's share; the ratio of the two resistors either way
        # up; an even split; the total over the bottom share.
        return ask(en % args("en"), fr % args("fr"), c,
                   _costed([vin * r1 / (r1 + r2), vin * r2 / r1, vin / 2],
                           [vin * r1 / r2, vin * (r1 + r2) / r2, vin]), V)
    return family(values, make)


def turns(values):
    def make(i, vp, np_, ns):
        vp, np_, ns = F(vp), F(np_), F(ns)
        c = vp * ns / np_
        en = ("A transformer has %s turns on its primary and %s on its secondary. With %s on the primary, "
              "what is the secondary voltage?")
        fr = ("Un transformateur a %s spires au primaire et %s au secondaire. Avec %s au primaire, "
              "quelle est la tension au secondaire ?")
        args = lambda lang: (num(np_, lang), num(ns, lang), _v(vp, "V", lang))
        # the ratio upside down; its square (that is for impedances) or its
        # root; the RMS value taken for the peak or the reverse; no change.
        r = ns / np_
        return ask(en % args("en"), fr % args("fr"), c,
                   _costed([vp / r, vp * r * r, dec(c) * sqrt(2)], [dec(c) / sqrt(2), dec(vp) * sqrt(r), vp]), V)
    return family(values, make)


# --- Decibels --------------------------------------------------------------

def _tenth(v):
    return dec(v).quantize(dec("0.1"), rounding=ROUND_HALF_UP)


def db_ratio(values):
    """(p_in, p_out) in watts: gain or loss in dB, rounded to 0.1 dB."""
    def make(i, pin, pout):
        pin, pout = F(pin), F(pout)
        ratio = pout / pin if pout > pin else pin / pout
        c = 10 * log10(dec(ratio))
        en, fr = _pick(i, [
            ("A linear amplifier turns %s of drive from the transceiver into %s of output. What is its gain in decibels?",
             "Un amplificateur linéaire transforme %s d'excitation venant de l'émetteur-récepteur en %s de sortie. Quel est son gain en décibels ?"),
            ("A long feed line receives %s from the transmitter and delivers %s to the antenna. What is its loss in decibels?",
             "Une longue ligne reçoit %s de l'émetteur et délivre %s à l'antenne. Quelle est sa perte en décibels ?"),
        ])
        args = lambda lang: (_v(pin, "W", lang), _v(pout, "W", lang))
        fmt = lambda v, lang: "%s dB" % num(_tenth(v).normalize() if _tenth(v) else 0, lang, 3)
        # 20 log: the voltage formula; log without the 10; 10 log of the
        # difference, or of the larger power alone (its dBW); the number of
        # doublings taken for the decibels; the ratio itself.
        return ask(en % args("en"), fr % args("fr"), c,
                   _costed([2 * c, c / 10, 10 * log10(dec(abs(pout - pin)))],
                           [10 * log10(dec(max(pout, pin))), c / log10(2) / 10, dec(ratio)]), fmt)
    return family(values, make)


def db_power(values):
    """(p, dB): power after a gain or loss, 'about' since 3 dB is 1.995 times."""
    def make(i, p, db):
        p, db = F(p), int(db)
        ratio = dec(10) ** (dec(db) / 10)
        c = dec(p) * ratio
        if db >= 0:
            en = "The %s output of a transceiver is fed to an amplifier with a gain of %s dB. About what power comes out?"
            fr = "Les %s de sortie d'un émetteur-récepteur attaquent un amplificateur de %s dB de gain. Quelle puissance obtient-on environ ?"
            # P times the dB figure; P plus it; the voltage formula (dB/20);
            # the gain taken as a loss; a factor of 100 per 10 dB.
            slips = _costed([dec(p) * db, dec(p) * dec(10) ** (dec(db) / 20), dec(p) / ratio],
                            [dec(p) + db, dec(p) * ratio * ratio])
        else:
            en = "A transmitter sends %s into a coaxial cable with a total loss of %s dB. About what power reaches the far end?"
            fr = "Un émetteur envoie %s dans un câble coaxial de %s dB de perte totale. Quelle puissance arrive environ à l'autre bout ?"
            slips = _costed([dec(p) / abs(db), dec(p) * dec(10) ** (dec(db) / 20), dec(p) - abs(db)],
                            [dec(p) / ratio, dec(p) * ratio * ratio])
        args = lambda lang: (_v(p, "W", lang), num(abs(db), lang))
        return ask(en % args("en"), fr % args("fr"), c, slips, unit("W", 2))
    return family(values, make)


def dbm(values):
    def make(i, p):
        p = F(p)
        c = 10 * log10(dec(p * 1000))
        en = "A test signal has a power of %s. What is that power expressed in dBm (decibels relative to one milliwatt)?"
        fr = "Un signal d'essai a une puissance de %s. Combien vaut cette puissance exprimée en dBm (décibels par rapport à un milliwatt) ?"
        fmt = lambda v, lang: "%s dBm" % num(dec(v).quantize(dec(1), rounding=ROUND_HALF_UP), lang, 3)
        # dBW taken for dBm; the microwatt as reference; 20 log; log
        # without the 10; the power in milliwatts read as decibels.
        return ask(en % _v(p, "W", "en"), fr % _v(p, "W", "fr"), c,
                   _costed([c - 30, c + 30, 2 * c], [c / 10, dec(p * 1000)]), fmt, sep=0)
    return family(values, make)


def erp(values):
    """(power W, line loss dB, antenna gain dBd)."""
    def make(i, p, loss, gain):
        p = F(p)
        net = gain - loss
        db = lambda x: dec(p) * dec(10) ** (dec(x) / 10)
        c = db(net)
        en = ("A transmitter delivers %s into a feed line with %s dB of loss, feeding an antenna with a gain of %s dBd. "
              "About what is the effective radiated power?")
        fr = ("Un \u00e9metteur d\u00e9livre %s dans une ligne de %s dB de perte qui alimente une antenne de %s dBd de gain. "
              "Quelle est environ la puissance apparente rayonn\u00e9e ?")
        args = lambda lang: (_v(p, "W", lang), num(loss, lang), num(gain, lang))
        # the loss added to the gain; the loss or the gain left out; the
        # gain taken in dBi (2.15 dB more: that is the EIRP); the power
        # multiplied by the net dB figure; the voltage formula.
        return ask(en % args("en"), fr % args("fr"), c,
                   _costed([db(gain + loss), db(gain), db(-loss), db(dec(net) + dec("2.15"))],
                           [dec(p) * net, dec(p) * dec(10) ** (dec(net) / 20), dec(p)]), unit("W", 2))
    return family(values, make)


# --- Wavelength and antennas -----------------------------------------------

def _m(lang, sig=3):
    return lambda v, l: "%s m" % num(v, l, sig)


def wavelength(values):
    def make(i, f):
        f = F(f)
        c = 300 / f
        en, fr = _pick(i, [
            ("What is the free-space wavelength of a signal on %s, taking radio waves to travel at 300,000 km per second?",
             "Quelle est la longueur d'onde dans le vide d'un signal sur %s, les ondes radio se propageant à 300 000 km par seconde ?"),
            ("A station transmits on %s. What is the wavelength of its signal in free space?",
             "Une station émet sur %s. Quelle est la longueur d'onde de son signal dans le vide ?"),
        ])
        # a half or a quarter wave; twice; 984/f or 492/f, the formulas in
        # feet; a dipole's 5 % or a coaxial cable's velocity factor applied
        # where none belongs; f/300 upside down; 300 * f; the speed taken as
        # 3,000,000 or 30,000 km/s.
        return ask(en % plain(f, "MHz", "en"), fr % plain(f, "MHz", "fr"), c,
                   _costed([c / 2, c * 2, 984 / f], [c / 4, 492 / f, c * F(95, 100), c * F(66, 100)],
                           [f / 300, 300 * f, c * 10, c / 10]), _m(None))
    return family(values, make)


def plain(x, u, lang):
    return "%s %s" % (num(x, lang, 6), u)


def frequency_of(values):
    def make(i, lam):
        lam = F(lam)
        c = 300 / lam
        en = "What frequency corresponds to a free-space wavelength of %s m, taking radio waves to travel at 300,000 km per second?"
        fr = "Quelle fréquence correspond à une longueur d'onde de %s m dans le vide, les ondes radio se propageant à 300 000 km par seconde ?"
        if i % 2:
            en = "A signal has a wavelength of %s m in free space. What is its frequency?"
            fr = "Un signal a une longueur d'onde de %s m dans le vide. Quelle est sa fréquence ?"
        # the length taken for a half wave (so twice the frequency) or the
        # frequency halved; 984/lambda or 492/lambda, the formulas in feet;
        # a coaxial cable's velocity factor applied; lambda/300 upside down;
        # 300 * lambda; a decade.
        return ask(en % num(lam, "en", 6), fr % num(lam, "fr", 6), c,
                   _costed([c / 2, c * 2, 984 / lam], [492 / lam, c * F(66, 100)],
                           [lam / 300, 300 * lam, c * 10, c / 10]), fixed("MHz", sig=4))
    return family(values, make)


def dipole(values):
    """Practical half-wave dipole: free-space half wave shortened by 5 %."""
    def make(i, f):
        f = F(f)
        c = F(285, 2) / f
        en = ("A practical half-wave dipole is cut about 5 %% shorter than a free-space half wavelength. "
              "About how long should a dipole for %s be?")
        fr = ("Un dip\u00f4le demi-onde pratique est coup\u00e9 environ 5 %% plus court qu'une demi-longueur d'onde "
              "dans le vide. Quelle longueur environ faut-il pour un dip\u00f4le sur %s ?")
        # a whole wave; a quarter wave; 468/f, the formula that gives feet;
        # the free-space half wave, not shortened, or the free-space wave.
        return ask(en % plain(f, "MHz", "en"), fr % plain(f, "MHz", "fr"), c,
                   _costed([c * 2, c / 2, 468 / f], [F(150) / f, F(300) / f], [c / 10]), _m(None, 2))
    return family(values, make)


def half_wave(values):
    def make(i, f):
        f = F(f)
        c = F(150) / f
        en = "Before cutting a wire antenna, an amateur works out the free-space half wavelength at %s. How long is it?"
        fr = "Avant de couper une antenne filaire, un radioamateur calcule la demi-longueur d'onde dans le vide à %s. Combien mesure-t-elle ?"
        # the whole wave; a quarter wave; 492/f, the formula in feet; the
        # practical dipole, 5 % shorter, or the practical quarter wave; a
        # coaxial cable's velocity factor; f/150 upside down; a decade.
        return ask(en % plain(f, "MHz", "en"), fr % plain(f, "MHz", "fr"), c,
                   _costed([c * 2, c / 2, 492 / f], [c * F(95, 100), c * F(95, 200), c * F(66, 100)],
                           [f / 150, c * 10, c / 10]), _m(None))
    return family(values, make)


def quarter_wave(values):
    def make(i, f):
        f = F(f)
        c = F(285, 4) / f
        en = ("A quarter-wave vertical is cut about 5 %% shorter than a free-space quarter wavelength. "
              "About how tall should the radiator be for %s?")
        fr = ("Une verticale quart d'onde est coup\u00e9e environ 5 %% plus courte qu'un quart de longueur d'onde "
              "dans le vide. Quelle hauteur environ faut-il donner au brin rayonnant pour %s ?")
        # a half wave; half the quarter wave again; 234/f, the formula in
        # feet; a whole wave; the free-space quarter wave, not shortened.
        return ask(en % plain(f, "MHz", "en"), fr % plain(f, "MHz", "fr"), c,
                   _costed([c * 2, c / 2, 234 / f], [c * 4, F(75) / f], [c / 10]), _m(None, 2))
    return family(values, make)


def coax_length(values):
    """(f MHz, velocity factor, fraction of a wavelength as 'half' or 'quarter')."""
    def make(i, f, vf, part):
        f, vf = F(f), F(vf)
        k = F(150) if part == "half" else F(75)
        c = k * vf / f
        en_p, fr_p = ("half", "d'une demi-longueur") if part == "half" else ("quarter", "d'un quart de longueur")
        en = "What is the physical length of an electrical %s wavelength of coaxial cable with a velocity factor of %s at %s?"
        fr = "Quelle est la longueur physique %s d'onde \u00e9lectrique de c\u00e2ble coaxial de coefficient de v\u00e9locit\u00e9 %s \u00e0 %s ?"
        args = lambda lang, p: (p, num(vf, lang), plain(f, "MHz", lang))
        # the velocity factor forgotten, divided by, or applied twice; the
        # other of a half or a quarter wave; the whole wave.
        return ask(en % args("en", en_p), fr % args("fr", fr_p), c,
                   _costed([k / f, k / f / vf, c * 2 if part == "quarter" else c / 2],
                           [c * vf, 300 * vf / f], [c * 10, c / 10]), _m(None))
    return family(values, make)


def swr(values):
    def make(i, z):
        z = F(z)
        c = max(z, F(50)) / min(z, F(50))
        en, fr = _pick(i, [
            ("A 50-ohm feed line is terminated in a purely resistive load of %s. What is the SWR on the line?",
             "Une ligne de 50 ohms est ferm\u00e9e sur une charge purement r\u00e9sistive de %s. Quel est le ROS sur la ligne ?"),
            ("What SWR results when an antenna with a purely resistive impedance of %s is fed with 50-ohm coaxial cable?",
             "Quel ROS obtient-on quand une antenne d'imp\u00e9dance purement r\u00e9sistive de %s est aliment\u00e9e par un c\u00e2ble coaxial de 50 ohms ?"),
        ])
        fmt = lambda v, lang: "%s:1" % num(v, lang, 3)
        rho = (c - 1) / (c + 1)
        # one more than the ratio; its square or its root; 1 + rho, the
        # reflection coefficient added to one; the ratio upside down;
        # matched because the load is resistive.
        return ask(en % si(z, "ohm", "en"), fr % si(z, "ohm", "fr"), c,
                   _costed([c + 1, c * c, sqrt(c)], [1 + rho, 1 / c, F(1)]), fmt)
    return family(values, make)


# --- Receivers and transmitters ----------------------------------------------

def mhz(lang, sig=6):
    return lambda v, l: "%s MHz" % num(v, l, sig)


def image(values):
    def make(i, f, ifreq):
        f, ifreq = F(f), F(ifreq)
        c = f + 2 * ifreq
        en = ("A superheterodyne receiver tuned to %s has an IF of %s, with its local oscillator above the signal. "
              "On what frequency is its image?")
        fr = ("Un r\u00e9cepteur superh\u00e9t\u00e9rodyne accord\u00e9 sur %s a une FI de %s, son oscillateur local \u00e9tant "
              "au-dessus du signal. Sur quelle fr\u00e9quence se trouve sa fr\u00e9quence image ?")
        args = lambda lang: (plain(f, "MHz", lang), plain(ifreq, "MHz", lang))
        # the oscillator itself; the difference; the image of an oscillator
        # below the signal; one IF too many; twice the oscillator.
        return ask(en % args("en"), fr % args("fr"), c,
                   _costed([f + ifreq, abs(f - ifreq), abs(f - 2 * ifreq)], [f + 3 * ifreq, 2 * (f + ifreq)]),
                   mhz(None), sep=0, shape=False)
    return family(values, make)


def local_osc(values):
    def make(i, f, ifreq, above):
        f, ifreq = F(f), F(ifreq)
        c = f + ifreq if above else f - ifreq
        where_en, where_fr = ("above", "au-dessus du") if above else ("below", "au-dessous du")
        en = "A receiver with an IF of %s tunes %s with its local oscillator %s the signal. What is the oscillator frequency?"
        fr = "Un r\u00e9cepteur \u00e0 FI de %s est accord\u00e9 sur %s, son oscillateur local \u00e9tant %s signal. Quelle est la fr\u00e9quence de l'oscillateur ?"
        args = lambda lang, w: (plain(ifreq, "MHz", lang), plain(f, "MHz", lang), w)
        # the oscillator on the other side; the image; the IF itself; the
        # IF counted twice on the wrong side.
        other = f - ifreq if above else f + ifreq
        image_ = f + 2 * ifreq if above else abs(f - 2 * ifreq)
        far = abs(f - 2 * ifreq) if above else f + 2 * ifreq
        return ask(en % args("en", where_en), fr % args("fr", where_fr), c,
                   _costed([other, image_], [ifreq, far]), mhz(None), sep=0, shape=False)
    return family(values, make)


def harmonic(values):
    def make(i, f, n):
        f = F(f)
        c = f * n
        names_en = {2: "second", 3: "third", 4: "fourth", 5: "fifth"}
        en, fr = _pick(i, [
            ("On what frequency does the %s harmonic of a %s transmission fall, if it is not properly filtered?",
             "Sur quelle fréquence tombe l'harmonique %s d'une émission sur %s, s'il n'est pas correctement filtré ?"),
            ("A transmitter on %s is suspected of radiating its %s harmonic. On what frequency should you listen for it?",
             "On soup\u00e7onne un \u00e9metteur sur %s de rayonner son harmonique %s. Sur quelle fr\u00e9quence faut-il l'\u00e9couter ?"),
        ])
        if i % 2 == 0:
            e = en % (names_en[n], plain(f, "MHz", "en"))
            r = fr % (_rang(n), plain(f, "MHz", "fr"))
        else:
            e = en % (plain(f, "MHz", "en"), names_en[n])
            r = fr % (plain(f, "MHz", "fr"), _rang(n))
        # the next or the previous harmonic (the count started at the
        # fundamental); half the frequency; doubling at each step; two
        # harmonics too far either way; the fundamental itself.
        return ask(e, r, c, _costed([f * (n + 1), f * (n - 1) if n > 2 else f * F(3, 2), f / 2],
                                    [f * 2 ** (n - 1), f * (n + 2)] + ([f * (n - 2)] if n > 3 else []),
                                    [f]), mhz(None))
    return family(values, make)


def _rang(n):
    return {2: "de rang 2", 3: "de rang 3", 4: "de rang 4", 5: "de rang 5"}[n]


def ssb_edge(values):
    """(suppressed-carrier frequency kHz, bandwidth kHz, 'usb' or 'lsb')."""
    def make(i, f, bw, side):
        f, bw = F(f), F(bw)
        s = 1 if side == "usb" else -1
        # the wrong sideband; half the bandwidth; the carrier itself; the
        # bandwidth counted twice, or half of it on the wrong side.
        c = f + s * bw
        slips = _costed([f - s * bw, f + s * bw / 2, f], [f + 2 * s * bw, f - s * bw / 2])
        if side == "usb":
            en = "On upper sideband, with the suppressed carrier on %s and a transmitted bandwidth of %s, what is the highest frequency the signal occupies?"
            fr = "En bande lat\u00e9rale sup\u00e9rieure, avec la porteuse supprim\u00e9e sur %s et une largeur de bande \u00e9mise de %s, quelle est la fr\u00e9quence la plus haute occup\u00e9e ?"
        else:
            en = "On lower sideband, with the suppressed carrier on %s and a transmitted bandwidth of %s, what is the lowest frequency the signal occupies?"
            fr = "En bande lat\u00e9rale inf\u00e9rieure, avec la porteuse supprim\u00e9e sur %s et une largeur de bande \u00e9mise de %s, quelle est la fr\u00e9quence la plus basse occup\u00e9e ?"
        fmt = lambda v, lang: "%s kHz" % num(v, lang, 8)
        args = lambda lang: (fmt(f, lang), fmt(bw, lang))
        return ask(en % args("en"), fr % args("fr"), c, slips, fmt, sep=0, shape=False)
    return family(values, make)


def utc(values):
    """(local hh, mm, offset hours east of UTC)."""
    def make(i, hh, mm, off):
        t = (hh * 60 + mm - off * 60) % 1440
        local = hh * 60 + mm
        # the offset added instead of taken off; local time unchanged; an
        # hour out either way (summer time).
        slips = _costed([(local + off * 60) % 1440, local], [(t - 60) % 1440, (t + 60) % 1440])
        def fmt(v, lang):
            h, m = divmod(v, 60)
            return "%02d:%02d UTC" % (h, m) if lang == "en" else "%d h %02d UTC" % (h, m)
        sign = "+" if off >= 0 else "-"
        en = "Your local time is %02d:%02d and your time zone is UTC%s%d. What time do you enter in the log?"
        fr = "Il est %d h %02d \u00e0 l'heure locale et votre fuseau est UTC%s%d. Quelle heure inscrivez-vous au carnet de trafic ?"
        return ask(en % (hh, mm, sign, abs(off)), fr % (hh, mm, sign, abs(off)), t, slips, fmt, sep=0, shape=False)
    return family(values, make)


def battery(values):
    def make(i, ah, cur):
        ah, cur = F(ah), F(cur)
        c = ah / cur
        en = "A fully charged %s Ah battery powers equipment drawing a steady %s. Ideally, how long will it last?"
        fr = "Une batterie de %s Ah bien charg\u00e9e alimente un appareil consommant %s en continu. Combien de temps tiendra-t-elle en th\u00e9orie ?"
        def fmt(v, lang):
            if lang == "fr":    # French keeps the singular below two
                return "%s heure%s" % (num(v, lang, 3), "s" if v >= 2 else "")
            return "%s hours" % num(v, lang, 3)
        args = lambda lang: (num(ah, lang), _v(cur, "A", lang))
        # multiplied instead of divided; upside down; only half the charge
        # counted as usable (not the ideal case asked); the answer in
        # minutes; a milliampere slip; a decade.
        pre, dot = _decades(c)
        return ask(en % args("en"), fr % args("fr"), c,
                   _costed([ah * cur, cur / ah, c / 2], [c * 60] + pre, dot), fmt)
    return family(values, make)


def efficiency(values):
    def make(i, pout, v, cur):
        pout, v, cur = F(pout), F(v), F(cur)
        pin = v * cur
        c = pout / pin * 100
        en = "A power amplifier delivers %s of RF while drawing %s from a %s supply. What is its efficiency?"
        fr = "Un amplificateur de puissance fournit %s HF en consommant %s sur une alimentation de %s. Quel est son rendement ?"
        fmt = lambda x, lang: "%s %%" % num(x, lang, 3)
        args = lambda lang: (_v(pout, "W", lang), _v(cur, "A", lang), _v(v, "V", lang))
        # the share lost as heat; the output over the heat, or the heat
        # over the output; the ratio left as a fraction, or upside down;
        # the output over the voltage alone or the current alone.
        heat = pin - pout
        near = [100 - c, c / 100] + ([pout / heat * 100] if heat else [])
        return ask(en % args("en"), fr % args("fr"), c,
                   _costed(near, [heat / pout * 100, pin / pout * 100], [pout / v, pout / cur]), fmt)
    return family(values, make)


def colour_code(values):
    """(first digit, second digit, multiplier exponent -1..6): 4-band gold tolerance."""
    en_c = ["black", "brown", "red", "orange", "yellow", "green", "blue", "violet", "grey", "white"]
    fr_c = ["noir", "marron", "rouge", "orange", "jaune", "vert", "bleu", "violet", "gris", "blanc"]
    def make(i, d1, d2, e):
        val = F(d1 * 10 + d2) * (F(10) ** e)
        me = en_c[e] if e >= 0 else "gold"
        mf = fr_c[e] if e >= 0 else "or"
        en = "A resistor from a kit has four colour bands: %s, %s, %s, gold. What is its nominal value?"
        fr = "Une résistance d'un kit porte quatre anneaux de couleur : %s, %s, %s, or. Quelle est sa valeur nominale ?"
        # one zero too many or too few; the bands read from the wrong end
        # (digits swapped); the multiplier read as a third digit; brown,
        # red and orange, easily confused, mixed up in the first band.
        swapped = [F(d2 * 10 + d1) * (F(10) ** e)] if d1 != d2 else []
        third = F(d1 * 100 + d2 * 10 + max(e, 0))
        misread = [F(d * 10 + d2) * (F(10) ** e) for d in (d1 + 1, d1 - 1) if 1 <= d <= 9 and d1 in (1, 2, 3)]
        slips = _costed([val * 10, val / 10] + swapped, [third] + misread, [val * 100, val / 100])
        return ask(en % (en_c[d1], en_c[d2], me), fr % (fr_c[d1], fr_c[d2], mf), val, slips, OHM)
    return family(values, make)


def mhz_khz(values):
    """(value, 'mhz' gives kHz of a MHz value, 'khz' gives MHz of a kHz value)."""
    def make(i, x, kind):
        x = F(x)
        if kind == "mhz":
            c, wrong = x * 1000, [x / 1000, x, x * 10 ** 6]
            en = "A frequency list gives %s MHz, but your radio's keypad expects kilohertz. What do you enter?"
            fr = "Une liste de fréquences indique %s MHz, mais le clavier de votre poste attend des kilohertz. Que saisissez-vous ?"
            fmt = lambda v, lang: "%s kHz" % num(v, lang, 8)
        else:
            c, wrong = x / 1000, [x * 1000, x, x / 10 ** 6]
            en = "A net is announced on %s kHz, but your radio displays megahertz. Which reading corresponds to it?"
            fr = "Un réseau est annoncé sur %s kHz, mais votre poste affiche en mégahertz. Quelle lecture y correspond ?"
            fmt = lambda v, lang: "%s MHz" % num(v, lang, 8)
        # divided instead of multiplied (or the reverse); the figure left
        # as it is; a prefix too far; the point moved one or two places.
        return ask(en % num(x, "en", 8), fr % num(x, "fr", 8), c,
                   _costed(wrong, [c * 10, c / 10, c * 100, c / 100]), fmt)
    return family(values, make)


def cap_units(values):
    """(value, unit it is marked in, unit asked for); units 'pF', 'nF', 'uF'."""
    exp = {"pF": -12, "nF": -9, "uF": -6}
    def make(i, x, frm, to):
        x = F(x)
        c = x * F(10) ** (exp[frm] - exp[to])
        name = lambda u: "\u00b5F" if u == "uF" else u
        en = "A parts list asks for a capacitor in %s, and the one in your drawer is marked %s %s. What is its value in %s?"
        fr = "Une nomenclature demande un condensateur en %s, et celui de votre tiroir est marqué %s %s. Quelle est sa valeur en %s ?"
        fmt = lambda v, lang: "%s %s" % (num(v, lang, 8), name(to))
        # the factor of 1000 applied the wrong way; a step of 10 or of a
        # million (one prefix skipped).
        return ask(en % (name(to), num(x, "en"), name(frm), name(to)), fr % (name(to), num(x, "fr"), name(frm), name(to)), c,
                   _costed([c * 1000, c / 1000], [c * 10, c / 10, c * 100, c / 100, c * 10 ** 6, c / 10 ** 6]), fmt)
    return family(values, make)


def inverse_square(values):
    """(power density at distance d, factor k): density at k times the distance."""
    def make(i, dens, k):
        dens, k = F(dens), F(k)
        c = dens / (k * k)
        en = ("At a certain distance from an antenna the power density is %s W/m\u00b2. In the far field, what is it "
              "at %s times that distance, in the same direction?")
        fr = ("\u00c0 une certaine distance d'une antenne, la densit\u00e9 de puissance est de %s W/m\u00b2. En champ lointain, "
              "que vaut-elle \u00e0 une distance %s fois plus grande, dans la m\u00eame direction ?")
        fmt = lambda v, lang: "%s W/m\u00b2" % num(v, lang, 3)
        # the field strength's 1/d taken for the density's 1/d^2; the
        # density thought to grow, with d or with d^2; 1/d^3; 1/d^4 (the
        # radar law).
        return ask(en % (num(dens, "en"), num(k, "en")), fr % (num(dens, "fr"), num(k, "fr")), c,
                   _costed([dens / k, dens * k, dens / k ** 3], [dens / k ** 4, dens * k * k]), fmt)
    return family(values, make)
