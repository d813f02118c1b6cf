"""A CUPS printer queue that writes PDF files into a folder of the test's
choosing, made the system default so that Wine offers it as the default
printer. Starts the CUPS scheduler when none runs, and undoes exactly what it
did: the queue, its configuration file, the default printer and the scheduler
it started.

    queue = cups_pdf.start("/path/to/out")      # Letter, 300 dpi
    ...print...
    pdfs = cups_pdf.wait_for_pdfs(queue, 1)
    cups_pdf.stop(queue)

Command line, for trying things by hand:
    cups_pdf.py start DIR      prints the state as JSON
    cups_pdf.py stop STATE_JSON
"""

import glob
import json
import os
import signal
import subprocess
import sys
import time

PPD = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"
CONF_DIR = "/etc/cups"


def _run(*args, check=True):
    return subprocess.run(list(args), stdin=subprocess.DEVNULL, capture_output=True,
                          text=True, timeout=60, check=check)


def scheduler_running():
    try:
        return "scheduler is running" in _run("lpstat", "-r", check=False).stdout
    except (OSError, subprocess.TimeoutExpired):
        return False


def _default_printer():
    out = _run("lpstat", "-d", check=False).stdout
    marker = "system default destination:"
    if marker in out:
        return out.split(marker, 1)[1].strip()
    return None


def start(out_dir, name="KorvanePDF", page_size="Letter", default=True):
    """Starts the scheduler if needed and adds the queue; returns its state.
    Without default the system's default printer stays as it is: Wine then
    offers the queue first when the program's environment names it in
    PRINTER."""
    out_dir = os.path.abspath(out_dir)
    os.makedirs(out_dir, exist_ok=True)
    os.chmod(out_dir, 0o1777)
    state = {"name": name, "out_dir": out_dir, "cupsd_pid": None,
             "previous_default": None, "conf": os.path.join(CONF_DIR, "cups-pdf-%s.conf" % name)}
    if not scheduler_running():
        os.makedirs("/run/cups", exist_ok=True)
        cupsd = subprocess.Popen(["cupsd", "-f"], stdin=subprocess.DEVNULL,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                 start_new_session=True)
        state["cupsd_pid"] = cupsd.pid
        deadline = time.time() + 15
        while not scheduler_running():
            if cupsd.poll() is not None or time.time() > deadline:
                stop(state)
                raise RuntimeError("cupsd did not start")
            time.sleep(0.1)
    state["previous_default"] = _default_printer() if default else None
    with open(state["conf"], "w") as conf:
        conf.write("Out %s\nAnonDirName %s\nLabel 0\n" % (out_dir, out_dir))
    _run("lpadmin", "-p", name, "-E", "-v", "cups-pdf:/" + name, "-P", PPD,
         "-o", "PageSize=" + page_size, "-o", "Resolution=300dpi")
    if default:
        _run("lpadmin", "-d", name)
    return state


def pdfs(state):
    """The PDF files of the queue's folder, oldest first."""
    files = glob.glob(os.path.join(state["out_dir"], "*.pdf"))
    return sorted(files, key=lambda f: (os.path.getmtime(f), f))


def wait_for_pdfs(state, count, timeout=20.0, settle=0.3):
    """Waits until the folder holds at least count PDF files that have stopped
    growing; returns them oldest first (possibly fewer on timeout)."""
    deadline = time.time() + timeout
    while True:
        files = pdfs(state)
        if len(files) >= count:
            sizes = [os.path.getsize(f) for f in files]
            time.sleep(settle)
            if [os.path.getsize(f) for f in files] == sizes and all(sizes):
                return files
        if time.time() > deadline:
            return files
        time.sleep(0.1)


def stop(state):
    """Removes the queue and its file, restores the default printer, and stops
    the scheduler if start() started it."""
    name = state["name"]
    if scheduler_running():
        _run("lpadmin", "-x", name, check=False)
        if state.get("previous_default") and state["previous_default"] != name:
            _run("lpadmin", "-d", state["previous_default"], check=False)
    try:
        os.remove(state["conf"])
    except FileNotFoundError:
        pass
    pid = state.get("cupsd_pid")
    if pid:
        try:
            os.kill(pid, signal.SIGTERM)
        except ProcessLookupError:
            return
        deadline = time.time() + 10
        while time.time() < deadline:
            try:
                done, _ = os.waitpid(pid, os.WNOHANG)
            except ChildProcessError:
                done = pid if not os.path.exists("/proc/%d" % pid) else 0
            if done:
                break
            time.sleep(0.1)
        else:
            os.kill(pid, signal.SIGKILL)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "start":
        print(json.dumps(start(sys.argv[2])))
    elif len(sys.argv) == 3 and sys.argv[1] == "stop":
        stop(json.loads(sys.argv[2]))
    else:
        sys.exit(__doc__)
