"""Times autosave runs on the Wine desktop and prints the figures.

Not a test: nothing passes or fails. Each run starts Autosave.exe afresh,
presses "Autosave to Pdf" with the real pointer and follows the run through
the spool folder, the stand-in's log and the output file.
"""
import datetime
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "pdf"))
import desktop  # noqa: E402

RUNS = int(sys.argv[1]) if len(sys.argv) > 1 else 5
OUTPUT = desktop.drive_c("測試轉入pdf")
LOG = desktop.drive_c("standin-benchmark.log")
FIXED_PAUSES = 0.1 + 1.0 + 0.1  # press hold, pause before Save, press hold
TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def peak_memory_kib(pid):
    for line in open(f"/proc/{pid}/status"):
        if line.startswith("VmHWM:"):
            return int(line.split()[1])
    return 0


def prefix_server():
    """The wineserver of this prefix: it works in /tmp/.wine-UID/server-DEV-INODE of the prefix."""
    st = os.stat(desktop.PREFIX)
    suffix = f"server-{st.st_dev:x}-{st.st_ino:x}"
    for pid in subprocess.run(["pgrep", "-f", "wineserver"], capture_output=True, text=True).stdout.split():
        try:
            if os.readlink(f"/proc/{pid}/cwd").endswith(suffix):
                return int(pid)
        except OSError:
            pass
    raise RuntimeError("no wineserver for " + desktop.PREFIX)


def log_times():
    """Stand-in log events -> seconds since the epoch (its clock is local time)."""
    today = datetime.date.today()
    events = {}
    for line in open(LOG, errors="replace"):
        stamp, _, text = line.strip().partition(" ")
        h, m, s = stamp.split(":")
        moment = datetime.datetime.combine(today, datetime.time(int(h), int(m), int(float(s)),
                                                                int(round(float(s) % 1 * 1e6)) % 1000000))
        for key in ("job received", "window shown", "save dialog opened", "saved as"):
            if text.startswith(key):
                events[key] = moment.timestamp()
    return events


def wait_for_window(name, timeout=20):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                          stdout=subprocess.DEVNULL).returncode == 0:
            return True
        time.sleep(0.005)
    return False


def button_centre():
    rect = subprocess.run(["wine", desktop.program("WindowProbe.exe"), "rect", "Form1", "Autosave to Pdf"],
                          capture_output=True, text=True).stdout.split()
    x, y, w, h = map(int, rect)
    return x + w // 2, y + h // 2


def one_run():
    for f in (OUTPUT, LOG):
        if os.path.exists(f):
            os.remove(f)
    desktop.clear_spools()
    stand_in = desktop.start("PDFCreatorStandIn.exe", "--log", "C:\\standin-benchmark.log")
    time.sleep(0.5)
    started = time.time()
    program = subprocess.Popen(["wine", desktop.program("Autosave.exe")], stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for_window("^Form1$")
    startup = time.time() - started
    x, y = button_centre()
    server = prefix_server()
    cpu_before, server_before = cpu_seconds(program.pid), cpu_seconds(server)
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
    pressed = time.time()
    subprocess.run(["xdotool", "click", "1"], check=True)
    spooled = None
    while not os.path.exists(OUTPUT) and time.time() - pressed < 60:
        if spooled is None and (desktop.spooled("PDFCreatorSpool") or os.path.exists(LOG) and
                                "job received" in open(LOG, errors="replace").read()):
            spooled = time.time()
        time.sleep(0.002)
    saved = time.time()
    time.sleep(0.3)
    figures = {
        "startup": startup,
        "total": saved - pressed,
        "cpu": cpu_seconds(program.pid) - cpu_before,
        # The waits' lookups are answered by the window server: its share counts too.
        "server_cpu": cpu_seconds(server) - server_before,
        "peak_kib": peak_memory_kib(program.pid),
    }
    events = log_times()
    figures["print"] = (spooled or saved) - pressed
    figures["first_wait"] = events["window shown"] - (spooled or pressed)
    figures["second_wait"] = events["save dialog opened"] - events["window shown"]
    figures["after_dialog"] = saved - events["save dialog opened"]
    for p in (program, stand_in):
        p.kill()
        p.wait()
    stand_in.stdout.close()
    subprocess.run(["pkill", "-f", "PDFCreatorStandIn.exe|Autosave.exe"])
    time.sleep(0.5)
    return figures


def main():
    runs = [one_run() for _ in range(RUNS)]

    def show(key, label, unit="s", scale=1.0):
        values = [r[key] * scale for r in runs]
        print(f"  {label:<44} median {statistics.median(values):8.3f} {unit}"
              f"  (min {min(values):.3f}, max {max(values):.3f})")

    print(f"autosave benchmark: {RUNS} runs, each in a freshly started program")
    show("startup", "start-up until Form1 is shown")
    show("total", "press -> PDF on disk")
    show("print", "  preview and print (press -> job spooled)")
    show("first_wait", "  first wait (job -> stand-in window)")
    show("second_wait", "  press Save -> Save dialog open")
    show("after_dialog", "  fill, 1000 ms pause, press -> PDF on disk")
    show("cpu", "program CPU time during the run")
    show("server_cpu", "wineserver CPU time during the run")
    show("peak_kib", "program peak memory (VmHWM)", "MiB", 1 / 1024)
    floor = [FIXED_PAUSES + r["print"] for r in runs]
    ratio = statistics.median(r["total"] / f for r, f in zip(runs, floor))
    print(f"  {'fixed pauses':<44} {FIXED_PAUSES:8.3f} s")
    print(f"  {'press->PDF / (fixed pauses + printing)':<44} median {ratio:8.2f}")
    print(f"  {'Autosave.exe size':<44} {os.path.getsize(desktop.program('Autosave.exe')) / 1024:8.0f} KiB")


if __name__ == "__main__":
    main()
