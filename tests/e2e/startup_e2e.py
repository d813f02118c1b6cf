"""Start-up and shut-down of korvane.exe as a user sees them: where the
composition opens, its shape, the first question waiting in the hidden test
module, and the settings written at the end of a run, whether the user quits
or the session ends under the program."""
import unittest

import korvane_session as k

OPTIONS = r"HKCU\Software\Korvane\Options"
LOG = r"HKCU\Software\Korvane\Log"


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
        # Nothing is written while the program runs.
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


if __name__ == "__main__":
    unittest.main(verbosity=2)
