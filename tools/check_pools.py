#!/usr/bin/python3
"""Checks question pool files against the pool format and the shape of the
shipped pools; prints every fault and exits 1 if there is any.

Usage: check_pools.py [--report] FILE...   (class from the codes, language
                                            from a name ending in _en.txt or
                                            _fr.txt)
       check_pools.py --shipped            (the four files in resources/pools,
                                            with the report)

Two files of the same class, one English and one French, are also compared:
same codes in the same order with the same correct answers.

Each pool is also played by a candidate who knows nothing and reads only the
options (and the stem's form): every strategy of GUESSERS, its expected score
with ties broken at random, and the best combination of them.  --report
prints those scores as a table.  Two pools of one language and both classes
must not ask the same question twice.
"""

import os
import re
import sys
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SHIPPED = ["basic_en.txt", "basic_fr.txt", "advanced_en.txt", "advanced_fr.txt"]

# letter: sections, blocks, fewest/most per section, sections skipping 05
SHAPE = {
    "B": dict(sections=100, blocks=964, lo=4, hi=11, skips=1, reachable=958),
    "A": dict(sections=50, blocks=545, lo=7, hi=11, skips=0, reachable=545),
}
MIN_SIZE, MAX_SIZE = 138240, 283000
MAX_LINE = 419
# A printed listing builds each question's block in a 1,024-byte buffer; the
# shipped pools keep every block under 800 bytes, numbered up to 100.
MAX_BLOCK = 800
BLOCK = "%d. (%s)\r\n%s\r\n\r\n\t1. \t%s\r\n\t2. \t%s\r\n\t3. \t%s\r\n\t4. \t%s\r\n\r\n"
SPREAD = (0.22, 0.28)
# A candidate who always picks the longest answer must not pass on that alone.
MAX_LONGEST_CORRECT = 0.40
SECTION_RE = re.compile(r"^([AB]-\d{3}-\d{2}) \.\.\.$")
CODE_RE = re.compile(r"^([AB]-\d{3}-\d{2})-(\d{2}) \(([1-4])\)$")
# Bytes with no character in Windows-1252.
UNDEFINED = {0x81, 0x8D, 0x8F, 0x90, 0x9D}


class Pool:
    def __init__(self, name):
        self.name = name
        self.errors = []
        self.letter = None
        self.sections = []          # section codes of the list
        self.blocks = []            # (code, k, question, answers)

    def err(self, msg):
        self.errors.append(msg)


def language(path):
    m = re.search(r"_(en|fr)\.txt$", os.path.basename(path))
    return m.group(1) if m else None


def parse(pool, data):
    """Splits the file into the section list and blocks; grammar faults go to
    pool.errors.  Returns the lines (bytes) for the line-level checks."""
    if not data.endswith(b"\r\n"):
        pool.err("file does not end with CR LF")
    body = data[:-2] if data.endswith(b"\r\n") else data
    lines = body.split(b"\r\n")
    for n, line in enumerate(lines, 1):
        if b"\r" in line or b"\n" in line:
            pool.err("line %d: CR or LF not part of a CR LF line end" % n)
    text = [ln.decode("cp1252", "replace") for ln in lines]
    if len(text) < 2 or text[0] != "[SECTIONS]":
        pool.err("line 1 is not [SECTIONS]")
        return lines
    if not re.fullmatch(r"\d{1,15}", text[1]):
        pool.err("line 2: count %r is not a number" % text[1])
        return lines
    count = int(text[1])
    i = 2
    for _ in range(count):
        if i >= len(text):
            pool.err("file ends inside the section list")
            return lines
        m = SECTION_RE.match(text[i])
        if not m:
            pool.err("line %d: bad section line %r" % (i + 1, text[i]))
        else:
            pool.sections.append(m.group(1))
        i += 1
    if text[i:i + 2] != ["", "[TEXT]"]:
        pool.err("line %d: section list not followed by a blank line and [TEXT]" % (i + 1))
        return lines
    i += 2
    while i < len(text):
        start = i + 1
        block = text[i:i + 6]
        i += 6
        if len(block) < 6:
            pool.err("line %d: file ends inside a block" % start)
            break
        m = CODE_RE.match(block[0])
        if not m:
            pool.err("line %d: bad code line %r" % (start, block[0]))
            # resynchronise on the next blank line
            while i < len(text) and text[i - 1] != "":
                i += 1
            continue
        for j, t in enumerate(block[1:], 1):
            if t.strip() == "":
                pool.err("line %d: empty %s in block %s" % (
                    start + j, "question" if j == 1 else "answer", block[0][:11]))
            elif t != t.strip():
                pool.err("line %d: blanks at the start or end" % (start + j))
        pool.blocks.append((m.group(1) + "-" + m.group(2), int(m.group(3)), block[1], block[2:6]))
        if i < len(text):
            if text[i] != "":
                pool.err("line %d: block %s not followed by a blank line" % (i + 1, block[0][:11]))
                while i < len(text) and text[i] != "":
                    i += 1
            i += 1
            if i == len(text):
                pool.err("blank line after the last block")
    return lines


