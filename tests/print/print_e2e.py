#!/usr/bin/env python3
"""Printing end to end, through a real CUPS queue that writes PDF files.

The print dialog is put on the test display by the print Wine test program
(its PrintHost test, which also writes the generated test's codes and the
dialog's button rectangles), and is then used as a person would: xdotool
clicks its buttons, confirms or cancels the printer dialog with Return or
Escape, and types into the font dialog. Every PDF is checked with pdfinfo,
pdftotext, pdffonts and pdfimages; the answer sheets are rendered at the
printer's 300 dpi and their answer boxes inspected for crosses. One page of
each kind of document is rendered to PNG under <build>/print-e2e/png for a
person to look at.
"""

import datetime
import os
import re
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.environ.get("KORVANE_SOURCE_DIR") or os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(ROOT, "tests", "support"))
import cups_pdf  # noqa: E402

BUILD = os.path.abspath(os.environ.get("KORVANE_BUILD_DIR") or os.path.join(ROOT, "build"))
HOST_EXE = os.path.join(BUILD, "win", "tests", "print_dialog_wintest.exe")
WINE_EXEC = os.path.join(ROOT, "scripts", "wine-exec.sh")
# The display the Wine programs of this run use (scripts/xvfb.sh).
DISPLAY = os.environ.get("KORVANE_TEST_DISPLAY") or os.environ.get("DISPLAY") or ":87"
WORK = os.path.join(BUILD, "print-e2e")
PDF_DIR = os.path.join(WORK, "pdf")
PNG_DIR = os.path.join(WORK, "png")

IDS = {"exam": 1004, "answers": 1005, "sheet": 1006, "all": 1007, "font": 1002, "close": 1003}

failures = []


def check(condition, message):
    if condition:
        print("ok   " + message)
    else:
        print("FAIL " + message)
        failures.append(message)
    return condition


def run(*args, timeout=30):
    return subprocess.run(list(args), stdin=subprocess.DEVNULL, capture_output=True,
                          text=True, timeout=timeout)


def xdotool(*args, timeout=15):
    env = dict(os.environ, DISPLAY=DISPLAY)
    try:
        return subprocess.run(["xdotool"] + list(args), stdin=subprocess.DEVNULL,
                               capture_output=True, text=True, timeout=timeout, env=env)
    except subprocess.TimeoutExpired:
        return None


