"""Whole exams taken as a candidate takes them: a Basic exam with the
keyboard and an Advanced exam with the select keys. After every answer the
lamp of the correct answer (known from the pool, not from the program) must
blink and the next question follow; the score display ends at the true
score. The screenshots of the trainer in both languages are taken here."""
import os
import unittest

import korvane_session as k

COMPOSITION = (192, 144, 832, 624)  # border, module and panel, module shown
# How long an event may take to show on a loaded machine: a bound on a hang,
# not a timing; the timings the test checks are measured between events.
WAIT = 20


class Exam(k.KorvaneCase):
    suite = "exam"

    def take_exam(self, letter, answer, shots=False):
        """Answers every question of the exam on display with answer(index,
        position); some answers are wrong on purpose. Returns the score."""
        pool = k.Pool(letter, 1)
        total, pass_mark = len(pool.sections), k.CLASSES[letter][1]
        watch = self.s.watch(600000)
        score = 0
        for position in range(1, total + 1):
            shown, code = k.code_from_index_display(letter, watch.current(k.ID_INDEX))
            self.assertEqual(shown, position)
            self.assertEqual(code[:8], pool.sections[position - 1], "one question per section")
            # The displays change one after the other, the index first.
            text = pool.text(code).decode("cp1252") + "\r"
            self.settled(watch, k.ID_QUESTION, text, code)
            self.settled(watch, k.ID_SCORE, "%d/%d:%d" % (score, total, pass_mark), code)
            correct = pool.correct(code)
            # Every fourth answer is wrong.
            choice = correct if position % 4 else (correct + 1) % 4
            score += choice == correct
            mark = watch.mark()
            answer(choice, position)
            if shots and position == 1:
                self.shoot_lit_lamp(correct)
            lit = watch.wait(lambda e: e[1] == "led" and e[3] == 1, mark, WAIT,
                             "a lamp at question %d" % position)
            self.assertEqual(watch.events[lit][2], correct,
                             "the lamp of the correct answer blinks (question %s)" % code)
            if position < total:
                moved = watch.wait(lambda e: e[1] == "text" and e[2] == k.ID_INDEX, mark, WAIT,
                                   "question %d" % (position + 1))
                self.assertGreater(watch.events[moved][0] - watch.events[lit][0], 600,
                                   "the next question follows the blink")
            else:
                watch.wait(lambda e: e[1] == "led" and e[3] == 0, lit, WAIT, "the last blink")
        # After the last answer the score display reaches the true score.
        expected = "%d/%d:%d" % (score, total, pass_mark)
        k.wait_until(lambda: self.s.texts()[k.ID_SCORE] == expected, 5, 0.1,
                     "the final score " + expected)
        t = self.s.texts()
        self.assertEqual(k.code_from_index_display(letter, t[k.ID_INDEX])[0], total)
        watch.stop()
        return score, total

    def settled(self, watch, control, expected, code):
        try:
            k.wait_until(lambda: watch.current(control) == expected, WAIT, 0.01)
        except k.E2EError:
            self.assertEqual(watch.current(control), expected, "question " + code)

    def shoot_lit_lamp(self, lamp):
        """Screenshots taken during the blink until one shows the lamp lit."""
        origin = (252, 184)
        x, y, w, h = k.TEST_LEDS[k.ID_LED_A + lamp]
        lit = k.bitmap(183 + 4 * lamp)
        found = None
        for path in self.s.burst("blink", 10, 0.06):
            shot = k.Image.open(path).convert("RGB")
            if not found and k.match_ratio(shot, (origin[0] + x, origin[1] + y), lit,
                                           k.face_points(lit, step=2)) > 0.95:
                found = shot
            os.remove(path)
        self.assertIsNotNone(found, "no screenshot caught the lamp lit")
        found.crop(COMPOSITION).save(os.path.join(self.s.artifacts, "lamp-lit-en.png"))

    def save_composition(self, name):
        self.s.image(name).crop(COMPOSITION).save(self.s.artifacts + "/" + name + ".png")

    def test_basic_exam_with_the_keyboard(self):
        self.s.reset_settings()
        self.s.start_app()
        self.show_test_module()
        w = self.s.windows()
        self.assertEqual(w["test"]["rect"][:2], (252, 184))
        self.assertEqual(w["border"]["rect"][:2], (192, 144))
        self.save_composition("first-question-en")
        shot = self.s.image("first-question-en-screen")
        face = k.bitmap(295)
        covered = list(k.TEST_KEYS.values()) + list(k.TEST_DISPLAYS.values()) + \
            list(k.TEST_LEDS.values())
        points = k.face_points(face, covered, inside=lambda x, y: x < 420)
        self.assertGreater(k.match_ratio(shot, (252, 184), face, points), 0.99)

        def press(choice, position):
            # Either case answers.
            self.s.key(("abcd" if position % 2 else "ABCD")[choice])

        score, total = self.take_exam("B", press, shots=True)
        self.rest_pointer()
        self.save_composition("final-en")
        self.assertGreater(score, 0)
        self.assertLess(score, total)

    def test_advanced_exam_with_the_select_keys(self):
        self.s.reset_settings()
        self.s.start_app()
        self.click_panel(k.ID_NEW_ADVANCED)
        k.wait_until(lambda: self.s.texts()[k.ID_CLASS] == "Advanced", 10, 0.1, "Advanced")
        self.show_test_module()

        def click(choice, position):
            self.click_test(k.ID_SELECT_A + choice)

        score, total = self.take_exam("A", click)
        self.assertEqual(self.s.texts()[k.ID_SCORE], "%d/%d:30" % (score, total))

    def test_first_question_in_french(self):
        self.s.reset_settings(language=2)
        self.s.start_app()
        self.show_test_module()
        t = self.s.texts()
        pool = k.Pool("B", 2)
        position, code = k.code_from_index_display("B", t[k.ID_INDEX])
        self.assertEqual(position, 1)
        self.assertEqual(t[k.ID_MODE], "Examen")
        self.assertEqual(t[k.ID_CLASS], "de Base")
        self.assertEqual(t[k.ID_RESULT], "Néant")
        self.assertEqual(t[k.ID_QUESTION].rstrip("\r").encode("cp1252"), pool.text(code))
        self.assertEqual(t[k.ID_ANSWER_A].rstrip("\r").encode("cp1252"), pool.answers(code)[0])
        self.save_composition("first-question-fr")
        shot = self.s.image("first-question-fr-screen")
        english, french = k.bitmap(295), k.bitmap(296)
        words = k.differing_points(english, french, k.face_points(french, step=1))
        self.assertGreater(k.match_ratio(shot, (252, 184), french, words), 0.99)


if __name__ == "__main__":
    unittest.main(verbosity=2)
