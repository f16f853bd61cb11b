#!/usr/bin/python3
"""The real program as a screen reader meets it: over AT-SPI, on a private D-Bus session and a
virtual X server, read with pyatspi and driven with xdotool.

Usage: atspi_test.py PROGRAM
Starts Xvfb and runs itself again inside dbus-run-session; needs Debian's python3-pyatspi, hence
/usr/bin/python3.
"""
import os
import signal
import subprocess
import sys
import tempfile
import time

INSIDE = "QUARN_INSIDE_ATSPI_SESSION"


def start_virtual_display():
    """An X server on a display number it picks itself: race-free, unlike xvfb-run -a."""
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp", "-noreset"], pass_fds=[write],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as answer:
        number = answer.readline().strip()
    if not number:
        sys.exit("atspi_test: Xvfb did not start")
    # Said ready; seen to take a connection before anything else depends on it.
    for _ in range(100):
        if subprocess.run(["xdotool", "getdisplaygeometry"], env=dict(os.environ, DISPLAY=f":{number}"),
                          capture_output=True).returncode == 0:
            return server, f":{number}"
        time.sleep(0.1)
    sys.exit("atspi_test: Xvfb did not answer")


if os.environ.get(INSIDE) != "1":
    server, display = start_virtual_display()
    environment = dict(os.environ, DISPLAY=display, **{INSIDE: "1"})
    environment.pop("WAYLAND_DISPLAY", None)
    try:
        status = subprocess.run(["dbus-run-session", "--", "/usr/bin/python3", __file__]
                                + sys.argv[1:], env=environment).returncode
    finally:
        # Gone before anything else starts: a server still shutting down removes the socket of
        # a new one on the same display number.
        server.terminate()
        server.wait(timeout=10)
    sys.exit(status)

import pyatspi  # noqa: E402 (only inside the session)
from gi.repository import GLib  # noqa: E402

TITLE = "Game of Quarn"
BUTTONS = ["All On", "All Off", "Random", "1 Step", "Go", "Stop"]
failures = []
events = []


def check(condition, what):
    print(("ok      " if condition else "FAILED  ") + what)
    if not condition:
        failures.append(what)


def pump(seconds):
    """Lets AT-SPI deliver events for a while, as a screen reader's main loop would."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def record(event):
    try:
        source = (event.source.getRoleName(), event.source.name)
    except Exception:  # the object may be gone already
        source = ("?", "?")
    events.append((event.type, source, event.source))


def wait_for_accessibility_bus(timeout=20):
    """Until the launcher owns its name: a program that asks before then finds no bus."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        answer = subprocess.run(
            ["gdbus", "call", "--session", "--dest", "org.freedesktop.DBus",
             "--object-path", "/org/freedesktop/DBus",
             "--method", "org.freedesktop.DBus.NameHasOwner", "org.a11y.Bus"],
            capture_output=True, text=True)
        if "true" in answer.stdout:
            return
        time.sleep(0.1)


def find_application(process, timeout=30):
    desktop = pyatspi.Registry.getDesktop(0)
    end = time.monotonic() + timeout
    while time.monotonic() < end and process.poll() is None:
        for application in desktop:
            if application is not None and application.name == TITLE:
                return application
        time.sleep(0.2)
    return None


def tree(node, depth=0):
    line = "  " * depth + f"[{node.getRoleName()}] {node.name!r}"
    if node.getRoleName() == "canvas":
        table = node.queryTable()
        print(f"{line}: {table.nRows} rows x {table.nColumns} columns, "
              f"{node.childCount} cells, description {node.description!r}")
        cell = table.getAccessibleAt(0, 0)
        print("  " * (depth + 1) + f"[{cell.getRoleName()}] {cell.name!r} "
              f"({cell.description}), actions {action_names(cell)} ... and 899 more")
        return
    print(line)
    for child in node:
        tree(child, depth + 1)


def action_names(node):
    actions = node.queryAction()
    return [actions.getName(i) for i in range(actions.nActions)]


def cell_colour(window, row, column):
    """The colour at a cell's centre on the screen, as hex: 8 pixels into the client area, which
    the menu bar pushes down."""
    shot = "/tmp/quarn-atspi-shot.png"
    subprocess.run(["import", "-window", window, shot], check=True)
    top = int(subprocess.run(["xdotool", "getwindowgeometry", window], check=True,
                             capture_output=True, text=True).stdout.split("x")[-1]) - 378
    x, y = 8 + 11 * (column - 1) + 5, top + 8 + 11 * (row - 1) + 5
    return subprocess.run(["convert", shot, "-format", f"%[hex:p{{{x},{y}}}]", "info:"],
                          check=True, capture_output=True, text=True).stdout[:6]


def press(*keys):
    """Presses the keys as a person would, and gives what last took the focus: its role and
    name, and its index among its parent's children."""
    events.clear()
    for key in keys:
        subprocess.run(["xdotool", "key", key], check=True)
    pump(0.5)
    for kind, source, node in reversed(events):
        if kind.startswith("focus:") or kind == "object:state-changed:focused":
            return source, node.getIndexInParent()
    return None, -1