def check_lines(pool, data, lines):
    if not MIN_SIZE <= len(data) <= MAX_SIZE:
        pool.err("size %d bytes outside %d..%d" % (len(data), MIN_SIZE, MAX_SIZE))
    bad = sorted({b for b in data if b in UNDEFINED or (b < 32 and b not in (10, 13)) or b == 127})
    if bad:
        pool.err("bytes that are no Windows-1252 text: %s" % ", ".join("0x%02X" % b for b in bad))
    longest = max((len(ln) for ln in lines), default=0)
    if longest > MAX_LINE:
        n = [k for k, ln in enumerate(lines, 1) if len(ln) > MAX_LINE]
        pool.err("%d line(s) longer than %d bytes, first at line %d" % (len(n), MAX_LINE, n[0]))
    elif longest < MAX_LINE:
        pool.err("no line of exactly %d bytes (longest %d)" % (MAX_LINE, longest))


def check_codes(pool):
    if not pool.blocks:
        pool.err("no question blocks")
        return
    letters = {c[0] for c, _, _, _ in pool.blocks} | {s[0] for s in pool.sections}
    if len(letters) != 1:
        pool.err("mixed class letters %s" % sorted(letters))
        return
    pool.letter = letters.pop()
    shape = SHAPE[pool.letter]
    codes = [b[0] for b in pool.blocks]
    for a, b in zip(codes, codes[1:]):
        if a >= b:
            pool.err("codes out of order: %s before %s" % (a, b))
    # Sections and numbering, in block order.
    per_section = {}
    for code in codes:
        per_section.setdefault(code[:8], []).append(int(code[9:]))
    block_sections = list(per_section)
    if block_sections != pool.sections:
        pool.err("the section list does not match the sections of the blocks")
    if len(pool.sections) != shape["sections"]:
        pool.err("%d sections, expected %d" % (len(pool.sections), shape["sections"]))
    if len(pool.blocks) != shape["blocks"]:
        pool.err("%d blocks, expected %d" % (len(pool.blocks), shape["blocks"]))
    expect_topic, expect_section = 1, 0
    for sec in block_sections:
        topic, snum = int(sec[2:5]), int(sec[6:8])
        if topic == expect_topic and snum == expect_section + 1:
            expect_section = snum
        elif topic == expect_topic + 1 and snum == 1 and expect_section > 0:
            expect_topic, expect_section = topic, 1
        else:
            pool.err("section %s out of sequence" % sec)
            expect_topic, expect_section = topic, snum
        if topic > 9:
            pool.err("topic number %03d above 009" % topic)
    skips, reachable = [], 0
    for sec, nums in per_section.items():
        if not shape["lo"] <= len(nums) <= shape["hi"]:
            pool.err("section %s has %d blocks (%d to %d)" % (sec, len(nums), shape["lo"], shape["hi"]))
        plain = list(range(1, len(nums) + 1))
        skipped = [1, 2, 3, 4] + list(range(6, len(nums) + 2))
        if nums == plain:
            reachable += len(nums)
        elif nums == skipped and len(nums) >= 5:
            skips.append(sec)
            reachable += 4
        else:
            pool.err("section %s numbered %s" % (sec, " ".join("%02d" % n for n in nums)))
    if len(skips) != shape["skips"]:
        pool.err("%d section(s) skip 05 (%s), expected %d" % (len(skips), " ".join(skips), shape["skips"]))
    elif reachable != shape["reachable"]:
        pool.err("%d questions reachable, expected %d" % (reachable, shape["reachable"]))


