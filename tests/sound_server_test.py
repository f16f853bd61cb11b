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


def pitches(raw):
    """The pitch of each loud 50 ms of the left channel, from its zero crossings."""
    frames = len(raw) // 4
    left = struct.unpack(f"<{frames * 2}h", raw[:frames * 4])[0::2]
    window = RATE // 20
    heard = []
    for start in range(0, frames - window, window):
        part = left[start:start + window]
        if max(abs(sample) for sample in part) < 1000:
            continue
        crossings = sum(1 for a, b in zip(part, part[1:]) if (a < 0) != (b < 0))
        heard.append(crossings / 2 / (window / RATE))
    return heard


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
        recording = os.path.join(work, "heard.raw")
        with open(recording, "wb") as out:
            processes.append(subprocess.Popen(
                ["parec", "-d", "quarn.monitor", "--format=s16le", f"--rate={RATE}",
                 "--channels=2", "--raw"], env=env, stdout=out))
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
        subprocess.run(["xdotool", "windowfocus", "--sync", graph_window, "key", "p"], env=env,
                       check=True)
        time.sleep(2.5)
        processes[1].terminate()
        processes[1].wait(timeout=10)
        with open(recording, "rb") as heard:
            heard = pitches(heard.read())
        print(f"heard {len(heard)} loud 50 ms windows, pitches {[round(p) for p in heard[:12]]}")
        if len(heard) < 18:
            print("FAILED  the graph was not heard")
            return 1
        middle = sorted(heard)[len(heard) // 2]
        if abs(middle - FLAT) > FLAT * 0.03:
            print(f"FAILED  the blinker's flat graph sounds at {middle:.0f} Hz, not {FLAT:.0f} Hz")
            return 1
        print(f"ok      the blinker's flat graph sounds at {middle:.0f} Hz")
        return 0
    finally:
        for process in reversed(processes):
            process.kill()
            process.wait()
        shutil.rmtree(work, ignore_errors=True)


sys.exit(main(sys.argv[1]))
