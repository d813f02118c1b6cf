"""Start-up and shut-down of korvane.exe as a user sees them: where the
composition opens, its shape, the first question waiting in the hidden test
module, the settings written at the end of a run, whether the user quits or
the session ends under the program; one program per session whatever the
starts; stored values of the wrong type or in a key that may not be
written."""
import os
import re
import struct
import subprocess
import time
import unittest

import korvane_session as k

OPTIONS = r"HKCU\Software\Korvane\Options"
LOG = r"HKCU\Software\Korvane\Log"
OPTIONS_KEY = r"Software\Korvane\Options"
LOG_KEY = r"Software\Korvane\Log"
# 73 of 100 on 15 March 2007 at 13:45:30 UTC, as stored.
WORKED_EXAMPLE = bytes.fromhex("d707c03c8e4400006400000049000000")


class StartUp(k.KorvaneCase):
    suite = "startup"

    def test_composition_opens_centred_with_its_shape_and_faces(self):
        self.s.reset_settings()
        self.s.start_app()
        w = self.s.windows()
        self.assertEqual(w["main"]["rect"], (672, 144, 832, 624))
        self.assertEqual(w["border"]["rect"], (632, 144, 692, 624))
        self.assertTrue(w["border"]["visible"])
        for role in ("test", "log", "options", "about"):
            self.assertFalse(w[role]["visible"], role)

        self.rest_pointer()
        shot = self.s.image("startup-en")
        # Only the two shapes show; every other pixel of the screen is black.
        stray = []
        for y in range(0, k.SCREEN[1], 2):
            for x in range(0, k.SCREEN[0], 2):
                if shot.getpixel((x, y)) == (0, 0, 0):
                    continue
                if k.near_polygon(k.MAIN_REGION, x - 672, y - 144):
                    continue
                if k.near_polygon(k.BORDER_REGION, x - 632, y - 144):
                    continue
                stray.append((x, y))
        self.assertEqual(stray[:10], [], "%d pixels outside the shapes are not black" % len(stray))

        panel = k.bitmap(291)
        points = k.face_points(panel, k.PANEL_KEYS.values(),
                               inside=lambda x, y: k.in_polygon(k.MAIN_REGION, x, y))
        self.assertGreater(k.match_ratio(shot, (672, 144), panel, points), 0.99)
        border = k.bitmap(305)
        points = k.face_points(border, k.BORDER_KEYS.values(),
                               inside=lambda x, y: k.in_polygon(k.BORDER_REGION, x, y) and x < 40)
        self.assertGreater(k.match_ratio(shot, (632, 144), border, points), 0.99)

    def test_first_basic_question_waits_in_the_hidden_test_module(self):
        self.s.reset_settings()
        self.s.start_app()
        self.assertFalse(self.s.windows()["test"]["visible"])
        t = self.s.texts()
        pool = k.Pool("B", 1)
        position, code = k.code_from_index_display("B", t[k.ID_INDEX])
        self.assertEqual(position, 1)
        # The first question of an exam is drawn from the first section.
        self.assertEqual(code[:8], pool.sections[0])
        self.assertEqual(t[k.ID_MODE], "Exam")
        self.assertEqual(t[k.ID_CLASS], "Basic")
        # One question per section: 100 with the full pools.
        self.assertEqual(t[k.ID_SCORE], "0/%d:60" % len(pool.sections))
        self.assertEqual(t[k.ID_RESULT], "None")
        self.assertEqual(t[k.ID_QUESTION].rstrip("\r").encode("cp1252"), pool.text(code))
        for i in range(4):
            self.assertEqual(t[k.ID_ANSWER_A + i].rstrip("\r").encode("cp1252"),
                             pool.answers(code)[i])

    def test_quit_key_writes_the_options_and_the_log(self):
        self.s.reset_settings()
        self.s.start_app()
        # Start-up writes nothing.
        self.assertEqual(self.s.registry(OPTIONS), {})
        # Turn "Show correct answer before selection" on in the options module,
        # so that the values written are the run's, not the defaults.
        self.click_panel(k.ID_OPTIONS)
        options = self.origin("options")
        self.s.click(options[0] + 38, options[1] + 58)
        k.wait_until(lambda: self.s.prop("options", 0x1100, "Prop_Down") == 1, 10, 0.1,
                     "the check box")
        self.click_panel(k.ID_QUIT)
        self.assertEqual(self.s.wait_app_exit(), 0)
        stored = self.s.registry(OPTIONS)
        self.assertEqual(stored.get("ShowAnswerBefore"), ("REG_SZ", "1"))
        self.assertEqual(stored.get("PlaySounds"), ("REG_SZ", "1"))
        self.assertEqual(stored.get("ShowLogLabels"), ("REG_SZ", "1"))
        self.assertEqual(stored.get("Language"), ("REG_SZ", "1"))
        kind, data = stored.get("PrintFont", ("", ""))
        self.assertEqual(kind, "REG_BINARY")
        self.assertEqual(len(data), 120, "60 bytes")
        self.assertIn("417269616C", data, "the face name Arial")
        self.assertEqual(self.s.registry(LOG).get("NumEntries"), ("REG_SZ", "0"))

    def test_session_end_writes_the_options_and_the_log(self):
        self.s.reset_settings()
        self.s.start_app()
        self.click_panel(k.ID_LANGUAGE)
        k.wait_until(lambda: self.s.texts()[k.ID_CLASS] == "de Base", 10, 0.1, "French")
        # Windows asks, then ends the session and the process, without the
        # program's message loop ever finishing.
        lines = self.s.probe("endsession")
        self.assertIn(["query", "1"], lines)
        self.assertIn(["ended"], lines)
        self.s.wait_app_exit()
        stored = self.s.registry(OPTIONS)
        self.assertEqual(stored.get("Language"), ("REG_SZ", "2"))
        for name in ("PlaySounds", "ShowAnswerBefore", "ShowLogLabels"):
            self.assertIn(name, stored)
        self.assertEqual(stored.get("PrintFont", ("",))[0], "REG_BINARY")
        self.assertEqual(self.s.registry(LOG).get("NumEntries"), ("REG_SZ", "0"))

    def test_language_2_in_the_store_opens_the_french_faces(self):
        self.s.reset_settings(language=2)
        self.s.start_app()
        self.rest_pointer()
        shot = self.s.image("startup-fr")
        english, french = k.bitmap(291), k.bitmap(292)
        points = k.face_points(french, k.PANEL_KEYS.values(), step=1,
                               inside=lambda x, y: k.in_polygon(k.MAIN_REGION, x, y))
        words = k.differing_points(english, french, points)
        self.assertGreater(len(words), 50)
        self.assertGreater(k.match_ratio(shot, (672, 144), french, words), 0.99)
        # The French language key's face, and the border (one face for both).
        key = k.PANEL_KEYS[k.ID_LANGUAGE]
        face = k.bitmap(300)
        self.assertGreater(
            k.match_ratio(shot, (672 + key[0], 144 + key[1]), face, k.face_points(face)), 0.99)
        border = k.bitmap(306)
        points = k.face_points(border, k.BORDER_KEYS.values(),
                               inside=lambda x, y: k.in_polygon(k.BORDER_REGION, x, y) and x < 40)
        self.assertGreater(k.match_ratio(shot, (632, 144), border, points), 0.99)
        t = self.s.texts()
        self.assertEqual(t[k.ID_MODE], "Examen")
        self.assertEqual(t[k.ID_CLASS], "de Base")

    def store(self):
        return self.s.reg(["query", r"HKCU\Software\Korvane", "/s"], check=False)

    def test_a_second_start_brings_the_running_one_forward_and_touches_nothing(self):
        self.s.reset_settings()
        self.s.start_app()
        self.show(k.ID_OPTIONS, "options")
        self.click_panel(k.ID_MINIMISE)
        k.wait_until(lambda: self.s.windows()["main"]["minimised"], 10, 0.1, "the minimised panel")
        self.s.image("minimised")
        before = self.store()

        trace = os.path.join(self.s.artifacts, "second-start-registry.log")
        code, seconds = self.s.start_second(trace=trace)
        self.assertEqual(code, 0)
        self.assertLess(seconds, 10, "the second start ends at once")
        w = k.wait_until(lambda: (lambda w: not w["main"]["minimised"] and w)(self.s.windows()),
                         10, 0.1, "the panel restored")
        for role in ("main", "border", "options"):
            self.assertTrue(w[role]["visible"], role)
        self.assertEqual(w["main"]["rect"], (672, 144, 832, 624), "where it was")
        self.assertEqual(self.s.instances(), (1, 1))
        self.rest_pointer()
        shot = self.s.image("restored")
        for role in ("main", "border", "options"):
            self.assert_faces(shot, role, 1)

        # The second copy read and wrote nothing of ours: Wine's trace of its
        # registry calls (Wine's own start-up among them, which looks up the
        # per-program keys named korvane.exe) never names our key or values.
        with open(trace, "rb") as f:
            calls = f.read().decode("latin-1")
        self.assertIn("trace:reg:", calls, "the trace works")
        self.assertIsNone(re.search(r'Korvane(\\\\|")', calls))
        for name in ("NumEntries", "PlaySounds", "Language", "PrintFont"):
            self.assertNotIn('L"%s"' % name, calls)
        self.assertEqual(self.store(), before)
        self.click_panel(k.ID_QUIT)
        self.assertEqual(self.s.wait_app_exit(), 0)

    def test_two_starts_in_the_same_instant_make_one_program(self):
        self.s.reset_settings()
        starts = [subprocess.Popen([k.WINE, k.EXE], env=self.s.env, cwd=os.path.dirname(k.EXE),
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, start_new_session=True)
                  for _ in range(2)]
        try:
            ended = k.wait_until(lambda: [p for p in starts if p.poll() is not None], 60, 0.2,
                                 "one start to end")
            self.assertEqual(len(ended), 1, "exactly one of the two ends")
            self.assertEqual(ended[0].returncode, 0)
            self.s.app = [p for p in starts if p is not ended[0]][0]
            k.wait_until(lambda: self.s.windows()["main"]["visible"], 30, 0.2, "the panel")
            time.sleep(1)
            self.assertIsNone(self.s.app.poll(), "the other one runs on")
            self.assertEqual(self.s.instances(), (1, 1))
        finally:
            for p in starts:
                if p is not self.s.app and p.poll() is None:
                    p.kill()
                    p.wait(10)

    def test_values_of_the_wrong_type_load_as_missing_and_the_quit_writes_sound_ones(self):
        self.s.reset_settings()
        self.s.put_value(OPTIONS_KEY, "PlaySounds", k.REG_DWORD, struct.pack("<I", 0))
        self.s.put_value(OPTIONS_KEY, "Language", k.REG_MULTI_SZ, b"2\0\0")
        self.s.put_value(OPTIONS_KEY, "ShowAnswerBefore", k.REG_SZ, b"1\0")  # read as ever
        self.s.put_zeros(OPTIONS_KEY, "PrintFont", k.REG_BINARY, 1 << 20)
        self.s.put_value(LOG_KEY, "NumEntries", k.REG_SZ, b"")
        self.s.put_value(LOG_KEY, "E000", k.REG_BINARY, WORKED_EXAMPLE)
        self.s.start_app()
        t = self.s.texts()
        self.assertEqual((t[k.ID_MODE], t[k.ID_CLASS]), ("Exam", "Basic"), "English")
        self.assertEqual(self.s.prop("options", k.ID_CHECK_SOUNDS, "Prop_Down"), 1)
        self.assertEqual(self.s.prop("options", k.ID_CHECK_ANSWER, "Prop_Down"), 1)
        self.show(k.ID_LOG, "log")
        self.assert_caption(self.s.image("wrong-types-log"), 1, 0)
        self.click_panel(k.ID_QUIT)
        self.assertEqual(self.s.wait_app_exit(), 0)
        stored = self.s.registry(OPTIONS)
        self.assertEqual(stored.get("PlaySounds"), ("REG_SZ", "1"))
        self.assertEqual(stored.get("Language"), ("REG_SZ", "1"))
        self.assertEqual(stored.get("ShowAnswerBefore"), ("REG_SZ", "1"))
        kind, data = stored.get("PrintFont", ("", ""))
        self.assertEqual(kind, "REG_BINARY")
        self.assertEqual(len(data), 120, "60 bytes, not a megabyte")
        self.assertIn("417269616C", data, "the face name Arial")
        log = self.s.registry(LOG)
        self.assertEqual(log.get("NumEntries"), ("REG_SZ", "0"))
        self.assertEqual(log.get("E000"), ("REG_BINARY", WORKED_EXAMPLE.hex().upper()))

        # Two entries counted, the second stored as text: it loads as a
        # missing entry (all zero, in its place) and goes back as 16 bytes.
        self.s.put_value(LOG_KEY, "NumEntries", k.REG_SZ, b"2\0")
        self.s.put_value(LOG_KEY, "E001", k.REG_SZ, b"0123456789abcde\0")
        self.s.start_app()
        self.show(k.ID_LOG, "log")
        shot = self.s.image("text-entry-log")
        self.assert_caption(shot, 1, 2)
        first, second = self.chart_points([(73, 100), (0, 0)])
        self.assert_point(shot, *first)
        self.click_panel(k.ID_QUIT)
        self.assertEqual(self.s.wait_app_exit(), 0)
        log = self.s.registry(LOG)
        self.assertEqual(log.get("NumEntries"), ("REG_SZ", "2"))
        self.assertEqual(log.get("E000"), ("REG_BINARY", WORKED_EXAMPLE.hex().upper()))
        self.assertEqual(log.get("E001"), ("REG_BINARY", "00" * 16))

    def test_options_that_cannot_be_written_load_and_stay_and_the_log_goes_on(self):
        self.s.reset_settings(language=2)
        self.s.put_value(OPTIONS_KEY, "ShowLogLabels", k.REG_SZ, b"0\0")
        self.s.put_value(LOG_KEY, "NumEntries", k.REG_SZ, b"1\0")
        self.s.put_value(LOG_KEY, "E000", k.REG_BINARY, WORKED_EXAMPLE)
        self.s.set_read_only(OPTIONS_KEY)
        try:
            before = self.s.registry(OPTIONS)
            self.s.start_app()
            # What the key holds is read: French, no labels.
            self.assertEqual(self.s.texts()[k.ID_CLASS], "de Base")
            self.assertEqual(self.s.prop("options", k.ID_CHECK_LABELS, "Prop_Down"), 0)
            # Changes that cannot be stored still work in this run.
            self.show(k.ID_OPTIONS, "options")
            x, y, w, h = k.OPTION_BOXES[k.ID_CHECK_SOUNDS]
            self.s.click(*k.centre(self.origin("options"), (x, y, h, h)))
            k.wait_until(lambda: self.s.prop("options", k.ID_CHECK_SOUNDS, "Prop_Down") == 0,
                         10, 0.1, "sounds off")
            self.click_panel(k.ID_LANGUAGE)
            k.wait_until(lambda: self.s.texts()[k.ID_CLASS] == "Basic", 10, 0.1, "English")
            # The log key is writable: a clear is stored at once.
            self.show(k.ID_LOG, "log")
            self.s.click(*k.centre(self.origin("log"), k.LOG_KEYS[k.ID_LOG_CLEAR]))
            self.answer_box(b"Yes")
            self.assertEqual(self.s.registry(LOG).get("NumEntries"), ("REG_SZ", "0"))
            self.click_panel(k.ID_QUIT)
            self.assertEqual(self.s.wait_app_exit(), 0)
            self.assertEqual(self.s.registry(OPTIONS), before, "the options stay as they were")
            log = self.s.registry(LOG)
            self.assertEqual(log.get("NumEntries"), ("REG_SZ", "0"))
            self.assertEqual(log.get("E000"), ("REG_BINARY", WORKED_EXAMPLE.hex().upper()))
        finally:
            self.s.set_read_only(OPTIONS_KEY, False)


if __name__ == "__main__":
    unittest.main(verbosity=2)
