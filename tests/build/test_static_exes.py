"""The Windows programs of the build import only system DLLs: statically
linked, so nothing from the MinGW runtime has to sit beside them."""
import glob
import os
import subprocess
import unittest

SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "comdlg32.dll", "comctl32.dll",
    "advapi32.dll", "winmm.dll", "shell32.dll", "msvcrt.dll",
}
WIN_DIR = os.environ.get("KORVANE_WIN_DIR", "build/win")


def imported_dlls(path):
    out = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", path],
                         capture_output=True, text=True, check=True).stdout
    return {line.split(":", 1)[1].strip().lower()
            for line in out.splitlines() if "DLL Name:" in line}


class StaticExecutables(unittest.TestCase):
    def test_every_program_imports_only_system_dlls(self):
        exes = glob.glob(os.path.join(WIN_DIR, "*.exe")) + \
            glob.glob(os.path.join(WIN_DIR, "tests", "*.exe"))
        self.assertTrue(exes, "no programs found in " + WIN_DIR)
        for exe in exes:
            with self.subTest(exe=os.path.basename(exe)):
                dlls = imported_dlls(exe)
                self.assertTrue(dlls, "no imports read")
                self.assertLessEqual(dlls, SYSTEM_DLLS)
                self.assertFalse(any("libstdc++" in d or "libgcc" in d or "winpthread" in d
                                     for d in dlls))


if __name__ == "__main__":
    unittest.main()
