"""End-to-end harness: korvane.exe under Wine on a private Xvfb display,
driven with xdotool as a user would, looked at with screenshots, and read
from outside with the probe program (tests/e2e/korvane_probe.cpp).

Environment (ctest sets it): KORVANE_EXE, KORVANE_SOURCE_DIR,
KORVANE_BUILD_DIR. Everything the harness starts is stopped by its process
id; the Wine prefix is private to the end-to-end tests and its server is
stopped with `wineserver -k` for that prefix only. Screenshots stay in
$KORVANE_BUILD_DIR/e2e/<suite>/.
"""
import ast
import fcntl
import os
import re
import select
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from PIL import Image

WINE = "/usr/lib/wine/wine64"
WINESERVER = ("/usr/lib/wine/wineserver64" if os.path.exists("/usr/lib/wine/wineserver64")
              else "/usr/lib/wine/wineserver")
SCREEN = (1024, 768)

SOURCE_DIR = os.environ.get("KORVANE_SOURCE_DIR",
                            os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..")))
BUILD_DIR = os.path.abspath(os.environ.get("KORVANE_BUILD_DIR", os.path.join(SOURCE_DIR, "build")))
EXE = os.environ.get("KORVANE_EXE", os.path.join(BUILD_DIR, "win", "korvane.exe"))
PROBE = os.path.join(os.path.dirname(EXE), "tests", "korvane_probe.exe")

# Control ids and layout, as the interface fixes them.
ID_QUIT, ID_MINIMISE, ID_TEST, ID_LANGUAGE = 0x1000, 0x1001, 0x1002, 0x1003
ID_LOG, ID_OPTIONS, ID_NEW_BASIC, ID_NEW_ADVANCED = 0x1005, 0x1006, 0x1007, 0x1008
ID_CALCULATOR, ID_ABOUT, ID_HIDE = 0x1009, 0x100A, 0x1010
ID_MODE, ID_CLASS, ID_INDEX, ID_SCORE, ID_RESULT, ID_QUESTION = range(0x1020, 0x1026)
ID_ANSWER_A, ID_SELECT_A, ID_LED_A = 0x1026, 0x102A, 0x102E
ID_FIRST, ID_PREVIOUS, ID_NEXT, ID_LAST, ID_BROWSE, ID_PRINT = (
    0x1032, 0x1033, 0x1034, 0x1035, 0x1037, 0x1038)
ID_LOG_ADD, ID_LOG_CLEAR = 0x1050, 0x1051
ID_CHECK_ANSWER, ID_CHECK_SOUNDS, ID_CHECK_LABELS = 0x1100, 0x1101, 0x1102
ID_ABOUT_TEXT = 0x1200
SOUND_CLICK, SOUND_STARTUP, SOUND_CORRECT, SOUND_WRONG = 107, 108, 109, 110
VK_END, VK_HOME, VK_UP, VK_DOWN = 0x23, 0x24, 0x26, 0x28

# x, y, w, h in the parent's client area.
PANEL_KEYS = {
    ID_QUIT: (68, 16, 66, 36), ID_MINIMISE: (6, 6, 28, 26), ID_TEST: (48, 66, 86, 26),
    ID_LANGUAGE: (48, 326, 86, 26), ID_LOG: (48, 126, 86, 26), ID_OPTIONS: (48, 156, 86, 26),
    ID_NEW_BASIC: (48, 266, 86, 26), ID_NEW_ADVANCED: (48, 296, 86, 26),
    ID_CALCULATOR: (48, 356, 86, 26), ID_ABOUT: (48, 386, 86, 26),
}
BORDER_KEYS = {ID_HIDE: (6, 66, 46, 36)}
TEST_KEYS = {
    ID_SELECT_A: (6, 116, 36, 36), ID_SELECT_A + 1: (6, 176, 36, 36),
    ID_SELECT_A + 2: (6, 236, 36, 36), ID_SELECT_A + 3: (6, 296, 36, 36),
    ID_FIRST: (6, 356, 46, 28), ID_PREVIOUS: (56, 356, 46, 28), ID_NEXT: (106, 356, 46, 28),
    ID_LAST: (156, 356, 46, 28), ID_BROWSE: (266, 356, 78, 28), ID_PRINT: (346, 356, 78, 28),
}
TEST_LEDS = {ID_LED_A + i: (6, 156 + 60 * i, 36, 18) for i in range(4)}
TEST_DISPLAYS = {
    ID_MODE: (30, 20, 60, 20), ID_CLASS: (100, 20, 80, 20), ID_INDEX: (190, 20, 80, 20),
    ID_SCORE: (280, 20, 60, 20), ID_RESULT: (350, 20, 40, 20), ID_QUESTION: (20, 50, 400, 60),
    ID_ANSWER_A: (50, 120, 370, 50), ID_ANSWER_A + 1: (50, 180, 370, 50),
    ID_ANSWER_A + 2: (50, 240, 370, 50), ID_ANSWER_A + 3: (50, 300, 370, 50),
}
LOG_KEYS = {ID_LOG_ADD: (16, 356, 78, 28), ID_LOG_CLEAR: (96, 356, 78, 28)}
LOG_CAPTION = (40, 42, 200, 60)  # left, top, right, bottom
LOG_CHART = (22, 62, 418, 318)
OPTION_BOXES = {ID_CHECK_ANSWER: (30, 50, 300, 16), ID_CHECK_SOUNDS: (30, 70, 300, 16),
                ID_CHECK_LABELS: (30, 90, 300, 16)}
ABOUT_TEXT = (20, 40, 400, 320)
CLASSES = {"B": (100, 60), "A": (50, 30)}  # nominal questions and pass mark
# Slots of the string tables.
SLOT_ALREADY_LOGGED, SLOT_NOT_FINISHED, SLOT_CONFIRM_CLEAR = 1, 2, 35
SLOT_TITLE, SLOT_EXAM, SLOT_NONE, SLOT_GOOD, SLOT_BAD = 52, 46, 48, 49, 50
SLOT_BASIC, SLOT_ADVANCED, SLOT_ENTRIES = 54, 55, 58
# Drawing: DrawText flags, the chart's colours, the log module's faces.
DT_VCENTER, DT_WORDBREAK, DT_SINGLELINE = 0x4, 0x10, 0x20
YELLOW, GREEN, GREY = (255, 255, 0), (0, 255, 128), (64, 64, 64)
LOG_FACE = {1: 267, 2: 268}
# Registry value types.
REG_SZ, REG_BINARY, REG_DWORD, REG_MULTI_SZ = 1, 3, 4, 7


class E2EError(AssertionError):
    pass


def run(args, timeout=30, env=None, check=True):
    """Runs a short command with a timeout; its output goes through a file, so
    that a process it leaves behind cannot hold a pipe open."""
    with tempfile.TemporaryFile() as out:
        try:
            proc = subprocess.run(args, stdin=subprocess.DEVNULL, stdout=out,
                                  stderr=subprocess.STDOUT, env=env, timeout=timeout)
        except subprocess.TimeoutExpired:
            raise E2EError("timed out after %ss: %s" % (timeout, " ".join(map(str, args))))
        out.seek(0)
        text = out.read().decode("latin-1")
    if check and proc.returncode != 0:
        raise E2EError("%s failed (%d): %s" % (" ".join(map(str, args)), proc.returncode, text))
    return text


def wait_until(predicate, timeout, interval=0.05, what="condition"):
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > end:
            raise E2EError("timed out waiting for " + what)
        time.sleep(interval)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def centre(origin, rect):
    x, y, w, h = rect
    return origin[0] + x + w // 2, origin[1] + y + h // 2


# ----------------------------------------------------------- data of the build

def read_strings():
    """The two string tables, by slot, as the program holds them (Windows-1252)."""
    path = os.path.join(SOURCE_DIR, "settings", "strings.cpp")
    with open(path, encoding="utf-8") as f:
        source = f.read()
    tables = []
    for block in re.findall(r"StringTable \w+ = \{(.*?)\n\};", source, re.S):
        table = {}
        for slot, literal in re.findall(r'/\*\s*(\d+)\s*\*/\s*("(?:[^"\\]|\\.)*")', block):
            table[int(slot)] = ast.literal_eval(literal).encode("cp1252")
        tables.append(table)
    if len(tables) != 2:
        raise E2EError("string tables not found in " + path)
    return {1: tables[0], 2: tables[1]}


class Pool:
    """A question pool read the way the program reads it: the section list,
    then each section's questions 01, 02 ... up to the first gap."""

    FILES = {("B", 1): "basic_en.txt", ("A", 1): "advanced_en.txt",
             ("B", 2): "basic_fr.txt", ("A", 2): "advanced_fr.txt"}

    def __init__(self, letter, language):
        path = os.path.join(SOURCE_DIR, "resources", "pools", self.FILES[(letter, language)])
        with open(path, "rb") as f:
            data = f.read()
        lines = data.split(b"\n")
        start = lines.index(b"[SECTIONS]\r")
        count = int(lines[start + 1].strip())
        self.sections = [lines[start + 2 + i][:8].decode("ascii") for i in range(count)]
        self.questions = {}
        for i, line in enumerate(lines):
            m = re.match(rb"^([AB]-\d{3}-\d{2}-\d{2}) \(([1-4])\)", line)
            if m and m.group(1).decode() not in self.questions:
                self.questions[m.group(1).decode()] = (
                    [lines[i + k].rstrip(b"\r") for k in range(1, 6)], int(m.group(2)) - 1)
        self.browse = []
        self.section_counts = []
        for section in self.sections:
            n = 0
            while "%s-%02d" % (section, n + 1) in self.questions:
                n += 1
                self.browse.append("%s-%02d" % (section, n))
            self.section_counts.append(n)

    def text(self, code):
        return self.questions[code][0][0]

    def answers(self, code):
        return self.questions[code][0][1:5]

    def correct(self, code):
        return self.questions[code][1]


def code_from_index_display(letter, text):
    """'12 : 4-06-05' -> (12, 'B-004-06-05')."""
    m = re.match(r"^(\d+) : (\d-\d{2}-\d{2})$", text)
    if not m:
        raise E2EError("index display reads %r" % text)
    return int(m.group(1)), "%s-00%s" % (letter, m.group(2))


# -------------------------------------------------------------------- session

class Session:
    """One Xvfb display and the private prefix, for one test file."""

    def __init__(self, name, prefix=None, extra_env=None):
        """prefix: another Wine prefix than the end-to-end tests' own (a long
        walk by hand beside a test run); extra_env: more environment for
        every Wine process of the session."""
        self.name = name
        self.artifacts = os.path.join(BUILD_DIR, "e2e", name)
        shutil.rmtree(self.artifacts, ignore_errors=True)
        os.makedirs(self.artifacts, exist_ok=True)
        self.prefix = prefix or os.path.join(BUILD_DIR, "wine-e2e")
        self.extra_env = dict(extra_env or {})
        self.browser_log = os.path.join(self.prefix, "browser.log")
        self.xvfb = None
        self.display = None
        self.app = None
        self.watchers = []
        self.strings = read_strings()

    # ---- lifecycle
    def __enter__(self):
        try:
            self.start_xvfb()
            self.ensure_prefix()
            self.start_server()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def close(self):
        for w in list(self.watchers):
            w.stop()
        self.kill_app()
        if os.path.isdir(self.prefix):
            try:
                run([WINESERVER, "-k"], timeout=30, env=self.env, check=False)
            except E2EError:
                pass
        if self.xvfb and self.xvfb.poll() is None:
            self.xvfb.terminate()
            try:
                self.xvfb.wait(10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
                self.xvfb.wait(10)
        self.xvfb = None

    def start_xvfb(self):
        read_end, write_end = os.pipe()
        try:
            # -displayfd: the server picks a free display number and tells it.
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % SCREEN,
                 "-nolisten", "tcp", "-br"],
                pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL, start_new_session=True)
            os.close(write_end)
            write_end = None
            number = b""
            end = time.monotonic() + 30
            while not number.endswith(b"\n"):
                left = end - time.monotonic()
                if left <= 0 or not select.select([read_end], [], [], left)[0]:
                    raise E2EError("Xvfb did not report its display")
                chunk = os.read(read_end, 16)
                if not chunk:
                    raise E2EError("Xvfb ended before reporting its display")
                number += chunk
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)
        self.display = ":" + number.decode().strip()

    @property
    def env(self):
        env = dict(os.environ)
        env.update(WINEPREFIX=self.prefix, WINEARCH="win64", WINEDEBUG="-all",
                   WINEDLLOVERRIDES="mscoree,mshtml=")
        if self.display:
            env["DISPLAY"] = self.display
        env.update(self.extra_env)
        return env

    def ensure_prefix(self):
        """Creates the prefix once, with the window settings the tests rely on:
        no audio, no 2-second waits for unmanaged windows, the Liberation fonts
        for the core faces, and a browser command that logs what it opens."""
        os.makedirs(BUILD_DIR, exist_ok=True)
        lock_path = os.path.join(os.path.dirname(self.prefix),
                                 ".%s.lock" % os.path.basename(self.prefix))
        with open(lock_path, "w") as lock:
            fcntl.flock(lock, fcntl.LOCK_EX)
            # The marker names the settings' version: a prefix made by an
            # older harness is set up again.
            ready = os.path.join(self.prefix, ".korvane-e2e-ready-1")
            if os.path.exists(ready):
                return
            os.makedirs(self.prefix, exist_ok=True)
            run([WINE, "wineboot", "--init"], timeout=300, env=self.env, check=False)
            browser = os.path.join(self.prefix, "log-browser.sh")
            with open(browser, "w") as f:
                f.write('#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s"\n' % self.browser_log)
            os.chmod(browser, 0o755)
            reg = os.path.join(self.prefix, "korvane-e2e.reg")
            lines = ["REGEDIT4", "",
                     r"[HKEY_CURRENT_USER\Software\Wine\Drivers]", '"Audio"=""', "",
                     r"[HKEY_CURRENT_USER\Software\Wine\X11 Driver]", '"Managed"="N"',
                     '"Decorated"="N"', "",
                     r"[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]",
                     '"Arial"="Liberation Sans"', '"Times New Roman"="Liberation Serif"',
                     '"Times"="Liberation Serif"', '"Courier New"="Liberation Mono"', "",
                     r"[HKEY_CURRENT_USER\Software\Wine\WineBrowser]",
                     '"Browsers"="%s"' % browser, '"Mailers"="%s"' % browser, ""]
            with open(reg, "w", newline="\r\n") as f:
                f.write("\n".join(lines))
            run([WINE, "regedit", "/S", "Z:" + reg.replace("/", "\\")], timeout=120,
                env=self.env)
            run([WINESERVER, "-w"], timeout=60, env=self.env, check=False)
            open(ready, "w").close()

    def start_server(self):
        # Detached, so that no pipe of ours is inherited by the server or by
        # the services it starts; the throwaway command starts those services.
        subprocess.Popen([WINESERVER, "-p60"], env=self.env, stdin=subprocess.DEVNULL,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                         start_new_session=True).wait(30)
        run([WINE, "cmd.exe", "/c", "exit"], timeout=120, env=self.env, check=False)

    # ---- the program
    def reset_settings(self, language=None):
        # A key a test left read-only would survive the delete.
        self.probe("readonly", r"Software\Korvane\Options", 0, "readonly", r"Software\Korvane\Log", 0)
        self.reg(["delete", r"HKCU\Software\Korvane", "/f"], check=False)
        if language is not None:
            self.reg(["add", r"HKCU\Software\Korvane\Options", "/v", "Language", "/t", "REG_SZ",
                      "/d", str(language), "/f"])

    def start_app(self, listen=False):
        """Starts korvane.exe as a user would and waits for its first question.
        With listen, Wine traces every PlaySound call of the program into a
        file, so that the sounds can be told without an audio device."""
        if self.app and self.app.poll() is None:
            raise E2EError("korvane.exe already runs")
        env = self.env
        stderr = subprocess.DEVNULL
        if listen:
            env["WINEDEBUG"] = "-all,trace+winmm"
            stderr = open(self.sound_log, "wb")
        try:
            self.app = subprocess.Popen([WINE, EXE], env=env, cwd=os.path.dirname(EXE),
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=stderr, start_new_session=True)
        finally:
            if listen:
                stderr.close()

        def ready():
            if self.app.poll() is not None:
                raise E2EError("korvane.exe ended at start-up with %s" % self.app.returncode)
            w = self.windows()
            return w["main"]["visible"] and self.texts().get(ID_INDEX)

        wait_until(ready, 60, 0.2, "the first question")
        return self.app

    @property
    def sound_log(self):
        return os.path.join(self.artifacts, "sounds.log")

    def sounds(self):
        """The sound resource numbers the program has played so far, in order
        (start_app with listen)."""
        try:
            with open(self.sound_log, "rb") as f:
                text = f.read().decode("latin-1")
        except FileNotFoundError:
            return []
        return [int(m, 16) for m in re.findall(r"MULTIMEDIA_PlaySound pszSound='([0-9A-Fa-f]+)'",
                                               text)]

    def wait_app_exit(self, timeout=20):
        try:
            return self.app.wait(timeout)
        except subprocess.TimeoutExpired:
            raise E2EError("korvane.exe did not end")

    def kill_app(self):
        if self.app and self.app.poll() is None:
            self.app.kill()
            self.app.wait(10)

    # ---- probe
    def probe(self, *args, timeout=30):
        # The probe prints before it fails on its own (and then exits 2), so
        # a silent exit 1 is Wine failing to start it on a loaded machine:
        # that is retried, and said on stderr; anything else is a finding.
        command = [WINE, PROBE] + [str(a) for a in args]
        for attempt in range(3):
            try:
                text = run(command, timeout=timeout, env=self.env)
                break
            except E2EError as error:
                if attempt == 2 or not str(error).endswith("failed (1): "):
                    raise
                sys.stderr.write("probe %s: Wine did not start it; again\n" % args[0])
                time.sleep(0.5)
        return [line.split() for line in text.splitlines() if line.strip()]

    def windows(self):
        result = {}
        for f in self.probe("windows"):
            if f[0] == "window":
                result[f[1]] = {"handle": f[2], "visible": f[3] == "1",
                                "rect": tuple(int(v) for v in f[4:8]),
                                "minimised": f[8] == "1", "foreground": f[9] == "1"}
        return result

    def texts(self, raw=False):
        result = {}
        for f in self.probe("texts"):
            if f[0] == "text":
                data = b"" if f[2] == "-" else bytes.fromhex(f[2])
                result[int(f[1])] = data if raw else data.decode("cp1252")
        return result

    def prop(self, role, control, name):
        return int(self.probe("prop", role, control, name)[0][1])

    def prop_text(self, role, control):
        """The text property of any control of a window (control 0: the
        window itself), as bytes."""
        # A read from outside can fail now and then (the program replacing its
        # text copies mid-read after a language switch, or a probe start that
        # Wine drops with no output); reading is harmless, so read again.
        for attempt in range(10):
            try:
                f = self.probe("proptext", role, control)[0]
                return b"" if f[1] == "-" else bytes.fromhex(f[1])
            except E2EError:
                if attempt == 9:
                    raise
                time.sleep(0.2)

    def post(self, *messages):
        """Posts in one go, in order: ("command", id) to the main window as
        WM_COMMAND, ("key", vk) as WM_KEYDOWN."""
        args = []
        for kind, value in messages:
            args += [kind, value]
        self.probe(*args, timeout=60)

    def memory(self):
        """{pagefile, workingset, private: bytes; handles, gdi, user: counts}
        of korvane.exe (Wine answers 0 for private; user counts its windows)."""
        f = self.probe("memory")[0]
        if f[1] == "none":
            raise E2EError("the memory of korvane.exe cannot be read")
        return {"pagefile": int(f[1]), "workingset": int(f[2]), "private": int(f[3]),
                "handles": int(f[4]), "gdi": int(f[5]), "user": int(f[6])}

    def capture(self):
        """The handle (text) of the window holding korvane's mouse capture, or
        None."""
        f = self.probe("capture")[0]
        return None if f[1] in ("none", "0000000000000000") else f[1]

    def instances(self):
        """(main windows, processes owning them) on the display."""
        f = self.probe("instances")[0]
        return int(f[1]), int(f[2])

    def terminate_app(self):
        """Ends korvane.exe by force, with TerminateProcess, mid-run: nothing
        of the program runs after it."""
        self.assertion(self.probe("terminate") == [["terminated"]], "TerminateProcess failed")
        try:
            self.app.wait(20)
        except subprocess.TimeoutExpired:
            raise E2EError("korvane.exe lived on after TerminateProcess")

    def start_second(self, trace=None, timeout=30):
        """Starts another korvane.exe beside the running one and waits for it
        to end: (exit code, seconds). With trace, Wine's registry trace of that
        process goes to that file."""
        env = self.env
        err = subprocess.DEVNULL
        if trace:
            env["WINEDEBUG"] = "-all,trace+reg"
            err = open(trace, "wb")
        started = time.monotonic()
        try:
            proc = subprocess.Popen([WINE, EXE], env=env, cwd=os.path.dirname(EXE),
                                    stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                    stderr=err, start_new_session=True)
            try:
                code = proc.wait(timeout)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait(10)
                raise E2EError("the second korvane.exe did not end")
        finally:
            if trace:
                err.close()
        return code, time.monotonic() - started

    # ---- hand-made stored values
    def put_value(self, key, name, kind, data):
        """A value of any type (REG_* number) and bytes under HKCU\\key."""
        self.assertion(self.probe("putvalue", key, name, kind, data.hex() or "-") == [["put", "1"]],
                       "cannot store %s" % name)

    def put_zeros(self, key, name, kind, size):
        self.assertion(self.probe("putzeros", key, name, kind, size) == [["put", "1"]],
                       "cannot store %s" % name)

    def set_read_only(self, key, read_only=True):
        """An ACL on HKCU\\key that lets nobody write it, or full access again."""
        self.assertion(self.probe("readonly", key, 1 if read_only else 0) == [["readonly", "1"]],
                       "cannot change the ACL of " + key)

    @staticmethod
    def assertion(ok, what):
        if not ok:
            raise E2EError(what)

    def measure(self, text):
        """Width of text in the font of the shadowed texts, and the size that
        DT_CALCRECT | DT_SINGLELINE gives it."""
        f = self.probe("measure", text.hex() or "-")[0]
        return int(f[1]), int(f[2]), int(f[3])

    def shadow_text(self, number, rect, text, flags, name):
        """Bitmap number with text drawn into rect (left, top, right, bottom)
        as the skin draws its shadowed texts: what the screen must show."""
        out = os.path.join(self.artifacts, name + ".bmp")
        source = os.path.join(SOURCE_DIR, "resources", "bitmaps", "%d.bmp" % number)
        lines = self.probe("shadowtext", windows_path(source), windows_path(out),
                           *(list(rect) + [flags, text.hex() or "-"]))
        if lines != [["drawn"]]:
            raise E2EError("the probe did not draw the text: %s" % lines)
        return Image.open(out).convert("RGB")

    def tooltips(self):
        return [{"visible": f[1] == "1", "rect": tuple(int(v) for v in f[2:6]),
                 "text": b"" if f[6] == "-" else bytes.fromhex(f[6])}
                for f in self.probe("tooltip") if f[0] == "tooltip"]

    def dialogs(self):
        result = []
        for f in self.probe("dialogs"):
            rect = tuple(int(v) for v in f[3:7])
            text = b"" if f[2] == "-" else bytes.fromhex(f[2])
            if f[0] == "dialog":
                result.append({"title": text, "rect": rect, "buttons": [], "statics": []})
            elif f[0] in ("button", "static") and result:
                result[-1][f[0] + "s"].append({"text": text, "rect": rect})
        return result

    def menus(self):
        return [{"visible": f[1] == "1", "rect": tuple(int(v) for v in f[2:6])}
                for f in self.probe("menu") if f[0] == "menu"]

    def watch(self, ms):
        return Watcher(self, ms)

    def serve(self):
        return ProbeServer(self)

    # ---- registry
    def reg(self, args, check=True):
        return run([WINE, "reg"] + args, timeout=30, env=self.env, check=check)

    def registry(self, key):
        """{value name: (type, data)} of a key; {} when it does not exist."""
        out = self.reg(["query", key], check=False)
        values = {}
        for line in out.splitlines():
            m = re.match(r"^\s+(\S+)\s+(REG_\w+)\s*(.*?)\s*$", line)
            if m:
                values[m.group(1)] = (m.group(2), m.group(3))
        return values

    # ---- user input
    def xdotool(self, *args, timeout=10, check=True):
        return run(["xdotool"] + [str(a) for a in args], timeout=timeout, env=self.env,
                   check=check)

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def click(self, x, y):
        """Points at (x, y) with two moves, so that a skinned key sees the
        pointer enter even when it was already there, then clicks."""
        self.xdotool("mousemove", x + 2, y + 2)
        self.xdotool("mousemove", x, y, "click", "1")

    def key(self, *names):
        self.xdotool("key", "--delay", "20", *names)

    # ---- pictures
    def screenshot(self, name):
        path = os.path.join(self.artifacts, name + ".png")
        run(["import", "-display", self.display, "-window", "root", path], timeout=30)
        return path

    def burst(self, name, count, interval):
        """Screenshots started every interval seconds, side by side, to catch
        something that shows only for a moment; returns their paths."""
        paths, procs = [], []
        try:
            for i in range(count):
                path = os.path.join(self.artifacts, "%s-%d.png" % (name, i))
                procs.append(subprocess.Popen(
                    ["import", "-display", self.display, "-window", "root", path],
                    stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL))
                paths.append(path)
                time.sleep(interval)
            for proc in procs:
                proc.wait(30)
        finally:
            for proc in procs:
                if proc.poll() is None:
                    proc.kill()
                    proc.wait(10)
        return [p for p in paths if os.path.exists(p)]

    def image(self, name):
        return Image.open(self.screenshot(name)).convert("RGB")


