"""The version resource and the manifest of the built korvane.exe, read back
from the file as Explorer's Properties, the installers and the loader read
them."""
import os
import re
import sys
import unittest
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pe_resources as pe  # noqa: E402

EXE = os.environ.get("KORVANE_EXE", "build/win/korvane.exe")
VERSION = os.environ.get("KORVANE_VERSION", "")

ASM1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPAT = "{urn:schemas-microsoft-com:compatibility.v1}"
WINDOWS_7_TO_11 = {
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  # 7
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  # 8
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  # 8.1
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  # 10 and 11
}


class ExeResources(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(EXE, "rb") as f:
            cls.resources = pe.PEFile(f.read()).resources()

    def only(self, rtype):
        found = [(k, v) for k, v in self.resources.items() if k[0] == rtype]
        self.assertEqual(len(found), 1, "one resource of type %d" % rtype)
        return found[0]

    def test_version_resource_names_the_program_in_both_languages(self):
        self.assertRegex(VERSION, r"^\d+\.\d+\.\d+$", "KORVANE_VERSION from CMake")
        key, blob = self.only(pe.RT_VERSION)
        self.assertEqual(key[1:], (1, 0), "resource 1, language-neutral")
        info = pe.version_info(blob)
        quad = tuple(int(p) for p in VERSION.split(".")) + (0,)
        self.assertEqual(info["fixed"], (quad, quad, 1), "file and product version, VFT_APP")
        self.assertEqual(sorted(info["translations"]), [(0x0409, 1252), (0x040C, 1252)])
        self.assertEqual(sorted(info["strings"]), ["040904E4", "040C04E4"])
        for table, authority in (("040904E4", "Velmoria Radio Authority"),
                                 ("040C04E4", "Autorité radio de Velmoria")):
            s = info["strings"][table]
            with self.subTest(table=table):
                self.assertEqual(s["ProductName"], "Korvane")
                self.assertEqual(s["FileVersion"], VERSION)
                self.assertEqual(s["ProductVersion"], VERSION)
                self.assertEqual(s["OriginalFilename"], "korvane.exe")
                self.assertEqual(s["CompanyName"], authority)
                self.assertEqual(s["LegalCopyright"], "© 2000 " + authority)
                self.assertIn("Korvane", s["FileDescription"])
        self.assertIn("entraîneur", info["strings"]["040C04E4"]["FileDescription"])

    def test_manifest_runs_as_invoker_on_windows_7_to_11_scaled_by_the_system(self):
        key, blob = self.only(pe.RT_MANIFEST)
        self.assertEqual(key[1], 1, "CREATEPROCESS_MANIFEST_RESOURCE_ID")
        root = ET.fromstring(blob)
        self.assertEqual(root.tag, ASM1 + "assembly")
        identity = root.find(ASM1 + "assemblyIdentity")
        self.assertEqual(identity.get("version"), VERSION + ".0")
        self.assertEqual(identity.get("processorArchitecture"), "amd64")
        levels = root.findall(".//%srequestedExecutionLevel" % ASM3)
        self.assertEqual([(e.get("level"), e.get("uiAccess")) for e in levels],
                         [("asInvoker", "false")])
        ids = {e.get("Id") for e in root.iter(COMPAT + "supportedOS")}
        self.assertEqual(ids, WINDOWS_7_TO_11)
        settings = {re.sub(r"^\{.*\}", "", e.tag): e.text.strip()
                    for e in root.iter() if e.tag.endswith(("}dpiAware", "}dpiAwareness",
                                                            "}gdiScaling"))}
        self.assertEqual(settings, {"dpiAware": "false", "gdiScaling": "true"})
        # The tooltips and the print dialog keep the classic controls.
        self.assertEqual(root.findall(".//%sdependency" % ASM1), [])
        self.assertNotIn(b"Microsoft.Windows.Common-Controls", blob)


if __name__ == "__main__":
    unittest.main(verbosity=2)
