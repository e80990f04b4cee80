#!/usr/bin/env python3
"""Runs random but well-formed scripts through the program and fails on any crash, sanitizer
report or hang.

usage: random_scripts.py PROGRAM [--seeds FIRST-LAST] [--commands N] [--timeout SECONDS]

Each seed always gives the same script. The generator keeps a rough account of the program's
state (how many windows are open, whether the New Segment dialog is open), so nearly every line
fits; the program runs with --keep-going, which skips a line that does not fit instead of
stopping. On a failure the seed, the failure and the shortest failing script found by removing
lines are printed, and the exit status is 1.
"""
import argparse
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

MENU_ITEMS = [
    "mnuNew", "mnuOpen", "mnuSave", "mnuSaveAs", "mnuClose", "mnuImport", "mnuPrint",
    "mnuUndo", "mnuCut", "mnuCopy", "mnuPaste", "mnuClear", "mnuClearall", "mnuEditselect",
    "mnuSelectall", "mnuFreehand", "mnuLine", "mnuInvert", "mnuMirror", "mnuAdd", "mnuSubtract",
    "mnuMultiply", "mnuAbsolute", "mnuExpand", "mnuSend", "mnuConfigure", "mnuChannel",
    "mnuCascade", "mnuTile", "mnuAbout", "mnuIndex", "mnuFile", "mnuEdit", "mnuWindow",
]
SHAPE_ITEMS = ["mnuSine", "mnuTriangle", "mnuSquare", "mnuRamp", "mnuDamped", "mnuExprise",
               "mnuExpfall", "mnuNoise", "mnuDc"]
SHAPE_NAMES = ["Sine", "Triangle", "Square", "Ramp", "Damped Sine", "Exp Rise", "Exp Fall",
               "Noise", "DC"]
FIELDS = ["Point", "Amplitude", "Offset", "Cycles", "Phase", "Duty", "Damp"]
KEYS = ["Ctrl+Z", "Ctrl+X", "Ctrl+C", "Ctrl+V", "Del", "Ctrl+A", "F1", "Ctrl+Q", "F5"]
SHOWS = ["state", "commands", "windows", "plot", "status", "system"]
# Files the folder holds before the script starts (see prepare_folder) and names it may create.
PATHS = ["wave.afc", "wave.csv", "wave.prn", "table.txt", "empty.afc", "junk.csv", "nan.afc",
         "fifo.afc", "fifo.csv", "folder.afc", "link.prn", "sub/deep.afc", "missing/x.afc",
         "new1.afc", "new2.csv", "new3.prn", "Untitled.afc", "a b.csv", "page.pdf", "notes"]
HOSTILE = [
    "", " ", "-", "+", ".", "e", "E5", "0", "-0", "1", "16", "15", "2000", "16383", "16384",
    "5.0004", "5.001", "-5.001", "350", "360", "2048", "2049", "100.5", "1e308", "-1e308",
    "1e-320", "NaN", "nan", "inf", "-inf", "0x10", "1,5", "1.5.5", "99999999999999999999999",
    "2147483648", "-2147483649", "\uff11\uff12", "\u0663", "%s%n%x", "' OR 1=1 --", "<b>x</b>",
    "\u202e123", "\U0001F600", "../../x", "A" * 300, "9" * 5000, "\t1",
]
COORDS = ["0", "512", "304", "-1", "513", "305", "-100000", "100000", "0.5", "1e6", "-1e6"]


def plot_coordinate(rng, limit):
    if rng.random() < 0.8:
        return str(round(rng.uniform(0, limit), rng.choice([0, 0, 2])))
    return rng.choice(COORDS)