def end_probe(helper):
    """Ends a probe that runs beside the test (a server or a watcher) and
    forgets it; its pipes are the caller's to close."""
    if helper.proc.poll() is None:
        helper.proc.kill()
    try:
        helper.proc.wait(10)
    except subprocess.TimeoutExpired:
        pass
    if helper in helper.session.watchers:
        helper.session.watchers.remove(helper)


class ProbeServer:
    """One probe that stays up and answers requests on its standard input:
    a look at the program then costs milliseconds, not a start of Wine."""

    def __init__(self, session):
        self.session = session
        self.proc = subprocess.Popen([WINE, PROBE, "serve"], env=session.env,
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL, start_new_session=True)
        self.buffer = b""
        session.watchers.append(self)

    def ask(self, *args, timeout=30):
        """The answer's lines, split into fields."""
        if self.proc.poll() is not None:
            raise E2EError("the serving probe ended with %s" % self.proc.returncode)
        self.proc.stdin.write((" ".join(str(a) for a in args) + "\n").encode("latin-1"))
        self.proc.stdin.flush()
        end = time.monotonic() + timeout
        lines = []
        while True:
            while b"\n" in self.buffer:
                line, self.buffer = self.buffer.split(b"\n", 1)
                fields = line.decode("latin-1").split()
                if fields == ["done"]:
                    return lines
                if fields:
                    lines.append(fields)
            left = end - time.monotonic()
            if left <= 0 or not select.select([self.proc.stdout], [], [], left)[0]:
                raise E2EError("the serving probe did not answer %s" % (args,))
            chunk = os.read(self.proc.stdout.fileno(), 65536)
            if not chunk:
                raise E2EError("the serving probe ended while answering %s" % (args,))
            self.buffer += chunk

    def stop(self):
        end_probe(self)
        self.proc.stdin.close()
        self.proc.stdout.close()


