#!/usr/bin/python3
"""Wine-side benchmark of korvane.exe, each figure beside its floor measured
in the same run (not a test: it prints, it does not judge).

    flock /tmp/korvane-heavy.lock /usr/bin/python3 bench/wine_bench.py [--runs N]
        [--before OLD/korvane.exe] [--print] [--before-profile OLD/startup_profile_wine.exe]
        [--parts startup,interaction,profile,requests]

On its own Xvfb display and Wine prefix (<build>/wine-bench), with the MinGW
tree built (scripts/build.sh win):
  start-up  korvane.exe and bench/bare_window_wine.exe (the same DLL imports,
            one window) started in turn by the probe: to the main window
            visible, and to input idle (WaitForInputIdle)
  key       a posted Down or Up key to the last of the ten test displays
            holding its new text; floor: the bare window replacing its text
  switch    the posted language command until the last window the change is
            posted to (the options module's last check box) has reloaded its
            label, so every window has handled its language-changed message,
            and every visible window holds a face bitmap it did not hold
            before (faces load when painted); floor: the same round trip to
            the bare window
  print     (--print, needs root for CUPS) the confirm key (Return) in the
            printer dialog of the 100-question listing to its PDF on disk;
            floor: the bare window printing one line on one page
  profile   bench/startup_profile_wine.exe: start-up's own steps in-process,
            each with its time, bitmaps loaded, tooltip tools added and windows
            made (medians); --before-profile runs an older build's in turn
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
# The program's print dialog in either language: the switches leave either.
DIALOG_TITLES = ("Print test", "Imprimer test")


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


def bench_print(s, queue, runs, times):
    """The confirm key of the printer dialog to the PDF on disk, korvane.exe's
    listing and the bare page in turn."""
    import cups_pdf
    import print_e2e as pdf
    pdf.DISPLAY = s.display
    for _ in range(runs):
        for tag in ("k", "b"):
            before = cups_pdf.pdfs(queue)
            if tag == "k":
                probe(s, "post", "ZEB_TestWindowClass", k.ID_PRINT)
                k.wait_until(lambda: any(probe(s, "dialogcommand", title, 1004)[0][1] == "1"
                                         for title in DIALOG_TITLES), 10, 0.1, "the print dialog")
            else:
                probe(s, "post", BARE_CLASS, k.ID_PRINT)
            pressed = pdf.printer_dialog("Return")
            made = pdf.new_pdfs(queue, before, 1, timeout=30)
            # The PDF's modification time: when cups-pdf finished writing it.
            if pressed and made:
                times[tag].append((os.path.getmtime(made[0]) - pressed) * 1000)
            if tag == "k":
                for title in DIALOG_TITLES:
                    probe(s, "dialogcommand", title, 1003)
                k.wait_until(lambda: not s.dialogs(), 10, 0.2, "the print dialog to close")


def start_up(s, args):
    exes = [("ZEB_MainWindowClass", k.EXE), (BARE_CLASS, BARE)]
    if args.before:
        exes.append(("ZEB_MainWindowClass", os.path.abspath(args.before)))
    flat = [x for pair in exes for x in pair]
    s.reset_settings()
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


def interaction(s, args, queue):
    """Keys, switches and printing; with --before the two builds take turns,
    two sessions each."""
    exes = [("korvane.exe", k.EXE)]
    if args.before:
        exes.append(("before: korvane.exe", os.path.abspath(args.before)))
    figures = {name: {"key": {"k": [], "b": []}, "switch": {"k": [], "b": []},
                      "print": {"k": [], "b": []}} for name, _ in exes}
    main_exe = k.EXE
    for _ in range(2):
        for name, exe in exes:
            k.EXE = exe
            s.reset_settings()
            bare = start_programs(s)
            f = figures[name]
            try:
                s.post(("command", k.ID_TEST))
                time.sleep(0.5)
                for line in probe(s, "keys", args.runs * 2):
                    if line[0] == "key":
                        f["key"][line[1]].append(float(line[2]))
                    else:
                        print(name, *line)
                for line in probe(s, "switches", args.runs):
                    if line[0] == "switch":
                        f["switch"][line[1]].append(float(line[2]))
                    else:
                        print(name, *line)
                if queue:
                    bench_print(s, queue, max(2, args.runs // 6), f["print"])
            finally:
                s.kill_app()
                bare.kill()
                bare.wait(10)
    k.EXE = main_exe
    for name, _ in exes:
        f = figures[name]
        print("== %s, medians of %d keys, %d switches, %d print jobs" % (
            name, len(f["key"]["k"]), len(f["switch"]["k"]), len(f["print"]["k"])))
        row("key to display text", median(f["key"]["k"]), median(f["key"]["b"]))
        row("language switch, all reloaded", median(f["switch"]["k"]), median(f["switch"]["b"]))
        print("%-34s %9.2f ms  frame     16.67 ms  ratio %5.2f" % (
            "language switch against a frame", median(f["switch"]["k"]),
            median(f["switch"]["k"]) / 16.67))
        if queue:
            row("print listing, confirm to PDF", median(f["print"]["k"]), median(f["print"]["b"]))


def profile(s, args):
    profiles = [("now", os.path.join(BENCH, "startup_profile_wine.exe"))]
    if args.before_profile:
        profiles.append(("before", os.path.abspath(args.before_profile)))
    steps = {}
    for _ in range(args.runs):
        for name, exe in profiles:
            s.reset_settings()
            for line in k.run([k.WINE, exe], timeout=120, env=s.env).splitlines():
                f = line.split()
                if len(f) >= 8 and f[0] == "step":
                    steps.setdefault(name, {}).setdefault(f[1], []).append(
                        [float(v) for v in f[2:8]])
    for name, _ in profiles:
        print("== start-up profile (%s), medians of %d runs: ms, share of the total, "
              "bitmaps, tools, windows, ms loading bitmaps, ms adding tools" % (name, args.runs))
        total = median([r[0] for r in steps[name]["total"]])
        for step, rows in steps[name].items():
            ms = median([r[0] for r in rows])
            share = ("   -   " if step.startswith(("switch", "back"))
                     else "%5.1f %%" % (100 * ms / total))
            print("  %-26s %8.2f  %s  %3d %3d %3d  %6.2f  %6.2f" % (
                step, ms, share, rows[0][1], rows[0][2], rows[0][3],
                median([r[4] for r in rows]), median([r[5] for r in rows])))


def server_requests(s, args):
    """One profile run with the Wine server tracing every request: the
    requests of the program's thread counted by kind, for each step (a step
    ends where the profile looks up an atom named after it)."""
    import collections
    import re
    trace_path = os.path.join(s.artifacts, "server-trace.txt")
    k.run([k.WINESERVER, "-k"], timeout=30, env=s.env, check=False)
    k.run([k.WINESERVER, "-w"], timeout=30, env=s.env, check=False)
    with open(trace_path, "w") as trace:
        subprocess.Popen([k.WINESERVER, "-p60", "-d1"], env=s.env, stdin=subprocess.DEVNULL,
                         stdout=trace, stderr=trace, start_new_session=True)
        time.sleep(0.5)
        s.reset_settings()
        env = dict(s.env, KORVANE_STEP_MARKS="1")
        k.run([k.WINE, os.path.join(BENCH, "startup_profile_wine.exe")], timeout=300, env=env)
    k.run([k.WINESERVER, "-k"], timeout=30, env=s.env, check=False)
    k.run([k.WINESERVER, "-w"], timeout=30, env=s.env, check=False)
    s.start_server()
    request = re.compile(r"^([0-9a-f]{4}): (\w+)\(")
    marker = re.compile(r'find_atom\(.*name=L"([\w-]+)"')
    lines = open(trace_path, errors="replace").read().splitlines()
    thread = None
    for line in lines:
        m = marker.search(line)
        if m and m.group(1) == "common-controls":
            thread = line[:4]
    counts, step = collections.OrderedDict(), collections.Counter()
    for line in lines:
        m = request.match(line)
        if not m or m.group(1) != thread or ") = " in line:
            continue
        mark = marker.search(line)
        if mark:
            counts[mark.group(1)] = step
            step = collections.Counter()
        else:
            step[m.group(2)] += 1
    for name, c in counts.items():
        print("== requests in %-26s %5d: %s" % (name, sum(c.values()), ", ".join(
            "%s %d" % kv for kv in c.most_common(12))))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--before", help="an older korvane.exe, measured in the same rounds")
    parser.add_argument("--print", action="store_true", dest="printing")
    parser.add_argument("--before-profile", help="an older startup_profile_wine.exe")
    parser.add_argument("--parts", default="startup,interaction,profile",
                        help="which parts to run, comma-separated")
    args = parser.parse_args()
    parts = args.parts.split(",")

    s = k.Session("bench")
    s.prefix = os.path.join(k.BUILD_DIR, "wine-bench")
    with s:
        if "startup" in parts:
            start_up(s, args)
        queue = None
        if args.printing and "interaction" in parts:
            sys.path.insert(0, os.path.join(ROOT, "tests", "print"))
            import cups_pdf
            # Wine offers a queue only to programs started after it exists.
            queue = cups_pdf.start(os.path.join(s.artifacts, "pdf"), name="KorvaneBenchPDF")
        try:
            if "interaction" in parts:
                interaction(s, args, queue)
        finally:
            if queue:
                cups_pdf.stop(queue)
        if "profile" in parts:
            profile(s, args)
        if "requests" in parts:
            server_requests(s, args)


if __name__ == "__main__":
    main()
