# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""A private PulseAudio server whose only sink is a null sink, and a recording of what reaches
it, tied to the system clock (time.time()).

The server runs from a fresh 0700 folder (root is allowed, with warnings); clients find it
through PULSE_SERVER. A recording's sample n was rendered at t0 + n / RATE, t0 the earliest
(block arrival - samples before the block's end / RATE): a block never arrives before its last
sample was rendered."""
import os
import shutil
import subprocess
import tempfile
import threading
import time
from array import array

RATE = 48000


class PrivatePulse:
    def __init__(self):
        self.folder = tempfile.mkdtemp()
        os.chmod(self.folder, 0o700)
        env = dict(os.environ, HOME=self.folder, XDG_RUNTIME_DIR=self.folder)
        self.process = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
             "--load=module-native-protocol-unix", "--load=module-null-sink sink_name=cap"],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.server = "unix:%s/pulse/native" % self.folder
        deadline = time.monotonic() + 10
        while subprocess.run(["pactl", "info"], env=self.env(), stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL).returncode != 0:
            if time.monotonic() > deadline:
                self.stop()
                raise RuntimeError("pulseaudio did not start")
            time.sleep(0.1)

    def env(self):
        return dict(os.environ, PULSE_SERVER=self.server)

    def stop(self):
        self.process.terminate()
        self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)


class Recording:
    """What reaches the null sink, from now until stop()."""

    def __init__(self, pulse):
        self.process = subprocess.Popen(
            ["parec", "--device=cap.monitor", "--raw", "--format=s16le", "--rate=%d" % RATE,
             "--channels=1", "--latency-msec=5"], env=pulse.env(), stdout=subprocess.PIPE)
        self.samples = array("h")
        self.t0 = float("inf")
        self.reader = threading.Thread(target=self._read)
        self.reader.start()

    def _read(self):
        pending = b""
        fd = self.process.stdout.fileno()
        while True:
            block = os.read(fd, 4096)
            arrived = time.time()
            if not block:
                return
            pending += block
            whole = len(pending) // 2 * 2
            self.samples.frombytes(pending[:whole])
            pending = pending[whole:]
            self.t0 = min(self.t0, arrived - len(self.samples) / RATE)

    def stop(self):
        self.process.terminate()
        self.reader.join()
        self.process.wait()

    def sounds(self, threshold=200, gap=0.03):
        """Each sound as (onset on the system clock, length in seconds): it starts at the first
        sample above the threshold after at least `gap` seconds below it."""
        found = []
        last_loud = None
        for i, sample in enumerate(self.samples):
            if abs(sample) <= threshold:
                continue
            if last_loud is None or i - last_loud > gap * RATE:
                found.append([i, i])
            found[-1][1] = i
            last_loud = i
        return [(self.t0 + start / RATE, (end - start) / RATE) for start, end in found]
