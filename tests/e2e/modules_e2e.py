"""The composition in use: modules shown and hidden around the panel,
Browse mode with the section menu and the way back to the exam, dragging,
tooltips in the current language, and the about module's links."""
import os
import time
import unittest

import korvane_session as k


class Modules(k.KorvaneCase):
    suite = "modules"

    def test_modules_show_between_border_and_panel(self):
        self.s.reset_settings()
        self.s.start_app()
        self.show_test_module()
        w = self.s.windows()
        self.assertEqual(w["test"]["rect"], (252, 184, 692, 584))
        self.assertEqual(w["border"]["rect"], (192, 144, 252, 624))
        self.s.click(*k.centre(self.origin("border"), k.BORDER_KEYS[k.ID_HIDE]))
        k.wait_until(lambda: not self.s.windows()["test"]["visible"], 10, 0.1, "hiding")
        w = self.s.windows()
        self.assertEqual(w["border"]["rect"], (632, 144, 692, 624))
        self.assertEqual(w["main"]["rect"], (672, 144, 832, 624))
        for key, role in ((k.ID_LOG, "log"), (k.ID_OPTIONS, "options"), (k.ID_ABOUT, "about"),
                          (k.ID_TEST, "test")):
            self.click_panel(key)
            k.wait_until(lambda: self.s.windows()[role]["visible"], 10, 0.1, role)
            w = self.s.windows()
            self.assertEqual(w[role]["rect"][:2], (252, 184), role)
            self.assertEqual(w["border"]["rect"][:2], (192, 144), role)
            shown = [r for r in ("test", "log", "options", "about") if w[r]["visible"]]
            self.assertEqual(shown, [role])

    def answer(self, watch, pool, right):
        position, code = k.code_from_index_display("B", watch.current(k.ID_INDEX))
        choice = pool.correct(code) if right else (pool.correct(code) + 1) % 4
        mark = watch.mark()
        self.s.key("abcd"[choice])
        watch.wait(lambda e: e[1] == "text" and e[2] == k.ID_INDEX, mark, 5, "the next question")

    def test_browse_mode_section_menu_and_back_to_the_exam(self):
        self.s.reset_settings()
        self.s.start_app()
        self.show_test_module()
        pool = k.Pool("B", 1)
        watch = self.s.watch(120000)
        self.answer(watch, pool, True)
        self.answer(watch, pool, False)
        watch.stop()
        exam = self.s.texts()
        self.assertEqual(exam[k.ID_SCORE], "1/%d:60" % len(pool.sections))
        self.assertTrue(exam[k.ID_INDEX].startswith("3 : "))

        # The browse key asks first; the user answers Yes.
        self.click_test(k.ID_BROWSE)
        boxes = k.wait_until(self.s.dialogs, 10, 0.2, "the browse question")
        self.assertEqual(boxes[0]["title"], self.s.strings[1][52])
        yes = [b for b in boxes[0]["buttons"] if b["text"].replace(b"&", b"") == b"Yes"]
        self.assertEqual(len(yes), 1, boxes[0]["buttons"])
        self.s.image("browse-question")
        x0, y0, x1, y1 = yes[0]["rect"]
        self.s.click((x0 + x1) // 2, (y0 + y1) // 2)
        k.wait_until(lambda: self.s.texts()[k.ID_MODE] == "Browse", 10, 0.1, "Browse mode")
        t = self.s.texts()
        self.assertEqual(t[k.ID_INDEX], "1 : " + pool.browse[0][4:])
        self.assertEqual(t[k.ID_SCORE], "---")
        self.assertEqual(t[k.ID_RESULT], "---")

        # Clicking the index display opens the menu of the pool's sections;
        # the eighth is chosen with the keyboard.
        self.s.click(*k.centre(self.origin("test"), k.TEST_DISPLAYS[k.ID_INDEX]))
        k.wait_until(lambda: any(m["visible"] for m in self.s.menus()), 10, 0.2, "the menu")
        self.s.image("section-menu")
        chosen = 7
        self.s.key(*(["Down"] * (chosen + 1) + ["Return"]))
        code = pool.sections[chosen] + "-01"
        expected = "%d : %s" % (pool.browse.index(code) + 1, code[4:])
        k.wait_until(lambda: self.s.texts()[k.ID_INDEX] == expected, 10, 0.1, expected)
        self.assertEqual(self.s.texts()[k.ID_QUESTION].rstrip("\r").encode("cp1252"),
                         pool.text(code))

        # The test module key brings the exam back as it was.
        self.click_panel(k.ID_TEST)
        k.wait_until(lambda: self.s.texts()[k.ID_MODE] == "Exam", 10, 0.1, "the exam")
        back = self.s.texts()
        for control in (k.ID_CLASS, k.ID_INDEX, k.ID_SCORE, k.ID_RESULT, k.ID_QUESTION):
            self.assertEqual(back[control], exam[control])
        self.s.key("Up")
        k.wait_until(lambda: self.s.texts()[k.ID_INDEX].startswith("2 : "), 10, 0.1, "Up")
        self.assertEqual(self.s.texts()[k.ID_RESULT], "Bad", "the answers were kept")

    def test_hovering_a_select_key_shows_the_answer_only_when_the_option_is_on(self):
        pool = k.Pool("B", 1)
        for option in (0, 1):
            self.s.reset_settings()
            self.s.reg(["add", r"HKCU\Software\Korvane\Options", "/v", "ShowAnswerBefore",
                        "/t", "REG_SZ", "/d", str(option), "/f"])
            self.s.start_app()
            self.show_test_module()
            code = k.code_from_index_display("B", self.s.texts()[k.ID_INDEX])[1]
            watch = self.s.watch(60000)
            mark = watch.mark()
            # The pointer enters select key D, then B.
            for key in (3, 1):
                x, y = k.centre((252, 184), k.TEST_KEYS[k.ID_SELECT_A + key])
                self.s.move(x + 3, y)
                self.s.move(x, y)
                time.sleep(0.3)
            if option:
                lit = watch.wait(lambda e: e[1] == "led" and e[3] == 1, mark, 5, "a lamp")
                self.assertEqual(watch.events[lit][2], pool.correct(code))
            else:
                time.sleep(1)
                self.assertEqual([e for e in watch.since(mark) if e[1] == "led"], [])
            # Hovering answers nothing.
            self.assertEqual(self.s.texts()[k.ID_RESULT], "None")
            watch.stop()
            self.s.kill_app()

    def test_dragging_the_panel_moves_the_composition(self):
        self.s.reset_settings()
        self.s.start_app()
        self.show_test_module()
        grip = (672 + 30, 144 + 465)  # bare panel, no key
        self.s.xdotool("mousemove", grip[0], grip[1])
        time.sleep(0.2)
        self.s.xdotool("mousedown", "1")
        # The panel follows every second move, measured from the last move:
        # three moves end where the pointer is.
        for dx in (50, 75, 100):
            time.sleep(0.15)
            self.s.xdotool("mousemove", grip[0] + dx, grip[1] + dx // 2)
        time.sleep(0.2)
        self.s.xdotool("mouseup", "1")
        w = k.wait_until(lambda: (lambda w: w if w["main"]["rect"][0] != 672 else None)(
            self.s.windows()), 5, 0.1, "the panel to move")
        self.assertEqual(w["main"]["rect"][:2], (772, 194))
        self.assertEqual(w["test"]["rect"][:2], (352, 234))
        self.assertEqual(w["border"]["rect"][:2], (292, 194))
        self.rest_pointer()
        self.s.image("dragged")

    def hover_tooltip(self, key):
        x, y = k.centre(self.origin("main"), k.PANEL_KEYS[key])
        self.s.move(x + 3, y)
        self.s.move(x, y)
        return k.wait_until(lambda: [t for t in self.s.tooltips() if t["visible"]], 10, 0.2,
                            "a tooltip")[0]

    def test_tooltips_speak_the_current_language(self):
        self.s.reset_settings()
        self.s.start_app()
        tip = self.hover_tooltip(k.ID_LANGUAGE)
        self.assertEqual(tip["text"], self.s.strings[1][51])
        self.s.image("tooltip-en")
        self.click_panel(k.ID_LANGUAGE)
        k.wait_until(lambda: self.s.texts()[k.ID_CLASS] == "de Base", 10, 0.1, "French")
        self.rest_pointer()
        tip = self.hover_tooltip(k.ID_LANGUAGE)
        self.assertEqual(tip["text"], self.s.strings[2][51])
        self.rest_pointer()
        tip = self.hover_tooltip(k.ID_QUIT)
        self.assertEqual(tip["text"], self.s.strings[2][36])
        self.s.image("tooltip-fr")

    def test_about_module_text_and_link(self):
        self.s.reset_settings()
        self.s.start_app()
        self.click_panel(k.ID_ABOUT)
        k.wait_until(lambda: self.s.windows()["about"]["visible"], 10, 0.1, "the about module")
        self.assertEqual(self.origin("about"), (252, 184))
        self.assertEqual(self.s.texts(raw=True)[k.ID_ABOUT_TEXT], self.s.strings[1][44])
        self.rest_pointer()
        self.s.image("about-en")
        for language in (1, 2):
            if os.path.exists(self.s.browser_log):
                os.remove(self.s.browser_log)
            about = self.origin("about")
            # The first link lies over the web address line of the text.
            self.s.click(about[0] + 20 + 8 + 100, about[1] + 40 + 64 + 6)
            address = self.s.strings[language][77].decode("cp1252")

            def opened():
                if not os.path.exists(self.s.browser_log):
                    return False
                with open(self.s.browser_log, encoding="latin-1") as f:
                    return f.read()
            self.assertIn(address, k.wait_until(opened, 20, 0.2, "the browser"))
            if language == 1:
                self.click_panel(k.ID_LANGUAGE)
                k.wait_until(lambda: self.s.texts(raw=True)[k.ID_ABOUT_TEXT] ==
                             self.s.strings[2][44], 10, 0.1, "the French about text")
                self.rest_pointer()
                self.s.image("about-fr")


if __name__ == "__main__":
    unittest.main(verbosity=2)
