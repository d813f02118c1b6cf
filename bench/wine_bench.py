#!/usr/bin/python3
"""Wine-side benchmark of korvane.exe, each figure beside its floor measured
in the same run (not a test: it prints, it does not judge).

    flock /tmp/korvane-heavy.lock /usr/bin/python3 bench/wine_bench.py [--runs N]
        [--before OLD/korvane.exe] [--print]

On its own Xvfb display and Wine prefix (<build>/wine-bench), with the MinGW
tree built (scripts/build.sh win):
  start-up  korvane.exe and bench/bare_window_wine.exe (the same DLL imports,
            one window) started in turn by the probe: to the main window
            visible, and to input idle (WaitForInputIdle)
  key       a posted Down or Up key to the last of the ten test displays
            holding its new text; floor: the bare window replacing its text
  switch    the posted language command until the last window the change is
            posted to (the options module's last check box) has reloaded its
            label: every window has handled its language-changed message by
            then; floor: the same round trip to the bare window
  print     (--print, needs root for CUPS) the confirm key (Return) in the
            printer dialog of the 100-question listing to its PDF on disk;
            floor: the bare window printing one line on one page
With --before, an older korvane.exe is started in the same rounds as well.
"""
import argparse
import os
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "support"))
import korvane_session as k  # noqa: E402

BENCH = os.path.join(os.path.dirname(k.EXE), "bench")
PROBE = os.path.join(BENCH, "bench_probe_wine.exe")
BARE = os.path.join(BENCH, "bare_window_wine.exe")
BARE_CLASS = "KorvaneBenchBare"


def probe(s, *args, timeout=600):
    text = k.run([k.WINE, PROBE] + [str(a) for a in args], timeout=timeout, env=s.env)
    return [line.split() for line in text.splitlines() if line.strip()]


def median(values):
    values = [v for v in values if v >= 0]
    return statistics.median(values) if values else float("nan")


def row(name, figure, floor, unit="ms"):
    print("%-34s %9.2f %s  floor %9.2f %s  ratio %5.2f" % (name, figure, unit, floor, unit,
                                                          figure / floor if floor else 0))


def start_programs(s):
    """korvane.exe on its first question, beside the bare window."""
    s.start_app()
    bare = subprocess.Popen([k.WINE, BARE], env=s.env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True)
    k.wait_until(lambda: probe(s, "post", BARE_CLASS, 0) is not None, 10)
    time.sleep(1.0)
    return bare


def bench_print(s, runs):
    sys.path.insert(0, os.path.join(ROOT, "tests", "print"))
    import cups_pdf
    import print_e2e as pdf
    pdf.DISPLAY = s.display
    queue = cups_pdf.start(os.path.join(s.artifacts, "pdf"), name="KorvaneBenchPDF")
    times = {"k": [], "b": []}
    try:
        s.post(("command", k.ID_TEST))
        for _ in range(runs):
            for tag in ("k", "b"):
                before = cups_pdf.pdfs(queue)
                if tag == "k":
                    probe(s, "post", "ZEB_TestWindowClass", k.ID_PRINT)
                    k.wait_until(lambda: probe(s, "dialogcommand", "Print test", 1004)[0][1] == "1",
                                 10, 0.1, "the print dialog")
                else:
                    probe(s, "post", BARE_CLASS, k.ID_PRINT)
                pressed = pdf.printer_dialog("Return")
                made = pdf.new_pdfs(queue, before, 1, timeout=30)
                # The PDF's modification time: when cups-pdf finished writing it.
                done = os.path.getmtime(made[0]) if made else float("nan")
                times[tag].append((done - pressed) * 1000 if pressed else float("nan"))
                if tag == "k":
                    probe(s, "dialogcommand", "Print test", 1003)
                    k.wait_until(lambda: not s.dialogs(), 10, 0.2, "the print dialog to close")
    finally:
        cups_pdf.stop(queue)
    return times


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--before", help="an older korvane.exe, measured in the same rounds")
    parser.add_argument("--print", action="store_true", dest="printing")
    args = parser.parse_args()

    s = k.Session("bench")
    s.prefix = os.path.join(k.BUILD_DIR, "wine-bench")
    with s:
        s.reset_settings()
        exes = [("ZEB_MainWindowClass", k.EXE), (BARE_CLASS, BARE)]
        if args.before:
            exes.append(("ZEB_MainWindowClass", os.path.abspath(args.before)))
        flat = [x for pair in exes for x in pair]
        probe(s, "start", 2, *flat)  # warm the prefix and the file cache
        starts = {}
        for f in probe(s, "start", args.runs, *flat):
            if f[0] == "start":
                starts.setdefault(int(f[1]), []).append((float(f[2]), float(f[3])))
        print("== start-up, %d runs each, medians" % args.runs)
        for what, i in (("visible", 0), ("input idle", 1)):
            floor = median([r[i] for r in starts[1]])
            row("korvane.exe to %s" % what, median([r[i] for r in starts[0]]), floor)
            if args.before:
                row("before: korvane.exe to %s" % what, median([r[i] for r in starts[2]]), floor)

        for exe_name, exe in [("korvane.exe", k.EXE)] + (
                [("before: korvane.exe", os.path.abspath(args.before))] if args.before else []):
            k.EXE = exe
            s.reset_settings()
            bare = start_programs(s)
            try:
                s.post(("command", k.ID_TEST))
                time.sleep(0.5)
                keys = {"k": [], "b": []}
                for f in probe(s, "keys", args.runs * 4):
                    keys[f[1]].append(float(f[2]))
                switches = {"k": [], "b": []}
                for f in probe(s, "switches", args.runs * 2):
                    switches[f[1]].append(float(f[2]))
                print("== %s, %d and %d runs, medians" % (exe_name, len(keys["k"]),
                                                           len(switches["k"])))
                row("key to display text", median(keys["k"]), median(keys["b"]))
                row("language switch, all reloaded", median(switches["k"]),
                    median(switches["b"]))
                print("%-34s %9.2f ms  frame     16.67 ms  ratio %5.2f" % (
                    "language switch against a frame", median(switches["k"]),
                    median(switches["k"]) / 16.67))
                if args.printing:
                    times = bench_print(s, max(3, args.runs // 3))
                    row("print listing, confirm to PDF", median(times["k"]), median(times["b"]))
            finally:
                s.kill_app()
                bare.kill()
                bare.wait(10)
        k.EXE = exes[0][1]


if __name__ == "__main__":
    main()
