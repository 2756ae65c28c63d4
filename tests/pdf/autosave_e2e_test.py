"""The whole autosave run as a user makes it: the program and the stand-in
on the Wine desktop, a real pointer click on "Autosave to Pdf", and the PDF
that ends up at C:\\測試轉入pdf."""
import os
import shutil
import subprocess
import time
import unittest

import desktop

OUTPUT = desktop.drive_c("測試轉入pdf")
ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "../.."))
FILLED = "sendMessage to Edit "


def probe(*args):
    done = subprocess.run(["wine", desktop.program("WindowProbe.exe"), *args], capture_output=True,
                          stdin=subprocess.DEVNULL, timeout=30)
    return done.returncode, done.stdout.decode("big5", errors="replace").replace("\r", "")


def printers_script(*args):
    subprocess.run([os.path.join(ROOT, "scripts/printers.sh"), *args], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


class AutosaveRun(unittest.TestCase):
    def setUp(self):
        desktop.wait_for(lambda: probe("rect", "Form1", "Autosave to Pdf")[0] != 0, 10)
        desktop.clear_spools()
        if os.path.exists(OUTPUT):
            os.remove(OUTPUT)
        self.processes = []

    def tearDown(self):
        for p in self.processes:
            p.kill()
            p.wait()
            p.stdout.close()
        subprocess.run(["pkill", "-f", "PDFCreatorStandIn.exe"])
        subprocess.run(["pkill", "-f", "Autosave.exe"])
        # The next run's Form1 opens at the same place: this one must be gone.
        desktop.wait_for(lambda: probe("rect", "Form1", "Autosave to Pdf")[0] != 0, 10)
        desktop.wait_for(lambda: subprocess.run(["pgrep", "-f", "PDFCreatorStandIn.exe|Autosave.exe"],
                                                stdout=subprocess.DEVNULL).returncode != 0, 10)
        printers_script("install", "--with-letter-printer")

    def start(self, name, *args):
        p = desktop.start(name, *args)
        self.processes.append(p)
        return p

    def start_program(self):
        self.start("Autosave.exe")
        self.assertTrue(desktop.wait_for(lambda: probe("rect", "Form1", "Autosave to Pdf")[0] == 0, 15),
                        "Form1 did not appear")

    def click(self, title, control):
        """The real pointer: xdotool moves it onto the control and clicks."""
        x, y, w, h = map(int, probe("rect", title, control)[1].split())
        subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"], check=True)

    def click_autosave(self):
        self.click("Form1", "Autosave to Pdf")

    def status_log(self):
        return probe("text", "Form1", "Edit")[1]

    def assert_saved_report(self):
        self.assertTrue(desktop.wait_for(lambda: os.path.exists(OUTPUT), 30), "no PDF at C:\\測試轉入pdf")
        time.sleep(0.2)
        info = desktop.pdf_info(OUTPUT)
        self.assertEqual(info["Pages"], "1")
        self.assertEqual(desktop.pdf_text(OUTPUT), "測試轉pdf檔")
        self.assertEqual(self.status_log(), "Memo1\n" + FILLED + "\n")

    def test_click_saves_the_report_as_pdf(self):
        self.start("PDFCreatorStandIn.exe")
        self.start_program()
        self.click_autosave()
        self.assert_saved_report()

    def test_english_save_caption(self):
        self.start("PDFCreatorStandIn.exe", "--english")
        self.start_program()
        self.click_autosave()
        self.assert_saved_report()

    def test_first_window_already_open_is_pressed_at_once(self):
        stand_in = self.start("PDFCreatorStandIn.exe")
        # A job printed before the program starts: its window is waiting.
        self.assertEqual(desktop.wine("PrintReport.exe", "PDFCreator").split()[-1], "printed")
        self.assertTrue(desktop.wait_for(lambda: probe("rect", "PDFCreator 0.9.5", "儲存(&S)")[0] == 0, 15))
        self.start_program()
        self.click_autosave()
        # The waiting window is saved; the new job's window follows and waits.
        self.assertTrue(desktop.wait_for(lambda: os.path.exists(OUTPUT), 30))
        self.assertTrue(stand_in.poll() is None)

    def test_missing_printer_shows_the_error_and_prints_nothing(self):
        printers_script("install", "--without-pdfcreator", "--with-letter-printer")
        self.start("PDFCreatorStandIn.exe")
        self.start_program()
        started = time.monotonic()
        self.click_autosave()
        self.assertTrue(desktop.wait_for(lambda: probe("texts", "Autosave", "Static")[0] == 0, 10),
                        "no message box titled Autosave")
        self.assertIn("找不到印表機.", probe("texts", "Autosave", "Static")[1].splitlines())
        self.assertEqual(probe("icon", "Autosave")[1].strip(), "stop")
        self.assertLess(time.monotonic() - started, 15, "waited for windows")
        # The one button is OK, captioned in the desktop's language.
        code, _ = probe("rect", "Autosave", "確定")
        self.assertEqual(code, 0, "no OK (確定) button")
        self.assertEqual(desktop.spooled("PDFCreatorSpool") + desktop.spooled("LetterPrinterSpool"), [])
        # OK closes it and the program goes on running.
        self.click("Autosave", "確定")
        self.assertTrue(desktop.wait_for(lambda: probe("texts", "Autosave", "Static")[0] != 0, 10))
        self.assertEqual(probe("rect", "Form1", "Autosave to Pdf")[0], 0, "the program ended")
        self.assertFalse(os.path.exists(OUTPUT))

    def test_printer_lookup_ignores_case_but_not_extra_text(self):
        cases = [("pdfcreator", True), ("PDFCreator2", False), ("PDFCreator on LPT1:", False)]
        for name, selected in cases:
            with self.subTest(printer=name):
                printers_script("install", "--without-pdfcreator")
                desktop.wine("InstallPrinter.exe", "add", name, "LPT1:", "ghostpdf.ppd")
                try:
                    self.start("PDFCreatorStandIn.exe")
                    self.start_program()
                    self.click_autosave()
                    if selected:
                        self.assert_saved_report()
                    else:
                        self.assertTrue(desktop.wait_for(
                            lambda: "找不到印表機." in probe("texts", "Autosave", "Static")[1], 10))
                        self.assertEqual(desktop.spooled("PDFCreatorSpool"), [])
                finally:
                    self.tearDown()
                    desktop.wine("InstallPrinter.exe", "remove", name)
                    if os.path.exists(OUTPUT):
                        os.remove(OUTPUT)

    def assert_conversion_failed_then_both_waits_run(self):
        self.assertTrue(desktop.wait_for(lambda: "轉檔失敗" in probe("texts", "Autosave", "Static")[1], 15))
        self.assertIn("轉檔失敗", probe("texts", "Autosave", "Static")[1].splitlines())
        self.assertEqual(probe("icon", "Autosave")[1].strip(), "none")
        # Both windows appear while the message is open; OK lets the waits find them.
        first = desktop.Fixture("PDFCreator 0.9.5", [(0, "Button", "&Save")])
        second = desktop.Fixture("另存新檔", [(0, "Edit", ""), (0, "Button", "儲存(&S)")])
        try:
            self.click("Autosave", "確定")
            self.assertTrue(desktop.wait_for(lambda: first.has("up 0"), 15), first.lines)
            self.assertTrue(desktop.wait_for(lambda: second.has("up 1"), 15), second.lines)
            self.assertIn("settext 0 " + desktop.hex_text("C:\\測試轉入pdf"), second.lines)
            self.assertTrue(desktop.wait_for(lambda: self.status_log() == "Memo1\n" + FILLED + "\n", 10),
                            self.status_log())
        finally:
            first.close()
            second.close()

    def test_print_failure_shows_conversion_failed_and_both_waits_still_run(self):
        names = [n for n, _ in desktop.printers()]
        if names[-1] != "PDFCreator":
            self.skipTest(f"PDFCreator is not last in {names}: removing it would not shift it out of range")
        self.start_program()
        desktop.wine("InstallPrinter.exe", "remove", "PDFCreator")  # after the list was read
        self.click_autosave()
        self.assert_conversion_failed_then_both_waits_run()

    def test_printer_that_cannot_be_opened_shows_conversion_failed(self):
        # "PDFCreator" on a driver whose PPD is gone: listed, but it cannot be opened.
        drivers = desktop.drive_c("windows", "system32", "spool", "drivers", "x64")
        shutil.copy(os.path.join(drivers, "ghostpdf.ppd"), os.path.join(drivers, "broken.ppd"))
        desktop.wine("InstallPrinter.exe", "remove", "PDFCreator")
        desktop.wine("InstallPrinter.exe", "add", "PDFCreator", "LPT1:", "broken.ppd", "Broken PostScript Driver")
        for leftover in (os.path.join(drivers, "broken.ppd"), os.path.join(drivers, "3", "broken.ppd")):
            if os.path.exists(leftover):
                os.remove(leftover)
        try:
            self.start_program()
            self.click_autosave()
            self.assert_conversion_failed_then_both_waits_run()
        finally:
            desktop.wine("InstallPrinter.exe", "remove", "PDFCreator")

    def test_stand_in_killed_mid_job_the_run_ends_and_the_next_one_saves(self):
        stand_in = self.start("PDFCreatorStandIn.exe")
        self.start_program()
        self.click_autosave()
        # Killed while the filled dialog waits for its Save press.
        self.assertTrue(desktop.wait_for(lambda: "pdf" in probe("text", "另存新檔", "Edit")[1], 20))
        stand_in.kill()
        subprocess.run(["pkill", "-f", "PDFCreatorStandIn.exe"])
        self.assertTrue(desktop.wait_for(lambda: probe("text", "另存新檔", "Edit")[0] == 1, 10))
        self.assertFalse(os.path.exists(OUTPUT))
        # The program goes on: with the printer program back, the next press saves.
        self.start("PDFCreatorStandIn.exe")
        time.sleep(2)  # the press pause and the second enumeration end
        self.assertTrue(desktop.wait_for(lambda: self.status_log() == "Memo1\n" + FILLED + "\n", 10))
        self.click_autosave()
        self.assertTrue(desktop.wait_for(lambda: os.path.exists(OUTPUT), 30), "the next run saved nothing")
        self.assertEqual(self.status_log(), "Memo1\n" + FILLED + "\n" + FILLED + "\n")

    def test_only_the_second_window_opening_is_still_saved(self):
        self.start("PDFCreatorStandIn.exe", "--no-first-window")
        self.start_program()
        pressed = time.monotonic()
        self.click_autosave()
        self.assertTrue(desktop.wait_for(lambda: os.path.exists(OUTPUT), 45), "no PDF at C:\\測試轉入pdf")
        # The first wait gives up after its 20 s before the dialog is answered.
        self.assertGreater(time.monotonic() - pressed, 19)
        self.assertEqual(desktop.pdf_text(OUTPUT), "測試轉pdf檔")

    def test_english_titled_file_dialog_is_not_found(self):
        log = desktop.drive_c("standin-e2e.log")
        if os.path.exists(log):
            os.remove(log)
        self.start("PDFCreatorStandIn.exe", "--english-dialog", "--log", "C:\\standin-e2e.log")
        self.start_program()
        self.click_autosave()
        self.assertTrue(desktop.wait_for(
            lambda: os.path.exists(log) and "save dialog opened" in open(log, errors="replace").read(), 20))
        # The second wait gives up 20 s after it started. (Under Wine the form
        # answers sent messages even while it waits, so that is no signal.)
        time.sleep(23)
        self.assertFalse(os.path.exists(OUTPUT))
        self.assertEqual(self.status_log(), "Memo1\n")
        self.assertEqual(probe("texts", "Save As", "Button")[0], 0, "the Save As dialog is not open")

    def test_second_press_while_printing_is_ignored(self):
        log = desktop.drive_c("standin-e2e.log")
        if os.path.exists(log):
            os.remove(log)
        self.start("PDFCreatorStandIn.exe", "--log", "C:\\standin-e2e.log")
        self.start_program()
        # Both presses are queued at once: the second arrives while the first
        # run prints (printing lets messages through).
        self.assertEqual(probe("presses", "Form1", "Autosave to Pdf", "2")[0], 0)
        self.assert_saved_report()
        time.sleep(2)
        jobs = [l for l in open(log, errors="replace") if "job received" in l]
        self.assertEqual(len(jobs), 1, jobs)
        self.assertEqual(desktop.spooled("PDFCreatorSpool"), [])

    def test_close_while_printing_ends_the_program_after_the_run(self):
        self.start("PDFCreatorStandIn.exe")
        program = self.start("Autosave.exe")
        self.assertTrue(desktop.wait_for(lambda: probe("rect", "Form1", "Autosave to Pdf")[0] == 0, 15))
        self.assertEqual(probe("presses", "Form1", "Autosave to Pdf", "1", "close")[0], 0)
        # The close waits for the run: Form1 is still there while the dialog is answered.
        self.assertTrue(desktop.wait_for(lambda: probe("texts", "另存新檔", "Edit")[0] == 0, 20))
        self.assertEqual(probe("rect", "Form1", "Autosave to Pdf")[0], 0, "Form1 closed during the run")
        self.assertTrue(desktop.wait_for(lambda: os.path.exists(OUTPUT), 30), "the run was cut short")
        self.assertTrue(desktop.wait_for(lambda: program.poll() is not None, 10), "still running")
        self.assertEqual(desktop.pdf_text(OUTPUT), "測試轉pdf檔")


if __name__ == "__main__":
    unittest.main()