class Watcher:
    """A probe that samples the lamps and displays every 5 ms in the
    background; events are (ms, kind, index, value)."""

    def __init__(self, session, ms):
        self.session = session
        self.proc = subprocess.Popen([WINE, PROBE, "watch", str(ms)], env=session.env,
                                     stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL, start_new_session=True)
        self.events = []
        self.cond = threading.Condition()
        self.started = False
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()
        session.watchers.append(self)
        with self.cond:
            if not self.cond.wait_for(lambda: self.started or self.proc.poll() is not None, 30):
                raise E2EError("the watch probe did not start")

    def _read(self):
        for raw in self.proc.stdout:
            f = raw.decode("latin-1").split()
            with self.cond:
                if f and f[0] == "watching":
                    self.started = True
                elif len(f) >= 5 and f[0] == "at":
                    value = f[4]
                    if f[2] == "text":
                        value = b"" if value == "-" else bytes.fromhex(value)
                        value = value.decode("cp1252")
                    else:
                        value = int(value)
                    self.events.append((int(f[1]), f[2], int(f[3]), value))
                self.cond.notify_all()
        with self.cond:
            self.cond.notify_all()

    def mark(self):
        with self.cond:
            return len(self.events)

    def wait(self, predicate, since, timeout, what):
        """Waits for an event after position since that satisfies predicate;
        returns its position."""
        def found():
            for i in range(since, len(self.events)):
                if predicate(self.events[i]):
                    return i + 1
            return None
        with self.cond:
            result = self.cond.wait_for(found, timeout)
        if not result:
            raise E2EError("timed out waiting for " + what)
        return result - 1

    def current(self, control):
        """The last text seen on a display."""
        with self.cond:
            for e in reversed(self.events):
                if e[1] == "text" and e[2] == control:
                    return e[3]
        return None

    def since(self, position):
        with self.cond:
            return list(self.events[position:])

    def stop(self):
        end_probe(self)
        self.thread.join(5)
        self.proc.stdout.close()


