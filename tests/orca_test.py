#!/usr/bin/python3
"""What Orca says as a blind player uses the board: the program and Orca under Xvfb and openbox, on
a private D-Bus session, keys sent with xdotool, the speech read from Orca's debug file.
Usage: orca_test.py PROGRAM [--show]
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

# Orca without its launcher, which looks for the user's other Orca processes and will not start
# beside them; and without a speech server, so that it only writes down what it says.
ORCA = """
import sys
from orca import debug, speech
debug.debugLevel, debug.eventDebugLevel = debug.LEVEL_ALL, debug.LEVEL_OFF
debug.debugFile = open(sys.argv[2], "w", buffering=1)
speech._initSpeechServer = lambda module, info: None
from orca import orca
orca.getSettingsManager().activate(sys.argv[1], {})
sys.exit(orca.main())
"""


def wait_until(condition, timeout=30):
    end = time.monotonic() + timeout
    while not condition() and time.monotonic() < end:
        time.sleep(0.1)
    return condition()


def succeeds(*command):
    return subprocess.run(command, capture_output=True, text=True).returncode == 0


if os.environ.get("QUARN_INSIDE_ORCA_SESSION") != "1":
    # An X server on a display number it picks itself, and then a D-Bus session of our own.
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp", "-noreset"], pass_fds=[write],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    # The program on it too, whatever platform the caller's environment names.
    os.environ.update(DISPLAY=":" + os.fdopen(read).readline().strip(),
                      QUARN_INSIDE_ORCA_SESSION="1", QT_QPA_PLATFORM="xcb")
    os.environ.pop("WAYLAND_DISPLAY", None)
    try:
        if not wait_until(lambda: succeeds("xdotool", "getdisplaygeometry"), 10):
            sys.exit("orca_test: Xvfb did not start")
        sys.exit(subprocess.run(["dbus-run-session", "--", "/usr/bin/python3", __file__]
                                + sys.argv[1:]).returncode)
    finally:
        server.terminate()
        server.wait(timeout=10)

failures = []
work = tempfile.mkdtemp(prefix="quarn-orca-")
log_path = os.path.join(work, "orca-debug.txt")


def check(condition, what, heard=None):
    print(("ok      " if condition else "FAILED  ") + what + ("" if condition else f": {heard}"))
    failures.extend([] if condition else [what])


def spoken():
    """Everything Orca has said so far, in order."""
    if not os.path.exists(log_path):
        return []
    with open(log_path, errors="replace") as log:
        return re.findall(r"SPEECH OUTPUT: '(.*)' ?\{.*\}$", log.read(), re.MULTILINE)


def settle(before, quiet=0.8):
    """What Orca says from now until it has been quiet for a while (12 s at most)."""
    heard, since, end = spoken()[before:], time.monotonic(), time.monotonic() + 12
    while time.monotonic() - since < quiet and time.monotonic() < end:
        time.sleep(0.1)
        if (now := spoken()[before:]) != heard:
            heard, since = now, time.monotonic()
    return heard


def say(*keys, quiet=0.8):
    """Presses the keys as a person would; what Orca said in answer, less its echo of the keys."""
    before = len(spoken())
    for key in keys:
        subprocess.run(["xdotool", "key", key], check=True)
    heard = [text for text in settle(before, quiet) if not text.endswith(" ")]
    if "--show" in sys.argv:
        print(f"  {' '.join(keys)}: {heard}")
    return heard


def main():
    # The launcher owns its bus name before the program asks for it, else the program waits.
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                           start_new_session=True, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    wait_until(lambda: succeeds("gdbus", "call", "--session", "--dest", "org.freedesktop.DBus",
                                "--object-path", "/org/freedesktop/DBus", "--method",
                                "org.freedesktop.DBus.NameHasOwner", "org.a11y.Bus"), 20)
    manager = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.mkdir(os.path.join(work, "prefs"))
    reader = subprocess.Popen(["/usr/bin/python3", "-c", ORCA, os.path.join(work, "prefs"),
                               log_path], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    errors = open(os.path.join(work, "program-stderr.txt"), "w+")
    game = None
    try:
        check(wait_until(lambda: "Screen reader on." in spoken()), "Orca starts")
        before = len(spoken())
        game = subprocess.Popen([sys.argv[1]], stderr=errors,
                                env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        find = ["xdotool", "search", "--onlyvisible", "--name", "^Game of Quarn$"]
        shown = wait_until(lambda: game.poll() is not None or succeeds(*find)) and succeeds(*find)
        check(shown, "the window shows on the X server")
        if shown:
            subprocess.run(find + ["windowactivate", "--sync"], check=True)
            run(settle(before, quiet=1.5))
        check(game.poll() is None, "the program is running")
    finally:
        for process in filter(None, (reader, game, manager)):
            process.kill()
            process.wait()
        os.killpg(bus.pid, 15)
    if failures:
        errors.seek(0)
        print(f"the program's standard error:\n{errors.read()}Orca's log: {log_path}")
        return 1
    errors.close()
    shutil.rmtree(work)  # kept, with Orca's log, only when something failed
    print("every check passed")
    return 0


def run(start):
    check("Board canvas." in start, "at start, the board", start)
    # 1. Moving: the new cell's state and place, once, and never the rest of its row.
    for keys, place in [("Right", "Row 1, column 2"), ("Down", "Row 2, column 2"),
                        ("Page_Down", "Row 12, column 2"), ("End", "Row 12, column 30"),
                        ("ctrl+Home", "Row 1, column 1")]:
        heard = say(keys)
        check(heard == ["dead.", f"{place} of the Board."], f"{keys} says the cell once", heard)
    # 2. A toggle says the cell's new state; S and 1 Step the step and the live cells.
    expect([("space", "live.", "Space says the new state"),
            ("Return", "dead.", "Enter says the new state"),
            ("space s", "Step 0, 1 live.", "S says the step and the live cells"),
            ("Tab Tab Tab Tab space", "Step 1, 0 live.", "1 Step says the step and the live cells")])
    # 3. Orca's "read status bar" (Orca+Enter on the keypad, twice) finds the count and the cells.
    heard = say("KP_Insert+KP_Enter", "KP_Insert+KP_Enter")
    check("Steps: 1 statusbar." in heard and "0 live." in heard,
          "Orca's read status bar finds the count and the live cells", heard)
    # 4. A fill says what the board holds; Go that it runs, and then nothing per generation but
    # the moments the run reaches: here its fate, at step 2.
    expect([("shift+Tab shift+Tab shift+Tab space", "All on, 900 live.",
             "All On says what the board holds")])
    heard = say(*"Tab Tab Tab Tab Tab space".split())
    check(heard[-2:] == ["Running.", "Step 2: the board dies out."],
          "Go says the board is running, and the moment the run reaches", heard)
    heard = say("shift+Tab", quiet=2.0)
    check(heard == ["Stop push button."], "nothing is said per generation", heard)
    # 5. Stopping, by Stop or by undo, says the step.
    heard = say("space")
    check(len(heard) == 1 and re.fullmatch(r"Stopped at step [1-9][0-9]*\.", heard[0]) is not None,
          "Stop says the step it stopped at", heard)
    say("ctrl+z", "Tab", "space")
    expect([("ctrl+z", "Undo Run: step 0, 900 live.",
             "undo, which stops the run, says the step the board is back at")])
    # 6. Where Am I on a cell names the board.
    say(*["shift+Tab"] * 6)
    heard = say("KP_Enter")
    check(any("Board" in text for text in heard) and "live." in heard,
          "Where Am I on a cell names the board", heard)
    # 7. What is on the board, and its objects one by one: a blinker and a lone cell.
    say(*"Tab Tab space shift+Tab shift+Tab ctrl+Home Down space Right space Right space "
          "Page_Down space".split())
    expect([("d", "4 live cells in 2 objects: a blinker and a lone cell. The board repeats every 2 "
                  "steps from step 1, as a blinker.", "D names the objects"),
            ("n", "Blinker at row 2, column 1. Cursor on row 2, column 1.",
             "N goes round to the first object, and says where the cursor went"),
            ("shift+n", "Lone cell at row 12, column 3. Cursor on row 12, column 3.",
             "Shift+N goes back round to the last"),
            # The rule at work: W on the lone cell, and on the blinker's end on the edge.
            ("w", "Row 12, column 3: live, 0 live neighbours: it dies at the next step, with "
                  "fewer than 2.", "W says why the cell dies"),
            ("n w", "Row 2, column 1: live, 1 live neighbour: it dies at the next step, with "
                    "fewer than 2. Only 5 of its 8 neighbours are on the board: the cells beyond "
                    "the edge are always dead.", "W on the edge counts the neighbours there")])
    # 8. The windows beside the board: the objects, named once with the fate and how many; the
    # population, whose summary is said as the graph takes the focus, and a step at a time.
    heard = say("ctrl+shift+o", quiet=1.5)
    check(" ".join(heard).count("Objects") == 1 and
          " ".join(heard).count("The board repeats every 2 steps") == 1 and
          any("2 items" in text for text in heard), "the window of objects opens", heard)
    say("Escape")
    heard = say("ctrl+shift+p", quiet=1.5)
    check(any(text.startswith("At step 0: 4 live cells.") for text in heard),
          "the population's summary is said as the graph takes the focus", heard)
    expect([("Right", "Step 1, ahead: 3 live cells.", "Right says the next step")])
    # 9. Fast keys: Left and Right in turn, 40 ms apart, each said in its own words, not the
    # newest line again and again.
    before = len(spoken())
    subprocess.run(["xdotool", "key", "--delay", "40"] + ["Left", "Right"] * 5, check=True)
    heard = [text for text in settle(before) if not text.endswith(" ")]
    steps = [text for text in heard if text.startswith("Step ")]
    check(len(set(steps)) == 2 and all(a != b for a, b in zip(steps, steps[1:])),
          "fast keys in the graph: each point said in its own words", heard)
    # 10. The moments of a run: an L of three cells in the corner forms a block at step 1. M runs
    # the board there and says it, Shift+M takes it back; in the graph M marks the moment.
    say("Escape")
    say("Tab", "Tab", "space", "shift+Tab", "shift+Tab")
    say("ctrl+Home", "space", "Down", "space", "Right", "space")
    expect([("m", "Step 1: a block forms at row 1, column 1. Step 1: the board settles into a "
                  "block.", "M runs to the next moment and says it"),
            ("shift+m", "Step 0, 3 live.", "Shift+M takes the board back to the way's start")])
    say("ctrl+shift+p", quiet=1.5)
    expect([("m", "Step 1, ahead: 4 live cells. Step 1: a block forms at row 1, column 1. Step 1: "
                  "the board settles into a block.", "M in the graph marks the next moment")])


def expect(rows):  # each row's keys pressed, and what Orca said last checked
    for keys, last, what in rows:
        heard = say(*keys.split())
        check(heard[-1:] == [last], what, heard)


sys.exit(main())