def check_content(pool, lang):
    counts = [0] * 4
    longest = 0
    seen = {}
    for code, k, question, answers in pool.blocks:
        counts[k - 1] += 1
        others = [len(a) for i, a in enumerate(answers) if i != k - 1]
        if len(answers[k - 1]) > max(others):
            longest += 1
        if question in seen:
            pool.err("%s repeats the question of %s" % (code, seen[question]))
        seen.setdefault(question, code)
        if len(set(answers)) != 4:
            pool.err("%s has two identical answers" % code)
        block = BLOCK % ((100, code, question) + tuple(answers))
        if len(block.encode("cp1252", "replace")) >= MAX_BLOCK:
            pool.err("%s prints as a block of %d bytes (under %d)"
                     % (code, len(block.encode("cp1252", "replace")), MAX_BLOCK))
    total = sum(counts)
    for p, c in enumerate(counts, 1):
        if total and not SPREAD[0] <= c / total <= SPREAD[1]:
            pool.err("correct answer at position %d in %.1f%% of the blocks" % (p, 100.0 * c / total))
    if total and longest > MAX_LONGEST_CORRECT * total:
        pool.err("correct answer is the longest in %.1f%% of the blocks (at most %d%%)"
                 % (100.0 * longest / total, 100 * MAX_LONGEST_CORRECT))
    if lang == "fr":
        texts = [t for _, _, q, a in pool.blocks for t in [q] + a]
        if not any("\u00e9" in t for t in texts):
            pool.err("French pool without any \u00e9 (0xE9)")
        dotted = [code for code, _, q, a in pool.blocks
                  if any(re.search(r"\d\.\d", t) for t in [q] + a)]
        if dotted:
            pool.err("decimal point instead of comma in French: %s" % " ".join(dotted[:5]))
    pool.counts = counts
    pool.longest = longest


def check_data(name, data, lang=None):
    pool = Pool(name)
    lines = parse(pool, data)
    check_lines(pool, data, lines)
    check_codes(pool)
    check_content(pool, lang)
    return pool


def compare(en, fr):
    """Faults between the English and French pools of one class."""
    errors = []
    if en.sections != fr.sections:
        errors.append("section lists differ")
    a = [(c, k) for c, k, _, _ in en.blocks]
    b = [(c, k) for c, k, _, _ in fr.blocks]
    if len(a) != len(b):
        errors.append("%d blocks in English, %d in French" % (len(a), len(b)))
    for x, y in zip(a, b):
        if x != y:
            errors.append("first difference: %s (%d) in English, %s (%d) in French" % (x + y))
            break
    return errors


# ---------------------------------------------------------------------------
# The candidate who knows nothing.  Each strategy looks at one question's
# options (and at the form of its stem) and names the options it would pick
# among; a pick of n options scores 1/n when the key is one of them, which is
# the expected score of choosing among them at random.  A strategy that has no
# opinion on a question (None) does not apply to it.

# The classes whose pools must pass the guessing rules; a class left out
# gets warnings only, as while its pool is being rewritten.
ENFORCE_GUESSING = {"B", "A"}
ENFORCE_CROSS_CLASS = True
MAX_STRATEGY = 0.31
LENGTH_RANK = (0.19, 0.31)
MAX_TWO_LONGEST = 0.56
VALUE_RANK = (0.18, 0.32)
MAX_ABSOLUTE_GAP = 0.05
# A strategy or rank is judged only on at least this many questions, so that a
# handful of questions cannot make a fault come and go.
MIN_QUESTIONS = 30
CHANCE = 0.25
EPS = 1e-9

SI = {"p": 1e-12, "n": 1e-9, "\u00b5": 1e-6, "\u03bc": 1e-6, "u": 1e-6, "m": 1e-3,
      "k": 1e3, "M": 1e6, "G": 1e9}
SI_WORDS = {"pico": 1e-12, "nano": 1e-9, "micro": 1e-6, "milli": 1e-3, "kilo": 1e3,
            "kil": 1e3, "mega": 1e6, "meg": 1e6, "m\u00e9ga": 1e6, "m\u00e9g": 1e6, "giga": 1e9}
SYMBOLS = {"Hz", "W", "Wh", "V", "A", "F", "H", "S", "s", "m", "g", "J", "\u03a9", "dB", "dBm",
           "dBi", "dBd", "dBW", "%", ":1", "W/m\u00b2", "V/m", "A/m", "bit/s", "b/s", "Bd"}
# A value may open with a hedge ("About 50 ohms") and still be a value.
NUMERIC_HEDGE = (r"(?i:(?:about|approximately|roughly|around|nearly|environ|d['\u2019]environ|"
                 r"approximativement)\s+)?")
NUMBER = {
    "en": r"-?(?:\d{1,3}(?:,\d{3})+|\d+)(?:\.\d+)?|-?\.\d+",
    "fr": r"-?(?:\d{1,3}(?:[ \u00a0\u202f]\d{3})+|\d+)(?:,\d+)?",
}
VALUE_RE = {lang: re.compile(r"^" + NUMERIC_HEDGE + r"(" + n + r")\s*(:1|[^\s\d:]\S*)?$")
            for lang, n in NUMBER.items()}
# Ratios between a key and the "mistakes" built from it: twice or half, a
# power of ten, root two (peak and RMS), pi and two pi.
RATIOS = [2.0, 4.0, 10.0, 100.0, 1000.0, 2 ** 0.5, 3.141592653589793, 6.283185307179586]
RATIOS += [1 / r for r in RATIOS]
RATIO_TOLERANCE = 0.02

