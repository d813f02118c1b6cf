"""The Windows setup and the portable zip of dist/ under Wine, in a fresh
prefix, as a Windows user meets them: a silent classroom install with its
files, shortcut and entry in Apps; the installed program starting; an
upgrade by a newer build that keeps the results log; the uninstaller with
and without its remove-data choice; setup and uninstall refusing to touch a
running Korvane; the wizard's pages in English and French by the system
language; the zip's korvane.exe starting from wherever it is unpacked.

The prefix has its own HOME, so that Wine's user folders and menu entries
never reach the real one. Screenshots of the pages stay in
$KORVANE_BUILD_DIR/e2e/package-windows/.
"""
import os
import pwd
import shutil
import subprocess
import tempfile
import time
import unittest
import zipfile

from PIL import Image

import korvane_session as k

VERSION = os.environ.get("KORVANE_VERSION", "")
DIST = os.environ.get("KORVANE_DIST", os.path.join(k.SOURCE_DIR, "dist"))
SETUP = os.path.join(DIST, "korvane-%s-setup.exe" % VERSION)
ZIP = os.path.join(DIST, "korvane-%s-portable.zip" % VERSION)
NSI = os.path.join(k.SOURCE_DIR, "packaging", "windows", "korvane.nsi")
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvane"
DATA_KEY = r"HKCU\Software\Korvane"
LOG_KEY = DATA_KEY + r"\Log"
OPTIONS_KEY = DATA_KEY + r"\Options"
USER = pwd.getpwuid(os.getuid()).pw_name
INSTDIR = "C:\\users\\%s\\AppData\\Local\\Programs\\Korvane" % USER
# One results-log entry as the program stores it: date 2024-05-17 packed as
# year | month << 22 | day << 26, the time product, 50 questions, 41 right.
ENTRY = (2024 | 5 << 22 | 17 << 26).to_bytes(4, "little") + (10 * 20 * 30).to_bytes(4, "little") \
    + (50).to_bytes(4, "little") + (41).to_bytes(4, "little")
LANGUAGES = {"en": ("en_US.UTF-8", "Korvane Setup", "Korvane Uninstall"),
             "fr": ("fr_FR.UTF-8", "Installation de Korvane", "sinstallation de Korvane")}


