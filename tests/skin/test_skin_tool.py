"""Checks of tools/gen_skin.py: the bitmaps must be reproducible, exactly of
the sizes the windows and controls are laid out for, in a format the resource
compiler and LoadBitmap accept, with a French variant beside each one, and
the committed copies must be what the generator makes."""

import io
import os
import struct
import subprocess
import sys
import tempfile
import unittest

from PIL import Image, ImageStat

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOL = os.path.join(ROOT, "tools", "gen_skin.py")
COMMITTED_BMP = os.path.join(ROOT, "resources", "bitmaps")
COMMITTED_ICO = os.path.join(ROOT, "resources", "icon", "korvane.ico")
COMMITTED_PNG = os.path.join(ROOT, "packaging", "icons")


def triple(first, size):
    return {first: size, first + 2: size, first + 4: size}


# English number -> (width, height); the French variant is number + 1.
REQUIRED = {291: (160, 480), 305: (60, 480), 295: (440, 400), 265: (440, 400),
            267: (440, 400), 101: (400, 320), 505: (215, 33),
            221: (400, 60), 233: (370, 50), 235: (370, 50), 237: (370, 50),
            239: (370, 50), 229: (60, 20), 225: (80, 20), 227: (80, 20),
            231: (60, 20), 223: (40, 20)}
PANEL_KEYS = [109, 121, 133, 253, 259, 299, 307, 313]
SELECT_KEYS = [139, 145, 151, 157]
NAV_KEYS = [169, 175, 203, 209]
WIDE_KEYS = [273, 285, 241, 247]
for n in PANEL_KEYS:
    REQUIRED.update(triple(n, (86, 26)))
for n in SELECT_KEYS:
    REQUIRED.update(triple(n, (36, 36)))
for n in NAV_KEYS:
    REQUIRED.update(triple(n, (46, 28)))
for n in WIDE_KEYS:
    REQUIRED.update(triple(n, (78, 28)))
REQUIRED.update(triple(127, (66, 36)))
REQUIRED.update(triple(115, (28, 26)))
REQUIRED.update(triple(103, (46, 36)))
for off in (181, 185, 189, 193):
    REQUIRED[off] = REQUIRED[off + 2] = (36, 18)
ALL_KEYS = PANEL_KEYS + SELECT_KEYS + NAV_KEYS + WIDE_KEYS + [127, 115, 103]
OPTIONS_FACE = 269  # one picture for both languages

EXPECTED_NUMBERS = set(REQUIRED) | {n + 1 for n in REQUIRED} | {OPTIONS_FACE}


def run_tool(out_dir):
    subprocess.run([sys.executable, TOOL, out_dir], check=True,
                   stdout=subprocess.DEVNULL)
    files = {}
    for name in os.listdir(out_dir):
        with open(os.path.join(out_dir, name), "rb") as f:
            files[name] = f.read()
    return files


def bmp_header(blob):
    """(width, height, bits per pixel, compression) after checking that the
    file is a plain BITMAPINFOHEADER DIB whose size adds up."""
    magic, file_size, _, _, offset = struct.unpack_from("<2sIHHI", blob, 0)
    (hsize, width, height, planes, bpp, compression,
     image_size) = struct.unpack_from("<IiiHHII", blob, 14)
    assert magic == b"BM" and hsize == 40 and planes == 1, "not a Windows DIB"
    stride = (width * bpp + 31) // 32 * 4
    assert file_size == len(blob) == offset + stride * abs(height), "sizes disagree"
    return width, height, bpp, compression


def picture(blob, mode="RGB"):
    return Image.open(io.BytesIO(blob)).convert(mode)


class SkinGeneratorTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.first = run_tool(os.path.join(cls.tmp.name, "a"))
        cls.second = run_tool(os.path.join(cls.tmp.name, "b"))

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def bmp(self, number):
        return self.first["%d.bmp" % number]

    def mean(self, number):
        return ImageStat.Stat(picture(self.bmp(number), "L")).mean[0]

    def test_two_runs_give_identical_bytes(self):
        self.assertEqual(sorted(self.first), sorted(self.second))
        for name in self.first:
            self.assertEqual(self.first[name], self.second[name], name)

    def test_exactly_the_loaded_numbers_are_drawn(self):
        numbers = {int(name[:-4]) for name in self.first if name.endswith(".bmp")}
        self.assertEqual(numbers, EXPECTED_NUMBERS)
        self.assertNotIn("270.bmp", self.first)
        self.assertIn("korvane.ico", self.first)

    def test_every_bitmap_has_its_size_in_uncompressed_24_bits(self):
        sizes = dict(REQUIRED)
        sizes[OPTIONS_FACE] = (440, 400)
        for number in sorted(EXPECTED_NUMBERS):
            want = sizes[number] if number in sizes else sizes[number - 1]
            with self.subTest(number=number):
                w, h, bpp, compression = bmp_header(self.bmp(number))
                self.assertEqual((w, h), want)  # h > 0: bottom-up rows
                self.assertEqual(bpp, 24)
                self.assertEqual(compression, 0)

    def test_faces_with_words_differ_by_language(self):
        worded = [127, 129, 131, 103, 291, 295, 265, 267, 505,
                  109, 253, 259, 299, 307, 313, 273, 285, 241, 247]
        for number in worded:
            with self.subTest(number=number):
                self.assertNotEqual(self.bmp(number), self.bmp(number + 1))

    def test_hover_is_brighter_and_pressed_darker(self):
        for first in ALL_KEYS:
            for lang in (0, 1):
                normal, over, pressed = (self.mean(first + lang + 2 * s) for s in range(3))
                with self.subTest(key=first + lang):
                    self.assertGreater(over, normal + 8)
                    self.assertLess(pressed, normal - 15)

    def test_lit_lamps_are_obviously_lit(self):
        for off in (181, 185, 189, 193):
            for lang in (0, 1):
                with self.subTest(lamp=off + lang):
                    self.assertGreater(self.mean(off + 2 + lang), 2 * self.mean(off + lang))

    def test_displays_stay_darker_than_the_text_shadow(self):
        # The program draws green text over a grey (64, 64, 64) shadow.
        for number in [101, 221, 223, 225, 227, 229, 231, 233, 235, 237, 239]:
            for n in (number, number + 1):
                with self.subTest(display=n):
                    lo, hi = picture(self.bmp(n), "L").getextrema()
                    self.assertLess(hi, 56)

    def test_shaped_faces_cover_their_window_region(self):
        # Points just inside the panel and border outlines, and in the
        # panel's notch, which the module or the border tab fills.
        panel = picture(self.bmp(291))
        border = picture(self.bmp(305))
        outside = panel.getpixel((10, 240))
        for p in [(20, 240), (159, 240), (80, 0), (80, 479), (0, 30), (0, 450), (150, 3)]:
            self.assertNotEqual(panel.getpixel(p), outside, p)
        for p in [(0, 240), (59, 41), (59, 438), (39, 1), (39, 478)]:
            self.assertNotEqual(border.getpixel(p), outside, p)

    def test_icon_holds_16_32_and_48_pixel_images(self):
        blob = self.first["korvane.ico"]
        reserved, kind, count = struct.unpack_from("<HHH", blob, 0)
        self.assertEqual((reserved, kind, count), (0, 1, 3))
        sizes = []
        for i in range(count):
            w, h, _, _, planes, bpp, length, offset = struct.unpack_from(
                "<BBBBHHII", blob, 6 + 16 * i)
            hsize, dw, dh = struct.unpack_from("<Iii", blob, offset)
            and_stride = (w + 31) // 32 * 4
            self.assertEqual((w, planes, bpp, hsize, dw, dh), (h, 1, 32, 40, w, 2 * w))
            self.assertEqual(length, 40 + w * w * 4 + and_stride * w)
            sizes.append(w)
        self.assertEqual(sizes, [16, 32, 48])

    def test_desktop_icons_are_the_icon_art_at_every_theme_size(self):
        sizes = [16, 22, 24, 32, 48, 64, 128, 256]
        names = sorted(n for n in self.first if n.endswith(".png"))
        self.assertEqual(names, sorted("korvane-%d.png" % n for n in sizes))
        ico = self.first["korvane.ico"]
        for n in sizes:
            with self.subTest(size=n):
                im = Image.open(io.BytesIO(self.first["korvane-%d.png" % n]))
                self.assertEqual((im.size, im.mode), ((n, n), "RGBA"))
                alpha = im.getchannel("A")
                # Transparent corners around an opaque body.
                self.assertEqual(alpha.getpixel((0, 0)), 0)
                self.assertEqual(alpha.getpixel((n // 2, n // 2)), 255)
                if n in (16, 32, 48):
                    # The same pixels as the matching image of icon 111.
                    count = struct.unpack_from("<H", ico, 4)[0]
                    for i in range(count):
                        w, _, _, _, _, _, _, offset = struct.unpack_from("<BBBBHHII", ico, 6 + 16 * i)
                        if w == n:
                            rows = ico[offset + 40:offset + 40 + n * n * 4]
                    r, g, b, a = im.transpose(Image.FLIP_TOP_BOTTOM).split()
                    self.assertEqual(Image.merge("RGBA", (b, g, r, a)).tobytes(), rows)

    def test_committed_files_are_current(self):
        for name, data in self.first.items():
            if name.endswith(".ico"):
                path = COMMITTED_ICO
            elif name.endswith(".png"):
                path = os.path.join(COMMITTED_PNG, name)
            else:
                path = os.path.join(COMMITTED_BMP, name)
            with self.subTest(file=name):
                with open(path, "rb") as f:
                    self.assertEqual(f.read(), data, "re-run tools/gen_skin.py")


class SkinDrawingTest(unittest.TestCase):
    """Properties of the drawing helpers that the pictures rely on."""

    @classmethod
    def setUpClass(cls):
        sys.path.insert(0, os.path.dirname(TOOL))
        import gen_skin
        cls.g = gen_skin

    def test_every_key_label_stays_on_its_cap(self):
        for number, (size, english, french) in self.g.KEYS.items():
            for label in (english, french):
                with self.subTest(key=number, label=label):
                    box = self.g.label_mask(size, label).getbbox()
                    self.assertIsNotNone(box)
                    left, top, right, bottom = box
                    self.assertGreaterEqual(left, 3)
                    self.assertLessEqual(right, size[0] - 3)
                    self.assertGreaterEqual(top, 2)
                    self.assertLessEqual(bottom, size[1] - 2)

    def test_outline_mask_excludes_right_and_bottom_edges(self):
        # As a polygon region does: the border's tab spans rows 40..439 and
        # columns 40..59; the panel's upper ear ends on row 39.
        border = self.g.polygon_mask((60, 480), self.g.BORDER_OUTLINE)
        self.assertEqual(border.getpixel((50, 39)), 0)
        self.assertEqual(border.getpixel((50, 40)), 255)
        self.assertEqual(border.getpixel((59, 439)), 255)
        self.assertEqual(border.getpixel((50, 440)), 0)
        panel = self.g.polygon_mask((160, 480), self.g.PANEL_OUTLINE)
        self.assertEqual(panel.getpixel((10, 39)), 255)
        self.assertEqual(panel.getpixel((10, 40)), 0)
        self.assertEqual(panel.getpixel((19, 240)), 0)
        self.assertEqual(panel.getpixel((20, 240)), 255)
        self.assertEqual(panel.getpixel((159, 240)), 255)
        self.assertEqual(panel.getpixel((10, 440)), 255)

    def test_icon_and_mask_marks_exactly_the_transparent_pixels(self):
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "i.ico")
            images = [self.g.icon_image(n) for n in (16, 32, 48)]
            self.g.write_ico(path, images)
            with open(path, "rb") as f:
                blob = f.read()
        for i, im in enumerate(images):
            n = im.width
            offset = struct.unpack_from("<I", blob, 6 + 16 * i + 12)[0]
            mask_at = offset + 40 + n * n * 4
            stride = (n + 31) // 32 * 4
            for y in range(n):
                row = blob[mask_at + (n - 1 - y) * stride:]
                for x in range(n):
                    transparent = bool(row[x // 8] & (0x80 >> (x % 8)))
                    self.assertEqual(transparent, im.getpixel((x, y))[3] < 128,
                                     (n, x, y))

    def test_contact_sheet_shows_both_compositions(self):
        with tempfile.TemporaryDirectory() as tmp:
            sheet = os.path.join(tmp, "sheet.png")
            subprocess.run([sys.executable, TOOL, os.path.join(tmp, "out"),
                            "--sheet", sheet], check=True, stdout=subprocess.DEVNULL)
            im = Image.open(sheet).convert("RGB")
            bmps = {}
            for n in (291, 292):
                with open(os.path.join(tmp, "out", "%d.bmp" % n), "rb") as f:
                    bmps[n] = picture(f.read())
        # The first row holds the English and the French window, 640 pixels
        # wide each; their panels are the panel faces with keys on top.
        self.assertGreaterEqual(im.width, 2 * 640)
        for lang, panel in ((0, bmps[291]), (1, bmps[292])):
            x0 = 14 + lang * (640 + 14) + 480
            probe = (80, 440)  # the maker's plate, free of keys
            self.assertEqual(im.getpixel((x0 + probe[0], 38 + probe[1])),
                             panel.getpixel(probe))


if __name__ == "__main__":
    unittest.main()