ABSOLUTE = {
    "en": r"\b(?:always|never|only|exactly|cannot|can'?t|all|none|every|nothing|impossible)\b",
    "fr": r"\b(?:toujours|jamais|seul|seule|seuls|seules|seulement|uniquement|exactement|aucun|"
          r"aucune|tous|toutes|chaque|rien|impossible|ne peut|ne peuvent|n'importe)\b",
}
HEDGED = {
    "en": r"\b(?:usually|about|approximately|roughly|around|may|might|generally|typically|often|"
          r"mostly|mainly|largely|normally|likely|sometimes|some|tends?|could|can(?!'t))\b",
    "fr": r"\b(?:en g\u00e9n\u00e9ral|g\u00e9n\u00e9ralement|environ|(?<!ne )peu(?:t|vent)|pourrai(?:t|ent)|"
          r"typiquement|souvent|habituellement|approximativement|\u00e0 peu pr\u00e8s|normalement|"
          r"la plupart|probablement|en principe|parfois|surtout|principalement|en partie|plut\u00f4t)\b",
}
ABSOLUTE_RE = {k: re.compile(v) for k, v in ABSOLUTE.items()}
HEDGED_RE = {k: re.compile(v) for k, v in HEDGED.items()}
# Words of five letters or more that say nothing of a stem's subject (without
# accents).  The absolute and hedged words are cues of their own.
STOPWORDS = set("""
about above after again against among another based because before being below
between beyond called cannot could describes description different doing during
either every example false following given having other others their there these
thing things those through under until using usually value what when where which
while whose would should shall might correct statement answer mainly reason
likely least better first second third three which always never exactly often
quelle quelles quels lequel laquelle lesquels lesquelles cette celle celles celui
entre apres avant pendant parce comme selon autre autres suivant suivante
suivants suivantes donne donnee donnees leurs votre notre vous nous elles avoir
faire peuvent doivent aussi quand ainsi encore toujours jamais seulement
uniquement exactement environ generalement souvent plusieurs chaque aucun aucune
toutes pourquoi comment combien depuis contre valeur exemple raison principal
principale correct correcte enonce reponse moins lorsque quelque quelques
""".split())


def fold(text):
    """Lower case without accents, for word matching."""
    text = text.lower().replace("\u0153", "oe").replace("\u00e6", "ae")
    return "".join(c for c in unicodedata.normalize("NFD", text) if not unicodedata.combining(c))


def plain(text):
    return text.lower().replace("\u2019", "'").replace("\u00a0", " ").replace("\u202f", " ")


def distinctive(text):
    """Stems of the subject words: five letters or more, no stopword, plural
    dropped, cut to six letters so that resistor meets resistance."""
    out = set()
    for w in re.findall(r"[a-z]+", fold(text)):
        if len(w) >= 5 and w not in STOPWORDS:
            w = w[:-1] if w[-1] in "sx" else w
            out.add(w[:6])
    return out


def split_unit(unit):
    """(factor, base) of a unit as written: "kHz" -> (1e3, "Hz"), "kilohms"
    -> (1e3, "ohm"), "hours" -> (1, "hour")."""
    if unit in SYMBOLS:
        return 1.0, unit
    if len(unit) > 1 and unit[0] in SI and unit[1:] in SYMBOLS:
        return SI[unit[0]], unit[1:]
    w = unit.lower()
    if len(w) > 2 and w.isalpha() and w.endswith("s"):
        w = w[:-1]
    m = re.fullmatch(r"(pico|nano|micro|milli|kilo|kil|m\u00e9ga|m\u00e9g|mega|meg|giga)"
                     r"(ohm|watt|volt|hertz|farad|henry|amp\u00e8re|ampere)", w)
    if m:
        return SI_WORDS[m.group(1)], m.group(2)
    return 1.0, w


def parse_value(text, lang):
    """(value in base units, base unit, unit as written, significant digits)
    of an option that is a number with an optional unit, else None."""
    m = VALUE_RE[lang].match(text)
    if not m:
        return None
    digits = re.sub(r"\D", "", m.group(1))
    if lang == "en":
        number = float(m.group(1).replace(",", ""))
    else:
        number = float(re.sub(r"[ \u00a0\u202f]", "", m.group(1)).replace(",", "."))
    unit = m.group(2) or ""
    factor, base = split_unit(unit)
    return number * factor, base, unit, len(digits.lstrip("0")) or 1


