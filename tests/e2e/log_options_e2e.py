"""The log module, the options module and the language key used as a
candidate uses them: an exam finished with the keyboard and added to the log,
the chart's point and percentage, the two refusals, clearing with No and with
Yes; the labels and sounds options taking effect; the whole interface
switched to French in the middle of an exam and back, and the language kept
for the next start. The entry, the option and the language survive the
process being ended by force right after they changed.

Texts that the program paints (the log caption, the chart's labels, the
option labels) are compared with the same text drawn by the probe in the
skin's way into the face bitmap; sounds are heard through Wine's trace of
PlaySound."""
import datetime
import struct
import time
import unittest

import korvane_session as k

OPTIONS = r"HKCU\Software\Korvane\Options"
LOG = r"HKCU\Software\Korvane\Log"
DT_VCENTER, DT_WORDBREAK, DT_SINGLELINE = k.DT_VCENTER, k.DT_WORDBREAK, k.DT_SINGLELINE
YELLOW, GREEN, GREY = k.YELLOW, k.GREEN, k.GREY
LOG_FACE = k.LOG_FACE
OPTIONS_FACE = 269


def wrong_every_third_of_ten(position):
    # 15 of 50 wrong: 35 right, 70 %.
    return position % 10 in (1, 4, 7)


def icon_colour(shot, rect):
    """The colour most of a message box icon's pixels have."""
    counts = {"red": 0, "orange": 0, "blue": 0}
    left, top, right, bottom = rect
    for y in range(top, bottom):
        for x in range(left, right):
            r, g, b = shot.getpixel((x, y))
            if r > 180 and g < 90 and b < 90:
                counts["red"] += 1
            elif r > 200 and 100 < g < 200 and b < 90:
                counts["orange"] += 1
            elif b > 150 and r < 120:
                counts["blue"] += 1
    return max(counts, key=counts.get)


