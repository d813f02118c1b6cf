"""Checks of tools/gen_pools.py and tools/check_pools.py: the generator must
reproduce the committed pools byte for byte, and the validator must accept
the shipped pools and reject each kind of damaged block."""

import contextlib
import glob
import io
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOLS = os.path.join(ROOT, "tools")
GEN = os.path.join(TOOLS, "gen_pools.py")
CHECK = os.path.join(TOOLS, "check_pools.py")
POOLS = os.path.join(ROOT, "resources", "pools")
NAMES = ["basic_en.txt", "basic_fr.txt", "advanced_en.txt", "advanced_fr.txt"]

sys.path.insert(0, TOOLS)
sys.path.insert(0, os.path.join(TOOLS, "pooldata"))
import basic  # noqa: E402
import basic_calc  # noqa: E402
import check_pools  # noqa: E402
from basic_util import calc, num, si  # noqa: E402


def generate(out_dir):
    subprocess.run([sys.executable, GEN, "--out", out_dir], check=True,
                   stdout=subprocess.DEVNULL)
    found = {}
    for name in NAMES:
        path = os.path.join(out_dir, name)
        if os.path.exists(path):
            with open(path, "rb") as f:
                found[name] = f.read()
    return found


def committed(name):
    with open(os.path.join(POOLS, name), "rb") as f:
        return f.read()


class GeneratorTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
            cls.first = generate(a)
            cls.second = generate(b)

    def test_basic_pools_are_always_written(self):
        self.assertIn("basic_en.txt", self.first)
        self.assertIn("basic_fr.txt", self.first)

    def test_two_runs_give_identical_bytes(self):
        self.assertEqual(sorted(self.first), sorted(self.second))
        for name, data in self.first.items():
            self.assertEqual(data, self.second[name], name)

    def test_output_matches_committed_pools(self):
        for name, data in self.first.items():
            with self.subTest(name=name):
                self.assertEqual(data, committed(name),
                                 "%s differs from resources/pools; rerun tools/gen_pools.py" % name)

    def test_english_and_french_share_codes_and_answers(self):
        for cls in ("basic", "advanced"):
            en, fr = self.first.get(cls + "_en.txt"), self.first.get(cls + "_fr.txt")
            if en is None or fr is None:
                continue
            a = check_pools.check_data("en", en, "en")
            b = check_pools.check_data("fr", fr, "fr")
            self.assertEqual(check_pools.compare(a, b), [], cls)