class Item:
    """One question as the guessing candidate sees it."""

    def __init__(self, code, k, stem, answers, lang):
        self.code, self.key, self.stem, self.answers, self.lang = code, k - 1, stem, answers, lang
        parsed = [parse_value(a, lang) for a in answers]
        self.parsed = parsed if all(parsed) else None
        self.values = None
        if self.parsed and len({p[1] for p in parsed}) == 1:
            self.values = [p[0] for p in parsed]
        self.lengths = [len(a) for a in answers]
        self.absolute = [bool(ABSOLUTE_RE[lang].search(plain(a))) for a in answers]
        self.hedged = [bool(HEDGED_RE[lang].search(plain(a))) for a in answers]


ALL = frozenset(range(4))


def rank_group(values, cand, r, descending):
    """The options tied at place r (1 = first) of cand ordered by value: the
    option at that place is any one of them, at random."""
    order = sorted(cand, key=lambda i: -values[i] if descending else values[i])
    at = values[order[min(r, len(order)) - 1]]
    return frozenset(i for i in cand if values[i] == at)


def two_longest_hold(item):
    """Probability that the key is one of the two longest, ties at random."""
    lengths = item.lengths
    mine = lengths[item.key]
    above = sum(1 for x in lengths if x > mine)
    tied = sum(1 for x in lengths if x == mine)
    return max(0, min(2 - above, tied)) / tied


def odd(feature):
    """The one option whose feature differs from three that agree."""
    def pick(item):
        f = [feature(item, i) for i in range(4)]
        for i in range(4):
            rest = {f[j] for j in range(4) if j != i}
            if len(rest) == 1 and f[i] not in rest:
                return frozenset([i])
        return None
    return pick


def numeric_only(feature):
    return lambda item, i: feature(item, i) if item.parsed else None


def multiples_centre(item):
    v = item.values
    if not v or min(v) <= 0:
        return None
    centre = frozenset(
        i for i in range(4)
        if all(any(abs(v[j] / v[i] / r - 1) <= RATIO_TOLERANCE for r in RATIOS)
               for j in range(4) if j != i))
    return centre if centre and centre != ALL else None


def flags_pick(flags, want):
    chosen = frozenset(i for i in range(4) if flags[i] == want)
    return chosen if chosen and chosen != ALL else None


def shared_counts(item):
    stem = distinctive(item.stem)
    return [len(stem & distinctive(a)) for a in item.answers]


def lone_sharer(item):
    c = shared_counts(item)
    return frozenset([c.index(max(c))]) if sum(1 for x in c if x) == 1 else None


def most_shared(item):
    c = shared_counts(item)
    top = frozenset(i for i in range(4) if c[i] == max(c))
    return top if max(c) and top != ALL else None


def vowel_sound(word):
    if len(word) > 1 and word.isupper() and word.isalpha():
        return word[0] in "AEFHILMNORSX"       # an FM, an SWR meter
    w = word.lower()
    if w[:1].isdigit():
        return w.startswith(("8", "11", "18"))
    if w.startswith(("hour", "honest", "honou", "heir")):
        return True
    if w.startswith(("uni", "use", "usu", "uti", "eu", "one", "once")):
        return False
    return w[:1] in "aeiou"


PLURAL_CUE_EN = re.compile(r"\b(?:which|what) (?:two|three|both)\b|\bname (?:two|three)\b|"
                           r"^(?:what|which) are\b|\bwhich of (?:the following|these) are\b")
SINGULAR_CUE_EN = re.compile(r"^(?:what|which) is (?:a|an)\b|\bwhich one\b|\bwhich single\b")
CUE_FR = re.compile(r"\b(quel|quelle|quels|quelles) (?:est|sont|\u00e9tait|\u00e9taient|serait|"
                    r"seraient|sera|seront)\b|(?:^|[.?!] )(quel|quelle|quels|quelles)\b|"
                    r"\b(lequel|laquelle|lesquels|lesquelles)\b")
FR_ASKED = {"quel": ("m", "s"), "quelle": ("f", "s"), "quels": ("m", "p"), "quelles": ("f", "p"),
            "lequel": ("m", "s"), "laquelle": ("f", "s"), "lesquels": ("m", "p"),
            "lesquelles": ("f", "p")}
FR_ARTICLE = {"un": ("m", "s"), "le": ("m", "s"), "du": ("m", "s"), "au": ("m", "s"),
              "une": ("f", "s"), "la": ("f", "s"), "les": (None, "p"), "des": (None, "p"),
              "aux": (None, "p"), "deux": (None, "p"), "trois": (None, "p"),
              "plusieurs": (None, "p")}