class Session(k.Session):
    def __init__(self, name):
        super().__init__(name)
        self.prefix = os.path.join(k.BUILD_DIR, "wine-package")
        self.home = os.path.join(k.BUILD_DIR, "wine-package-home")
        self.browser_log = os.path.join(self.prefix, "browser.log")

    @property
    def env(self):
        env = super().env
        # No menu entries or desktop files from the Start-menu shortcut.
        env.update(HOME=self.home, XDG_DATA_HOME=os.path.join(self.home, ".local", "share"),
                   XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                   WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        return env

    def unix(self, windows_path):
        assert windows_path[:3].upper() == "C:\\"
        return os.path.join(self.prefix, "drive_c", *windows_path[3:].split("\\"))


def newer_version(version):
    major, minor, patch = (int(p) for p in version.split("."))
    return "%d.%d.%d" % (major, minor, patch + 1)


class WindowsPackages(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        s = Session("package-windows")
        # A fresh prefix: what a new Windows user has.
        if os.path.isdir(s.prefix):
            k.run([k.WINESERVER, "-k"], env=s.env, check=False)
            shutil.rmtree(s.prefix)
        shutil.rmtree(s.home, ignore_errors=True)
        os.makedirs(s.home)
        cls.s = s.__enter__()
        cls.tmp = tempfile.mkdtemp(dir=s.artifacts)
        with open(k.EXE, "rb") as f:
            cls.exe = f.read()
        # A newer build from the same script: a higher version, and an exe
        # that can be told apart from the first (bytes after the image do not
        # change how it runs).
        cls.newer = newer_version(VERSION)
        cls.newer_exe = cls.exe + b"\0newer build\0"
        path = os.path.join(cls.tmp, "korvane.exe")
        with open(path, "wb") as f:
            f.write(cls.newer_exe)
        cls.newer_setup = os.path.join(cls.tmp, "korvane-%s-setup.exe" % cls.newer)
        k.run(["makensis", "-V2", "-INPUTCHARSET", "UTF8", "-DVERSION=" + cls.newer,
               "-DEXE=" + path, "-DOUTFILE=" + cls.newer_setup, NSI], timeout=120)

    @classmethod
    def tearDownClass(cls):
        cls.s.close()

    def setUp(self):
        self.procs = []

    def tearDown(self):
        for proc in self.procs:
            if proc.poll() is None:
                proc.kill()
                proc.wait(10)
        self.s.kill_app()

    # ---------------------------------------------------------------- helpers
    def wine(self, *args, timeout=60, language=None):
        """Runs a Windows program to its end; its exit code."""
        env = self.s.env
        if language:
            env.update(LANG=language, LC_ALL=language)
        try:
            return subprocess.run([k.WINE] + list(args), env=env, stdin=subprocess.DEVNULL,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                  timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            raise k.E2EError("timed out: %s" % " ".join(args))

    def start(self, *args, language):
        env = self.s.env
        env.update(LANG=language, LC_ALL=language)
        proc = subprocess.Popen([k.WINE] + list(args), env=env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                start_new_session=True)
        self.procs.append(proc)
        return proc

    def key_exists(self, key):
        return self.wine("reg", "query", key, timeout=30) == 0

    def installed(self, name):
        return self.s.unix(INSTDIR + "\\" + name)

    def start_menu_link(self):
        return self.s.unix("C:\\users\\%s\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu"
                           "\\Programs\\Korvane.lnk" % USER)

    def read(self, path):
        with open(path, "rb") as f:
            return f.read()

    def clean(self):
        """No Korvane installed, no results or options stored."""
        if os.path.exists(self.installed("uninstall.exe")):
            self.wine(INSTDIR + "\\uninstall.exe", "/S", "/REMOVEDATA")
            self.wait_uninstalled()
        self.s.reg(["delete", DATA_KEY, "/f"], check=False)

    def wait_uninstalled(self):
        # The uninstaller copies itself away and returns at once.
        k.wait_until(lambda: not os.path.exists(self.installed("korvane.exe"))
                     and not self.key_exists(UNINSTALL_KEY), 30, 0.2, "the uninstaller")

    def run_korvane(self, path):
        """Starts the program at path, checks that its panel shows, and quits
        it with its quit key (which stores the log and the options)."""
        saved = k.EXE
        k.EXE = path
        try:
            self.s.start_app()
        finally:
            k.EXE = saved
        self.s.move(5, 5)
        main = self.s.windows()["main"]
        self.assertTrue(main["visible"])
        shot = self.s.image("panel-%d" % int(time.monotonic() * 1000))
        panel = k.bitmap(291)
        points = k.face_points(panel, k.PANEL_KEYS.values(),
                               inside=lambda x, y: k.in_polygon(k.MAIN_REGION, x, y))
        self.assertGreater(k.match_ratio(shot, main["rect"][:2], panel, points), 0.99,
                           "the panel of " + path)
        self.s.post(("command", k.ID_QUIT))
        self.assertEqual(self.s.wait_app_exit(), 0)

    def store_log_entry(self):
        self.s.reg(["add", LOG_KEY, "/v", "NumEntries", "/t", "REG_SZ", "/d", "1", "/f"])
        self.s.reg(["add", LOG_KEY, "/v", "E000", "/t", "REG_BINARY", "/d", ENTRY.hex(), "/f"])

    def assert_log_entry(self):
        log = self.s.registry(LOG_KEY)
        self.assertEqual(log.get("NumEntries"), ("REG_SZ", "1"))
        self.assertEqual(log.get("E000"), ("REG_BINARY", ENTRY.hex().upper()))

    def assert_installed(self, version, exe, instdir=INSTDIR):
        unix = self.s.unix(instdir)
        self.assertEqual(sorted(os.listdir(unix)), ["korvane.exe", "uninstall.exe"])
        self.assertEqual(self.read(os.path.join(unix, "korvane.exe")), exe)
        link = self.read(self.start_menu_link())
        self.assertEqual(link[:4], b"\x4c\0\0\0", "a shell link")
        self.assertIn(b"korvane.exe", link.lower())
        values = self.s.registry(UNINSTALL_KEY)
        size = values.pop("EstimatedSize", ("", "0"))
        self.assertEqual(size[0], "REG_DWORD")
        used = sum(os.path.getsize(os.path.join(unix, n)) for n in os.listdir(unix))
        self.assertLessEqual(abs(int(size[1], 16) - used // 1024), 8, "size in KB")
        self.assertEqual(values, {
            "DisplayName": ("REG_SZ", "Korvane"),
            "DisplayVersion": ("REG_SZ", version),
            "Publisher": ("REG_SZ", "Velmoria Radio Authority"),
            "DisplayIcon": ("REG_SZ", instdir + "\\korvane.exe,0"),
            "InstallLocation": ("REG_SZ", instdir),
            "UninstallString": ("REG_SZ", '"%s\\uninstall.exe"' % instdir),
            "QuietUninstallString": ("REG_SZ", '"%s\\uninstall.exe" /S' % instdir),
            "NoModify": ("REG_DWORD", "0x1"),
            "NoRepair": ("REG_DWORD", "0x1")})

    def assert_removed(self):
        self.assertFalse(os.path.exists(self.s.unix(INSTDIR)))
        self.assertFalse(os.path.exists(self.start_menu_link()))
        self.assertFalse(self.key_exists(UNINSTALL_KEY))

    # ---------------------------------------------------------------- tests
    def test_silent_install_upgrade_and_uninstall_keep_the_results_unless_asked(self):
        self.clean()
        self.assertEqual(self.wine(SETUP, "/S"), 0)
        self.assert_installed(VERSION, self.exe)
        self.assertFalse(os.path.exists(self.s.unix(
            "C:\\users\\%s\\Desktop\\Korvane.lnk" % USER)), "no desktop shortcut unless asked")

        # The installed program starts, loads a log entry and stores it again.
        self.store_log_entry()
        self.run_korvane(self.installed("korvane.exe"))
        self.assert_log_entry()
        options = self.s.registry(OPTIONS_KEY)
        self.assertIn("Language", options)

        # A newer build over it: replaced in place, results and options kept.
        self.assertEqual(self.wine(self.newer_setup, "/S"), 0)
        self.assert_installed(self.newer, self.newer_exe)
        self.assert_log_entry()
        self.assertEqual(self.s.registry(OPTIONS_KEY), options)
        self.run_korvane(self.installed("korvane.exe"))
        self.assert_log_entry()

        # Silent uninstall as Apps runs it: the program goes, the results stay.
        command = self.s.registry(UNINSTALL_KEY)["QuietUninstallString"][1]
        self.assertEqual(self.wine(INSTDIR + "\\uninstall.exe", "/S"), 0, command)
        self.wait_uninstalled()
        self.assert_removed()
        self.assert_log_entry()
        self.assertEqual(self.s.registry(OPTIONS_KEY), options)

        # Reinstalled, then uninstalled with the remove-data flag: all gone.
        self.assertEqual(self.wine(SETUP, "/S"), 0)
        self.assert_log_entry()
        self.assertEqual(self.wine(INSTDIR + "\\uninstall.exe", "/S", "/REMOVEDATA"), 0)
        self.wait_uninstalled()
        self.assert_removed()
        k.wait_until(lambda: not self.key_exists(DATA_KEY), 10, 0.2, "the data removed")

    def test_another_folder_and_a_desktop_shortcut_from_the_command_line(self):
        self.clean()
        folder = "C:\\Classroom\\Radio Korvane"
        # As typed at a command prompt: /D= comes last and unquoted.
        self.assertEqual(self.wine("cmd.exe", "/c", "%s /S /DESKTOP /D=%s" % (
            k.windows_path(SETUP), folder)), 0)
        self.assert_installed(VERSION, self.exe, folder)
        desktop = self.s.unix("C:\\users\\%s\\Desktop\\Korvane.lnk" % USER)
        self.assertIn(b"korvane.exe", self.read(desktop).lower())
        self.assertFalse(os.path.exists(self.s.unix(INSTDIR)))
        # An upgrade finds it there without being told.
        self.assertEqual(self.wine(self.newer_setup, "/S"), 0)
        self.assert_installed(self.newer, self.newer_exe, folder)
        self.assertEqual(self.wine(folder + "\\uninstall.exe", "/S"), 0)
        k.wait_until(lambda: not os.path.exists(self.s.unix(folder)), 30, 0.2, "the uninstaller")
        self.assertFalse(os.path.exists(desktop))
        self.assertFalse(self.key_exists(UNINSTALL_KEY))

    def test_setup_and_uninstall_leave_a_running_korvane_alone(self):
        self.clean()
        self.assertEqual(self.wine(SETUP, "/S"), 0)
        self.store_log_entry()
        saved = k.EXE
        k.EXE = self.installed("korvane.exe")
        try:
            self.s.start_app()
        finally:
            k.EXE = saved
        # Silent: they wait a while, then fail with code 2, having changed nothing.
        began = time.monotonic()
        self.assertEqual(self.wine(self.newer_setup, "/S"), 2)
        self.assertGreater(time.monotonic() - began, 5, "waited for Korvane to end")
        self.assert_installed(VERSION, self.exe)
        # _?= keeps the uninstaller in place, so that its exit code comes back.
        self.assertEqual(self.wine(INSTDIR + "\\uninstall.exe", "/S", "/REMOVEDATA",
                                   "_?=" + INSTDIR), 2)
        self.assert_installed(VERSION, self.exe)
        self.assert_log_entry()
        self.assertTrue(self.s.windows()["main"]["visible"], "Korvane still runs")

        # Interactive: setup asks to quit Korvane first, replaces nothing
        # while it asks, and goes on with Retry once Korvane has ended.
        def quit_then_retry(wid, title):
            def question():
                ids = k.run(["xdotool", "search", "--onlyvisible", "--name", title],
                            env=self.s.env, check=False).split()
                return [i for i in ids if i != wid]
            box = k.wait_until(question, 30, 0.2, "the question to quit Korvane")
            self.assertEqual(len(box), 1)
            self.page(box[0], "running-question")
            self.assert_installed(VERSION, self.exe)
            self.s.post(("command", k.ID_QUIT))
            self.assertEqual(self.s.wait_app_exit(), 0)
            self.press(box[0], "Return")

        self.walk_setup("en", LANGUAGES["en"][0], LANGUAGES["en"][1], setup=self.newer_setup,
                        version=self.newer, installing=quit_then_retry, name="running")
        self.assert_installed(self.newer, self.newer_exe)
        self.clean()

    def test_wizard_pages_follow_the_system_language(self):
        for lang, (locale, title, untitle) in LANGUAGES.items():
            with self.subTest(language=lang):
                self.clean()
                self.store_log_entry()
                self.walk_setup(lang, locale, title)
                self.assert_installed(VERSION, self.exe)
                # English: the box left unticked keeps the results; French:
                # ticked with Space, removes them.
                self.walk_uninstall(lang, locale, untitle, remove_data=lang == "fr")
                self.assert_removed()
                if lang == "fr":
                    self.assertFalse(self.key_exists(DATA_KEY))
                else:
                    self.assert_log_entry()

    def wizard(self, title):
        ids = k.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", title],
                    timeout=60, env=self.s.env).split()
        self.assertEqual(len(ids), 1, "one window named " + title)
        return ids[0]

    def page(self, wid, name, previous=None):
        """Waits until the wizard shows a settled page other than previous;
        saves it cropped to the wizard."""
        geometry = k.run(["xdotool", "getwindowgeometry", "--shell", wid], env=self.s.env)
        g = dict(line.split("=") for line in geometry.split())
        box = (int(g["X"]), int(g["Y"]), int(g["X"]) + int(g["WIDTH"]),
               int(g["Y"]) + int(g["HEIGHT"]))

        def settled():
            a = self.s.image(name).crop(box)
            if previous is not None and a.tobytes() == previous.tobytes():
                return None
            time.sleep(0.3)
            b = self.s.image(name).crop(box)
            return b if a.tobytes() == b.tobytes() else None

        shot = k.wait_until(settled, 20, 0.2, name)
        shot.save(os.path.join(self.s.artifacts, name + ".png"))
        return shot

    def press(self, wid, key):
        k.run(["xdotool", "windowfocus", "--sync", wid, "key", key], env=self.s.env)

    def walk_setup(self, lang, locale, title, setup=SETUP, version=VERSION, installing=None,
                   name="setup"):
        """Walks the wizard with Return to its finish page, and finishes it
        (which starts the program); installing(wid, title), if given, runs
        once Install has been pressed."""
        setup = self.start(setup, language=locale)
        wid = self.wizard(title)
        shot = self.page(wid, "%s-%s-1-welcome" % (name, lang))
        for page in ("2-folder", "3-components"):
            self.press(wid, "Return")
            shot = self.page(wid, "%s-%s-%s" % (name, lang, page), shot)
        self.press(wid, "Return")  # Install
        if installing:
            installing(wid, title)
        k.wait_until(lambda: self.s.registry(UNINSTALL_KEY).get("DisplayVersion") ==
                     ("REG_SZ", version), 30, 0.2, "the installation")
        self.page(wid, "%s-%s-4-finish" % (name, lang), shot)
        # Finish with "Run Korvane" ticked starts the program.
        self.press(wid, "Return")
        self.assertEqual(setup.wait(30), 0)
        k.wait_until(lambda: self.s.windows()["main"]["visible"], 60, 0.2,
                     "Korvane started by the finish page")
        self.s.post(("command", k.ID_QUIT))
        k.wait_until(lambda: int(self.s.windows()["main"]["handle"], 16) == 0, 30, 0.2,
                     "Korvane to end")

    def walk_uninstall(self, lang, locale, title, remove_data):
        self.start(INSTDIR + "\\uninstall.exe", language=locale)
        wid = self.wizard(title)
        shot = self.page(wid, "uninstall-%s-1-data" % lang)
        if remove_data:
            self.press(wid, "space")
            shot = self.page(wid, "uninstall-%s-2-data-ticked" % lang, shot)
        self.press(wid, "Return")
        self.wait_uninstalled()
        self.page(wid, "uninstall-%s-3-done" % lang, shot)
        self.press(wid, "Return")
        k.wait_until(lambda: not k.run(["xdotool", "search", "--onlyvisible", "--name", title],
                                       env=self.s.env, check=False).split(), 20, 0.2,
                     "the uninstaller to close")

    def test_portable_zip_unpacks_to_a_korvane_exe_that_starts(self):
        self.clean()
        with zipfile.ZipFile(ZIP) as z:
            self.assertEqual(sorted(z.namelist()), ["README.txt", "korvane.exe"])
            readme = z.read("README.txt")
            folder = self.s.unix("C:\\users\\%s\\Downloads\\Korvane" % USER)
            shutil.rmtree(folder, ignore_errors=True)
            z.extractall(folder)
        self.assertEqual(self.read(os.path.join(folder, "korvane.exe")), self.exe)
        # Windows line ends throughout, and what it is and where it keeps settings.
        self.assertEqual(readme.count(b"\n"), readme.count(b"\r\n"))
        self.assertGreater(readme.count(b"\r\n"), 10)
        text = readme.decode("ascii")
        self.assertIn("Korvane %s" % VERSION, text)
        self.assertIn("HKEY_CURRENT_USER\\Software\\Korvane", text)
        self.run_korvane(os.path.join(folder, "korvane.exe"))
        self.assertEqual(self.s.registry(LOG_KEY).get("NumEntries"), ("REG_SZ", "0"))
        shutil.rmtree(folder)


if __name__ == "__main__":
    unittest.main(verbosity=2)