def main():
    program = sys.argv[1]
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    environment.pop("QT_QPA_PLATFORM", None)
    # In a process group of its own: the launcher starts the accessibility bus, which would
    # outlive it.
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                           start_new_session=True, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    wait_for_accessibility_bus()
    errors = tempfile.TemporaryFile(mode="w+")
    # The display has answered already (start_virtual_display), so a program that dies now has
    # failed, and says why below.
    process = subprocess.Popen([program], env=environment, stderr=errors)
    try:
        run(process)
        check(process.poll() is None, "the program is still running")
        if failures:
            errors.seek(0)
            print(f"the program's exit status: {process.poll()}; its standard error:\n"
                  + errors.read())
    finally:
        process.kill()
        os.killpg(bus.pid, signal.SIGTERM)
    if failures:
        print(f"{len(failures)} check(s) failed")
        return 1
    print("every check passed")
    return 0


def run(process):
    application = find_application(process)
    check(application is not None, f"the application {TITLE!r} is on the AT-SPI bus")
    if application is None:
        print(f"on the bus: {[a.name for a in pyatspi.Registry.getDesktop(0) if a is not None]}; "
              "the display answers: " + subprocess.run(["xdotool", "getdisplaygeometry"],
                                                       capture_output=True, text=True).stdout)
        return
    for kind in ("object:", "window:", "focus:"):
        pyatspi.Registry.registerEventListener(record, kind)

    print("\nThe tree a screen reader gets:")
    tree(application)
    print()

    frame = application[0]
    check(frame.getRoleName() == "frame" and frame.name == TITLE,
          f"the window is a frame named {TITLE!r}")
    by_name = {child.name: child for child in frame}
    for name in BUTTONS:
        button = by_name.get(name)
        check(button is not None and button.getRoleName() == "push button",
              f"a push button named {name!r}")
    label = by_name.get("Steps: 0")
    check(label is not None and label.getRoleName() == "status bar",
          "the label reads 'Steps: 0', as the status bar")

    board = by_name.get("Board")
    check(board is not None and board.getRoleName() == "canvas", "a canvas named 'Board'")
    table = board.queryTable()
    check((table.nRows, table.nColumns) == (30, 30), "the table has 30 rows and 30 columns")
    cell = table.getAccessibleAt(4, 6)
    index = table.getIndexAt(4, 6)
    check(cell.getRoleName() == "table cell" and cell.name == "dead",
          "cell (5, 7) is a table cell named 'dead'")
    check((table.getRowAtIndex(index), table.getColumnAtIndex(index)) == (4, 6),
          "cell (5, 7) gives its row and column")
    check(cell.description == "Row 5, column 7 of the Board", "cell (5, 7) describes its place")

    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$"],
                            check=True, capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    pump(0.5)
    check(any(kind == "window:activate" and source == ("frame", TITLE)
              for kind, source, _ in events),
          "activating the window announces the frame")

    # A screen reader's "activate" on a cell.
    check(action_names(cell) == ["Toggle"], "cell (5, 7) offers the action 'Toggle'")
    events.clear()
    cell.queryAction().doAction(0)
    pump(0.5)
    check(cell.name == "live", "the action makes cell (5, 7) live")
    check(cell_colour(window, 5, 7) == "FFFF00", "cell (5, 7) shows yellow on the screen")
    check(any(kind == "object:property-change:accessible-name" and source == ("table cell", "live")
              for kind, source, _ in events), "the toggle sends the cell's new name")

    # The keyboard: the board has the focus at start; the arrows move the cursor, Space toggles.
    focus, index = press("Right", "Down", "Down")
    check(focus is not None and focus[0] == "table cell" and index == 2 * 30 + 1,
          f"after Right, Down, Down the focused object is cell (3, 2): {focus}")
    press("space")
    check(table.getAccessibleAt(2, 1).name == "live", "Space toggles cell (3, 2)")
    check(cell_colour(window, 3, 2) == "FFFF00", "cell (3, 2) shows yellow on the screen")
    check(label.name == "Steps: 0", "the count did not change")

    focus, _ = press("Tab")
    check(focus == ("push button", "All On"), "Tab moves on to 'All On'")
    focus, index = press("shift+Tab")
    check(focus is not None and focus[0] == "table cell" and index == 2 * 30 + 1,
          f"Shift+Tab comes back to cell (3, 2): {focus}")

    # A generation: the label's new name, and one change of the table's description.
    events.clear()
    by_name["1 Step"].queryAction().doAction(0)
    pump(0.8)
    check(any(kind == "object:property-change:accessible-name" and source[0] == "status bar"
              for kind, source, _ in events), "a generation renames the label")
    changes = [1 for kind, source, _ in events
               if kind == "object:property-change:accessible-description" and source[0] == "canvas"]
    check(len(changes) == 1, f"a generation changes the board's description once ({len(changes)})")


if __name__ == "__main__":
    sys.exit(main())