class LogOptions(k.KorvaneCase):
    suite = "log_options"

    # ---------------------------------------------------------------- helpers
    def answer(self, letter, count, wrong):
        """Answers the next count questions with the keyboard, wrongly where
        wrong(position) says so, each after the previous one has moved on;
        returns the number answered right."""
        pool = k.Pool(letter, 1)
        total = len(pool.sections)
        watch = self.s.watch(600000)
        right = 0
        try:
            for _ in range(count):
                position, code = k.code_from_index_display(letter, watch.current(k.ID_INDEX))
                correct = pool.correct(code)
                choice = (correct + 1) % 4 if wrong(position) else correct
                right += choice == correct
                mark = watch.mark()
                self.s.key("abcd"[choice])
                if position < total:
                    watch.wait(lambda e: e[1] == "text" and e[2] == k.ID_INDEX, mark, 10,
                               "question %d" % (position + 1))
                else:
                    lit = watch.wait(lambda e: e[1] == "led" and e[3] == 1, mark, 10, "the lamp")
                    watch.wait(lambda e: e[1] == "led" and e[3] == 0, lit, 10, "the last blink")
        finally:
            watch.stop()
        return right

    def click_in(self, role, rect):
        self.s.click(*k.centre(self.origin(role), rect))

    def click_option(self, box, expected):
        x, y, w, h = k.OPTION_BOXES[box]
        self.click_in("options", (x, y, h, h))
        k.wait_until(lambda: self.s.prop("options", box, "Prop_Down") == expected, 10, 0.1,
                     "check box %#x at %d" % (box, expected))

    def message_box(self, slot, buttons, icon, language=1):
        """The one message box now up: its caption, text, buttons and the
        colour of its icon (red error, orange warning, blue question)."""
        boxes = k.wait_until(self.s.dialogs, 10, 0.2, "a message box")
        self.assertEqual(len(boxes), 1, boxes)
        box = boxes[0]
        self.assertEqual(box["title"], self.s.strings[language][k.SLOT_TITLE])
        self.assertIn(self.s.strings[language][slot], [s["text"] for s in box["statics"]])
        self.assertEqual(sorted(b["text"].replace(b"&", b"") for b in box["buttons"]),
                         sorted(buttons))
        shot = self.s.image("box-%d" % slot)
        icons = [s["rect"] for s in box["statics"] if not s["text"]]
        self.assertEqual(len(icons), 1, box["statics"])
        self.assertEqual(icon_colour(shot, icons[0]), icon)
        return box

    def press(self, box, label):
        x0, y0, x1, y1 = [b for b in box["buttons"]
                          if b["text"].replace(b"&", b"") == label][0]["rect"]
        self.s.click((x0 + x1) // 2, (y0 + y1) // 2)
        k.wait_until(lambda: not self.s.dialogs(), 10, 0.2, "the box to close")
        self.rest_pointer()

    def assert_label(self, shot, score, total, x, y, shown):
        """The percentage above the point: its box starts centred on the
        point 20 pixels up and is then pushed inside the chart."""
        text = b"%d%%" % (score * 100 // total)
        width, w, h = self.s.measure(text)
        box = [x - width // 2, y - 20, x - width // 2 + w, y - 20 + h]
        left, top, right, bottom = k.LOG_CHART
        shift_x = (left - box[0]) if box[0] < left else -(box[2] - right) if box[2] > right else 0
        shift_y = (top - box[1]) if box[1] < top else -(box[3] - bottom) if box[3] > bottom else 0
        box = [box[0] + shift_x, box[1] + shift_y, box[2] + shift_x, box[3] + shift_y]
        self.assertEqual(box[0], left, "a first point's label starts at the chart's left edge")
        self.assert_text(shot, "log", LOG_FACE[1], box, text, DT_SINGLELINE,
                         "label-%s" % ("on" if shown else "off"), shown)

    def assert_option_labels(self, shot, language):
        """Each check box's label, right of its box and clipped to the control."""
        for slot, (box, (x, y, w, h)) in enumerate(sorted(k.OPTION_BOXES.items()), 3):
            text = self.s.strings[language][slot]
            self.assertEqual(self.s.prop_text("options", box), text)
            label = (x + h + 4, y + 2, x + w - 2, y + h - 2)
            self.assert_text(shot, "options", OPTIONS_FACE, label, text,
                             DT_SINGLELINE | DT_VCENTER, "option-%d-%d" % (box, language),
                             clip=(x + h, y, x + w, y + h))

    def assert_tooltip(self, role, rect, text):
        x, y = k.centre(self.origin(role), rect)
        seen = []

        def shown():
            tips = [t["text"] for t in self.s.tooltips() if t["visible"]]
            seen[:] = tips
            return text in tips
        self.s.move(x + 3, y)
        self.s.move(x, y)
        try:
            k.wait_until(shown, 10, 0.2, "the tooltip %r" % text)
        except k.E2EError:
            self.fail("tooltip %r, not %r" % (seen, text))
        self.s.image("tooltip-%s-%d-%d" % (role, rect[0], rect[1]))
        self.rest_pointer()

    def switch_language(self, language):
        self.click_panel(k.ID_LANGUAGE)
        word = self.s.strings[language][k.SLOT_BASIC].decode("cp1252")
        k.wait_until(lambda: self.s.texts()[k.ID_CLASS] == word, 10, 0.1, word)
        self.rest_pointer()

    def quit(self):
        self.click_panel(k.ID_QUIT)
        self.assertEqual(self.s.wait_app_exit(), 0)

    # ------------------------------------------------------------------ tests
    def test_an_exam_logged_once_charted_kept_and_cleared(self):
        self.s.reset_settings()
        self.s.start_app()
        self.click_panel(k.ID_NEW_ADVANCED)
        k.wait_until(lambda: self.s.texts()[k.ID_CLASS] == "Advanced", 10, 0.1, "Advanced")

        # An exam not finished yet is refused with one box.
        self.show(k.ID_LOG, "log")
        self.click_in("log", k.LOG_KEYS[k.ID_LOG_ADD])
        self.press(self.message_box(k.SLOT_NOT_FINISHED, [b"OK"], "orange"), b"OK")
        self.assert_caption(self.s.image("log-empty"), 1, 0)

        self.show_test_module()
        total, pass_mark = k.CLASSES["A"]
        score = self.answer("A", total, wrong_every_third_of_ten)
        self.assertEqual(score, 35)
        k.wait_until(lambda: self.s.texts()[k.ID_SCORE] == "35/50:30", 10, 0.1, "the score")

        # Added: one point at 70 % with its label, the caption counts it.
        self.show(k.ID_LOG, "log")
        self.click_in("log", k.LOG_KEYS[k.ID_LOG_ADD])
        self.rest_pointer()
        x, y = self.point_of(score, total)
        self.assertEqual((x, y), (26, 139))
        log = self.origin("log")
        k.wait_until(lambda: self.s.image("log-added").getpixel(
            (log[0] + x - 3, log[1] + y - 3)) == YELLOW, 10, 0.2, "the point")
        shot = self.s.image("log-added")
        self.assert_caption(shot, 1, 1)
        self.assert_point(shot, x, y)
        self.assert_label(shot, score, total, x, y, shown=True)

        # Added again: the already-logged box, and still one entry.
        self.click_in("log", k.LOG_KEYS[k.ID_LOG_ADD])
        self.press(self.message_box(k.SLOT_ALREADY_LOGGED, [b"OK"], "red"), b"OK")
        shot = self.s.image("log-added-again")
        self.assert_caption(shot, 1, 1)
        self.assert_point(shot, x, y)

        # Labels off in the options module: the next paint of the chart has
        # no percentage, the point stays.
        self.show(k.ID_OPTIONS, "options")
        self.click_option(k.ID_CHECK_LABELS, 0)
        self.show(k.ID_LOG, "log")
        shot = self.s.image("log-no-labels")
        self.assert_point(shot, x, y)
        self.assert_label(shot, score, total, x, y, shown=False)

        # The entry and the option were stored as they happened: the process
        # ended by force (as from the task manager) loses neither ...
        before = datetime.datetime.now(datetime.timezone.utc).date()
        self.s.terminate_app()
        after = datetime.datetime.now(datetime.timezone.utc).date()
        log = self.s.registry(LOG)
        self.assertEqual(log.get("NumEntries"), ("REG_SZ", "1"))
        kind, data = log.get("E000", ("", ""))
        self.assertEqual(kind, "REG_BINARY")
        packed, product, stored_total, stored_score = struct.unpack("<IIii", bytes.fromhex(data))
        self.assertEqual((stored_total, stored_score), (50, 35))
        date = datetime.date(packed & 0x3FFFFF, (packed >> 22) & 0xF, (packed >> 26) & 0x3F)
        self.assertIn(date, (before, after), "added today (UTC)")
        self.assertLessEqual(product, 23 * 59 * 59)
        self.assertEqual(self.s.registry(OPTIONS).get("ShowLogLabels"), ("REG_SZ", "0"))

        # ... and come back with the next start.
        self.s.start_app()
        self.show(k.ID_LOG, "log")
        shot = self.s.image("log-next-start")
        self.assert_caption(shot, 1, 1)
        self.assert_point(shot, x, y)
        self.assert_label(shot, score, total, x, y, shown=False)

        # Clear, answered No: the entry stays.
        self.click_in("log", k.LOG_KEYS[k.ID_LOG_CLEAR])
        self.press(self.message_box(k.SLOT_CONFIRM_CLEAR, [b"No", b"Yes"], "blue"), b"No")
        shot = self.s.image("log-clear-no")
        self.assert_caption(shot, 1, 1)
        self.assert_point(shot, x, y)

        # Clear, answered Yes: empty.
        self.click_in("log", k.LOG_KEYS[k.ID_LOG_CLEAR])
        self.press(self.message_box(k.SLOT_CONFIRM_CLEAR, [b"No", b"Yes"], "blue"), b"Yes")
        shot = self.s.image("log-clear-yes")
        self.assert_caption(shot, 1, 0)
        self.assert_point(shot, x, y, shown=False)
        self.assert_faces(shot, "log", 1)

    def test_play_sound_off_silences_clicks_and_answers_until_turned_on(self):
        self.s.reset_settings()
        self.s.start_app(listen=True)
        k.wait_until(lambda: self.s.sounds() == [k.SOUND_STARTUP], 10, 0.1, "the start-up sound")
        self.show(k.ID_OPTIONS, "options")
        k.wait_until(lambda: self.s.sounds()[1:] == [k.SOUND_CLICK], 10, 0.1, "a click")

        self.click_option(k.ID_CHECK_SOUNDS, 0)
        heard = len(self.s.sounds())
        self.show(k.ID_LOG, "log")
        self.show_test_module()
        self.answer("B", 1, lambda position: False)
        self.show(k.ID_OPTIONS, "options")
        self.assertEqual(self.s.sounds()[heard:], [], "keys and answers are silent")

        # On again: the very next key click and answer are heard.
        self.click_option(k.ID_CHECK_SOUNDS, 1)
        self.assertEqual(self.s.sounds()[heard:], [])
        self.show_test_module()
        k.wait_until(lambda: self.s.sounds()[heard:] == [k.SOUND_CLICK], 10, 0.1, "the click")
        self.answer("B", 1, lambda position: True)
        k.wait_until(lambda: self.s.sounds()[heard:] == [k.SOUND_CLICK, k.SOUND_WRONG], 10, 0.1,
                     "the wrong-answer sound")

        # Off again and quit: the next start is silent from its first sound.
        self.show(k.ID_OPTIONS, "options")
        self.click_option(k.ID_CHECK_SOUNDS, 0)
        self.quit()
        self.assertEqual(self.s.registry(OPTIONS).get("PlaySounds"), ("REG_SZ", "0"))
        self.s.start_app(listen=True)
        time.sleep(1)
        self.assertEqual(self.s.sounds(), [], "no start-up sound")
        self.assertEqual(self.s.prop("options", k.ID_CHECK_SOUNDS, "Prop_Down"), 0)

    def test_switching_to_french_in_the_middle_of_an_exam_and_back(self):
        self.s.reset_settings()
        self.s.start_app()
        en, fr = self.s.strings[1], self.s.strings[2]
        self.show(k.ID_OPTIONS, "options")
        self.assert_option_labels(self.s.image("options-en"), 1)

        # Three questions answered, the second wrong: 2 right, at question 4.
        self.show_test_module()
        self.assertEqual(self.answer("B", 3, lambda position: position == 2), 2)
        english = self.s.texts()
        self.assertTrue(english[k.ID_INDEX].startswith("4 : "))
        self.assertEqual(english[k.ID_SCORE], "2/100:60")

        self.switch_language(2)
        french = self.s.texts()
        position, code = k.code_from_index_display("B", french[k.ID_INDEX])
        pool = k.Pool("B", 2)
        self.assertEqual(french[k.ID_INDEX], english[k.ID_INDEX], "the same question")
        self.assertEqual(french[k.ID_SCORE], english[k.ID_SCORE], "the same score")
        self.assertEqual(french[k.ID_MODE].encode("cp1252"), fr[k.SLOT_EXAM])
        self.assertEqual(french[k.ID_CLASS].encode("cp1252"), fr[k.SLOT_BASIC])
        self.assertEqual(french[k.ID_RESULT].encode("cp1252"), fr[k.SLOT_NONE])
        self.assertEqual(french[k.ID_QUESTION].rstrip("\r").encode("cp1252"), pool.text(code))
        for i in range(4):
            self.assertEqual(french[k.ID_ANSWER_A + i].rstrip("\r").encode("cp1252"),
                             pool.answers(code)[i])
        self.assertEqual(french[k.ID_ABOUT_TEXT].encode("cp1252"), fr[44])
        shot = self.s.image("test-fr")
        for role in ("main", "border", "test"):
            self.assert_faces(shot, role, 2)
        # The answers given before the switch are kept: question 3 was right.
        self.s.key("Up")
        k.wait_until(lambda: self.s.texts()[k.ID_INDEX].startswith("3 : "), 10, 0.1, "Up")
        self.assertEqual(self.s.texts()[k.ID_RESULT].encode("cp1252"), fr[k.SLOT_GOOD])
        self.s.key("Down")
        k.wait_until(lambda: self.s.texts()[k.ID_INDEX] == english[k.ID_INDEX], 10, 0.1, "Down")

        self.assert_tooltip("main", k.PANEL_KEYS[k.ID_LOG], fr[40])
        self.assert_tooltip("test", k.TEST_DISPLAYS[k.ID_SCORE], fr[11])
        self.show(k.ID_LOG, "log")
        shot = self.s.image("log-fr")
        self.assert_faces(shot, "log", 2)
        self.assert_caption(shot, 2, 0)
        self.assert_tooltip("log", k.LOG_KEYS[k.ID_LOG_CLEAR], fr[7])
        self.show(k.ID_ABOUT, "about")
        self.assert_faces(self.s.image("about-fr"), "about", 2)
        self.show(k.ID_OPTIONS, "options")
        shot = self.s.image("options-fr")
        self.assert_faces(shot, "options", 2)
        self.assert_option_labels(shot, 2)

        # Back to English: the same test as it was, every face and label.
        self.switch_language(1)
        self.assertEqual(self.s.texts(), english)
        shot = self.s.image("options-en-again")
        self.assert_option_labels(shot, 1)
        self.assert_faces(shot, "main", 1)
        self.show_test_module()
        shot = self.s.image("test-en-again")
        for role in ("border", "test"):
            self.assert_faces(shot, role, 1)
        self.assert_tooltip("main", k.PANEL_KEYS[k.ID_LOG], en[40])

        # French once more, and the process ended by force right after: the
        # language was stored at the switch and the next start is French.
        self.switch_language(2)
        self.s.terminate_app()
        self.assertEqual(self.s.registry(OPTIONS).get("Language"), ("REG_SZ", "2"))
        self.s.start_app()
        t = self.s.texts()
        self.assertEqual(t[k.ID_MODE].encode("cp1252"), fr[k.SLOT_EXAM])
        self.assertEqual(t[k.ID_CLASS].encode("cp1252"), fr[k.SLOT_BASIC])
        self.rest_pointer()
        shot = self.s.image("next-start-fr")
        for role in ("main", "border"):
            self.assert_faces(shot, role, 2)
        self.switch_language(1)
        self.quit()
        self.assertEqual(self.s.registry(OPTIONS).get("Language"), ("REG_SZ", "1"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
