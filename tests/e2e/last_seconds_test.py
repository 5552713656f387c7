# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""Sound the Last Seconds in the real program: off at first start, toggled through the
accessibility interface and remembered across a restart; then a countdown runs to its end
against a private PulseAudio null sink, whose recording must hold ten ticks and the end tone,
each on its second. Without a sound server the item is disabled and the countdown runs as
before."""
import math
import shutil
import sys
import tempfile
import time
import unittest

import pyatspi

from private_pulse import PrivatePulse, Recording
from ticklot_atspi import TicklotApp, click, focus_window, press_keys, type_text

BINARY = sys.argv.pop(1)
ITEM = "Sound the Last Seconds"
# Generous, so that a loaded machine never fails it: the benchmark measures the real figures.
ON_TIME = 0.1


def seconds_of(text):
    hours, minutes, seconds = map(int, text.split(":"))
    return hours * 3600 + minutes * 60 + seconds


def hms(seconds):
    return "%d:%02d:%02d" % (seconds // 3600, seconds // 60 % 60, seconds % 60)


def checked(item):
    return item.getState().contains(pyatspi.STATE_CHECKED)


class LastSeconds(unittest.TestCase):
    def setUp(self):
        # The program's settings go to a folder of this test alone.
        self.config = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.config, ignore_errors=True)
        self.env = {"TZ": "America/New_York", "LANG": "en_US.UTF-8",
                    "XDG_CONFIG_HOME": self.config}

    def start(self, extra_env):
        app = TicklotApp(BINARY, env=dict(self.env, **extra_env))
        self.addCleanup(app.kill)
        focus_window("Ticklot")
        return app

    def run_countdown(self, app, seconds_ahead):
        """Types an end `seconds_ahead` after the clock, starts, and returns the system time at
        which "Ended" was first seen."""
        clock = app.find("Current PST Time", "text")
        timer = app.find("Countdown Timer", "text")
        app.wait_for_text(clock, lambda t: t != "" and seconds_of(t) < 86400 - 30, timeout=40)
        click(app.find("Auction End Time", "text"))
        press_keys("ctrl+a", "BackSpace")
        type_text(hms(seconds_of(app.text(clock)) + seconds_ahead))
        press_keys("alt+t")
        app.wait_for_text(timer, lambda t: t.startswith("0:00:"))
        app.wait_for_text(timer, lambda t: t == "Ended", timeout=seconds_ahead + 5)
        return time.time()

    def test_ten_ticks_and_the_end_tone_each_on_its_second(self):
        pulse = PrivatePulse()
        self.addCleanup(pulse.stop)
        app = self.start({"PULSE_SERVER": pulse.server})
        item = app.find(ITEM)
        self.assertFalse(checked(item), "on at first start")
        item.queryAction().doAction(0)
        deadline = time.monotonic() + 5
        while not checked(item):
            self.assertLess(time.monotonic(), deadline, "the item did not toggle")
            time.sleep(0.05)
        app.kill()

        app = self.start({"PULSE_SERVER": pulse.server})
        self.assertTrue(checked(app.find(ITEM)), "not remembered across a restart")
        recording = Recording(pulse)
        try:
            ended_seen = self.run_countdown(app, 12)
            time.sleep(0.5)
        finally:
            recording.stop()
        sounds = recording.sounds()
        self.assertEqual(len(sounds), 11, sounds)
        lengths = [length for _, length in sounds]
        self.assertTrue(all(length < 0.15 for length in lengths[:10]), lengths)
        self.assertGreater(lengths[10], 0.2, lengths)
        # "Ended" shows on the end's second; the test sees it well within that second.
        end_edge = math.floor(sounds[10][0] + 0.5)
        self.assertLessEqual(end_edge, ended_seen + ON_TIME)
        self.assertLess(ended_seen - end_edge, 1)
        for ahead, (onset, _) in zip(range(10, -1, -1), sounds):
            self.assertLess(abs(onset - (end_edge - ahead)), ON_TIME,
                            "the sound for %d s left came %+.3f s off its second"
                            % (ahead, onset - (end_edge - ahead)))

    def test_without_a_sound_server_the_item_is_disabled_and_the_count_runs(self):
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder, ignore_errors=True)
        app = self.start({"PULSE_SERVER": "unix:%s/none" % folder})
        item = app.find(ITEM)
        deadline = time.monotonic() + 5
        while item.getState().contains(pyatspi.STATE_ENABLED):
            self.assertLess(time.monotonic(), deadline, "the item stayed enabled")
            time.sleep(0.05)
        # Qt gives a menu item's tooltip no accessible text: the window test checks it.
        self.run_countdown(app, 3)


if __name__ == "__main__":
    unittest.main()
