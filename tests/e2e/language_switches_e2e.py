"""A thousand language switches in one run: every switch reloads the face
bitmaps, tooltips and labels of every window, so a reload that forgets to
free the old copy shows as memory growth. The memory of korvane.exe must stay
flat, and afterwards every face of the composition must still draw, in both
languages."""
import os
import time
import unittest

import korvane_session as k

SWITCHES = 1000
BATCH = 50
# Switches before the first measurement: the heap, the font caches and the
# X connection reach their working size in the first few switches.
WARM_UP = 50

# Allowed growth of korvane.exe's memory from the end of the warm-up to the
# last switch. PagefileUsage counts the process's own (anonymous) pages in
# 4 KiB steps; measured here it does not move at all over 1,000 switches.
# Every switch reloads about 60 face bitmaps and 40 texts. Leaks planted on
# purpose, once per switch, grew it by 8.4 MB (one key face of 86 x 26), by
# 104 KB (a 100-byte block) and by 53 KB (a copy of an 18-character tooltip
# text): 32 KiB catches even the last.
PAGEFILE_GROWTH = 32 * 1024
# The working set also counts shared code and font pages, which the first
# switches bring in; it may move a little more without meaning a leak.
WORKINGSET_GROWTH = 1024 * 1024


class LanguageSwitches(k.KorvaneCase):
    suite = "switches"

    def settle(self):
        """Waits until the program has handled everything posted so far: a
        navigation key posted now is handled behind the switches, and the
        step it posts runs behind the reload messages that they posted."""
        for vk, position in ((k.VK_END, "100 : "), (k.VK_HOME, "1 : ")):
            self.s.post(("key", vk))
            k.wait_until(lambda: self.s.texts()[k.ID_INDEX].startswith(position), 60, 0.05,
                         "the queue to settle at question " + position)

    def switch(self, count):
        for start in range(0, count, BATCH):
            self.s.post(*[("command", k.ID_LANGUAGE)] * min(BATCH, count - start))
            self.settle()

    def test_a_thousand_switches_leak_nothing_and_every_face_still_draws(self):
        self.s.reset_settings()
        self.s.start_app()
        pool = k.Pool("B", 1)
        first = self.s.texts()
        # Every window once on screen, the test module left showing: its
        # displays are repainted at each switch too.
        for key, role in ((k.ID_LOG, "log"), (k.ID_OPTIONS, "options"), (k.ID_ABOUT, "about"),
                          (k.ID_TEST, "test")):
            self.show(key, role)
        self.settle()

        started = time.monotonic()
        self.switch(WARM_UP)
        base = self.s.memory()
        samples = [(WARM_UP, base)]
        for done in range(WARM_UP + BATCH, SWITCHES + 1, BATCH):
            self.switch(BATCH)
            samples.append((done, self.s.memory()))
        took = time.monotonic() - started
        with open(os.path.join(self.s.artifacts, "memory.txt"), "w") as f:
            f.write("switches pagefile workingset (bytes); %d switches in %.1f s\n"
                    % (SWITCHES, took))
            for done, m in samples:
                f.write("%d %d %d\n" % (done, m["pagefile"], m["workingset"]))
        last = samples[-1][1]
        self.assertLessEqual(max(m["pagefile"] for _, m in samples) - base["pagefile"],
                             PAGEFILE_GROWTH, "PagefileUsage grew; see memory.txt")
        self.assertLessEqual(last["workingset"] - base["workingset"], WORKINGSET_GROWTH,
                             "WorkingSetSize grew; see memory.txt")

        # An even number of switches: English, the same test, still at work.
        t = self.s.texts()
        self.assertEqual(t, first)
        code = k.code_from_index_display("B", t[k.ID_INDEX])[1]
        self.assertEqual(t[k.ID_QUESTION].rstrip("\r").encode("cp1252"), pool.text(code))

        # Every face of every window draws, in English, then once more in
        # French after a switch by the language key.
        for language in (1, 2):
            if language == 2:
                self.click_panel(k.ID_LANGUAGE)
                k.wait_until(lambda: self.s.texts()[k.ID_CLASS] == "de Base", 10, 0.1, "French")
            for key, role in ((k.ID_TEST, "test"), (k.ID_LOG, "log"), (k.ID_OPTIONS, "options"),
                              (k.ID_ABOUT, "about")):
                self.show(key, role)
                shot = self.s.image("after-%d-switches-%s-%d" % (SWITCHES, role, language))
                for window in ("main", "border", role):
                    self.assert_faces(shot, window, language)


if __name__ == "__main__":
    unittest.main(verbosity=2)
