"""Checks of tools/gen_pools.py and tools/check_pools.py: the generator must
reproduce the committed pools byte for byte, and the validator must accept
the shipped pools and reject each kind of damaged block."""

import glob
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


if __name__ == "__main__":
    unittest.main()
