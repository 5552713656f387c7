# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""Starts the real program, reads its Pacific clock and ends it with Ctrl+Q."""
import datetime
import re
import subprocess
import sys
import unittest

from ticklot_atspi import TicklotApp, press_keys

BINARY = sys.argv.pop(1)


def seconds_apart(a, b):
    """Distance between two times of day in seconds, across midnight."""
    d = abs(a - b) % 86400
    return min(d, 86400 - d)


class Smoke(unittest.TestCase):
    def test_shows_the_clock_and_ends_on_ctrl_q(self):
        # Tokyo keeps no daylight time: local = UTC + 9 h and the bias is -540, so the clock
        # reads UTC - 8 h.
        app = TicklotApp(BINARY, env={"TZ": "Asia/Tokyo"})
        try:
            # The browser adds a hidden window of its own; the main window is the frame.
            self.assertEqual(app.frame("Ticklot").getRoleName(), "frame")
            clock = app.find("Current PST Time", "text")
            shown = app.wait_for_text(clock, lambda t: t != "")
            self.assertRegex(shown, r"^([0-9]|1[0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]$")
            expected = datetime.datetime.now(datetime.timezone.utc) - datetime.timedelta(hours=8)
            hours, minutes, seconds = map(int, shown.split(":"))
            shown_seconds = hours * 3600 + minutes * 60 + seconds
            expected_seconds = expected.hour * 3600 + expected.minute * 60 + expected.second
            self.assertLessEqual(seconds_apart(shown_seconds, expected_seconds), 2)

            # The browser keeps hidden windows of its own under the same name.
            subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Ticklot$",
                            "windowfocus", "--sync"], check=True, timeout=10)
            press_keys("ctrl+q")
            self.assertEqual(app.wait_exit(), 0)
        finally:
            app.kill()


if __name__ == "__main__":
    unittest.main()