def grammar_grades(item):
    """+1 for an option that agrees with the stem, -1 for one that cannot
    follow it, 0 where the stem or the option gives no cue; None when the stem
    gives none at all."""
    stem = plain(item.stem)
    answers = [plain(a) for a in item.answers]
    grades = [0] * 4
    cued = False
    if item.lang == "en":
        tail = re.split(r"\s+", re.sub(r"[\s.:?_\u2026]+$", "", stem))[-1]
        if tail in ("a", "an"):
            cued = True
            for i, a in enumerate(item.answers):
                grades[i] += 1 if vowel_sound(a.split()[0]) == (tail == "an") else -1
        many = ("two ", "both ", "three ", "several ")
        if PLURAL_CUE_EN.search(stem):
            cued = True
            for i, a in enumerate(answers):
                if a.startswith(many) or " and " in a or ", " in a:
                    grades[i] += 1
                elif a.startswith(("a ", "an ", "one ", "it ")):
                    grades[i] -= 1
        elif SINGULAR_CUE_EN.search(stem):
            cued = True
            for i, a in enumerate(answers):
                grades[i] -= a.startswith(many)
    else:
        m = CUE_FR.search(stem)
        if m:
            cued = True
            gender, number = FR_ASKED[next(g for g in m.groups() if g)]
            for i, a in enumerate(answers):
                if a.startswith("l'"):
                    art = (None, "s")
                else:
                    w = re.match(r"[a-z]+", a)
                    art = FR_ARTICLE.get(w.group(0)) if w else None
                if art:
                    clash = art[1] != number or (art[0] and art[0] != gender)
                    grades[i] = -1 if clash else 1
    return grades if cued else None


def grammatical_fit(item):
    g = grammar_grades(item)
    if g is None or len(set(g)) == 1:
        return None
    return frozenset(i for i in range(4) if g[i] == max(g))


def word_bucket(n):
    return 0 if n <= 1 else 1 if n <= 3 else 2 if n <= 6 else 3 if n <= 10 else 4 if n <= 15 else 5


# name, name of its opposite (pick every other option), picker.
GUESSERS = [
    ("multiples centre", "not the multiples centre", multiples_centre),
    ("odd unit", "not the odd unit", odd(numeric_only(lambda it, i: it.parsed[i][2]))),
    ("odd precision", "not the odd precision", odd(numeric_only(lambda it, i: it.parsed[i][3]))),
    ("odd lead word", "not the odd lead word", odd(lambda it, i: it.answers[i].split()[0].lower())),
    ("odd word count", "not the odd word count",
     odd(lambda it, i: word_bucket(len(it.answers[i].split())))),
    ("odd digit", "not the odd digit", odd(lambda it, i: bool(re.search(r"\d", it.answers[i])))),
    ("avoid absolute words", "prefer absolute words", lambda it: flags_pick(it.absolute, False)),
    ("prefer hedged words", "avoid hedged words", lambda it: flags_pick(it.hedged, True)),
    ("stem word, lone sharer", "not the lone sharer", lone_sharer),
    ("stem word, most shared", "not the most shared", most_shared),
    ("grammatical fit", "grammatical misfit", grammatical_fit),
]


def score(pick, key):
    return 1.0 / len(pick) if key in pick else 0.0