# ------------------------------------------------------------------ pictures

_bitmaps = {}


def bitmap(number):
    """A face bitmap of the build, read once (callers only read it)."""
    if number not in _bitmaps:
        path = os.path.join(SOURCE_DIR, "resources", "bitmaps", "%d.bmp" % number)
        _bitmaps[number] = Image.open(path).convert("RGB")
    return _bitmaps[number]


def match_ratio(shot, origin, picture, points):
    """Share of the given picture points that the screenshot shows unchanged
    at origin + point."""
    same = 0
    for x, y in points:
        if shot.getpixel((origin[0] + x, origin[1] + y)) == picture.getpixel((x, y)):
            same += 1
    return same / max(1, len(points))


def face_points(picture, covered=(), step=3, inside=None):
    """Points of a face on a grid, leaving out control rectangles and points
    outside the window's shape."""
    w, h = picture.size
    points = []
    for y in range(0, h, step):
        for x in range(0, w, step):
            if any(cx <= x < cx + cw and cy <= y < cy + ch for cx, cy, cw, ch in covered):
                continue
            if inside and not inside(x, y):
                continue
            points.append((x, y))
    return points


def differing_points(a, b, points):
    return [p for p in points if a.getpixel(p) != b.getpixel(p)]


# The window shapes, in window coordinates (fill mode alternate).
MAIN_REGION = [
    (140, 0), (145, 0), (150, 2), (154, 5), (157, 10), (159, 14), (160, 20), (160, 440),
    (158, 450), (154, 460), (148, 468), (140, 474), (130, 478), (120, 480), (10, 480),
    (7, 479), (5, 478), (2, 477), (1, 475), (0, 472), (0, 470), (0, 440), (20, 440), (20, 40),
    (0, 40), (0, 10), (0, 7), (1, 5), (2, 2), (5, 1), (7, 0), (10, 0)]
