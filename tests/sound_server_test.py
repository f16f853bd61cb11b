#!/usr/bin/python3
"""The graph heard through a real sound server: PulseAudio with a null sink of its own, started
here, the program on a virtual X server playing a blinker's graph with P, and the sound recorded
back from the sink's monitor and its pitch counted from the samples.

Usage: sound_server_test.py PROGRAM
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time

RATE = 44100
# A blinker's graph is flat at 3 live cells: one pitch, the middle of G3 to C6 by pitch.
FLAT = (196.0 * 1046.5) ** 0.5


def wait_until(condition, timeout=20):
    end = time.monotonic() + timeout
    while not condition() and time.monotonic() < end:
        time.sleep(0.1)
    return condition()


def succeeds(*command, **kwargs):
    return subprocess.run(command, capture_output=True, **kwargs).returncode == 0


class Recording:
    """The sink's monitor, read as it comes: the time of each 50 ms of the left channel, and
    its pitch from its zero crossings, or None where it is quiet."""

    def __init__(self, command, env):
        self.process = subprocess.Popen(command, env=env, stdout=subprocess.PIPE)
        self.windows = []
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        window = RATE // 20
        while chunk := self.process.stdout.read(window * 4):
            left = struct.unpack(f"<{len(chunk) // 2}h", chunk[:len(chunk) // 2 * 2])[0::2]
            pitch = None
            if max(abs(sample) for sample in left) >= 1000:
                crossings = sum(1 for a, b in zip(left, left[1:]) if (a < 0) != (b < 0))
                pitch = crossings / 2 / (len(left) / RATE)
            self.windows.append((time.monotonic(), pitch))

    def loud_since(self, moment):
        return [(at, pitch) for at, pitch in list(self.windows) if at >= moment and pitch]


def main(program):
    work = tempfile.mkdtemp(prefix="quarn-sound-")
    os.chmod(work, 0o700)
    env = dict(os.environ, XDG_RUNTIME_DIR=work, HOME=work, PULSE_RUNTIME_PATH=work)
    env.pop("PULSE_SERVER", None)
    processes = []
    try:
        processes.append(subprocess.Popen(
            ["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n", "--log-target=stderr",
             "--load=module-null-sink sink_name=quarn", "--load=module-native-protocol-unix"],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        if not wait_until(lambda: succeeds("pactl", "info", env=env)):
            sys.exit("sound_server_test: the sound server did not start")
        subprocess.run(["pactl", "set-default-sink", "quarn"], env=env, check=True)
        recording = Recording(["parec", "-d", "quarn.monitor", "--format=s16le",
                               f"--rate={RATE}", "--channels=2", "--raw", "--latency-msec=20"],
                              env)
        processes.append(recording.process)
        read, write = os.pipe()
        processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             "-noreset"], pass_fds=[write], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL))
        os.close(write)
        with os.fdopen(read) as answer:
            env["DISPLAY"] = ":" + answer.readline().strip()
        env["QT_QPA_PLATFORM"] = "xcb"
        pattern = os.path.join(work, "blinker.rle")
        with open(pattern, "w") as out:
            out.write("x = 3, y = 1\n3o!\n")
        processes.append(subprocess.Popen([program, pattern], env=env,
                                          stderr=subprocess.DEVNULL))
        find = ["xdotool", "search", "--onlyvisible", "--name", "^Game of Quarn$"]
        if not wait_until(lambda: succeeds(*find, env=env)):
            sys.exit("sound_server_test: the window did not show")
        window = subprocess.run(find, env=env, capture_output=True, text=True).stdout.split()[0]
        # Eight steps on, by 1 Step from the keyboard: nine points, and as many tones.
        subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "Tab", "Tab", "Tab",
                        "Tab"] + ["space"] * 8 + ["ctrl+shift+p"], env=env, check=True)
        graph = ["xdotool", "search", "--onlyvisible", "--name", "^Population$"]
        if not wait_until(lambda: succeeds(*graph, env=env)):
            sys.exit("sound_server_test: the population window did not open")
        graph_window = subprocess.run(graph, env=env, capture_output=True, text=True).stdout.split()[0]
        pressed = time.monotonic()
        subprocess.run(["xdotool", "windowfocus", "--sync", graph_window, "key", "p"], env=env,
                       check=True)
        # Nine tones of 0.15 s: heard, and then silence.
        wait_until(lambda: recording.loud_since(pressed), timeout=5)
        wait_until(lambda: recording.loud_since(time.monotonic() - 0.5) == [], timeout=5)
        heard = [pitch for _, pitch in recording.loud_since(pressed)]
        print(f"heard {len(heard)} loud 50 ms windows, pitches {[round(p) for p in heard[:12]]}")
        if len(heard) < 18:
            print("FAILED  the graph was not heard")
            return 1
        # Played again, and stopped with Escape a third of a second after it was first heard.
        again = time.monotonic()
        subprocess.run(["xdotool", "key", "p"], env=env, check=True)
        if not wait_until(lambda: recording.loud_since(again), timeout=2):
            print("FAILED  the graph played a second time was not heard")
            return 1
        time.sleep(0.3)
        escaped = time.monotonic()
        subprocess.run(["xdotool", "key", "Escape"], env=env, check=True)
        time.sleep(1)
        after = recording.loud_since(escaped + 0.15)
        if after:
            print(f"FAILED  Escape did not stop the sound: {len(after) * 50} ms heard after it")
            return 1
        print("ok      the graph played again, and Escape stopped it")
        if not succeeds(*graph, env=env):
            print("FAILED  Escape closed the window instead of stopping the sound")
            return 1
        middle = sorted(heard)[len(heard) // 2]
        if abs(middle - FLAT) > FLAT * 0.03:
            print(f"FAILED  the blinker's flat graph sounds at {middle:.0f} Hz, not {FLAT:.0f} Hz")
            return 1
        print(f"ok      the blinker's flat graph sounds at {middle:.0f} Hz")
        # The graph played and stopped again and again, then a run heard with Sound While
        # Running, started and stopped with R from the graph: a tone each generation as it
        # runs, and silence soon after it stops.
        for _ in range(10):
            subprocess.run(["xdotool", "key", "p"], env=env, check=True)
            time.sleep(0.2)
            subprocess.run(["xdotool", "key", "Escape"], env=env, check=True)
        subprocess.run(["xdotool", "key", "ctrl+shift+h", "r"], env=env, check=True)
        started = time.monotonic()
        time.sleep(4)
        stopped = time.monotonic()
        subprocess.run(["xdotool", "key", "r"], env=env, check=True)
        time.sleep(1)
        running = [at for at, _ in recording.loud_since(started + 2) if at < stopped - 0.3]
        late = recording.loud_since(stopped + 0.3)
        print(f"while running: {len(running)} loud 50 ms windows in the last "
              f"{stopped - 0.3 - started - 2:.1f} s; {len(late) * 50} ms heard 0.3 s after Stop")
        if len(running) < 15:
            print("FAILED  the run was not heard as it ran")
            return 1
        if late:
            print("FAILED  the run's sound went on after it stopped")
            return 1
        # A sound server that stops taking the sound for two seconds, as a busy one may: what
        # the run made meanwhile is not kept to be heard late.
        subprocess.run(["xdotool", "key", "r"], env=env, check=True)
        time.sleep(1)
        subprocess.run(["pactl", "suspend-sink", "quarn", "1"], env=env, check=True)
        time.sleep(2)
        subprocess.run(["pactl", "suspend-sink", "quarn", "0"], env=env, check=True)
        time.sleep(0.5)
        subprocess.run(["xdotool", "key", "ctrl+shift+h"], env=env, check=True)
        quiet = time.monotonic()
        time.sleep(2)
        subprocess.run(["xdotool", "key", "r"], env=env, check=True)
        behind = recording.loud_since(quiet + 1)
        print(f"{len(behind) * 50} ms heard from 1 s after the sound was turned off")
        if behind:
            print("FAILED  the run's sound fell behind it")
            return 1
        print("ok      the run heard as it ran, and silent soon after it stopped")
        return 0
    finally:
        for process in reversed(processes):
            process.kill()
            process.wait()
        shutil.rmtree(work, ignore_errors=True)


sys.exit(main(sys.argv[1]))
