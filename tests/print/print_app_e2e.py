"""Printing from korvane.exe itself, through a real CUPS queue that writes PDF
files: the test module's print key opens the program's print dialog, whose
buttons are clicked as a user clicks them, and each printer dialog is
confirmed with Return. The documents must hold the test that the program has
on screen: its codes are read from the index display, question by question,
before printing. The PDF checks are those of print_e2e.py; one page of each
document is rendered to PNG under <build>/e2e/print_app/png."""
import os
import sys
import time
import unittest

import korvane_session as k

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cups_pdf  # noqa: E402
import print_e2e as pdf  # noqa: E402

QUEUE = "KorvaneAppPDF"


class HeldTest:
    """What the PDF checks need to know of the test: its codes in order."""

    def __init__(self, codes):
        self.codes = codes


class PrintFromTheProgram(k.KorvaneCase):
    suite = "print_app"

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        try:
            cls.queue = cups_pdf.start(os.path.join(cls.s.artifacts, "pdf"), name=QUEUE)
        except BaseException:
            cls.s.close()
            raise
        # The PDF checks drive xdotool on this session's display.
        pdf.DISPLAY = cls.s.display
        pdf.PNG_DIR = os.path.join(cls.s.artifacts, "png")

    @classmethod
    def tearDownClass(cls):
        try:
            cups_pdf.stop(cls.queue)
        finally:
            super().tearDownClass()

    def setUp(self):
        del pdf.failures[:]

    def assert_checks_passed(self):
        self.assertEqual(pdf.failures, [], "PDF checks failed (see the test's output)")

    # ---------------------------------------------------------------- helpers
    def held_codes(self, letter):
        """The codes of the test on display, read from the index display while
        stepping from the first question to the last."""
        self.s.post(("key", k.VK_HOME))
        k.wait_until(lambda: self.s.texts()[k.ID_INDEX].startswith("1 : "), 10, 0.1,
                     "the first question")
        count = k.CLASSES[letter][0]
        lines = self.s.probe("walk", count - 1, timeout=120)
        self.assertNotIn(["stuck"], lines)
        codes = []
        for position, (_, text) in enumerate(lines, 1):
            shown, code = k.code_from_index_display(letter, bytes.fromhex(text).decode("cp1252"))
            self.assertEqual(shown, position)
            codes.append(code)
        return codes

    def print_dialog(self, title):
        dialogs = k.wait_until(lambda: [d for d in self.s.dialogs() if d["title"] == title], 10,
                               0.2, "the print dialog %r" % title)
        self.assertEqual(len(dialogs), 1)
        return dialogs[0]

    def press(self, dialog, label):
        buttons = [b for b in dialog["buttons"] if b["text"] == label]
        self.assertEqual(len(buttons), 1, "button %r among %s" % (label, dialog["buttons"]))
        x0, y0, x1, y1 = buttons[0]["rect"]
        self.s.click((x0 + x1) // 2, (y0 + y1) // 2)

    def print_one(self, dialog, label):
        """Clicks a job's button, confirms the printer dialog with Return and
        returns the new PDF."""
        before = cups_pdf.pdfs(self.queue)
        started = time.monotonic()
        self.press(dialog, label)
        self.assertIsNotNone(pdf.printer_dialog("Return"), "no printer dialog after %r" % label)
        made = pdf.new_pdfs(self.queue, before, 1)
        self.assertEqual(len(made), 1, "%r prints one document" % label)
        print("%s printed in %.1f s" % (label.decode("cp1252"), time.monotonic() - started))
        return made[0]

    # ------------------------------------------------------------------ tests
    def test_exam_and_answers_from_the_print_key_in_both_languages(self):
        self.s.reset_settings()
        self.s.start_app()
        self.show_test_module()
        codes = self.held_codes("B")
        self.assertEqual(len(codes), 100)
        held = HeldTest(codes)

        self.click_test(k.ID_PRINT)
        dialog = self.print_dialog(b"Print test")
        self.s.image("print-dialog")
        left, top, right, bottom = dialog["rect"]
        self.assertEqual((left, top), (k.SCREEN[0] // 2 - (right - left) // 2,
                                       k.SCREEN[1] // 2 - (bottom - top) // 2),
                         "centred on the screen")
        self.assertEqual(sorted(b["text"] for b in dialog["buttons"]),
                         sorted([b"Print", b"Exam...", b"Answers...", b"Answer sheet...",
                                 b"All...", b"Choose Font...", b"Close"]))

        listing = self.print_one(dialog, b"Exam...")
        pages = pdf.check_listing(listing, held, 1, "Basic", "Basic Class Training",
                                  "To pass this exam, you must correctly answer 60 out of the "
                                  "100 questions", "listing")
        pdf.render(listing, 1, "listing-title")
        pdf.render(listing, pages, "listing-last")
        sheet = self.print_one(dialog, b"Answers...")
        pdf.check_sheet(sheet, True, held, pdf.correct_answers("basic_en.txt"), "answers")
        pdf.render(sheet, 1, "answers")
        self.assert_checks_passed()

        # Escape does not close the dialog; Close does, and the test module
        # works again.
        window = pdf.find_window("Print test")
        self.assertIsNotNone(window)
        self.s.xdotool("windowfocus", "--sync", window)
        self.s.key("Escape")
        time.sleep(0.5)
        self.assertEqual(len(self.s.dialogs()), 1, "Escape leaves the print dialog open")
        self.press(self.print_dialog(b"Print test"), b"Close")
        k.wait_until(lambda: not self.s.dialogs(), 10, 0.2, "the print dialog to close")
        self.click_test(k.ID_LAST)
        k.wait_until(lambda: self.s.texts()[k.ID_INDEX].startswith("100 : "), 10, 0.1,
                     "the last key")

        # In French the same test prints with the French dialog and texts.
        self.click_panel(k.ID_LANGUAGE)
        k.wait_until(lambda: self.s.texts()[k.ID_CLASS] == "de Base", 10, 0.1, "French")
        self.rest_pointer()
        self.click_test(k.ID_PRINT)
        dialog = self.print_dialog(b"Imprimer test")
        self.s.image("print-dialog-fr")
        listing = self.print_one(dialog, b"Examen...")
        pdf.check_listing(listing, held, 2, "de Base", "Entrainement de classe de Base",
                          "Pour r\u00e9ussir \u00e0 cet examen, vous devez r\u00e9pondre "
                          "correctement \u00e0 60 questions sur 100", "French listing")
        pdf.render(listing, 2, "listing-french-page1")
        self.press(dialog, b"Fermer")
        k.wait_until(lambda: not self.s.dialogs(), 10, 0.2, "the French print dialog to close")
        self.assert_checks_passed()


if __name__ == "__main__":
    unittest.main(verbosity=2)