class Guessing:
    """Scores of every strategy on one pool: rows of (name, questions it
    applies to, expected score), the faults they make, the combination."""

    def __init__(self, name, blocks, lang):
        self.name = name
        items = [Item(c, k, q, a, lang) for c, k, q, a in blocks]
        self.total = len(items)
        words = [it for it in items if not it.parsed]
        values = [it for it in items if it.values]
        self.rows = []
        self.faults = []
        for r in range(1, 5):
            self.row("length rank %d" % r,
                     [score(rank_group(it.lengths, ALL, r, True), it.key) for it in words])
        self.hold2 = sum(two_longest_hold(it) for it in words) / len(words) if words else 0.0
        self.rows.append(("two longest (hold the key)", len(words), self.hold2))
        for r in range(1, 5):
            self.row("value rank %d%s" % (r, " (smallest)" if r == 1 else ""),
                     [score(rank_group(it.values, ALL, r, False), it.key) for it in values])
        picks = {}
        judged = []
        for name, opposite, pick in GUESSERS:
            chosen = [(it, pick(it)) for it in items]
            chosen = [(it, p) for it, p in chosen if p]
            for label, sets in ((name, [(it, p) for it, p in chosen]),
                                (opposite, [(it, ALL - p) for it, p in chosen])):
                s = self.row(label, [score(p, it.key) for it, p in sets])
                picks[label] = {id(it): p for it, p in sets}
                judged.append((label, len(sets), s))
        self.abs_keys = sum(it.absolute[it.key] for it in items) / max(1, len(items))
        self.abs_others = (sum(sum(it.absolute) - it.absolute[it.key] for it in items)
                           / max(1, 3 * len(items)))
        self.rows.append(("absolute words in keys", len(items), self.abs_keys))
        self.rows.append(("absolute words in distractors", 3 * len(items), self.abs_others))
        filters = sorted((s, label) for label, n, s in judged if n >= MIN_QUESTIONS and s > CHANCE + EPS)
        filters = [label for s, label in reversed(filters)]
        self.combination, self.combo_rule = self.combine(items, words, filters, picks)
        self.rows.append(("best combination", len(items), self.combination))
        self.judge(len(words), len(values), judged)

    def row(self, label, scores):
        s = sum(scores) / len(scores) if scores else 0.0
        self.rows.append((label, len(scores), s))
        return s

    def combine(self, items, words, filters, picks):
        """Best decision rule per kind of question, found greedily on the pool
        itself: narrow the options by a chain of strategies that beat chance
        (each one only where it leaves something), then take a place by length
        (worded questions) or value (numeric ones), or pick at random among
        what is left."""
        total, rules = 0.0, []
        for kind, group, ranked in (("worded", words, "length"),
                                    ("numeric", [it for it in items if it.parsed], "value")):
            if not group:
                continue
            memo = {}

            def final(it, cand, r):
                if not r or (ranked == "value" and not it.values):
                    return score(cand, it.key)
                got = memo.get((id(it), cand, r))
                if got is None:
                    longest_first = ranked == "length"
                    values = it.lengths if longest_first else it.values
                    got = score(rank_group(values, cand, r, longest_first), it.key)
                    memo[(id(it), cand, r)] = got
                return got

            best = None
            for r in (None, 1, 2, 3, 4):
                cands = [ALL] * len(group)
                chain = []
                got = sum(final(it, c, r) for it, c in zip(group, cands))
                while True:
                    step = None
                    for label in filters:
                        if label in chain:
                            continue
                        narrowed = []
                        for it, c in zip(group, cands):
                            p = picks[label].get(id(it))
                            narrowed.append(c & p if p and c & p else c)
                        s = sum(final(it, c, r) for it, c in zip(group, narrowed))
                        if s > got + EPS and (step is None or s > step[0] + EPS):
                            step = (s, label, narrowed)
                    if step is None:
                        break
                    got, label, cands = step
                    chain.append(label)
                if best is None or got > best[0] + EPS:
                    best = (got, chain, r)
            got, chain, r = best
            total += got
            steps = ["narrow by " + ", then ".join(chain)] if chain else []
            steps.append("%s rank %d" % (ranked, r) if r else "at random")
            rules.append("%s: %s" % (kind, "; ".join(steps)))
        return (total / len(items) if items else 0.0), rules

    def judge(self, nwords, nvalues, judged):
        pct = lambda x: 100.0 * x
        rows = dict((r[0], r) for r in self.rows)
        if nwords >= MIN_QUESTIONS:
            for r in range(1, 5):
                _, n, s = rows["length rank %d" % r]
                if not LENGTH_RANK[0] - EPS <= s <= LENGTH_RANK[1] + EPS:
                    self.faults.append("length rank %d holds the key in %.1f%% of %d worded questions "
                                       "(%d%% to %d%%)" % (r, pct(s), n, *map(pct, LENGTH_RANK)))
            if self.hold2 > MAX_TWO_LONGEST + EPS:
                self.faults.append("the two longest options hold the key in %.1f%% of %d worded questions "
                                   "(at most %d%%)" % (pct(self.hold2), nwords, pct(MAX_TWO_LONGEST)))
        if nvalues >= MIN_QUESTIONS:
            for r in range(1, 5):
                label = "value rank %d%s" % (r, " (smallest)" if r == 1 else "")
                _, n, s = rows[label]
                if not VALUE_RANK[0] - EPS <= s <= VALUE_RANK[1] + EPS:
                    self.faults.append("%s holds the key in %.1f%% of %d numeric questions (%d%% to %d%%)"
                                       % (label, pct(s), n, pct(VALUE_RANK[0]), pct(VALUE_RANK[1])))
        for label, n, s in judged + [("best combination", self.total, self.combination)]:
            if n >= MIN_QUESTIONS and s > MAX_STRATEGY + EPS:
                self.faults.append("strategy \"%s\" picks the key in %.1f%% of the %d questions it "
                                   "applies to (at most %d%%)" % (label, pct(s), n, pct(MAX_STRATEGY)))
        if self.total >= MIN_QUESTIONS and abs(self.abs_keys - self.abs_others) > MAX_ABSOLUTE_GAP + EPS:
            self.faults.append("absolute words stand in %.1f%% of the keys and %.1f%% of the distractors "
                               "(at most %d points apart)" % (pct(self.abs_keys), pct(self.abs_others),
                                                             pct(MAX_ABSOLUTE_GAP)))


def guessing(pool, lang):
    return Guessing(pool.name, pool.blocks, lang or "en")


