"""The Debian package of dist/ as a Debian or Ubuntu user meets it: lintian
finds no error in it; installed with apt on this machine (and always removed
again), `korvane` on a virtual display creates a fresh private Wine prefix
quietly and shows the panel, its calculator key opens the desktop's
calculator, the about links its browser and mail program, and without a
display it says so and exits with status 1.

It installs into /usr: run it only inside the heavy lock of the machine (as
scripts/test.sh is run). Screenshots stay in $KORVANE_BUILD_DIR/e2e/package-debian/.
"""
import os
import shutil
import subprocess
import tempfile
import unittest

import korvane_session as k

VERSION = os.environ.get("KORVANE_VERSION", "")
DIST = os.environ.get("KORVANE_DIST", os.path.join(k.SOURCE_DIR, "dist"))
DEB = os.path.abspath(os.path.join(DIST, "korvane_%s_amd64.deb" % VERSION))
APT_LOCK = "/tmp/korvane-apt.lock"
PREPARING = "korvane: preparing "


def package_installed():
    out = subprocess.run(["dpkg-query", "-W", "-f=${Status}", "korvane"],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    return b"install ok installed" in out.stdout


class Launcher(k.Session):
    """A user with an empty home: the launcher makes the prefix, the probe
    reads the program in it."""

    def __init__(self, name, home, stubs):
        super().__init__(name)
        self.home = home
        self.stubs = stubs
        self.prefix = os.path.join(home, ".local", "share", "korvane")
        self.browser_log = os.path.join(home, "browser.log")

    def ensure_prefix(self):
        pass  # the launcher's job

    def start_server(self):
        pass

    @property
    def env(self):
        env = super().env
        env.pop("XDG_DATA_HOME", None)
        env.update(HOME=self.home, PATH=self.stubs + ":/usr/local/bin:/usr/bin:/bin")
        return env


class DebianPackage(unittest.TestCase):
    def test_lintian_finds_no_error_and_the_contents_are_complete(self):
        out = k.run(["lintian", "--pedantic", "--info", DEB], timeout=300, check=False)
        print("lintian:\n" + (out.strip() or "(nothing)"))
        errors = [line for line in out.splitlines() if line.startswith("E:")]
        self.assertEqual(errors, [])
        fields = k.run(["dpkg-deb", "-f", DEB, "Package", "Version", "Architecture", "Depends"])
        self.assertEqual(fields.split("\n")[:4], [
            "Package: korvane", "Version: " + VERSION, "Architecture: amd64",
            "Depends: wine64 | wine, fonts-liberation"])
        listing = k.run(["dpkg-deb", "-c", DEB])
        files = {line.split()[-1].lstrip(".") for line in listing.splitlines()}
        wanted = {"/usr/bin/korvane", "/usr/lib/korvane/korvane.exe",
                  "/usr/lib/korvane/wine/calc.exe", "/usr/libexec/korvane/korvane-calculator",
                  "/usr/share/applications/korvane.desktop",
                  "/usr/share/metainfo/org.example.velmoria.korvane.metainfo.xml",
                  "/usr/share/man/man1/korvane.1.gz", "/usr/share/doc/korvane/copyright"}
        wanted |= {"/usr/share/icons/hicolor/%dx%d/apps/korvane.png" % (n, n)
                   for n in (16, 22, 24, 32, 48, 64, 128, 256)}
        self.assertEqual(wanted - files, set())
        with tempfile.TemporaryDirectory() as tmp:
            k.run(["dpkg-deb", "-x", DEB, tmp])
            desktop = os.path.join(tmp, "usr/share/applications/korvane.desktop")
            k.run(["desktop-file-validate", desktop])
            with open(desktop, encoding="utf-8") as f:
                entry = dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)
            self.assertEqual(entry["Categories"], "Education;")
            for key in ("Name", "Comment", "GenericName"):
                self.assertIn(key + "[fr]", entry)
            self.assertNotEqual(entry["Comment"], entry["Comment[fr]"])
            self.assertEqual((entry["Exec"], entry["Icon"]), ("korvane", "korvane"))
            k.run(["appstreamcli", "validate", "--no-net",
                   os.path.join(tmp, "usr/share/metainfo/org.example.velmoria.korvane.metainfo.xml")])
            with open(os.path.join(tmp, "usr/share/doc/korvane/copyright")) as f:
                self.assertTrue(f.readline().startswith(
                    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"))
            page = k.run(["man", "-l", os.path.join(tmp, "usr/share/man/man1/korvane.1.gz")],
                         env=dict(os.environ, MANWIDTH="80", MAN_KEEP_STDERR="1"))
            self.assertIn("korvane - amateur radio operator exam trainer", page)
            self.assertIn(".local/share}/korvane", page)

    def test_installed_korvane_runs_in_a_fresh_private_prefix(self):
        self.assertFalse(package_installed(),
                         "korvane is installed already; this test installs and removes it")
        tmp = tempfile.mkdtemp(prefix="korvane-deb-")
        self.addCleanup(shutil.rmtree, tmp, True)
        home, stubs = os.path.join(tmp, "home"), os.path.join(tmp, "bin")
        os.makedirs(home)
        os.makedirs(stubs)
        calculator_log = os.path.join(tmp, "calculator.log")
        # The first of the usual calculators that the launcher looks for.
        stub = os.path.join(stubs, "gnome-calculator")
        with open(stub, "w") as f:
            f.write('#!/bin/sh\necho "started $*" >> "%s"\n' % calculator_log)
        os.chmod(stub, 0o755)
        # What Wine's browser bridge hands web and mail addresses to.
        opened_log = os.path.join(tmp, "opened.log")
        for opener in ("xdg-open", "xdg-email"):
            with open(os.path.join(stubs, opener), "w") as f:
                f.write('#!/bin/sh\necho "%s $*" >> "%s"\n' % (opener, opened_log))
            os.chmod(os.path.join(stubs, opener), 0o755)

        self.addCleanup(self.remove_package)
        k.run(["flock", APT_LOCK, "apt-get", "install", "-y", "-qq", "--no-install-recommends",
               DEB], timeout=600, env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))
        self.assertTrue(package_installed())
        self.assertEqual(k.run(["man", "-w", "korvane"]).strip(),
                         "/usr/share/man/man1/korvane.1.gz")

        # No display: a message and status 1, and no prefix made.
        for display in (None, ":987"):
            env = dict(os.environ, HOME=home)
            env.pop("DISPLAY", None)
            env.pop("XDG_DATA_HOME", None)
            if display:
                env["DISPLAY"] = display
            proc = subprocess.run(["korvane"], env=env, stdin=subprocess.DEVNULL,
                                  stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=30)
            with self.subTest(display=display):
                self.assertEqual(proc.returncode, 1)
                self.assertIn(b"no X display", proc.stderr)
                self.assertEqual(proc.stdout, b"")
                self.assertFalse(os.path.exists(os.path.join(home, ".local")))

        s = Launcher("package-debian", home, stubs).__enter__()
        self.addCleanup(s.close)
        terminal = os.path.join(tmp, "terminal.txt")
        with open(terminal, "wb") as out:
            s.app = subprocess.Popen(["korvane"], env=s.env, cwd=home, stdin=subprocess.DEVNULL,
                                     stdout=out, stderr=subprocess.STDOUT,
                                     start_new_session=True)

        def shown():
            if s.app.poll() is not None:
                raise k.E2EError("korvane ended with %s" % s.app.returncode)
            if not os.path.exists(os.path.join(s.prefix, ".korvane-ready")):
                return False
            return s.windows()["main"]["visible"]

        k.wait_until(shown, 180, 0.5, "the panel of the installed korvane")
        s.move(5, 5)
        main = s.windows()["main"]
        shot = s.image("panel")
        panel = k.bitmap(291)
        points = k.face_points(panel, k.PANEL_KEYS.values(),
                               inside=lambda x, y: k.in_polygon(k.MAIN_REGION, x, y))
        self.assertGreater(k.match_ratio(shot, main["rect"][:2], panel, points), 0.99)

        # The prefix: the user's own Wine setup untouched, the core fonts
        # mapped, the calculator in place; on the terminal, one line.
        self.assertFalse(os.path.exists(os.path.join(home, ".wine")))
        for face, replacement in (("Arial", "Liberation Sans"),
                                  ("Times New Roman", "Liberation Serif"),
                                  ("Courier New", "Liberation Mono")):
            out = s.reg(["query", r"HKCU\Software\Wine\Fonts\Replacements", "/v", face])
            self.assertRegex(out, r"\n\s+%s\s+REG_SZ\s+%s\s*\n" % (face, replacement))
        with open("/usr/lib/korvane/wine/calc.exe", "rb") as a, \
                open(os.path.join(s.prefix, "drive_c/windows/system32/calc.exe"), "rb") as b:
            self.assertEqual(a.read(), b.read())
        with open(terminal, "rb") as f:
            lines = f.read().decode("utf-8", "replace").splitlines()
        self.assertEqual(lines, [PREPARING + s.prefix + " (first start)..."])

        # The calculator key opens the desktop's calculator.
        s.click(*k.centre(main["rect"][:2], k.PANEL_KEYS[k.ID_CALCULATOR]))
        k.wait_until(lambda: os.path.exists(calculator_log), 30, 0.2, "the calculator")

        # The about module's links open the desktop's browser and mail program,
        # with the addresses of the language the program shows.
        s.click(*k.centre(main["rect"][:2], k.PANEL_KEYS[k.ID_ABOUT]))
        k.wait_until(lambda: s.windows()["about"]["visible"], 20, 0.2, "the about module")
        about = s.windows()["about"]["rect"][:2]
        language = 2 if s.texts(raw=True)[k.ID_ABOUT_TEXT] == s.strings[2][44] else 1
        for y, opener, slot in ((64 + 6, "xdg-open", 77), (78 + 14, "xdg-email", 78)):
            wanted = "%s %s" % (opener, s.strings[language][slot].decode("cp1252"))

            def opened():
                if not os.path.exists(opened_log):
                    return False
                with open(opened_log, encoding="latin-1") as f:
                    return wanted in f.read().splitlines()
            # The links lie over the address lines of the about text.
            s.click(about[0] + 20 + 8 + 100, about[1] + 40 + y)
            k.wait_until(opened, 30, 0.2, wanted)

        s.post(("command", k.ID_QUIT))
        self.assertEqual(s.wait_app_exit(30), 0)
        # The options are kept in the private prefix.
        self.assertIn("Language", s.registry(r"HKCU\Software\Korvane\Options"))

        # A second start reuses the prefix, silently.
        with open(terminal, "wb") as out:
            s.app = subprocess.Popen(["korvane"], env=s.env, cwd=home, stdin=subprocess.DEVNULL,
                                     stdout=out, stderr=subprocess.STDOUT,
                                     start_new_session=True)
        k.wait_until(shown, 60, 0.5, "the panel again")
        s.post(("command", k.ID_QUIT))
        self.assertEqual(s.wait_app_exit(30), 0)
        with open(terminal, "rb") as f:
            self.assertEqual(f.read(), b"")

    def remove_package(self):
        k.run(["flock", APT_LOCK, "dpkg", "--purge", "korvane"], timeout=300, check=False)
        self.assertFalse(package_installed(), "korvane removed")
        self.assertFalse(os.path.exists("/usr/bin/korvane"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
