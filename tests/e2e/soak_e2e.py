"""A soak of random use: a seeded, reproducible walk over everything a user can
do on the real korvane.exe (every key of the panel, border and modules,
answers and navigation keys, drags, language switches, new tests, browse and
back, the section menu, the log's add and clear with their boxes answered
both ways, option toggles, hovering for tooltips and the chart's pop-up, the
print dialog and its font and printer dialogs, a few real prints to a PDF
queue, minimising and a second start).

After a warm-up, the process's memory, kernel handles and GDI and USER objects
must stay flat; at every rest no window holds the capture and no box is left
open; at the end the stored log reads back as the program showed it.

Environment: KORVANE_SOAK_ACTIONS (2000), KORVANE_SOAK_SEED (fixed, so that a
failure of the test command can be replayed), KORVANE_SOAK_PREFIX (another
Wine prefix, for a long walk by hand beside a test run: scripts/soak.sh)."""
import collections
import os
import random
import struct
import time
import unittest

import cups_pdf
import korvane_session as k

ACTIONS = int(os.environ.get("KORVANE_SOAK_ACTIONS", "2000"))
SEED = int(os.environ.get("KORVANE_SOAK_SEED", "20261209"))
PREFIX = os.environ.get("KORVANE_SOAK_PREFIX") or None
# Its own queue beside a test run, whose soak adds and removes the other.
QUEUE = "KorvaneSoakPDF" if PREFIX is None else "KorvaneSoakByHandPDF"
# Growth allowed after the warm-up, counted in the same state each time:
# none in windows; a few kernel handles and GDI objects that system libraries
# cache on the first use of a path the warm-up did not take; pages for heap
# fragmentation.
ALLOWED = {"user": 0, "handles": 3, "gdi": 8, "pagefile": 4 << 20}
# One real print in the warm-up, and one in every 5,000 actions of the walk.
REAL_PRINTS = ACTIONS // 5000

PRINT_DIALOG = (b"Print test", b"Imprimer test")
PRINT_JOBS = (b"Exam...", b"Answers...", b"Answer sheet...", b"All...",
              b"Examen...", b"R\xe9ponses...", b"Formulaire...", b"Tout...")
CHOOSE_FONT = (b"Choose Font...", b"Choisir police...")
CLOSE = (b"Close", b"Fermer")
SCREEN_W, SCREEN_H = k.SCREEN
MODULE_KEYS = {"test": k.ID_TEST, "log": k.ID_LOG, "options": k.ID_OPTIONS, "about": k.ID_ABOUT}


def label(button):
    return button["text"].replace(b"&", b"")