def find_window(title, timeout=15):
    """Visible windows whose title is exactly title (a dialog can match twice)."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        out = xdotool("search", "--onlyvisible", "--name", "^%s$" % re.escape(title), timeout=5)
        if out and out.stdout.split():
            return out.stdout.split()[0]
        time.sleep(0.1)
    return None


def gone(title, timeout=10):
    deadline = time.time() + timeout
    while time.time() < deadline:
        out = xdotool("search", "--onlyvisible", "--name", "^%s$" % re.escape(title), timeout=5)
        if out and not out.stdout.split():
            return True
        time.sleep(0.1)
    return False


def winpath(path):
    return "Z:" + path.replace("/", "\\")


class Host:
    """The print dialog of a generated test, in the print Wine test program."""

    def __init__(self, language, class_index, tag):
        self.dir = os.path.join(WORK, "host-" + tag)
        os.makedirs(self.dir, exist_ok=True)
        self.caption = "Imprimer test" if language == 2 else "Print test"
        env = dict(os.environ, KORVANE_BUILD=BUILD, KORVANE_TEST_DISPLAY=DISPLAY,
                   KORVANE_PRINT_HOST_DIR=winpath(self.dir),
                   KORVANE_PRINT_LANGUAGE=str(language), KORVANE_PRINT_CLASS=str(class_index))
        self.log = open(os.path.join(self.dir, "host.log"), "w")
        self.process = subprocess.Popen(
            [WINE_EXEC, HOST_EXE, "--gtest_also_run_disabled_tests",
             "--gtest_filter=PrintHost.*"],
            stdin=subprocess.DEVNULL, stdout=self.log, stderr=subprocess.STDOUT, env=env)
        self.buttons = {}
        layout = os.path.join(self.dir, "layout.txt")
        deadline = time.time() + 90
        while not os.path.exists(layout):
            if self.process.poll() is not None or time.time() > deadline:
                raise RuntimeError("the print dialog did not come up; see " + self.log.name)
            time.sleep(0.1)
        for line in open(layout):
            id_, left, top, right, bottom = map(int, line.split())
            self.buttons[id_] = ((left + right) // 2, (top + bottom) // 2)
        self.codes = open(os.path.join(self.dir, "codes.txt")).read().split()
        self.window = find_window(self.caption)

    def click(self, name):
        x, y = self.buttons[IDS[name]]
        xdotool("mousemove", "--sync", str(x), str(y))
        xdotool("click", "1")

    def is_open(self):
        return find_window(self.caption, timeout=2) is not None and self.process.poll() is None

    def close(self):
        self.click("close")
        try:
            code = self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.process.kill()
            code = None
        self.log.close()
        return code

    def font(self):
        lines = open(os.path.join(self.dir, "font.txt")).read().split("\n")
        return lines[0], int(lines[1])

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def printer_dialog(action):
    """Confirms (Return) or cancels (Escape) the printer dialog; the time the
    key was pressed, or None when no printer dialog came."""
    window = find_window("Print", timeout=20)
    if not window:
        return None
    xdotool("windowfocus", "--sync", window)
    pressed = time.time()
    xdotool("key", "--clearmodifiers", action)
    gone("Print", timeout=10)
    return pressed


def new_pdfs(queue, before, count, timeout=20):
    files = cups_pdf.wait_for_pdfs(queue, len(before) + count, timeout=timeout)
    return [f for f in files if f not in before]


def pdf_info(path):
    info = {}
    for line in run("pdfinfo", path).stdout.splitlines():
        key, _, value = line.partition(":")
        info[key.strip()] = value.strip()
    return info


def page_text(path, page):
    text = run("pdftotext", "-f", str(page), "-l", str(page), "-enc", "UTF-8", path, "-").stdout
    # The PDF maps the fonts' hyphen glyph to the soft hyphen.
    return text.replace("\u00ad", "-")


def fonts_of(path):
    return run("pdffonts", path).stdout


def image_count(path):
    lines = run("pdfimages", "-list", path).stdout.splitlines()
    return max(0, len(lines) - 2)


def render(path, page, name, dpi=100):
    os.makedirs(PNG_DIR, exist_ok=True)
    stem = os.path.join(PNG_DIR, name)
    run("pdftoppm", "-png", "-r", str(dpi), "-f", str(page), "-l", str(page), "-singlefile",
        path, stem, timeout=60)
    return stem + ".png"


def today(language):
    now = datetime.datetime.now(datetime.timezone.utc)
    if language == 2:
        return "%02d-%02d-%04d" % (now.day, now.month, now.year)
    return "%02d-%02d-%04d" % (now.month, now.day, now.year)


def correct_answers(pool_file):
    """Code -> correct answer index (0..3), from a pool's code lines."""
    text = open(os.path.join(ROOT, "resources", "pools", pool_file), "rb").read().decode("cp1252")
    return {m.group(1): int(m.group(2)) - 1
            for m in re.finditer(r"^([AB]-\d{3}-\d{2}-\d{2}) \((\d)\)", text, re.M)}


