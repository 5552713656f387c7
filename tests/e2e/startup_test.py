# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""Right after start: the caption, the Pacific clock for the PC's zone and faked time, the local
long date in status panel 2, and Ctrl+Q ending the program with status 0."""
import datetime
import re
import sys
import time
import unittest

from expected_time import clock_texts_between, local_time, standard_bias, utc_of_local
from ticklot_atspi import TicklotApp, focus_window, press_keys

BINARY = sys.argv.pop(1)

# Zone, the local time the PC clock starts at, and the first clock text.
ROWS = [
    # Bias -60: the evening before, in Pacific time.
    ("Europe/Berlin", "2026-02-08 02:00:00", "17:00:00"),
    # Daylight time has just begun: local - 3 h, and no leading zero on the hour.
    ("America/New_York", "2026-03-08 03:00:00", "0:00:00"),
    # The last second of standard time there: local - 3 h as well, one hour earlier in UTC.
    ("America/New_York", "2026-03-08 01:59:58", "22:59:58"),
    # A bias of -330 minutes: a half-hour offset.
    ("Asia/Kolkata", "2026-07-01 00:00:00", "10:30:00"),
]


class Startup(unittest.TestCase):
    def test_clock_caption_and_date_right_after_start(self):
        for tz, local, first_text in ROWS:
            with self.subTest(tz=tz, local=local):
                self.check_start(tz, datetime.datetime.fromisoformat(local), first_text)

    def check_start(self, tz, local, first_text):
        start_utc = utc_of_local(local, tz)
        launched = time.monotonic()
        app = TicklotApp(BINARY, env={"TZ": tz, "LANG": "C.UTF-8"},
                         faketime="@" + local.isoformat(sep=" "))
        try:
            self.assertEqual(app.frame("Ticklot").getRoleName(), "frame")
            clock = app.find("Current PST Time", "text")
            shown = app.wait_for_text(clock, lambda t: t != "", timeout=10)
            # The faked clock started at load; it cannot have run longer than the process.
            latest = start_utc + datetime.timedelta(seconds=time.monotonic() - launched + 1)
            bias = standard_bias(tz, start_utc)
            # The row's text is what the computation below expects at the very start.
            self.assertEqual({first_text}, clock_texts_between(start_utc, start_utc, tz, bias))
            self.assertIn(shown, clock_texts_between(start_utc, latest, tz, bias))

            today = local_time(start_utc, tz)
            panel = app.find(role="label", description="Status panel 2")
            words = re.findall(r"\w+", panel.name)
            for word in (today.strftime("%A"), today.strftime("%B"), str(today.day),
                         str(today.year)):
                self.assertIn(word, words)
            self.assertEqual(app.text(app.find("Countdown Timer", "text")), "")

            focus_window("Ticklot")
            press_keys("ctrl+q")
            self.assertEqual(app.wait_exit(), 0)
        finally:
            app.kill()


if __name__ == "__main__":
    unittest.main()
