"""The report as printed: the PDF that the test printer makes of it,
rendered and measured."""
import os
import shutil
import tempfile
import unittest

import desktop

REPORT_LINE = "測試轉pdf檔"
A4_POINTS = ("595", "842")
LETTER_POINTS = ("612", "792")


def print_report(printer, between=None):
    """Prints with PrintReport.exe; `between` runs after the printer list was read."""
    flag = os.path.join(tempfile.mkdtemp(), "go")
    proc = desktop.start("PrintReport.exe", printer, "--wait-for-file", flag)
    try:
        loaded = proc.stdout.readline().split()
        if between:
            between()
        open(flag, "w").close()
        out, _ = proc.communicate(timeout=60)
    finally:
        proc.kill()
    return int(loaded[1]), out.strip()


def page_size(info):
    size = info["Page size"].split()
    return size[0].split(".")[0], size[2].split(".")[0]


class PrintedPageTest(unittest.TestCase):
    def setUp(self):
        desktop.clear_spools()

    def printed_pdf(self, folder):
        pdfs = desktop.wait_for(lambda: desktop.spooled(folder), 30)
        self.assertEqual(len(pdfs), 1, f"PDFs in {folder}: {pdfs}")
        return pdfs[0]

    def test_one_a4_page_with_the_report_line_at_its_place(self):
        index, result = print_report("PDFCreator")
        self.assertGreaterEqual(index, 0)
        self.assertEqual(result, "printed")
        pdf = self.printed_pdf("PDFCreatorSpool")
        info = desktop.pdf_info(pdf)
        self.assertEqual(info["Pages"], "1")
        self.assertEqual(page_size(info), A4_POINTS, info["Page size"])
        self.assertEqual(desktop.pdf_text(pdf), REPORT_LINE)

        page = desktop.Page(pdf)
        box = page.ink_box()
        self.assertIsNotNone(box, "the page is blank")
        left, top, right, bottom = (page.mm(v) for v in box)
        # The label's box starts at 10 + 12.70 mm and 10 + 0.79 mm; the ink
        # lies a little inside it (side bearing, internal leading).
        self.assertAlmostEqual(left, 22.70, delta=1.0, msg=f"ink starts {left:.2f} mm from the left")
        self.assertAlmostEqual(top, 10.79, delta=2.0, msg=f"ink starts {top:.2f} mm from the top")
        # One line of 20 pt text and nothing else: no second band, no frame.
        self.assertLess(bottom - top, 8.73, "ink taller than one line")
        self.assertLess(right, 22.70 + 60, "ink reaches too far right")
        # Four Chinese glyphs stand apart; "pdf" and the last one may touch.
        glyphs = page.glyphs(box)
        self.assertGreaterEqual(len(glyphs), 6, f"glyph runs: {glyphs}")
        boxes = [g for g in glyphs if page.is_empty_box(g[0], g[1], box[1], box[3])]
        self.assertEqual(boxes, [], "glyphs drawn as empty boxes")

    def test_printer_without_a4_prints_on_its_own_default_paper(self):
        index, result = print_report("Letter Printer")
        self.assertGreaterEqual(index, 0)
        self.assertEqual(result, "printed")
        info = desktop.pdf_info(self.printed_pdf("LetterPrinterSpool"))
        self.assertEqual(page_size(info), LETTER_POINTS, info["Page size"])

    def test_printer_added_after_start_shifts_the_positions(self):
        added = "AAA Added Printer"
        before = desktop.printers()
        try:
            index, result = print_report(
                "PDFCreator",
                lambda: desktop.wine("InstallPrinter.exe", "add", added, "LPT2:", "ghostpdf.ppd"))
            after = desktop.printers()
            self.assertEqual(len(after), len(before) + 1, after)
            name, port = after[index]
            self.assertEqual(result, "printed")
            if name == "PDFCreator":
                self.skipTest(f"the new printer sorted after PDFCreator: {after}")
            # The job went to whatever printer holds the old position now.
            self.printed_pdf(desktop.PORT_SPOOLS[port])
            self.assertEqual(desktop.spooled("PDFCreatorSpool"), [])
        finally:
            desktop.wine("InstallPrinter.exe", "remove", added)

    def test_printer_that_cannot_be_opened_is_not_valid(self):
        # A printer whose driver lost its PPD: listed, but it cannot be opened.
        drivers = desktop.drive_c("windows", "system32", "spool", "drivers", "x64")
        name = "Broken Printer"
        shutil.copy(os.path.join(drivers, "ghostpdf.ppd"), os.path.join(drivers, "broken.ppd"))
        try:
            desktop.wine("InstallPrinter.exe", "add", name, "LPT3:", "broken.ppd", "Broken PostScript Driver")
            for leftover in (os.path.join(drivers, "broken.ppd"), os.path.join(drivers, "3", "broken.ppd")):
                if os.path.exists(leftover):
                    os.remove(leftover)
            index, result = print_report(name)
            self.assertGreaterEqual(index, 0)
            self.assertEqual(result, "error Printer selected is not valid")
        finally:
            desktop.wine("InstallPrinter.exe", "remove", name)


if __name__ == "__main__":
    unittest.main()