def crossed_boxes(png):
    """Question -> list of crossed answer boxes (1..4), read from a 300 dpi
    render of the answer sheet at the form's grid positions."""
    from PIL import Image
    image = Image.open(png).convert("L")
    width, height = image.size
    dpi = 300
    mx, my = dpi // 2, dpi // 2
    pw, ph = width - 2 * mx, height - 2 * my
    column, row = pw / 25.0, 0.62 * ph / 21.0
    top = my + 0.21 * ph
    pixels = image.load()
    crossed = {}
    for r in range(1, 21):
        for c in range(25):
            if c % 5 == 0:
                continue
            cx, cy = int(mx + (c + 0.5) * column), int(top + (r + 0.5) * row)
            dark = sum(1 for dx in range(-4, 5) for dy in range(-4, 5)
                       if pixels[cx + dx, cy + dy] < 100)
            if dark > 8:
                crossed.setdefault(r + 20 * (c // 5), []).append(c % 5)
    return crossed


def check_listing(path, host, language, class_word, heading, pass_sentence, label):
    info = pdf_info(path)
    check(info.get("Title") == "Velmoria Test", "%s: document titled Velmoria Test (%s)"
          % (label, info.get("Title")))
    check(info.get("Page size", "").startswith("612 x 792"), "%s: Letter pages" % label)
    pages = int(info.get("Pages", "0"))
    first = page_text(path, 1)
    check(heading in first, "%s: title page has the class heading" % label)
    check(pass_sentence in " ".join(first.split()), "%s: title page has the pass sentence" % label)
    check(today(language) in first, "%s: title page has the date" % label)
    check("Page" not in first, "%s: title page has no header" % label)
    numbers, codes, headers = [], [], []
    for page in range(2, pages + 1):
        text = page_text(path, page)
        headers.append("%s - %s - Page %d" % (class_word, today(language), page - 1) in text)
        for m in re.finditer(r"^(\d+)\. \(([AB]-\d{3}-\d{2}-\d{2})\)", text, re.M):
            numbers.append(int(m.group(1)))
            codes.append(m.group(2))
    check(pages >= 2 and all(headers), "%s: pages 2..%d headed 'Page 1'..'Page %d'"
          % (label, pages, pages - 1))
    check(numbers == list(range(1, len(host.codes) + 1)),
          "%s: %d numbered blocks in order" % (label, len(host.codes)))
    check(codes == host.codes, "%s: the test's codes in test order" % label)
    check(image_count(path) == 0, "%s: no picture" % label)
    return pages


def check_sheet(path, correct, host, answers, label):
    info = pdf_info(path)
    check(info.get("Title") == "Velmoria Test", "%s: document titled Velmoria Test" % label)
    check(info.get("Pages") == "1", "%s: one page" % label)
    text = " ".join(page_text(path, 1).split())
    if correct:
        check("Correct Examination Answer Sheet" in text, "%s: correct-answer heading" % label)
        check("Instructions:" not in text, "%s: no instructions" % label)
    else:
        check("Examination Answer Sheet" in text and "Correct" not in text,
              "%s: blank-form heading" % label)
        check("Instructions: Place an" in text, "%s: instructions" % label)
    check("Date of Exam: " + today(1) in text, "%s: dated" % label)
    check("Name of candidate:" in text and "Mark Obtained (pass=60%)" in text,
          "%s: name and mark boxes" % label)
    check(image_count(path) == 1, "%s: the logo strip is printed" % label)
    full = render(path, 1, "crosses-" + label.replace(" ", "-"), dpi=300)
    crossed = crossed_boxes(full)
    os.remove(full)
    if correct:
        expected = {n: [answers[code] + 1] for n, code in enumerate(host.codes, 1)}
    else:
        expected = {}
    check(crossed == expected, "%s: crosses on %s" % (
        label, "each question's correct answer only" if correct else "no box"))


def main():
    for tool in ("xdotool", "pdftotext", "pdftoppm", "pdffonts", "pdfimages", "cupsd", "lpadmin"):
        if not shutil.which(tool):
            print("missing tool: " + tool)
            return 1
    if not os.path.exists(HOST_EXE):
        print("missing " + HOST_EXE + " (build the win tree first)")
        return 1
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(WORK)
    queue = cups_pdf.start(PDF_DIR)
    host = None
    try:
        answers = correct_answers("basic_en.txt")
        host = Host(1, 0, "en")
        check(len(host.codes) == 100, "a Basic test of 100 questions")

        # Escape does not close the print dialog.
        xdotool("windowfocus", "--sync", host.window)
        xdotool("key", "Escape")
        time.sleep(0.5)
        check(host.is_open(), "Escape leaves the print dialog open")

        # Exam...: the test listing, in time.
        before = cups_pdf.pdfs(queue)
        host.click("exam")
        pressed = printer_dialog("Return")
        listing = new_pdfs(queue, before, 1)
        took = time.time() - pressed if pressed else 99
        check(len(listing) == 1, "Exam... prints one document")
        check(took < 5.0, "the listing reaches its PDF %.1f s after the printer dialog" % took)
        if listing:
            pages = check_listing(listing[0], host, 1, "Basic", "Basic Class Training",
                                  "To pass this exam, you must correctly answer 60 out of the "
                                  "100 questions", "listing")
            check("LiberationSans" in fonts_of(listing[0]), "listing: in the print font (Arial)")
            render(listing[0], 1, "listing-title")
            render(listing[0], 2, "listing-page1")
            render(listing[0], pages, "listing-last")

        # Answers... and Answer sheet...
        before = cups_pdf.pdfs(queue)
        host.click("answers")
        printer_dialog("Return")
        sheet = new_pdfs(queue, before, 1)
        if check(len(sheet) == 1, "Answers... prints one document"):
            check_sheet(sheet[0], True, host, answers, "answers")
            render(sheet[0], 1, "answers")
        before = cups_pdf.pdfs(queue)
        host.click("sheet")
        printer_dialog("Return")
        sheet = new_pdfs(queue, before, 1)
        if check(len(sheet) == 1, "Answer sheet... prints one document"):
            check_sheet(sheet[0], False, host, answers, "blank sheet")
            render(sheet[0], 1, "blank-sheet")

        # All... with every printer dialog cancelled prints nothing.
        before = cups_pdf.pdfs(queue)
        host.click("all")
        asked = [printer_dialog("Escape") for _ in range(3)]
        check(all(asked), "All... asks for a printer three times")
        time.sleep(2.0)
        # Compared as sets: an earlier document still settling may change the mtime order.
        extra = sorted(set(cups_pdf.pdfs(queue)) - set(before))
        check(not extra, "All... cancelled three times prints nothing %s" % extra)
        check(host.is_open(), "and leaves the print dialog open")

        # All... confirmed: three documents in turn.
        before = cups_pdf.pdfs(queue)
        host.click("all")
        for _ in range(3):
            printer_dialog("Return")
        three = new_pdfs(queue, before, 3)
        if check(len(three) == 3, "All... prints three documents"):
            titles = [" ".join(page_text(f, 1).split()) for f in three]
            check("Basic Class Training" in titles[0] and
                  "Correct Examination Answer Sheet" in titles[1] and
                  "Instructions:" in titles[2], "listing, answers, blank sheet in this order")

        # A font chosen in the font dialog changes the next listing only.
        host.click("font")
        fonts = find_window("Font")
        if check(fonts is not None, "Choose Font... opens the font dialog"):
            xdotool("windowfocus", "--sync", fonts)
            xdotool("key", "Home", "shift+End")
            xdotool("type", "Courier New")
            xdotool("key", "Tab", "alt+s")
            xdotool("key", "Home", "shift+End")
            xdotool("type", "14")
            xdotool("key", "Tab", "Return")
            gone("Font")
        before = cups_pdf.pdfs(queue)
        host.click("exam")
        printer_dialog("Return")
        mono = new_pdfs(queue, before, 1)
        if check(len(mono) == 1, "Exam... after the font choice prints"):
            check("LiberationMono" in fonts_of(mono[0]), "the listing uses the chosen font")
            render(mono[0], 2, "listing-chosen-font")
        before = cups_pdf.pdfs(queue)
        host.click("sheet")
        printer_dialog("Return")
        plain = new_pdfs(queue, before, 1)
        if check(len(plain) == 1, "Answer sheet... after the font choice prints"):
            check("LiberationMono" not in fonts_of(plain[0]),
                  "the answer sheet keeps its own fonts")

        # Cancel in the font dialog leaves the font.
        host.click("font")
        fonts = find_window("Font")
        if fonts:
            xdotool("windowfocus", "--sync", fonts)
            xdotool("key", "Home", "shift+End")
            xdotool("type", "Times New Roman")
            xdotool("key", "Escape")
            gone("Font")
        before = cups_pdf.pdfs(queue)
        host.click("exam")
        printer_dialog("Return")
        again = new_pdfs(queue, before, 1)
        if check(len(again) == 1, "Exam... after a cancelled font dialog prints"):
            used = fonts_of(again[0])
            check("LiberationMono" in used and "LiberationSerif" not in used,
                  "Cancel in the font dialog leaves the font")

        code = host.close()
        check(code == 0, "Close ends the print dialog with 1 (host exit %s)" % code)
        face, height = host.font()
        check(face == "Courier New", "the print font is the confirmed one (%s, %d)"
              % (face, height))
        host = None

        # French, Advanced: the listing's words and date order follow the language.
        host = Host(2, 1, "fr")
        before = cups_pdf.pdfs(queue)
        host.click("exam")
        printer_dialog("Return")
        french = new_pdfs(queue, before, 1)
        if check(len(french) == 1, "Examen... prints one document"):
            check_listing(french[0], host, 2, "Supérieure", "Entrainement de classe Supérieure",
                          "Pour réussir à cet examen, vous devez répondre correctement à 30 "
                          "questions sur 50", "French listing")
            render(french[0], 2, "listing-french-page1")
        check(host.close() == 0, "Fermer ends the French print dialog")
        host = None
    finally:
        if host:
            host.kill()
        cups_pdf.stop(queue)

    print("PNG pages to look at: " + PNG_DIR)
    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