def report(results):
    """Every strategy's score per pool, one column a pool."""
    names = [g.name.replace(".txt", "") for g in results]
    width = max(len(r[0]) for r in results[0].rows)
    lines = ["%-*s  %s" % (width, "strategy", "  ".join("%-15s" % n for n in names))]
    for i, row in enumerate(results[0].rows):
        cells = []
        for g in results:
            label, n, s = g.rows[i]
            cells.append("%-15s" % ("%5.1f%% of %d" % (100.0 * s, n) if n else "-"))
        lines.append("%-*s  %s" % (width, row[0], "  ".join(cells).rstrip()))
    for g in results:
        lines.append("best combination, %s: %s" % (g.name.replace(".txt", ""), " | ".join(g.combo_rule)))
    return "\n".join(lines)


# ---------------------------------------------------------------------------
# The same question in both classes.  Sister questions that ask something else
# have other stems, so only stems equal up to case, spacing and numbers are
# faults, whatever their answers.  A calculation reworded is found by its
# inputs: the same numbers in the stem (two or more) and the same key.

NUMBER_IN_TEXT = re.compile(r"\d+(?:[.,]\d+|[ \u00a0\u202f]\d{3}(?!\d))*")


def normalised(text):
    return re.sub(r"\s+", " ", NUMBER_IN_TEXT.sub("#", plain(text))).strip()


def same_key(text):
    return " ".join(plain(text).split())


def cross_class_faults(basic, advanced):
    faults = []
    stems, calcs = {}, {}
    for code, k, q, a in basic.blocks:
        stems.setdefault(normalised(q), (code, q))
        numbers = tuple(sorted(NUMBER_IN_TEXT.findall(q)))
        if len(numbers) >= 2:
            calcs.setdefault((numbers, same_key(a[k - 1])), code)
    for code, k, q, a in advanced.blocks:
        same = stems.get(normalised(q))
        numbers = tuple(sorted(NUMBER_IN_TEXT.findall(q)))
        if same:
            how = "the same question" if plain(same[1]).split() == plain(q).split() else \
                "the same question with other numbers"
            faults.append("%s and %s ask %s" % (same[0], code, how))
        elif len(numbers) >= 2 and (numbers, same_key(a[k - 1])) in calcs:
            faults.append("%s and %s make the same calculation (%s, answer %s)" % (
                calcs[(numbers, same_key(a[k - 1]))], code, " ".join(numbers), a[k - 1]))
    return faults


def main(argv):
    shipped = "--shipped" in argv
    show = shipped or "--report" in argv
    files = [a for a in argv if a not in ("--shipped", "--report")]
    if shipped and not files:
        paths = [os.path.join(ROOT, "resources", "pools", f) for f in SHIPPED]
    elif files and not shipped and not any(a.startswith("-") for a in files):
        paths = files
    else:
        print(__doc__.strip())
        return 2
    failed = False
    pools = {}
    results = []
    late = []                   # (fault, enforced): guessing and cross-class
    for path in paths:
        try:
            with open(path, "rb") as f:
                data = f.read()
        except OSError as e:
            print("%s: cannot read: %s" % (path, e.strerror))
            failed = True
            continue
        lang = language(path)
        pool = check_data(os.path.basename(path), data, lang)
        if pool.errors:
            failed = True
            print("%s: %d fault(s)" % (path, len(pool.errors)))
            for e in pool.errors:
                print("  " + e)
        else:
            total = sum(pool.counts)
            print("%s: OK, %d bytes, %d blocks, positions %s, correct longest %.1f%%" % (
                path, len(data), total,
                " ".join("%.1f%%" % (100.0 * c / total) for c in pool.counts),
                100.0 * pool.longest / total))
        if pool.blocks:
            g = guessing(pool, lang)
            results.append(g)
            late += [("%s: %s" % (path, e), pool.letter in ENFORCE_GUESSING)
                     for e in g.faults]
        if pool.letter and lang:
            pools.setdefault(pool.letter, {})[lang] = pool
    for letter, pair in sorted(pools.items()):
        if len(pair) == 2:
            errors = compare(pair["en"], pair["fr"])
            for e in errors:
                print("class %s, English against French: %s" % (letter, e))
            failed = failed or bool(errors)
    for lang in ("en", "fr"):
        if lang in pools.get("B", {}) and lang in pools.get("A", {}):
            late += [("Basic against Advanced (%s): %s" % (lang, e), ENFORCE_CROSS_CLASS)
                     for e in cross_class_faults(pools["B"][lang], pools["A"][lang])]
    for e, enforced in late:
        print(e if enforced else "warning: " + e)
    failed = failed or any(enforced for _, enforced in late)
    if show and results:
        print(report(results))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
