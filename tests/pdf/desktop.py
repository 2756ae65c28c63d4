"""The Wine desktop and its printed pages, seen from the Linux side.

Runs the project's Windows programs under Wine (the environment comes from
scripts/desktop.sh) and measures PDFs by rendering them with pdftoppm.
"""
import glob
import os
import subprocess
import time

BIN = os.environ.get("AUTOSAVE_BIN", os.path.join(os.path.dirname(__file__), "../../build/mingw/bin"))
PREFIX = os.environ["WINEPREFIX"]
SPOOLS = {"PDFCreator": "PDFCreatorSpool", "Letter Printer": "LetterPrinterSpool"}
PORT_SPOOLS = {"LPT1:": "PDFCreatorSpool", "LPT2:": "LetterPrinterSpool"}


def drive_c(*parts):
    return os.path.join(PREFIX, "drive_c", *parts)


def program(name):
    return os.path.join(BIN, name)


def wine(name, *args, timeout=60):
    """Runs a program of the project to its end; returns its standard output."""
    done = subprocess.run(["wine", program(name), *args], stdin=subprocess.DEVNULL,
                          capture_output=True, timeout=timeout, text=True, errors="replace")
    return done.stdout


def start(name, *args):
    return subprocess.Popen(["wine", program(name), *args], stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                            errors="replace", bufsize=1)


def printers():
    """[(name, port)] in the spooler's order."""
    rows = [line.split("\t") for line in wine("InstallPrinter.exe", "list").splitlines() if "\t" in line]
    return [(r[0], r[1].strip()) for r in rows]


def clear_spools():
    for folder in set(SPOOLS.values()):
        for f in glob.glob(drive_c(folder, "*")):
            os.remove(f)


def wait_for(condition, timeout, step=0.1):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(step)
    return condition()


def spooled(folder):
    return sorted(glob.glob(drive_c(folder, "*.pdf")))


def pdf_info(path):
    out = subprocess.run(["pdfinfo", path], capture_output=True, text=True, check=True).stdout
    return dict((k.strip(), v.strip()) for k, v in
                (line.split(":", 1) for line in out.splitlines() if ":" in line))


def pdf_text(path):
    return subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True,
                          check=True).stdout.decode("utf-8").strip()


class Page:
    """One page rendered in grey levels; ink is any pixel darker than 128."""

    def __init__(self, path, dpi=150):
        data = subprocess.run(["pdftoppm", "-gray", "-r", str(dpi), "-f", "1", "-l", "1", path],
                              capture_output=True, check=True).stdout
        header, rest = self._header(data)
        self.width, self.height = header
        self.pixels = rest
        self.dpi = dpi

    @staticmethod
    def _header(data):
        fields, pos = [], 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos)
                continue
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        assert fields[0] == b"P5", fields[0]
        return (int(fields[1]), int(fields[2])), data[pos + 1:]

    def ink(self, x, y):
        return self.pixels[y * self.width + x] < 128

    def mm(self, pixels):
        return pixels * 25.4 / self.dpi

    def ink_box(self):
        """(left, top, right, bottom) in pixels of all ink, or None."""
        xs, ys = [], []
        for y in range(self.height):
            row = self.pixels[y * self.width:(y + 1) * self.width]
            if min(row) >= 128:
                continue
            ys.append(y)
            xs.extend(x for x in range(self.width) if row[x] < 128)
        if not ys:
            return None
        return min(xs), min(ys), max(xs), max(ys)

    def glyphs(self, box, gap=2):
        """Runs of inked columns inside box, split where `gap` blank columns lie between."""
        left, top, right, bottom = box
        inked = [any(self.ink(x, y) for y in range(top, bottom + 1)) for x in range(left, right + 1)]
        runs, start, blank = [], None, 0
        for i, on in enumerate(inked + [False] * (gap + 1)):
            if on:
                if start is None:
                    start = i
                blank = 0
            elif start is not None:
                blank += 1
                if blank > gap:
                    runs.append((left + start, left + i - blank))
                    start, blank = None, 0
        return runs

    def is_empty_box(self, left, right, top, bottom):
        """A glyph drawn as the missing-glyph box: a hollow rectangle."""
        ys = [y for y in range(top, bottom + 1) if any(self.ink(x, y) for x in range(left, right + 1))]
        if not ys or right - left < 4:
            return False
        t, b = min(ys), max(ys)
        width = right - left + 1

        def row_full(y):
            return sum(self.ink(x, y) for x in range(left, right + 1)) > 0.9 * width

        def column_full(x):
            return sum(self.ink(x, y) for y in range(t, b + 1)) > 0.9 * (b - t + 1)

        middle = (t + b) // 2
        hollow = sum(self.ink(x, middle) for x in range(left + 2, right - 1)) == 0
        return row_full(t) and row_full(b) and column_full(left) and column_full(right) and hollow


def hex_text(text):
    """A text as the fixture program takes it: code page 950 bytes in hex."""
    return text.encode("big5").hex().upper() or "-"


class Fixture:
    """A window of the fixture program (tests/fixtures/WindowFixture.cpp) and
    the lines it reports about what its controls received."""

    def __init__(self, title, controls):
        import threading
        args = ["--title", hex_text(title)]
        for depth, cls, text in controls:
            args += ["--control", str(depth), cls, hex_text(text)]
        self.process = start("WindowFixture.exe", *args)
        self.lines = []
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()
        if not wait_for(lambda: self.has("ready"), 15):
            raise RuntimeError("the fixture window did not appear")

    def _read(self):
        for line in self.process.stdout:
            self.lines.append(line.strip())

    def has(self, prefix):
        return any(line.startswith(prefix) for line in self.lines)

    def close(self):
        self.process.kill()
        self.process.wait()
        self.process.stdout.close()