class AdvancedTablesMissingTest(unittest.TestCase):
    """Basic must still be written while the Advanced tables are absent or broken."""

    def run_in_copy(self, advanced_source):
        with tempfile.TemporaryDirectory() as tmp:
            data = os.path.join(tmp, "tools", "pooldata")
            os.makedirs(data)
            shutil.copy(GEN, os.path.join(tmp, "tools"))
            for path in glob.glob(os.path.join(TOOLS, "pooldata", "*.py")):
                if not os.path.basename(path).startswith("advanced"):
                    shutil.copy(path, data)
            if advanced_source is not None:
                with open(os.path.join(data, "advanced.py"), "w") as f:
                    f.write(advanced_source)
            out = os.path.join(tmp, "out")
            result = subprocess.run([sys.executable, os.path.join(tmp, "tools", "gen_pools.py"), "--out", out],
                                    stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
            return result, sorted(os.listdir(out))

    def test_missing_module(self):
        result, files = self.run_in_copy(None)
        self.assertEqual(result.returncode, 0, result.stdout)
        self.assertEqual(files, ["basic_en.txt", "basic_fr.txt"])
        self.assertIn("advanced: skipped", result.stdout)

    def test_module_that_fails_to_import(self):
        result, files = self.run_in_copy("TOPICS = [\n")
        self.assertEqual(files, ["basic_en.txt", "basic_fr.txt"])
        self.assertIn("advanced: skipped", result.stdout)

    def test_module_with_too_few_sections(self):
        q = {"en": ("Q?", "a", "b", "c", "d"), "fr": ("Q ?", "a", "b", "c", "d")}
        result, files = self.run_in_copy("TOPICS = %r\n" % ([{"en": "T", "fr": "T", "sections": [[q] * 8]}],))
        self.assertEqual(files, ["basic_en.txt", "basic_fr.txt"])
        self.assertIn("1 sections", result.stdout)


class NumberFormattingTest(unittest.TestCase):
    def test_rounding_is_half_up_with_carry(self):
        self.assertEqual(num("2.345", "en"), "2.35")
        self.assertEqual(num("9.996", "en"), "10")
        self.assertEqual(num("0.0333333", "en"), "0.0333")

    def test_french_uses_decimal_comma_and_spaced_thousands(self):
        self.assertEqual(num("0.5", "fr"), "0,5")
        self.assertEqual(num(14347, "fr", 8), "14 347")
        self.assertEqual(num(14347, "en", 8), "14,347")
        self.assertEqual(num(7074, "fr", 8), "7074")

    def test_prefixes_and_ohm_words(self):
        self.assertEqual(si(4700, "ohm", "en"), "4.7 kilohms")
        self.assertEqual(si(1000, "ohm", "en"), "1 kilohm")
        self.assertEqual(si("1.5", "ohm", "fr"), "1,5 ohm")
        self.assertEqual(si(2000000, "ohm", "fr"), "2 m\u00e9gohms")
        self.assertEqual(si("0.000000047", "F", "en"), "47 nF")
        self.assertEqual(si(1000, "s", "en", top=0), "1000 s")

    def test_calc_skips_colliding_distractors_and_fails_when_too_few(self):
        fmt = lambda v, lang: num(v, lang)
        q = calc("Q", "Q", [1, 10, 1, "0.1", 100], fmt)
        self.assertEqual(q["en"], ("Q", "1", "10", "0.1", "100"))
        with self.assertRaises(ValueError):
            calc("Q", "Q", [1, 1, 1, 2, 3], fmt)


class ComputedFamiliesTest(unittest.TestCase):
    def correct(self, questions):
        return [(q["en"][1], q["fr"][1]) for q in questions]

    def test_worked_values(self):
        self.assertEqual(self.correct(basic_calc.ohm_i([(12, 240)])), [("50 mA", "50 mA")])
        self.assertEqual(self.correct(basic_calc.resonance([("0.00001", "0.0000000001")])),
                         [("5.03 MHz", "5,03 MHz")])
        self.assertEqual(self.correct(basic_calc.xc([(1000, "0.000001")])),
                         [("159 ohms", "159 ohms")])
        self.assertEqual(self.correct(basic_calc.swr([(75, )])), [("1.5:1", "1,5:1")])
        self.assertEqual(self.correct(basic_calc.dipole([("7.1", )])), [("20 m", "20 m")])
        self.assertEqual(self.correct(basic_calc.r_parallel([[100, 150]])), [("60 ohms", "60 ohms")])
        self.assertEqual(self.correct(basic_calc.image([("14.2", 9)])), [("32.2 MHz", "32,2 MHz")])

    def test_utc_wraps_round_midnight(self):
        self.assertEqual(self.correct(basic_calc.utc([(0, 30, 3)])), [("21:30 UTC", "21 h 30 UTC")])
        self.assertEqual(self.correct(basic_calc.utc([(21, 45, -5)])), [("02:45 UTC", "2 h 45 UTC")])

    def test_no_computed_family_fills_more_than_a_third_of_a_section(self):
        origin = {}
        real = basic_calc.family

        def tracking(values, make):
            out = real(values, make)
            for q in out:
                origin[q["en"][0]] = make.__qualname__.split(".")[0]
            return out

        basic_calc.family = tracking
        try:
            import importlib
            topics = [importlib.reload(m) for m in basic._MODULES]
        finally:
            basic_calc.family = real
        for t, module in enumerate(topics, 1):
            for s, section in enumerate(module.SECTIONS, 1):
                counts = {}
                for q in section:
                    if q["en"][0] in origin:
                        counts[origin[q["en"][0]]] = counts.get(origin[q["en"][0]], 0) + 1
                for name, n in counts.items():
                    self.assertLessEqual(3 * n, len(section), "%s in section %d.%d" % (name, t, s))

    def test_section_skipping_05_has_numbers_up_to_11(self):
        t, s = basic.SKIP05
        self.assertEqual(len(basic.TOPICS[t - 1]["sections"][s - 1]), 10)


def lines_of(data):
    return data.decode("cp1252").split("\r\n")


def bytes_of(lines):
    return "\r\n".join(lines).encode("cp1252")


def index_of(lines, code):
    for i, line in enumerate(lines):
        if line.startswith(code + " ("):
            return i
    raise AssertionError("no block " + code)


class ValidatorTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.en = committed("basic_en.txt")
        cls.fr = committed("basic_fr.txt")

    def faults(self, data, lang="en"):
        return check_pools.check_data("test", data, lang).errors

    def assertRejected(self, data, fragment, lang="en"):
        errors = self.faults(data, lang)
        self.assertTrue(any(fragment in e for e in errors),
                        "expected a fault containing %r, got %r" % (fragment, errors[:5]))

    def test_shipped_pools_pass(self):
        present = [n for n in NAMES if os.path.exists(os.path.join(POOLS, n))]
        if len(present) < len(NAMES):
            self.skipTest("Advanced pools not generated yet")
        result = subprocess.run([sys.executable, CHECK, "--shipped"],
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_basic_pools_pass_one_by_one(self):
        self.assertEqual(self.faults(self.en, "en"), [])
        self.assertEqual(self.faults(self.fr, "fr"), [])

    def test_missing_answer_line(self):
        lines = lines_of(self.en)
        i = index_of(lines, "B-004-03-02")
        del lines[i + 5]
        self.assertRejected(bytes_of(lines), "empty answer in block B-004-03-02")

    def test_correct_answer_digit_out_of_range(self):
        lines = lines_of(self.en)
        i = index_of(lines, "B-006-02-03")
        lines[i] = lines[i][:11] + " (5)"
        self.assertRejected(bytes_of(lines), "bad code line")

    def test_code_without_answer_digit(self):
        lines = lines_of(self.en)
        i = index_of(lines, "B-006-02-04")
        lines[i] = lines[i][:11]
        self.assertRejected(bytes_of(lines), "bad code line")

    def test_blocks_out_of_order(self):
        lines = lines_of(self.en)
        i = index_of(lines, "B-007-04-02")
        lines[i:i + 13] = lines[i + 7:i + 13] + [""] + lines[i:i + 6]
        self.assertRejected(bytes_of(lines), "out of order")

    def test_blank_line_after_last_block(self):
        self.assertRejected(self.en + b"\r\n", "blank line after the last block")

    def test_line_feed_without_carriage_return(self):
        data = self.en.replace(b"\r\n", b"\n", 1)
        self.assertRejected(data, "CR or LF")

    def test_byte_outside_windows_1252(self):
        lines = lines_of(self.en)
        i = index_of(lines, "B-003-05-01")
        data = bytes_of(lines)
        at = data.index(lines[i + 1].encode("cp1252"))
        self.assertRejected(data[:at] + b"\x81" + data[at:], "Windows-1252")

    def test_line_longer_than_the_limit(self):
        lines = lines_of(self.en)
        i = index_of(lines, "B-001-02-03")
        lines[i + 1] += " " + "x" * 420
        self.assertRejected(bytes_of(lines), "longer than 419")

    def test_block_too_long_to_print(self):
        # Every line within the limit, but the printed block of the longest
        # question grows past what the listing's buffer is sized for.
        lines = lines_of(self.en)
        i = next(n for n, ln in enumerate(lines) if len(ln) == 419) - 1
        for a in range(2, 6):
            lines[i + a] += " " + "y" * 30
        self.assertTrue(all(len(ln) <= 419 for ln in lines))
        self.assertRejected(bytes_of(lines), "prints as a block of")

    def test_no_line_of_the_longest_length(self):
        lines = [ln[:418] if len(ln) == 419 else ln for ln in lines_of(self.en)]
        self.assertRejected(bytes_of(lines), "no line of exactly 419")

    def test_repeated_question(self):
        lines = lines_of(self.en)
        a, b = index_of(lines, "B-008-01-01"), index_of(lines, "B-008-01-02")
        lines[b + 1] = lines[a + 1]
        self.assertRejected(bytes_of(lines), "repeats the question")

    def test_two_identical_answers(self):
        lines = lines_of(self.en)
        i = index_of(lines, "B-009-03-03")
        lines[i + 3] = lines[i + 2]
        self.assertRejected(bytes_of(lines), "two identical answers")

    def test_second_section_skipping_05(self):
        lines = lines_of(self.en)
        i = index_of(lines, "B-005-01-05")
        del lines[i:i + 7]
        self.assertRejected(bytes_of(lines), "skip 05")

    def test_section_list_out_of_step_with_blocks(self):
        data = self.en.replace(b"B-009-10 ...", b"B-009-11 ...", 1)
        self.assertRejected(data, "section list does not match")

    def test_uneven_correct_positions(self):
        lines = lines_of(self.en)
        for i, ln in enumerate(lines):
            if ln.startswith("B-00") and ln.endswith(")") and ln[-2] in "234" and i % 3:
                lines[i] = ln[:-2] + "1)"
        self.assertRejected(bytes_of(lines), "correct answer at position 1")

    def test_correct_answer_always_longest(self):
        lines = lines_of(self.en)
        for i, ln in enumerate(lines):
            if ln.startswith("B-0") and ln.endswith(")") and len(ln) == 15:
                k = int(ln[-2])
                lines[i + 1 + k] += " which is what the rules and good practice ask of every station"
        self.assertRejected(bytes_of(lines), "is the longest")

    def test_decimal_point_in_french(self):
        data = self.fr.replace("13,8 V".encode("cp1252"), "13.8 V".encode("cp1252"), 1)
        self.assertRejected(data, "decimal point", "fr")

    def test_english_and_french_disagree_on_an_answer(self):
        lines = lines_of(self.fr)
        i = index_of(lines, "B-002-07-01")
        k = int(lines[i][-2])
        other = 1 if k != 1 else 2
        lines[i] = lines[i][:-2] + str(other) + ")"
        en = check_pools.check_data("en", self.en, "en")
        fr = check_pools.check_data("fr", bytes_of(lines), "fr")
        self.assertTrue(check_pools.compare(en, fr))

    def test_command_line_fails_on_a_broken_file(self):
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "basic_en.txt")
            with open(path, "wb") as f:
                f.write(self.en.replace(b"(1)\r\n", b"(0)\r\n", 1))
            result = subprocess.run([sys.executable, CHECK, path],
                                    stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("bad code line", result.stdout)


# Planted pools for the guessing candidate: 60 worded and 40 numeric
# questions.  Every option is a five-letter lead and six-letter fillers, so the
# length rank of an option is its number of words.  Half the worded questions
# put an absolute word in one option, the other half a word of the stem; the
# balanced pool puts that cue on the key in 8 of 30 questions, its length ranks
# and value ranks spread evenly.
FILLERS = "copper nickel silver carbon quartz cobalt bronze barium cerium osmium indium sodium".split()
LEADS = ["Raise", "Lower", "Shift", "Clamp"]
ADJ = "hollow bright narrow sturdy gentle silent".split()
NOUN = "tower cable panel frame crate plank board chest shelf bench".split()
WORDED, NUMERIC = 60, 40
EVEN_RANKS = [(q // 2) % 4 + 1 for q in range(WORDED)]


def balanced_hit(m):
    return (m // 4) % 4 == 0


def plain_values(j):
    values = [v * 10 ** (j % 3) for v in (13, 17, 23, 29)]
    return ["%d V" % v for v in values], j % 4


def planted(word="stage", ranks=EVEN_RANKS, absolute_hit=balanced_hit, sharer_hit=balanced_hit,
            values=plain_values, stem=None, leads=None, letter="B", volts=12, absolute="always"):
    """Blocks (code, key, stem, answers) of a planted pool."""
    blocks = []
    for q in range(WORDED):
        adj, noun, m, rank = ADJ[q % 6], NOUN[q // 6], q // 2, ranks[q]
        hit = absolute_hit(m) if q % 2 == 0 else sharer_hit(m)
        cue_rank = rank if hit else (rank + m % 3) % 4 + 1
        options = {}
        for r in range(1, 5):
            fill = [FILLERS[(q * 7 + r * 3 + t) % len(FILLERS)] for t in range(5 - r)]
            if r == cue_rank:
                fill[-1] = absolute if q % 2 == 0 else adj
            lead = leads(q, r == rank, r) if leads else LEADS[r - 1]
            options[r] = " ".join([lead] + fill)
        order = [options[r] for r in (1, 2, 3, 4)]
        shift = q % 4
        order = order[shift:] + order[:shift]
        text = stem(adj, noun, word) if stem else "Which setting suits the %s %s %s?" % (adj, noun, word)
        blocks.append(("%s-%03d" % (letter, q), order.index(options[rank]) + 1, text, order))
    for j in range(NUMERIC):
        answers, key = values(j)
        text = "What does the %s %s %s divider give from %d V across %d ohms?" % (
            ADJ[j % 6], NOUN[j // 6 % 10], word, volts + j, 100 + j)
        blocks.append(("%s-%03d" % (letter, WORDED + j), key + 1, text, answers))
    return blocks


def guess_faults(blocks, lang="en"):
    return check_pools.Guessing("planted", blocks, lang).faults


def class_pool(letter, blocks):
    pool = check_pools.Pool(letter)
    pool.letter, pool.blocks = letter, blocks
    return pool


class GuessingTest(unittest.TestCase):
    """The guessing rules always judge when called; ENFORCE_GUESSING only
    decides for which classes the command fails on them."""

    def assertFault(self, faults, fragment):
        self.assertTrue(any(fragment in f for f in faults),
                        "expected a fault containing %r, got %r" % (fragment, faults))

    def test_balanced_pool_passes_in_both_languages(self):
        for lang, absolute in (("en", "always"), ("fr", "jamais")):
            with self.subTest(lang=lang):
                g = check_pools.Guessing("planted", planted(absolute=absolute), lang)
                self.assertEqual(g.faults, [])
                self.assertGreater(g.abs_keys, 0)
                self.assertLessEqual(g.combination, check_pools.MAX_STRATEGY)

    def test_length_of_the_key(self):
        tied = lambda q, is_key, r: LEADS[r - 1]
        cases = [
            ("always longest", [1] * WORDED, "length rank 1 holds the key in 100.0%"),
            ("always second-longest", [2] * WORDED, "length rank 2 holds the key in 100.0%"),
            ("two longest in 60%", [1, 2] * 18 + [3, 4] * 12,
             "the two longest options hold the key in 60.0%"),
        ]
        for name, ranks, fragment in cases:
            with self.subTest(name):
                self.assertFault(guess_faults(planted(ranks=ranks, leads=tied)), fragment)
        # A key tied for longest with one distractor is the longest half the time.
        blocks = planted(ranks=[1] * WORDED)
        for code, k, q, answers in blocks[:WORDED]:
            second = sorted(range(4), key=lambda i: len(answers[i]))[-2]
            answers[second] = answers[k - 1][:-6] + "zircon"
        faults = guess_faults(blocks)
        self.assertFault(faults, "length rank 1 holds the key in 50.0%")
        self.assertFault(faults, "length rank 2 holds the key in 50.0%")

    def test_values_of_the_key(self):
        def second_smallest(j):
            answers, _ = plain_values(j)
            return answers, 1

        def centre(j):
            v = (4.7, 3.3, 6.8, 2.2, 5.6)[j % 5]
            pattern = [(0.5, 2, 10), (0.1, 0.5, 2), (2, 10, 2 ** 0.5), (0.5, 0.1, 1 / 3.14159)][j % 4]
            answers = ["%.3g V" % (v * f) for f in (1,) + pattern]
            return answers[j % 4:] + answers[:j % 4], (4 - j % 4) % 4

        self.assertFault(guess_faults(planted(values=second_smallest)),
                         "value rank 2 holds the key in 100.0% of 40 numeric")
        faults = guess_faults(planted(values=centre))
        self.assertFault(faults, 'strategy "multiples centre" picks the key in 100.0%')
        self.assertFalse(any("value rank" in f for f in faults), faults)

    def test_words_of_the_options(self):
        never = lambda m: False
        always = lambda m: True
        faults = guess_faults(planted(absolute_hit=never))
        self.assertFault(faults, "absolute words stand in 0.0% of the keys and 10.0% of the distractors")
        self.assertFault(faults, 'strategy "avoid absolute words" picks the key in 33.3%')
        self.assertFault(guess_faults(planted(sharer_hit=always)),
                         'strategy "stem word, lone sharer" picks the key in 100.0%')

    def test_grammar_of_the_stem(self):
        # "... is an" before a vowel; "Quelle est la" before a feminine article.
        english = planted(stem=lambda *w: "In the %s %s %s, the part that sets the level is an" % w,
                          leads=lambda q, is_key, r: "Anode" if is_key else "Relay")
        french = planted(stem=lambda *w: "Quelle est la pi\u00e8ce du %s %s %s ?" % w,
                         leads=lambda q, is_key, r: "La" if is_key else ["Le", "Un", "Du", "Le"][r - 1])
        for lang, blocks in (("en", english), ("fr", french)):
            with self.subTest(lang=lang):
                self.assertFault(guess_faults(blocks, lang),
                                 'strategy "grammatical fit" picks the key in 100.0%')

    def test_same_question_in_both_classes(self):
        basic = planted(word="stage")
        advanced = planted(word="chain", letter="A", volts=60)
        both = lambda: check_pools.cross_class_faults(class_pool("B", basic), class_pool("A", advanced))
        self.assertEqual(both(), [])
        code, k, q, answers = basic[WORDED + 3]
        # Same stem, other numbers; reworded, same inputs and answer; a sister
        # on the same inputs that asks for something else.
        advanced[5] = ("A-005", k, q.upper().replace("ACROSS 103", "across  470"), answers)
        advanced[WORDED + 8] = ("A-068", k, "Fed from 15 V, what do 103 ohms give?", answers)
        advanced[WORDED + 9] = ("A-069", 1, "What current flows from 15 V through 103 ohms?",
                                ["146 mA", "1.46 A", "14.6 mA", "6.87 A"])
        self.assertEqual(both(), ["B-063 and A-005 ask the same question with other numbers",
                                  "B-063 and A-068 make the same calculation (103 15, answer "
                                  + answers[k - 1] + ")"])

    def test_command_fails_on_guessing_faults_only_when_enforced(self):
        lines = lines_of(committed("basic_en.txt"))
        for i, ln in enumerate(lines):
            if check_pools.CODE_RE.match(ln):
                k, answers = int(ln[-2]), lines[i + 2:i + 6]
                if not any(check_pools.parse_value(a, "en") for a in answers):
                    second = sorted(range(4), key=lambda j: -len(answers[j]))[1]
                    answers[k - 1], answers[second] = answers[second], answers[k - 1]
                    lines[i + 2:i + 6] = answers
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "basic_en.txt")
            with open(path, "wb") as f:
                f.write(bytes_of(lines))
            saved = check_pools.ENFORCE_GUESSING
            try:
                for enforce in (set(), {"B"}):
                    check_pools.ENFORCE_GUESSING = enforce
                    out = io.StringIO()
                    with contextlib.redirect_stdout(out):
                        code = check_pools.main([path])
                    with self.subTest(enforce=enforce):
                        self.assertEqual(code, 1 if enforce else 0, out.getvalue())
                        self.assertIn("length rank 2 holds the key", out.getvalue())
                        self.assertEqual("warning: " in out.getvalue(), not enforce)
            finally:
                check_pools.ENFORCE_GUESSING = saved

    def test_numbers_with_units_and_prefixes(self):
        cases = [("1,500 W", "en", (1500.0, "W")), ("1 500 W", "fr", (1500.0, "W")),
                 ("2,5 kHz", "fr", (2500.0, "Hz")), ("4.7 kilohms", "en", (4700.0, "ohm")),
                 ("2 m\u00e9gohms", "fr", (2e6, "ohm")), ("470 \u00b5A", "en", (0.00047, "A")),
                 ("10 mS", "en", (0.01, "S")), ("100 ms", "en", (0.1, "s")),
                 ("About 15.6 V", "en", (15.6, "V")), ("1.5:1", "en", (1.5, ":1")),
                 ("14 348,4 kHz", "fr", (14348400.0, "Hz")),
                 ("16:45 UTC", "en", None), ("1,5 V", "en", None), ("The 20 m band", "en", None)]
        for text, lang, want in cases:
            with self.subTest(text=text):
                got = check_pools.parse_value(text, lang)
                if want is None:
                    self.assertIsNone(got)
                else:
                    self.assertAlmostEqual(got[0], want[0], delta=want[0] * 1e-9)
                    self.assertEqual(got[1], want[1])


if __name__ == "__main__":
    unittest.main()
