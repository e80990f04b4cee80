#!/usr/bin/env python3
"""Runs random but well-formed scripts through the program: a crash, sanitizer report or hang fails.

Each seed always gives the same script. The generator keeps a rough account of the program's
state (the windows and dialogs open), so nearly every line fits; the program runs with
--keep-going, which skips a line that does not fit. A failure prints the seed, the failure and the
script, and the exit status is 1.
"""
import argparse
import os
import random
import re
import signal
import subprocess
import sys
import tempfile

# The menu items that open no dialog; the others open theirs through OPENERS.
MENU_ITEMS = """mnuNew mnuOpen mnuSave mnuSaveAs mnuClose mnuImport mnuPrint mnuUndo mnuCut mnuCopy mnuPaste
    mnuClear mnuClearall mnuEditselect mnuSelectall mnuFreehand mnuLine mnuInvert mnuMirror mnuAbsolute
    mnuExpand mnuSend mnuCascade mnuTile mnuAbout mnuIndex mnuFile mnuEdit mnuWindow""".split()
SHAPE_ITEMS = "mnuSine mnuTriangle mnuSquare mnuRamp mnuDamped mnuExprise mnuExpfall mnuNoise mnuDc".split()
SHAPE_NAMES = ["Sine", "Triangle", "Square", "Ramp", "Damped Sine", "Exp Rise", "Exp Fall",
               "Noise", "DC"]
FIELDS = ["Point", "Amplitude", "Offset", "Cycles", "Phase", "Duty", "Damp"]
KEYS = ["Ctrl+Z", "Ctrl+X", "Ctrl+C", "Ctrl+V", "Del", "Ctrl+A", "F1", "Ctrl+Q", "F5"]
SHOWS = ["state", "commands", "windows", "slots", "plot", "status", "system"]
# Files the folder holds before the script starts (see prepare_folder) and names it may create.
PATHS = ["wave.afc", "wave.csv", "wave.prn", "table.txt", "empty.afc", "junk.csv", "nan.afc",
         "fifo.afc", "fifo.csv", "folder.afc", "link.prn", "sub/deep.afc", "missing/x.afc",
         "new1.afc", "new2.csv", "new3.prn", "Untitled.afc", "a b.csv", "page.pdf", "notes",
         "shot.png", "shot.svg"]
HOSTILE = ["", " ", "-", "+", ".", "e", "E5", "0", "-0", "1", "16", "15", "2000", "16383", "16384",
           "5.0004", "5.001", "-5.001", "350", "360", "2048", "2049", "100.5", "1e308", "-1e308",
           "1e-320", "NaN", "nan", "inf", "-inf", "0x10", "1,5", "1.5.5", "99999999999999999999999",
           "2147483648", "-2147483649", "\uff11\uff12", "\u0663", "%s%n%x", "' OR 1=1 --", "<b>x</b>",
           "\u202e123", "\U0001F600", "../../x", "A" * 300, "9" * 5000, "\t1"]
# A {NAME} in a dialog's line takes one of CHOICES[NAME].
CHOICES = dict(hostile=HOSTILE, field=FIELDS, shape=SHAPE_NAMES, updown=["up", "down"], picture="123",
               port="1234", rate=["2400", "4800", "9600", "19200"], points=HOSTILE + ["1", "17", "2000"],
               level=["Peak", "Gain", "Offset"], side=["Source", "Result"],
               expression=HOSTILE + ["5*sin(2*pi*t)", "n/N", "1/(n-3)", "sqrt(-1)", "t*", "9e99*t", "sin(",
                                     "x", "exp(1000*t)", "square(t*4)*2"])
