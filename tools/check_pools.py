#!/usr/bin/python3
"""Checks question pool files against the pool format and the shape of the
shipped pools; prints every fault and exits 1 if there is any.

Usage: check_pools.py FILE...     (class from the codes, language from a
                                   name ending in _en.txt or _fr.txt)
       check_pools.py --shipped   (the four files in resources/pools)

Two files of the same class, one English and one French, are also compared:
same codes in the same order with the same correct answers.
"""

import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SHIPPED = ["basic_en.txt", "basic_fr.txt", "advanced_en.txt", "advanced_fr.txt"]

# letter: sections, blocks, fewest/most per section, sections skipping 05
SHAPE = {
    "B": dict(sections=100, blocks=964, lo=4, hi=11, skips=1, reachable=958),
    "A": dict(sections=50, blocks=545, lo=7, hi=11, skips=0, reachable=545),
}
MIN_SIZE, MAX_SIZE = 138240, 283000
MAX_LINE = 419
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


def main(argv):
    if argv == ["--shipped"]:
        paths = [os.path.join(ROOT, "resources", "pools", f) for f in SHIPPED]
    elif argv and not any(a.startswith("-") for a in argv):
        paths = argv
    else:
        print(__doc__.strip())
        return 2
    failed = False
    pools = {}
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
        if pool.letter and lang:
            pools.setdefault(pool.letter, {})[lang] = pool
    for letter, pair in sorted(pools.items()):
        if len(pair) == 2:
            errors = compare(pair["en"], pair["fr"])
            for e in errors:
                print("class %s, English against French: %s" % (letter, e))
            failed = failed or bool(errors)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