class Generator:
    """Writes one script, keeping a rough account of the windows and the dialog."""

    def __init__(self, seed):
        self.rng = random.Random(seed)
        self.windows = 0
        self.lines = []

    def emit(self, line):
        self.lines.append(line)

    def maybe_answers(self):
        rng = self.rng
        if rng.random() < 0.5:
            self.emit("answer " + rng.choice(["yes", "no", "ok", "cancel"]))
        if rng.random() < 0.5:
            self.emit("choose " + (rng.choice(PATHS) if rng.random() < 0.85 else "cancel"))

    def file_command(self):
        rng = self.rng
        item = rng.choice(["mnuOpen", "mnuImport", "mnuSave", "mnuSaveAs", "mnuPrint"])
        self.emit("choose " + (rng.choice(PATHS) if rng.random() < 0.9 else "cancel"))
        if item in ("mnuSave", "mnuSaveAs") and rng.random() < 0.7:
            self.emit("answer " + rng.choice(["yes", "no"]))
        self.emit("menu " + item)
        if item in ("mnuOpen", "mnuImport") and self.windows < 5:
            self.windows += 1  # when the file reads; a guess either way

    def dialog_session(self):
        rng = self.rng
        self.emit("menu " + rng.choice(SHAPE_ITEMS))
        if self.windows == 0:
            return  # disabled without a document
        for _ in range(rng.randint(1, 12)):
            kind = rng.random()
            field = rng.choice(FIELDS)
            if kind < 0.35:
                self.emit("set txt%s %s" % (field, rng.choice(HOSTILE)))
            elif kind < 0.55:
                self.emit("leave txt" + field)
            elif kind < 0.7:
                self.emit("spin udn%s %s" % (field, rng.choice(["up", "down"])))
            elif kind < 0.8:
                self.emit("pick cboWaveForm " + rng.choice(SHAPE_NAMES))
            elif kind < 0.87:
                self.emit("set cboWaveForm " + rng.choice(HOSTILE + SHAPE_NAMES))
            elif kind < 0.92:
                self.emit("click cmdDefault")
            elif kind < 0.96:
                self.emit("show dialog")
            else:
                self.emit("answer ok")
        if rng.random() < 0.6:
            self.emit("click cmdOK")
        # Closes the dialog when OK did not (a field failed its check); skipped otherwise.
        self.emit("click cmdCancel")

    def plot_input(self):
        rng = self.rng
        kind = rng.choice(["press", "move", "release", "click", "dblclick", "drag", "key"])
        button = " " + rng.choice(["0", "1", "1", "1", "2", "4"]) if rng.random() < 0.4 else ""
        if kind == "key":
            self.emit("plot key %d" % rng.choice([46, 37, 38, 39, 40, 13, 27, rng.randint(0, 300)]))
        elif kind == "drag":
            self.emit("plot press %s %s%s" % (plot_coordinate(rng, 512), plot_coordinate(rng, 304), button))
            for _ in range(rng.randint(0, 6)):
                self.emit("plot move %s %s 1" % (plot_coordinate(rng, 512), plot_coordinate(rng, 304)))
            self.emit("plot release %s %s%s" % (plot_coordinate(rng, 512), plot_coordinate(rng, 304), button))
        elif kind in ("click", "dblclick") and rng.random() < 0.3:
            self.emit("plot " + kind)
        else:
            self.emit("plot %s %s %s%s" % (kind, plot_coordinate(rng, 512), plot_coordinate(rng, 304), button))

    def window_command(self):
        rng = self.rng
        kind = rng.random()
        if kind < 0.4:
            self.emit("window select Untitled Waveform Data %d" % rng.randint(1, 12))
        elif kind < 0.5:
            self.emit("window select " + rng.choice(PATHS).split("/")[-1])
        elif kind < 0.8:
            self.emit("window state " + rng.choice(["normal", "maximized", "minimized"]))
        else:
            self.maybe_answers()
            self.emit("window close" if rng.random() < 0.5 else "menu mnuClose")
            self.windows = max(self.windows - 1, 0)

    def show(self):
        rng = self.rng
        what = rng.choice(SHOWS + ["points"])
        if what != "points":
            self.emit("show " + what)
        else:
            start = rng.randint(0, 16383)
            self.emit(rng.choice(["show points", "show points %d" % start,
                                  "show points %d %d" % (start, min(start + rng.randint(0, 5), 16383))]))

    def command(self):
        rng = self.rng
        kind = rng.random()
        if kind < 0.12:
            self.emit("menu mnuNew")
            self.windows = min(self.windows + 1, 5)
        elif kind < 0.30:
            if self.windows:
                self.plot_input()
            else:
                self.emit("menu mnuNew")
                self.windows = 1
        elif kind < 0.40:
            self.maybe_answers()
            self.emit("menu " + rng.choice(MENU_ITEMS))
        elif kind < 0.48:
            self.dialog_session()
        elif kind < 0.58:
            self.maybe_answers()
            self.emit("button Toolbar1 %d" % rng.randint(1, 17))
        elif kind < 0.70:
            self.emit("button Toolbar2 %d" % rng.randint(1, 14))
        elif kind < 0.75:
            self.emit("key " + rng.choice(KEYS))
        elif kind < 0.82:
            self.file_command()
        elif kind < 0.90:
            if self.windows:
                self.window_command()
        elif kind < 0.97:
            self.show()
        else:
            self.emit("echo " + rng.choice(HOSTILE))

    def script(self, count):
        while len(self.lines) < count:
            self.command()
        if self.rng.random() < 0.5:
            self.emit("frame close")
        return self.lines