BORDER_REGION = [
    (20, 0), (40, 0), (40, 40), (60, 40), (60, 440), (40, 440), (40, 480), (20, 480), (14, 479),
    (10, 477), (5, 474), (2, 470), (0, 465), (0, 460), (0, 20), (0, 14), (2, 10), (5, 5),
    (10, 2), (14, 0)]


def in_polygon(points, x, y):
    """Whether pixel (x, y) lies in the polygon, by its centre and the
    even-odd rule."""
    px, py = x + 0.5, y + 0.5
    inside = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def near_polygon(points, x, y):
    """Inside, or one pixel from the edge: the platform rasterises the
    slanted edges of a region a pixel differently from pixel centres."""
    return any(in_polygon(points, x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1))


# The faces of each window at rest (pointer away, no lamp lit), by the
# bitmap number of the English face; the French face is the next number,
# except the options module's, which is one bitmap for both languages.
PANEL_KEY_FACES = {ID_QUIT: 127, ID_MINIMISE: 115, ID_TEST: 133, ID_LOG: 259, ID_OPTIONS: 121,
                   ID_NEW_BASIC: 307, ID_NEW_ADVANCED: 313, ID_LANGUAGE: 299,
                   ID_CALCULATOR: 109, ID_ABOUT: 253}
TEST_KEY_FACES = {ID_SELECT_A: 139, ID_SELECT_A + 1: 145, ID_SELECT_A + 2: 151,
                  ID_SELECT_A + 3: 157, ID_FIRST: 169, ID_PREVIOUS: 209, ID_NEXT: 203,
                  ID_LAST: 175, ID_BROWSE: 273, ID_PRINT: 285}