class Walk:
    """The walker: looks through one serving probe, acts with xdotool."""

    def __init__(self, case, seed):
        self.case, self.s = case, case.s
        self.rng = random.Random(seed)
        self.server = self.s.serve()
        self.count = 0
        self.recent = collections.deque(maxlen=25)
        self.prints_left = REAL_PRINTS
        self.printed = 0
        self.state = None
        self.spent = {}  # seconds by kind of action, answering what it opened
        self.uncovered = {}  # dialog: times it was found under another window

    # ---- looking
    def look(self):
        state = {"windows": {}, "dialogs": [], "capture": None, "menus": []}
        for f in self.server.ask("windows", "dialogs", "capture", "menu"):
            if f[0] == "window":
                state["windows"][f[1]] = {"visible": f[3] == "1",
                                          "rect": tuple(int(v) for v in f[4:8]),
                                          "minimised": f[8] == "1"}
            elif f[0] == "dialog":
                state["dialogs"].append({"hwnd": f[1], "title": k_bytes(f[2]),
                                         "rect": tuple(int(v) for v in f[3:7]), "owner": f[7],
                                         "buttons": [], "statics": []})
            elif f[0] in ("button", "static") and state["dialogs"]:
                state["dialogs"][-1][f[0] + "s"].append(
                    {"text": k_bytes(f[2]), "rect": tuple(int(v) for v in f[3:7])})
            elif f[0] == "capture":
                state["capture"] = None if f[1] in ("none", "0000000000000000") else f[1]
            elif f[0] == "menu" and f[1] == "1":
                state["menus"].append(tuple(int(v) for v in f[2:6]))
            elif f[0] == "error":
                raise k.E2EError("probe: " + " ".join(f))
        self.state = state
        return state

    def index(self):
        """The index display's text."""
        for f in self.server.ask("proptext", "test", k.ID_INDEX):
            return k_bytes(f[1]).decode("cp1252")
        return ""

    def shown(self, role, state=None):
        """Shown, and a module in its place beside the panel: the program
        shows a module before it moves it there."""
        windows = (state or self.state)["windows"]
        w = windows.get(role)
        if not (w and w["visible"] and not w["minimised"]):
            return False
        if role in MODULE_KEYS:
            main = windows["main"]["rect"]
            return w["rect"][:2] == (main[0] - 420, main[1] + 40)
        return True

    def origin(self, role):
        return self.state["windows"][role]["rect"][:2]

    def note(self, what):
        self.count += 1
        self.recent.append("%d %s" % (self.count, what))

    def fail(self, what):
        raise k.E2EError("%s (seed %d, after action %d; the last ones: %s)"
                         % (what, SEED, self.count, "; ".join(self.recent)))

    def alive(self):
        if self.s.app.poll() is not None:
            self.fail("korvane.exe ended with %s" % self.s.app.returncode)

    def wait(self, predicate, timeout, what):
        end = time.monotonic() + timeout
        while True:
            self.alive()
            if predicate(self.look()):
                return self.state
            if time.monotonic() > end:
                self.fail("timed out waiting for " + what)
            time.sleep(0.03)

    # ---- input
    def click(self, x, y, what):
        """A move, a pause for Wine to pass it on, then a press and a release,
        in one call of xdotool (its click command waits 100 ms)."""
        self.note(what)
        self.s.xdotool("mousemove", x + 2, y + 2, "sleep", "0.015", "mousemove", x, y,
                       "mousedown", "1", "mouseup", "1")

    def show(self, key, role):
        """A module's key, clicked again if nothing came of it: once in some
        70,000 actions a press that the key had seen coming was lost."""
        for attempt in range(2):
            self.press_key("main", k.PANEL_KEYS, key, "show the %s module" % role)
            time.sleep(0.05)  # shown already: it is shown again
            try:
                self.wait(lambda s: self.shown(role, s), 5 * (attempt + 1),
                          "the %s module" % role)
                return
            except k.E2EError:
                if attempt:
                    raise

    def press_key(self, role, layout, key, what):
        """A skinned key, as a user clicks it: the pointer moves onto it until
        the key sees it (Wine merges moves that come together, and a key that
        still holds the capture must get one to let it go; now and then the
        moves are lost, and the pointer goes away and comes back), then a
        press and a release. A key under a box never sees it: the click is
        made anyway, as a user's would be."""
        for attempt in range(3):
            # Where the window is now: a module is shown, then moved in place.
            try:
                self.wait(lambda s: self.shown(role, s), 2, "the %s window" % role)
            except k.E2EError:
                pass
            x, y = k.centre(self.origin(role), layout[key])
            end = time.monotonic() + 1
            i = 0
            while time.monotonic() < end:
                self.s.move(x + 1 + i % 2, y + 1)
                i += 1
                if self.server.ask("prop", role, key, "Prop_Over") == [["prop", "1"]]:
                    time.sleep(0.02)  # the capture it takes comes just after
                    self.note(what)
                    self.s.xdotool("mousemove", x, y, "mousedown", "1", "mouseup", "1")
                    return
                time.sleep(0.005)
            self.rest()
        x, y = k.centre(self.origin(role), layout[key])
        self.note(what + " (the key did not see the pointer)")
        self.s.xdotool("mousemove", x, y, "mousedown", "1", "mouseup", "1")

    def click_in(self, role, rect, what):
        self.click(*k.centre(self.origin(role), rect), what)

    def click_button(self, dialog, button):
        x0, y0, x1, y1 = button["rect"]
        self.click((x0 + x1) // 2, (y0 + y1) // 2,
                   "%s: %s" % (dialog["title"].decode("cp1252"), label(button).decode("cp1252")))

    def rest(self):
        """Pointer over a bare part of the panel, then off the composition."""
        if self.shown("main"):
            x, y = self.origin("main")
            self.s.move(x + 30, y + 465)
            time.sleep(0.05)
        self.s.move(2, 2)
        time.sleep(0.05)

    # ---- boxes and dialogs: answered until none is left
    def settle(self):
        for _ in range(200):
            self.alive()
            state = self.look()
            if state["menus"]:
                self.answer_menu(state["menus"][0])
                continue
            if not state["dialogs"]:
                return
            self.answer(state["dialogs"])
        self.fail("boxes and dialogs keep coming")

    def uncover(self, dialog):
        """What a user does for a box or dialog that another window hides: the
        module that owns it is shown again (under Wine a module raised over
        its own box can hide it too), else the module over it is hidden; when
        that has not brought it up twice (the panel key may lie under another
        box), it is brought to the top from the taskbar."""
        attempt = self.uncovered.get(dialog["hwnd"], 0)
        self.uncovered[dialog["hwnd"]] = attempt + 1
        if attempt >= 2:
            self.note("uncover: raise %r" % dialog["title"])
            self.server.ask("raise", dialog["hwnd"])
            time.sleep(0.05)
        elif dialog["owner"] in MODULE_KEYS and (attempt == 0 or not self.shown(dialog["owner"])):
            self.press_key("main", k.PANEL_KEYS, MODULE_KEYS[dialog["owner"]],
                           "uncover: show the %s module" % dialog["owner"])
        else:
            self.press_key("border", k.BORDER_KEYS, k.ID_HIDE, "uncover: hide")

    def answer(self, dialogs):
        owners = [d for d in dialogs if d["owner"] in MODULE_KEYS and not self.shown(d["owner"])
                  and self.uncovered.get(d["hwnd"], 0) < 2]
        if owners:
            return self.uncover(owners[0])
        by_title = {d["title"]: d for d in dialogs}
        # A printer or font dialog over the print dialog first, then boxes.
        for title in (b"Print", b"Font"):
            if title in by_title:
                return self.answer_common(by_title[title])
        boxes = [d for d in dialogs if d["title"] not in PRINT_DIALOG]
        if boxes:
            # The top one: boxes stack at the centre of the screen, and a
            # click lands on the top one.
            box = boxes[0]
            if not box["buttons"]:
                time.sleep(0.05)  # still being made
                return
            if box["title"] != self.s.strings[1][k.SLOT_TITLE]:
                self.fail("an unknown dialog %r" % box["title"])
            buttons = box["buttons"]
            texts = [t["text"] for t in box["statics"]]
            if any(self.s.strings[language][k.SLOT_CONFIRM_CLEAR] in texts for language in (1, 2)):
                # Mostly kept, so that the end has a log to read back.
                buttons = [b for b in buttons if label(b) in (b"No", b"Non")] \
                    if self.rng.random() < 0.85 else buttons
            self.click_button(box, self.rng.choice(buttons))
            return self.gone(box)
        self.answer_print(by_title[[t for t in by_title if t in PRINT_DIALOG][0]])

    def gone(self, dialog):
        """Waits for the dialog just clicked to close, or for another to open
        over it (the next printer dialog of "All..." comes when the job before
        has printed, and takes a click meant for the print dialog): the caller
        looks again and answers what is up then. Nothing of the kind: the
        dialog lies under another window, which is moved away."""
        before = {d["hwnd"] for d in self.state["dialogs"]}

        def done(state):
            now = {d["hwnd"] for d in state["dialogs"]}
            return dialog["hwnd"] not in now or now - before
        try:
            # A real print runs inside the click: a minute at most.
            self.wait(done, 60 if dialog["title"] == b"Print" else 5,
                      "%r to answer" % dialog["title"])
            self.uncovered.pop(dialog["hwnd"], None)
        except k.E2EError:
            # Shown again, hidden over, raised twice: it is not hidden, it is stuck.
            if self.uncovered.get(dialog["hwnd"], 0) >= 4:
                raise
            self.uncover(dialog)

    def find(self, dialog, labels):
        return [b for b in dialog["buttons"] if label(b) in labels]

    def answer_print(self, dialog):
        jobs, font, close = (self.find(dialog, PRINT_JOBS), self.find(dialog, CHOOSE_FONT),
                             self.find(dialog, CLOSE))
        if not (jobs and font and close):
            time.sleep(0.05)
            return
        r = self.rng.random()
        if r < 0.5:
            self.click_button(dialog, close[0])
            self.gone(dialog)
        else:
            # Up comes the font dialog or a printer dialog.
            self.click_button(dialog, font[0] if r < 0.7 else self.rng.choice(jobs))
            self.gone(dialog)

    def answer_common(self, dialog):
        """The system's printer and font dialogs: mostly cancelled; a font
        confirmed now and then, and a few real prints."""
        cancel = [b for b in dialog["buttons"] if label(b) == b"Cancel"]
        confirm = [b for b in dialog["buttons"] if label(b) in (b"OK", b"Print")]
        if not (cancel and confirm):
            time.sleep(0.05)
            return
        printing = dialog["title"] == b"Print"
        if printing and self.prints_left and self.rng.random() < 0.3:
            self.prints_left -= 1
            self.printed += 1
            self.click_button(dialog, confirm[0])
        elif not printing and self.rng.random() < 0.3:
            self.click_button(dialog, confirm[0])
        else:
            self.click_button(dialog, cancel[0])
        self.gone(dialog)

    def answer_menu(self, rect):
        left, top, right, bottom = rect
        if self.rng.random() < 0.3:
            self.note("menu: Escape")
            self.s.move((left + right) // 2, (top + bottom) // 2)
            self.s.key("Escape")
        else:
            # An item inside the part of the menu on the screen.
            x = self.rng.randrange(left + 4, right - 4)
            y = self.rng.randrange(max(top, 0) + 4, min(bottom, SCREEN_H) - 4)
            self.click(x, y, "menu item at %d, %d" % (x, y))
        try:
            self.wait(lambda s: not s["menus"], 5, "the menu to close")
        except k.E2EError:
            self.note("menu: Escape after a click on no item")
            self.s.key("Escape")
            self.wait(lambda s: not s["menus"], 5, "the menu to close after Escape")

    # ---- what a user does
    def panel_key(self, keys=None):
        keys = keys or [key for key in k.PANEL_KEYS if key not in (k.ID_QUIT, k.ID_MINIMISE)]
        key = self.rng.choice(keys)
        self.press_key("main", k.PANEL_KEYS, key, "panel key %#x" % key)

    def test_key(self):
        key = self.rng.choice(list(k.TEST_KEYS))
        if key == k.ID_PRINT and self.rng.random() < 0.6:
            key = k.ID_NEXT  # the print dialog often enough, not at every other turn
        self.press_key("test", k.TEST_KEYS, key, "test key %#x" % key)

    def keyboard(self):
        name = self.rng.choice(["a", "b", "c", "d", "Home", "End", "Up", "Down"])
        x, y = self.origin("main")
        self.s.move(x + 30, y + 465)
        self.note("keyboard %s" % name)
        self.s.key(name)

    def posted_key(self):
        vk = self.rng.choice([ord("A"), ord("B"), ord("C"), ord("D"), k.VK_HOME, k.VK_END,
                              k.VK_UP, k.VK_DOWN])
        self.note("posted key %#x" % vk)
        self.server.ask("key", vk)

    def drag(self):
        """The composition by a bare point of the panel, to a place where all
        of it stays on the screen."""
        x, y = self.origin("main")
        tx, ty = self.rng.randrange(500, SCREEN_W - 160), self.rng.randrange(0, SCREEN_H - 480)
        self.note("drag to %d, %d" % (tx, ty))
        args = ["mousemove", x + 30, y + 465, "sleep", "0.015", "mousemove", x + 31, y + 465,
                "mousedown", "1"]
        steps = self.rng.randrange(2, 7)
        for i in range(1, steps + 1):
            args += ["mousemove", x + 30 + (tx - x) * i // steps, y + 465 + (ty - y) * i // steps]
        self.s.xdotool(*(args + ["mouseup", "1"]))

    def hover_key(self):
        role, keys = self.rng.choice([("main", k.PANEL_KEYS), ("border", k.BORDER_KEYS)] +
                                     ([("test", k.TEST_KEYS)] if self.shown("test") else []))
        key = self.rng.choice(list(keys))
        x, y = k.centre(self.origin(role), keys[key])
        self.note("hover %s key %#x" % (role, key))
        self.s.move(x + 2, y)
        self.s.move(x, y)
        time.sleep(self.rng.uniform(0.5, 0.8))

    def hover_chart(self):
        left, top, right, bottom = k.LOG_CHART
        x0, y0 = self.origin("log")
        x, y = x0 + self.rng.randrange(left, right), y0 + self.rng.randrange(top, bottom)
        self.note("hover chart at %d, %d" % (x - x0, y - y0))
        self.s.move(x, y)
        time.sleep(0.1)

    def log_key(self):
        key = self.rng.choice([k.ID_LOG_ADD, k.ID_LOG_ADD, k.ID_LOG_CLEAR])
        self.press_key("log", k.LOG_KEYS, key, "log key %#x" % key)

    def option(self):
        box = self.rng.choice(list(k.OPTION_BOXES))
        x, y, w, h = k.OPTION_BOXES[box]
        self.click_in("options", (x, y, h, h), "option %#x" % box)

    def finish_test(self):
        """A candidate answering every question left in a row."""
        self.note("answer every question left")
        self.server.ask("answer", 100, self.rng.randrange(1 << 30), timeout=300)

    def index_display(self):
        self.click_in("test", k.TEST_DISPLAYS[k.ID_INDEX], "index display")

    def about_link(self):
        self.click_in("about", k.ABOUT_TEXT, "about text")

    def minimise_and_start_again(self):
        self.settle()  # where the composition is now
        self.press_key("main", k.PANEL_KEYS, k.ID_MINIMISE, "minimise")
        try:
            self.wait(lambda s: s["windows"]["main"]["minimised"] or
                      not s["windows"]["main"]["visible"], 5, "the composition minimised")
        except k.E2EError:
            return  # a box had come up over the panel: the key rests under it
        self.note("a second start")
        code, _ = self.s.start_second()
        if code != 0:
            self.fail("the second start ended with %d" % code)
        self.wait(lambda s: s["windows"]["main"]["visible"] and
                  not s["windows"]["main"]["minimised"], 10, "the composition restored")

    def step(self):
        """One action drawn by weight among those the screen offers now."""
        choices = [(self.panel_key, 12), (self.posted_key, 4), (self.keyboard, 4),
                   (self.drag, 2), (self.hover_key, 0.4),
                   (lambda: self.press_key("border", k.BORDER_KEYS, k.ID_HIDE, "hide"), 1.5),
                   (self.minimise_and_start_again, 0.05)]
        if self.shown("test"):
            choices += [(self.test_key, 14), (self.index_display, 1.5)]
        if self.shown("log"):
            choices += [(self.log_key, 5), (self.hover_chart, 3)]
        if self.shown("options"):
            choices += [(self.option, 6)]
        if self.shown("about"):
            choices += [(self.about_link, 0.3)]
        actions, weights = zip(*choices)
        action = self.rng.choices(actions, weights)[0]
        started = time.monotonic()
        action()
        time.sleep(0.01)  # the program takes the input; a box it opens shows
        self.settle()
        name = getattr(action, "__name__", "?")
        self.spent[name] = self.spent.get(name, 0) + time.monotonic() - started

    def run(self, count):
        while self.count < count:
            self.settle()
            if not self.shown("main"):
                self.fail("the composition is not shown")
            self.step()

    # ---- at rest: nothing captured, nothing open, and what it holds
    def at_rest(self):
        """The same state at every count: the faces that windows load as they
        are first painted (each key's three, by language) are dropped by two
        language switches, then each module is shown once, and the pointer
        rests off the composition."""
        self.settle()
        for _ in range(2):
            self.press_key("main", k.PANEL_KEYS, k.ID_LANGUAGE, "rest: switch the language")
            self.settle()
        for role, key in MODULE_KEYS.items():
            self.show(key, role)
            self.settle()
        self.rest()
        time.sleep(0.3)
        state = self.look()
        if state["dialogs"] or state["menus"]:
            self.settle()
            self.rest()
            state = self.look()
        if state["capture"]:
            self.fail("window %s holds the mouse capture at rest" % state["capture"])
        if state["dialogs"]:
            self.fail("a dialog is left open: %r" % [d["title"] for d in state["dialogs"]])
        figures = self.memory()
        return figures

    def memory(self):
        f = self.server.ask("memory")[0]
        if f[1] == "none":
            self.fail("the memory of korvane.exe cannot be read")
        return {"pagefile": int(f[1]), "handles": int(f[4]), "gdi": int(f[5]),
                "user": int(f[6])}


def k_bytes(hex_text):
    return b"" if hex_text == "-" else bytes.fromhex(hex_text)


def describe(figures):
    return "%d KB, %d handles, %d GDI, %d USER" % (
        figures["pagefile"] // 1024, figures["handles"], figures["gdi"], figures["user"])


class Soak(k.KorvaneCase):
    suite = "soak"

    @classmethod
    def setUpClass(cls):
        # Beside a test run (a prefix of its own) the queue is not made the
        # system's default, which the print tests set: Wine is told it instead.
        beside = PREFIX is not None
        cls.s = k.Session(cls.suite, prefix=PREFIX,
                          extra_env={"PRINTER": QUEUE} if beside else None).__enter__()
        try:
            cls.queue = cups_pdf.start(os.path.join(cls.s.artifacts, "pdf"), name=QUEUE,
                                       default=not beside)
        except BaseException:
            cls.s.close()
            raise

    @classmethod
    def tearDownClass(cls):
        try:
            cups_pdf.stop(cls.queue)
        finally:
            super().tearDownClass()

    def warm_up(self, walk):
        """Every kind of action once, then a short random walk: the system
        libraries' caches (dialogs, fonts, menus, the printer driver) are
        filled before the figures are taken."""
        walk.look()
        walk.show(k.ID_TEST, "test")
        for key in (k.ID_SELECT_A, k.ID_NEXT, k.ID_LAST, k.ID_FIRST, k.ID_BROWSE):
            walk.press_key("test", k.TEST_KEYS, key, "warm-up test key %#x" % key)
            walk.settle()
            if key == k.ID_SELECT_A:
                # Keys do nothing while the answer's lamp blinks.
                walk.wait(lambda s: walk.index().startswith("2 : "), 10, "the next question")
        walk.index_display()
        walk.settle()
        walk.show(k.ID_TEST, "test")
        walk.press_key("test", k.TEST_KEYS, k.ID_PRINT, "warm-up print")
        dialog = walk.wait(lambda s: any(d["title"] in PRINT_DIALOG and d["buttons"]
                                         for d in s["dialogs"]), 30, "the print dialog")
        dialog = dialog["dialogs"][0]
        for labels, then, press in ((CHOOSE_FONT, b"Font", (b"Cancel",)),
                                    ((b"Exam...",), b"Print", (b"Cancel",)),
                                    ((b"Answer sheet...",), b"Print", (b"OK", b"Print"))):
            walk.click_button(dialog, walk.find(dialog, labels)[0])
            common = walk.wait(lambda s: any(d["title"] == then and d["buttons"]
                                             for d in s["dialogs"]), 30, then.decode())
            common = [d for d in common["dialogs"] if d["title"] == then][0]
            walk.click_button(common, walk.find(common, press)[0])
            walk.printed += press != (b"Cancel",)
            walk.gone(common)
        walk.click_button(dialog, walk.find(dialog, CLOSE)[0])
        walk.gone(dialog)
        for key in (k.ID_LANGUAGE, k.ID_LANGUAGE, k.ID_NEW_ADVANCED, k.ID_NEW_BASIC):
            walk.press_key("main", k.PANEL_KEYS, key, "warm-up panel key %#x" % key)
            walk.settle()
        for key, role in ((k.ID_OPTIONS, "options"), (k.ID_ABOUT, "about"), (k.ID_LOG, "log")):
            walk.show(key, role)
        walk.log_key()
        walk.settle()
        walk.hover_chart()
        walk.hover_key()
        walk.drag()
        walk.minimise_and_start_again()
        walk.run(walk.count + max(300, min(ACTIONS // 10, 2000)))

    def seed_log(self):
        """A log of earlier exams, so that the chart has points to hover and
        the end has entries to read back (a whole exam takes a minute of
        lamps; the long walk logs one in every 10,000 actions). Stored by one
        probe that ends before the program starts: a probe that runs on from
        before the start leaves the program's first window without the
        pointer's moves under Wine."""
        rng = random.Random(SEED)
        count = rng.randrange(20, 60)
        args = []
        for i in range(count):
            total = rng.choice((100, 50))
            packed = 2026 | (rng.randrange(1, 13) << 22) | (rng.randrange(1, 29) << 26)
            data = struct.pack("<IIii", packed, rng.randrange(0, 23 * 59 * 59), total,
                               rng.randrange(0, total + 1))
            args += ["putvalue", r"Software\Korvane\Log", "E%03d" % i, k.REG_BINARY, data.hex()]
        args += ["putvalue", r"Software\Korvane\Log", "NumEntries", k.REG_SZ,
                 (b"%d\0" % count).hex()]
        self.assertEqual(self.s.probe(*args), [["put", "1"]] * (count + 1))

    def log_an_exam(self, walk):
        """A new Advanced exam (50 questions) answered and logged."""
        walk.settle()
        walk.press_key("main", k.PANEL_KEYS, k.ID_NEW_ADVANCED, "new Advanced exam")
        walk.settle()
        walk.show(k.ID_TEST, "test")
        walk.finish_test()
        walk.settle()
        walk.show(k.ID_LOG, "log")
        walk.press_key("log", k.LOG_KEYS, k.ID_LOG_ADD, "log the finished exam")
        walk.settle()

    def test_random_use_leaves_nothing_behind(self):
        self.s.reset_settings()
        self.seed_log()
        self.s.start_app()
        walk = Walk(self, SEED)
        started = time.monotonic()
        self.warm_up(walk)
        base = walk.at_rest()
        print("soak: seed %d, after the warm-up's %d actions: %s"
              % (SEED, walk.count, describe(base)), flush=True)
        checkpoint = max(250, ACTIONS // 40)
        high = dict(base)
        exams = 0
        while walk.count < ACTIONS:
            walk.run(min(ACTIONS, walk.count + checkpoint))
            if walk.count // 10000 > exams:
                exams += 1
                self.log_an_exam(walk)
            now = walk.at_rest()
            high = {name: max(high[name], now[name]) for name in now}
            for name, allowed in ALLOWED.items():
                if now[name] > base[name] + allowed:
                    walk.fail("%s grew from %d to %d after the warm-up (allowed %d)"
                              % (name, base[name], now[name], allowed))
            print("soak: %d actions, %.1f min: %s" % (walk.count, (time.monotonic() - started)
                                                     / 60, describe(now)), flush=True)
        end = walk.at_rest()
        print("soak: %d actions in %.1f min; start %s; end %s; highest %s"
              % (walk.count, (time.monotonic() - started) / 60, describe(base), describe(end),
                 describe(high)), flush=True)
        print("soak: seconds by kind: " + ", ".join(
            "%s %.0f" % item for item in sorted(walk.spent.items(), key=lambda i: -i[1])))

        # Every confirmed printer dialog made one document.
        made = cups_pdf.wait_for_pdfs(self.queue, walk.printed, timeout=60)
        self.assertEqual(len(made), walk.printed, "the real prints")

        # The log as the program shows it, then as it reads it back.
        if not walk.shown("log"):
            walk.show(k.ID_LOG, "log")
        walk.rest()
        time.sleep(0.5)
        before = self.log_picture("log-before")
        stored = self.s.registry(r"HKCU\Software\Korvane\Log")
        walk.press_key("main", k.PANEL_KEYS, k.ID_QUIT, "quit")
        walk.server.stop()
        self.assertEqual(self.s.wait_app_exit(30), 0)
        self.assertEqual(self.s.registry(r"HKCU\Software\Korvane\Log"), stored,
                         "quitting wrote another log than the one stored while in use")
        self.s.start_app()
        self.show(k.ID_LOG, "log")
        time.sleep(0.5)
        after = self.log_picture("log-after")
        self.assertEqual(list(before.getdata()), list(after.getdata()),
                         "the log module shows another log after a restart "
                         "(see log-before.png and log-after.png)")

    def log_picture(self, name):
        x, y = self.origin("log")
        shot = self.s.image(name)
        # The module's part left of the panel: the caption and the chart.
        return shot.crop((x, y, x + 420, y + 400))


if __name__ == "__main__":
    unittest.main(verbosity=2)