def prepare_folder(folder):
    """The files the script's paths name: good, damaged and not files at all."""
    def put(name, data):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
    end = b"\x00\xc0\x79\x44"
    put("wave.afc", b"\x00\x00\x80\x3f" * 50 + end)
    put("wave.csv", b"".join(b"%d,%f\r" % (i, (i % 40) / 10 - 2) for i in range(300)))
    put("wave.prn", b"".join(b"%d\t%f\r" % (i, -(i % 7)) for i in range(100)))
    put("table.txt", b"Time, Volts\r0,1\r1\t-2\r3")
    put("empty.afc", b"")
    put("junk.csv", bytes(range(256)) * 8)
    put("nan.afc", b"\x00\x00\x80\x3f\x00\x00\xc0\x7f" + end)
    os.mkfifo(os.path.join(folder, "fifo.afc"))
    os.mkfifo(os.path.join(folder, "fifo.csv"))
    os.mkdir(os.path.join(folder, "folder.afc"))
    os.mkdir(os.path.join(folder, "sub"))
    os.symlink("wave.prn", os.path.join(folder, "link.prn"))
    os.mkdir(os.path.join(folder, "config"))
    os.mkdir(os.path.join(folder, "runtime"), 0o700)


SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                   "ThreadSanitizer", "SUMMARY: UndefinedBehaviorSanitizer")


def run(program, lines, timeout):
    """Runs a script in a fresh folder: None when it passed, else what went wrong; and how many
    lines the program skipped as not fitting."""
    with tempfile.TemporaryDirectory(prefix="tolvenar-random-") as folder:
        prepare_folder(folder)
        script = os.path.join(folder, "script.tlv")
        with open(script, "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
                   XDG_RUNTIME_DIR=os.path.join(folder, "runtime"),
                   TOLVENAR_CONFIG_DIR=os.path.join(folder, "config"))
        # No real serial port is touched: a download there would run for the line's time.
        for port in range(1, 5):
            env["TOLVENAR_COM%d" % port] = os.path.join(folder, "no-port-%d" % port)
        try:
            done = subprocess.run([program, "--script", script, "--keep-going"], cwd=folder,
                                  env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.PIPE, timeout=timeout)
        except subprocess.TimeoutExpired:
            return "hang: no end after %d s" % timeout, 0
    errors = done.stderr.decode("utf-8", "replace")
    skipped = errors.count("script error at line")
    if any(mark in errors for mark in SANITIZER_MARKS):
        return "sanitizer report (status %d):\n%s" % (done.returncode, errors[-6000:]), skipped
    if done.returncode < 0:
        return "crash: %s\n%s" % (signal.Signals(-done.returncode).name, errors[-6000:]), skipped
    if done.returncode not in (0, 2):
        return "exit status %d:\n%s" % (done.returncode, errors[-6000:]), skipped
    return None, skipped


def kind_of(failure):
    return failure.split(" ", 1)[0] if failure else None


def shorten(program, lines, failure, timeout, budget):
    """Removes runs of lines, halving their length, while the same kind of failure stays."""
    deadline = time.monotonic() + budget
    chunk = max(len(lines) // 2, 1)
    while chunk >= 1 and time.monotonic() < deadline:
        start, removed = 0, False
        while start < len(lines) and time.monotonic() < deadline:
            candidate = lines[:start] + lines[start + chunk:]
            result, _ = run(program, candidate, timeout)
            if candidate and kind_of(result) == kind_of(failure):
                lines, failure, removed = candidate, result, True
            else:
                start += chunk
        if not removed:
            chunk //= 2
    return lines, failure


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("program")
    parser.add_argument("--seeds", default="1-20", help="FIRST-LAST (default 1-20)")
    parser.add_argument("--commands", type=int, default=500, help="lines per script (default 500)")
    parser.add_argument("--timeout", type=int, default=30, help="seconds before a run is a hang")
    parser.add_argument("--shorten-seconds", type=int, default=300,
                        help="time spent shortening a failing script (default 300)")
    args = parser.parse_args()
    args.program = os.path.abspath(args.program)  # each run starts in its own folder
    first, _, last = args.seeds.partition("-")
    seeds = range(int(first), int(last or first) + 1)
    total = skipped = 0
    for seed in seeds:
        lines = Generator(seed).script(args.commands)
        total += len(lines)
        failure, misfits = run(args.program, lines, args.timeout)
        skipped += misfits
        if failure:
            print("random script %d failed: %s" % (seed, failure))
            short, failure = shorten(args.program, lines, failure, args.timeout, args.shorten_seconds)
            print("shortest failing script found (%d of %d lines):" % (len(short), len(lines)))
            print("\n".join(short))
            print("--- which fails with: %s" % failure)
            print("rerun: %s %s --seeds %d --commands %d" % (sys.argv[0], args.program, seed, args.commands))
            return 1
    print("random scripts: seeds %d-%d, %d lines (%d skipped as not fitting the state), "
          "no crash, sanitizer report or hang" % (seeds[0], seeds[-1], total, skipped))
    return 0


if __name__ == "__main__":
    sys.exit(main())