TEST_LED_FACES = {ID_LED_A + i: 181 + 4 * i for i in range(4)}
LOG_KEY_FACES = {ID_LOG_ADD: 241, ID_LOG_CLEAR: 247}
BORDER_KEY_FACES = {ID_HIDE: 103}


def left_of_panel(x, y):
    # A module's last 20 columns lie under the panel.
    return x < 420


def window_faces(role):
    """[(name, English bitmap, (x, y) in the window, covered rectangles,
    shape test in window coordinates or None, French face at number + 1)]."""
    def keys(layout, faces):
        return [("key %#x" % i, n, layout[i][:2], (), None, True) for i, n in faces.items()]

    if role == "main":
        return [("panel", 291, (0, 0), list(PANEL_KEYS.values()),
                 lambda x, y: in_polygon(MAIN_REGION, x, y), True)] + \
            keys(PANEL_KEYS, PANEL_KEY_FACES)
    if role == "border":
        return [("border", 305, (0, 0), list(BORDER_KEYS.values()),
                 lambda x, y: in_polygon(BORDER_REGION, x, y) and x < 40, True)] + \
            keys(BORDER_KEYS, BORDER_KEY_FACES)
    if role == "test":
        covered = list(TEST_KEYS.values()) + list(TEST_DISPLAYS.values()) + \
            list(TEST_LEDS.values())
        return [("test module", 295, (0, 0), covered, left_of_panel, True)] + \
            keys(TEST_KEYS, TEST_KEY_FACES) + keys(TEST_LEDS, TEST_LED_FACES)
    if role == "log":
        l, t, r, b = LOG_CAPTION
        covered = list(LOG_KEYS.values()) + [(l - 2, t - 2, r - l + 6, b - t + 6)]
        return [("log module", 267, (0, 0), covered, left_of_panel, True)] + \
            keys(LOG_KEYS, LOG_KEY_FACES)
    if role == "options":
        return [("options module", 269, (0, 0), list(OPTION_BOXES.values()), left_of_panel,
                 False)]
    if role == "about":
        return [("about module", 265, (0, 0), [ABOUT_TEXT], left_of_panel, True)]
    raise E2EError("no faces known for " + role)