# Each dialog: the lines worked in it (repeated for a larger share), its OK, whether OK surely closes
# it, and the button that closes it whatever went before. No instrument answers here, so the
# instrument dialogs' OK leaves them open.
DIALOGS = {
    "New Segment": (["set txt{field} {hostile}"] * 7 + ["leave txt{field}"] * 4 +
                    ["spin udn{field} {updown}"] * 3 + ["pick cboWaveForm {shape}"] * 2 +
                    ["set cboWaveForm {hostile}", "set cboWaveForm {shape}", "click cmdDefault",
                     "show dialog", "answer ok"], "click cmdOK", True, "click cmdCancel"),
    # Add, Subtract and Multiply: the Standard Wave option opens the New Segment dialog within.
    "combine": (["click optWave"] * 3 + ["click cmdRedo", "show dialog", "show picture Picture{picture}"],
                "click cmdOk", True, "click cmdCancel"),
    "Equation": (["set txtExpression {expression}"] * 3 + ["set txtPoint {points}"] * 2 +
                 ["show dialog", "show picture picPreview"], "click cmdOK", False, "click cmdCancel"),
    "Setting Interface": (["click opRS", "click opGPIB", "click opGpibHp", "pick cboSerialPort COM{port}",
                           "pick cboRate {rate} BPS", "set cboRate {hostile}", "set cboSerialPort {hostile}",
                           "click opAdapter", "set cboAdapter {hostile}", "set txtAddress {hostile}",
                           "show dialog", "click cmdOk"], "click cmdOk", False, "click cmdCancel"),
    "Channel Setting": (["click OptCh1", "click OptCh2", "show dialog", "click OKButton"],
                        "click OKButton", False, "click CancelButton"),
    "Import Waveform": (["click optAsRead", "click optResample", "click optVolts", "click optPeak", "click optGain",
                         "set txtPoints {points}", "set txt{level} {hostile}", "set cboChannel {hostile}",
                         "pick cboChannel Column 1", "show dialog", "show picture pic{side}"],
                        "click cmdOK", False, "click cmdCancel"),
}
OPENERS = dict({item: "New Segment" for item in SHAPE_ITEMS}, mnuAdd="combine", mnuSubtract="combine",
               mnuMultiply="combine", mnuEquation="Equation", mnuConfigure="Setting Interface",
               mnuImportWaveform="Import Waveform",
               mnuChannel="Channel Setting")
COORDS = ["0", "512", "304", "-1", "513", "305", "-100000", "100000", "0.5", "1e6", "-1e6"]


def plot_point(rng):
    """X and Y in plot units, now and then outside the plot or in an odd form."""
    return " ".join(str(round(rng.uniform(0, limit), rng.choice([0, 0, 2]))) if rng.random() < 0.8
                    else rng.choice(COORDS) for limit in (512, 304))


