#!/usr/bin/python3
"""Writes the four question pools (resources/pools/{basic,advanced}_{en,fr}.txt)
from the tables in tools/pooldata.

The output is a pure function of the tables: running it again gives the same
bytes.  The correct answer's position in each block is chosen from a hash of
the question code, so English and French agree and every position gets a
quarter of a pool.  The file ends with the last answer line's CR LF; there
is no blank line after the last block.

Usage: gen_pools.py [--out DIR] [--partial]
  --out DIR   write there instead of resources/pools
  --partial   write the Basic pools even when their shape is not the final one
The Advanced pools are skipped, with a message, while tools/pooldata/advanced.py
is missing or incomplete.
"""

import argparse
import hashlib
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
DATA = os.path.join(HERE, "pooldata")

# name, class letter, sections, blocks, fewest and most blocks per section
CLASSES = [
    ("basic", "B", 100, 964, 4, 11),
    ("advanced", "A", 50, 545, 7, 11),
]
LANGS = ("en", "fr")
MAX_LINE = 419


class DataError(Exception):
    pass


def load(name):
    """The module's TOPICS (and SKIP05), or a DataError saying why not."""
    if DATA not in sys.path:
        sys.path.insert(0, DATA)
    if not os.path.exists(os.path.join(DATA, name + ".py")):
        raise DataError("tools/pooldata/%s.py does not exist" % name)
    try:
        module = __import__(name)
    except Exception as e:  # a half-written table must not stop the other class
        raise DataError("import of %s failed: %s: %s" % (name, type(e).__name__, e))
    topics = getattr(module, "TOPICS", None)
    if not isinstance(topics, list):
        raise DataError("%s has no TOPICS list" % name)
    return topics, getattr(module, "SKIP05", None)


def numbering(topics, skip):
    """(topic, section, question number) for every question, in pool order."""
    out = []
    for t, topic in enumerate(topics, 1):
        for s, section in enumerate(topic["sections"], 1):
            n = 0
            for _ in section:
                n += 1
                if (t, s) == skip and n == 5:
                    n = 6
                out.append((t, s, n))
    return out


def check_shape(cls, topics, skip):
    name, letter, n_sections, n_blocks, lo, hi = cls
    for t, topic in enumerate(topics, 1):
        if not isinstance(topic, dict) or not isinstance(topic.get("sections"), list) \
                or not all(isinstance(s, list) for s in topic["sections"]):
            raise DataError("%s: topic %d is not {en, fr, sections: [[question, ...], ...]}" % (name, t))
    if not 1 <= len(topics) <= 9:
        raise DataError("%s: %d topics (1 to 9 allowed)" % (name, len(topics)))
    sections = [s for t in topics for s in t["sections"]]
    total = sum(len(s) for s in sections)
    if len(sections) != n_sections or total != n_blocks:
        raise DataError("%s: %d sections and %d questions, expected %d and %d"
                        % (name, len(sections), total, n_sections, n_blocks))
    for t, topic in enumerate(topics, 1):
        for s, section in enumerate(topic["sections"], 1):
            if not lo <= len(section) <= hi:
                raise DataError("%s: section %d.%d has %d questions (%d to %d)"
                                % (name, t, s, len(section), lo, hi))
    if letter == "B":
        if skip is None or not 1 <= skip[0] <= len(topics) \
                or not 1 <= skip[1] <= len(topics[skip[0] - 1]["sections"]) \
                or len(topics[skip[0] - 1]["sections"][skip[1] - 1]) < 5:
            raise DataError("basic: SKIP05 %r names no section of 5 or more questions" % (skip,))


def check_text(where, text):
    if not isinstance(text, str) or not text or text != text.strip():
        raise DataError("%s: empty text or blanks at an end: %r" % (where, text))
    if any(ord(c) < 32 for c in text):
        raise DataError("%s: control character in %r" % (where, text))
    try:
        text.encode("cp1252")
    except UnicodeEncodeError as e:
        raise DataError("%s: %r is not in Windows-1252 (in %r)" % (where, text[e.start], text))


def positions(letter, codes):
    """Correct-answer position 1..4 per code: codes ordered by a hash, then
    dealt 1, 2, 3, 4, 1, ... so the counts differ by at most one."""
    order = sorted(codes, key=lambda c: hashlib.sha256(("korvane " + c).encode()).hexdigest())
    return {c: i % 4 + 1 for i, c in enumerate(order)}


def build(cls, topics, skip):
    """{lang: bytes} of one class."""
    name, letter = cls[0], cls[1]
    nums = numbering(topics, skip)
    codes = ["%s-%03d-%02d-%02d" % (letter, t, s, n) for t, s, n in nums]
    pos = positions(letter, codes)
    questions = [q for topic in topics for section in topic["sections"] for q in section]
    out = {}
    for lang in LANGS:
        for t, topic in enumerate(topics, 1):
            check_text("%s topic %d title %s" % (name, t, lang), topic.get(lang))
        lines = ["[SECTIONS]", str(sum(len(t["sections"]) for t in topics))]
        for t, topic in enumerate(topics, 1):
            for s in range(1, len(topic["sections"]) + 1):
                lines.append("%s-%03d-%02d ..." % (letter, t, s))
        lines += ["", "[TEXT]"]
        seen = {}
        for i, (code, question) in enumerate(zip(codes, questions)):
            entry = question.get(lang) if isinstance(question, dict) else None
            if not isinstance(entry, tuple) or len(entry) != 5:
                raise DataError("%s %s %s: not a 5-tuple" % (name, code, lang))
            for k, text in enumerate(entry):
                check_text("%s %s %s field %d" % (name, code, lang, k), text)
            if len(set(entry[1:])) != 4:
                raise DataError("%s %s %s: two answers are the same" % (name, code, lang))
            if entry[0] in seen:
                raise DataError("%s %s %s: same question as %s" % (name, code, lang, seen[entry[0]]))
            seen[entry[0]] = code
            k = pos[code]
            answers = list(entry[2:])
            answers.insert(k - 1, entry[1])
            if i:
                lines.append("")
            lines += ["%s (%d)" % (code, k), entry[0]] + answers
        data = "".join(line + "\r\n" for line in lines).encode("cp1252")
        for n, line in enumerate(data.split(b"\r\n")):
            if len(line) > MAX_LINE:
                raise DataError("%s %s: line %d has %d bytes (at most %d)"
                                % (name, lang, n + 1, len(line), MAX_LINE))
        out[lang] = data
    return out


def main(argv=None):
    ap = argparse.ArgumentParser(description="Write the question pools.")
    ap.add_argument("--out", default=os.path.join(ROOT, "resources", "pools"))
    ap.add_argument("--partial", action="store_true",
                    help="write Basic even if its shape is not final")
    args = ap.parse_args(argv)
    os.makedirs(args.out, exist_ok=True)
    for cls in CLASSES:
        name = cls[0]
        try:
            topics, skip = load(name)
            try:
                check_shape(cls, topics, skip)
            except DataError:
                if not (args.partial and name == "basic"):
                    raise
                print("%s: shape not final, written anyway (--partial)" % name)
            pools = build(cls, topics, skip)
        except DataError as e:
            if name == "basic":
                print("error: %s" % e, file=sys.stderr)
                return 1
            print("%s: skipped: %s" % (name, e))
            continue
        for lang in LANGS:
            path = os.path.join(args.out, "%s_%s.txt" % (name, lang))
            with open(path, "wb") as f:
                f.write(pools[lang])
            print("%s: %d bytes" % (os.path.relpath(path), len(pools[lang])))
    return 0


if __name__ == "__main__":
    sys.exit(main())