class KorvaneCase(unittest.TestCase):
    """One Xvfb display and prefix for the test file; korvane.exe started
    fresh by each test; a screenshot of the screen as each test left it."""

    suite = "e2e"

    @classmethod
    def setUpClass(cls):
        cls.s = Session(cls.suite).__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.s.close()

    def tearDown(self):
        try:
            self.s.screenshot("end-" + self._testMethodName)
        except E2EError:
            pass
        for w in list(self.s.watchers):
            w.stop()
        self.s.kill_app()

    # ---- where things are on screen now
    def origin(self, role):
        w = self.s.windows()[role]
        self.assertTrue(w["visible"], role + " is not shown")
        return w["rect"][:2]

    def click_panel(self, key):
        self.s.click(*centre(self.origin("main"), PANEL_KEYS[key]))

    def click_test(self, key):
        self.s.click(*centre(self.origin("test"), TEST_KEYS[key]))

    def rest_pointer(self):
        """Moves the pointer off the keys: first over a bare part of the panel,
        so that a key that holds the capture sees it leave (Wine reports no
        moves over the root window), then off the composition."""
        main = self.origin("main")
        self.s.move(main[0] + 30, main[1] + 465)
        time.sleep(0.1)
        self.s.move(5, 5)
        time.sleep(0.1)

    def show(self, key, role):
        """Shows a module with its panel key and rests the pointer."""
        self.click_panel(key)
        wait_until(lambda: self.s.windows()[role]["visible"], 10, 0.1, role)
        self.rest_pointer()

    def assert_faces(self, shot, role, language):
        """Every face of a window, as the screenshot shows it, is the bitmap
        of that language: at least 99 % of its points, and of the points where
        the two languages' faces differ."""
        origin = self.origin(role)
        for name, number, (x, y), covered, inside, by_language in window_faces(role):
            french = by_language and language == 2
            shown = number + 1 if french else number
            picture = bitmap(shown)
            shape = None
            if inside:
                def shape(px, py, dx=x, dy=y, inside=inside):
                    return inside(px + dx, py + dy)
            at = (origin[0] + x, origin[1] + y)
            points = face_points(picture, covered, step=2, inside=shape)
            ratio = match_ratio(shot, at, picture, points)
            self.assertGreater(ratio, 0.99, "%s: %s face %d" % (role, name, shown))
            if by_language:
                other = bitmap(number if french else number + 1)
                words = differing_points(picture, other,
                                         face_points(picture, covered, step=1, inside=shape))
                if words:
                    self.assertGreater(match_ratio(shot, at, picture, words), 0.99,
                                       "%s: the words of %s face %d" % (role, name, shown))

    def show_test_module(self):
        self.click_panel(ID_TEST)
        wait_until(lambda: self.s.windows()["test"]["visible"], 10, 0.1, "the test module")
        self.rest_pointer()

    def answer_box(self, label, timeout=10):
        """Clicks the button labelled label (b"Yes") of the one dialog now up
        and waits for it to close."""
        boxes = wait_until(self.s.dialogs, timeout, 0.2, "a message box")
        buttons = [b for b in boxes[0]["buttons"] if b["text"].replace(b"&", b"") == label]
        self.assertEqual(len(buttons), 1, boxes)
        x0, y0, x1, y1 = buttons[0]["rect"]
        self.s.click((x0 + x1) // 2, (y0 + y1) // 2)
        wait_until(lambda: not self.s.dialogs(), timeout, 0.2, "the box to close")

    # ---- what the log module paints
    def assert_text(self, shot, role, face, rect, text, flags, name, shown=True, clip=None):
        """Where the skin would draw text in rect of the window (clipped to
        clip), the screenshot shows exactly that (shown) or the bare face."""
        reference = self.s.shadow_text(face, rect, text, flags, name)
        background = bitmap(face)
        origin = self.origin(role)
        left, top, right, bottom = clip or (rect[0], rect[1], rect[2] + 2, rect[3] + 2)
        drawn, points = 0, []
        for y in range(top, bottom):
            for x in range(left, right):
                on_screen = shot.getpixel((origin[0] + x, origin[1] + y))
                if reference.getpixel((x, y)) != background.getpixel((x, y)):
                    drawn += 1
                    points.append((x, y))
                elif on_screen != background.getpixel((x, y)):
                    points.append((x, y))
        self.assertGreater(drawn, 10, "%s: %r draws nothing there" % (name, text))
        expected = reference if shown else background
        ratio = match_ratio(shot, origin, expected, points)
        self.assertGreater(ratio, 0.99, "%s: %r %s" % (name, text, "drawn" if shown else "absent"))

    def assert_caption(self, shot, language, count):
        text = b"%s : %d" % (self.s.strings[language][SLOT_ENTRIES], count)
        self.assert_text(shot, "log", LOG_FACE[language], LOG_CAPTION, text, DT_WORDBREAK,
                         "caption-%d-%d" % (language, count))

    @staticmethod
    def chart_points(entries):
        """Client positions of the plotted entries [(score, total)], placed as
        the chart places them: step = width // (count - 1), or spread by
        proportion when there are more entries than pixels."""
        left, top, right, bottom = LOG_CHART
        width, height, count = right - left - 8, bottom - top, len(entries)
        step = width // (count - 1) if count > 1 else 0
        points = []
        for i, (score, total) in enumerate(entries):
            offset = i * step if step or count <= 1 else i * width // (count - 1)
            points.append((left + 4 + offset, bottom - (int(score / total * height) if total else 0)))
        return points

    @classmethod
    def point_of(cls, score, total):
        return cls.chart_points([(score, total)])[0]

    @staticmethod
    def outline(x, y):
        """The pixels of a point's yellow square (x - 3, y - 3, x + 3, y + 3)."""
        pixels = set()
        for d in range(-3, 3):
            pixels |= {(x + d, y - 3), (x + d, y + 2), (x - 3, y + d), (x + 2, y + d)}
        return sorted(pixels)

    def assert_point(self, shot, x, y, shown=True):
        origin = self.origin("log")

        def at(px, py):
            return shot.getpixel((origin[0] + px, origin[1] + py))
        square = [at(px, py) for px, py in self.outline(x, y)]
        if shown:
            self.assertEqual(square, [YELLOW] * len(square), "the point's yellow square")
            self.assertEqual(at(x + 3, y + 3), GREY, "its shadow")
            # Ticks on the top and bottom edges of the chart.
            self.assertEqual(at(x, LOG_CHART[1] + 1), GREEN)
            self.assertEqual(at(x, LOG_CHART[3] - 2), GREEN)
        else:
            face = bitmap(LOG_FACE[1])
            self.assertEqual(square, [face.getpixel(p) for p in self.outline(x, y)],
                             "no point")