class Generator:
    """Writes one script, keeping a rough account of the windows and the dialogs open."""

    def __init__(self, seed):
        self.rng, self.windows, self.lines = random.Random(seed), 0, []

    def emit(self, *lines):
        self.lines.extend(lines)

    def new_window(self):
        self.emit("menu mnuNew")
        self.windows = min(self.windows + 1, 5)  # beyond five, a message and no window

    def maybe_answers(self):
        rng = self.rng
        if rng.random() < 0.5:
            self.emit("answer " + rng.choice(["yes", "no", "ok", "cancel"]))
        if rng.random() < 0.5:
            self.emit("choose " + (rng.choice(PATHS) if rng.random() < 0.85 else "cancel"))

    def file_command(self):
        rng = self.rng
        item = rng.choice(["mnuOpen", "mnuImport", "mnuSave", "mnuSaveAs", "mnuPrint", "mnuExportImage"])
        self.emit("choose " + (rng.choice(PATHS) if rng.random() < 0.9 else "cancel"))
        if item in ("mnuSave", "mnuSaveAs", "mnuExportImage") and rng.random() < 0.7:
            self.emit("answer " + rng.choice(["yes", "no"]))
        self.emit("menu " + item)
        if item in ("mnuOpen", "mnuImport") and self.windows < 5:
            self.windows += 1  # when the file reads; a guess either way

    def dialog_session(self):
        rng = self.rng
        item = rng.choice(list(OPENERS))
        if item not in ("mnuConfigure", "mnuChannel") and self.windows == 0:
            self.new_window()  # the Waveforms and Math items need a document
        if OPENERS[item] == "combine":  # and the Math items a selection
            start = rng.randint(0, 512)
            self.emit("select %d %d" % (start, min(start + rng.randint(0, 300), 512)))
        if item == "mnuImportWaveform":  # mostly a table that reads
            self.emit("choose " + rng.choice(["wave.csv", "wave.prn", "table.txt", rng.choice(PATHS)]))
        self.emit("menu " + item)
        self.work_dialog(OPENERS[item])

    def work_dialog(self, name):
        """Works the open dialog and closes it. The script cannot see whether OK closed it, so
        the dialog's Cancel follows unless OK always closes it. Returns whether OK was clicked."""
        rng = self.rng
        lines, ok, ok_closes, cancel = DIALOGS[name]
        wave = False  # the combine dialog has its standard wave
        for _ in range(rng.randint(0, 10)):
            line = re.sub(r"\{(\w+)\}", lambda m: rng.choice(CHOICES[m.group(1)]), rng.choice(lines))
            self.emit(line)
            if line == "click optWave" and not wave:
                wave = self.work_dialog("New Segment")
            wave = wave and line != "click cmdRedo"
        clicked = rng.random() < 0.6
        if clicked:
            self.emit(ok)
        if not (clicked and ok_closes):
            self.emit(cancel)  # skipped when OK closed the dialog after all
        return clicked

    def plot_input(self):
        rng = self.rng
        kind = rng.choice(["press", "move", "release", "click", "dblclick", "drag", "key", "point", "detail"])
        button = " " + rng.choice("011124") if rng.random() < 0.4 else ""
        if kind == "detail":  # the detail view: its zoom, its table and the mouse on it
            at = "%d %d" % (rng.randint(-20, 1100), rng.randint(-20, 400))
            self.emit(rng.choice(["detail show", "detail hide", "detail fit", "show detail",
                                  "detail zoom %d %d" % (rng.randint(-5, 16390), rng.randint(-5, 16390)),
                                  "detail goto %d" % rng.randint(-5, 16390)] +
                                 ["detail %s %s%s" % (what, at, rng.choice(["", " shift", " ctrl"]))
                                  for what in ("press", "move", "move", "release")]))
        elif kind == "point":  # a point typed in, at any index
            self.emit("point set %d %s" % (rng.randint(-2, 16385), rng.choice(HOSTILE + ["-5", "5", "1.5"])))
        elif kind == "key":
            self.emit("plot key %d" % rng.choice([46, 37, 38, 39, 40, 13, 27, rng.randint(0, 300)]))
        elif kind == "drag":
            self.emit("plot press %s%s" % (plot_point(rng), button),
                      *("plot move %s 1" % plot_point(rng) for _ in range(rng.randint(0, 6))),
                      "plot release %s%s" % (plot_point(rng), button))
        elif kind in ("click", "dblclick") and rng.random() < 0.3:
            self.emit("plot " + kind)
        else:
            self.emit("plot %s %s%s" % (kind, plot_point(rng), button))

    def window_command(self):
        rng = self.rng
        if rng.random() < 0.8:
            self.emit(rng.choice(["window select Untitled Waveform Data %d" % rng.randint(1, 12)] * 4 +
                                 ["window select " + rng.choice(PATHS).split("/")[-1]] +
                                 ["window state " + rng.choice(["normal", "maximized", "minimized"])] * 3))
        else:
            self.maybe_answers()
            self.emit(rng.choice(["window close", "menu mnuClose"]))
            self.windows = max(self.windows - 1, 0)

    def show(self):
        start = self.rng.randint(0, 16383)
        self.emit(self.rng.choice(["show " + what for what in SHOWS] + [
            "show points", "show points %d" % start, "show points %d %d" % (start, min(start + 5, 16383))]))

    def command(self):
        rng = self.rng
        kind = rng.random()
        if kind < 0.12 or kind < 0.30 and not self.windows:
            self.new_window()
        elif kind < 0.30:
            self.plot_input()
        elif kind < 0.50:
            self.maybe_answers()
            self.emit("menu " + rng.choice(MENU_ITEMS) if kind < 0.40
                      else "button Toolbar1 %d" % rng.randint(1, 17))
        elif kind < 0.58:
            self.dialog_session()
        elif kind < 0.75:
            self.emit("button Toolbar2 %d" % rng.randint(1, 14) if kind < 0.70 else "key " + rng.choice(KEYS))
        elif kind < 0.82:
            self.file_command()
        elif kind < 0.90 and self.windows:
            self.window_command()
        elif kind < 0.97:
            self.show()
        else:
            self.emit("echo " + rng.choice(HOSTILE))

    def script(self, count):
        while len(self.lines) < count:
            self.command()
        return self.lines + ["frame close"] * (self.rng.random() < 0.5)


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
    for name in ("fifo.afc", "fifo.csv"):
        os.mkfifo(os.path.join(folder, name))
    for name in ("folder.afc", "sub", "config", "runtime"):
        os.mkdir(os.path.join(folder, name), 0o700)  # private, as XDG_RUNTIME_DIR must be
    os.symlink("wave.prn", os.path.join(folder, "link.prn"))


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
        # No real serial port or IEEE-488 card is touched: each names a file that is not there.
        devices = ["COM1", "COM2", "COM3", "COM4", "GPIB_LIBRARY", "SICL_LIBRARY"]
        env.update({"TOLVENAR_" + name: os.path.join(folder, "no-" + name) for name in devices})
        try:
            done = subprocess.run([program, "--script", script, "--keep-going"], cwd=folder,
                                  env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.PIPE, timeout=timeout)
        except subprocess.TimeoutExpired:
            return "hang: no end after %d s" % timeout, []
    errors = done.stderr.decode("utf-8", "replace")
    skipped = re.findall(r"^script error at line \d+: (.*)$", errors, re.M)
    if any(mark in errors for mark in SANITIZER_MARKS):
        return "sanitizer report (status %d):\n%s" % (done.returncode, errors[-6000:]), skipped
    if done.returncode < 0:
        return "crash: %s\n%s" % (signal.Signals(-done.returncode).name, errors[-6000:]), skipped
    if done.returncode not in (0, 2):
        return "exit status %d:\n%s" % (done.returncode, errors[-6000:]), skipped
    return None, skipped


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("program")
    parser.add_argument("--seeds", default="1-20", help="FIRST-LAST (default 1-20)")
    parser.add_argument("--commands", type=int, default=500, help="lines per script (default 500)")
    parser.add_argument("--timeout", type=int, default=30, help="seconds before a run is a hang")
    args = parser.parse_args()
    args.program = os.path.abspath(args.program)  # each run starts in its own folder
    first, _, last = args.seeds.partition("-")
    seeds = range(int(first), int(last or first) + 1)
    total, skipped = 0, []
    for seed in seeds:
        lines = Generator(seed).script(args.commands)
        total += len(lines)
        failure, misfits = run(args.program, lines, args.timeout)
        skipped += misfits
        if failure:
            print("random script %d failed: %s" % (seed, failure), "--- the script:", *lines, sep="\n")
            print("rerun: %s %s --seeds %d --commands %d" % (sys.argv[0], args.program, seed, args.commands))
            return 1
    share = 100 * len(skipped) / max(total, 1)
    print("random scripts: seeds %d-%d, %d lines, %d skipped as not fitting the state (%.1f%%); no crash, "
          "sanitizer report or hang" % (seeds[0], seeds[-1], total, len(skipped), share))
    return 0


if __name__ == "__main__":
    sys.exit(main())
