# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""Types end times into the real program: a wrong one is refused with the message, one six
seconds ahead of the clock counts down with a red indicator to "Ended" on the end's second, and
Stop shows "Stopped"."""
import datetime
import sys
import time
import unittest
from zoneinfo import ZoneInfo

from expected_time import utc_of_local
from ticklot_atspi import TicklotApp, click, focus_window, press_keys, type_text

BINARY = sys.argv.pop(1)
REFUSAL = ("Invalid End Time, Auction has ended, or is over 24 hrs from now, "
           "Please check the end time")


def seconds_of(text):
    hours, minutes, seconds = map(int, text.split(":"))
    return hours * 3600 + minutes * 60 + seconds


def hms(seconds):
    return "%d:%02d:%02d" % (seconds // 3600, seconds // 60 % 60, seconds % 60)


class Countdown(unittest.TestCase):
    def setUp(self):
        self.app = TicklotApp(BINARY, env={"TZ": "America/New_York", "LANG": "en_US.UTF-8"})
        self.clock = self.app.find("Current PST Time", "text")
        self.end = self.app.find("Auction End Time", "text")
        self.timer = self.app.find("Countdown Timer", "text")
        self.indicator = self.app.find("Countdown indicator")
        focus_window("Ticklot")

    def tearDown(self):
        self.app.kill()

    def type_end_time(self, text):
        click(self.end)
        press_keys("ctrl+a", "BackSpace")
        type_text(text)
        self.app.wait_for_text(self.end, lambda t: t == text)

    def test_refuses_a_wrong_end_time_with_the_message(self):
        self.type_end_time("abc")
        press_keys("alt+t")
        message = self.app.wait_for_window("Invalid End Time")
        self.assertEqual(message.getRoleName(), "alert")
        self.app.find(REFUSAL, "label")  # raises LookupError when the text differs
        press_keys("Return")
        self.app.wait_for_window("Invalid End Time", present=False)
        self.assertEqual(self.app.text(self.timer), "")

    def test_counts_down_to_ended_in_red_and_stops(self):
        # An end six seconds ahead must not wrap past Pacific midnight.
        shown = self.app.wait_for_text(
            self.clock, lambda t: t != "" and seconds_of(t) < 86400 - 30, timeout=40)
        end = hms(seconds_of(self.app.text(self.clock)) + 6)
        self.type_end_time(end)
        press_keys("alt+t")

        seen_red = False
        deadline = time.monotonic() + 15
        while True:
            # A tick runs whole between two reads, and it writes the clock before the timer:
            # once the clock shows the end, the timer read after it must show "Ended".
            clock = self.app.text(self.clock)
            timer = self.app.text(self.timer)
            if clock == end or timer == "Ended":
                self.assertEqual(timer, "Ended", "the clock reached the end's second")
                self.assertEqual(self.app.text(self.clock), end, "Ended came late")
                break
            self.assertLess(time.monotonic(), deadline, "no Ended; timer shows %r after %r"
                            % (timer, shown))
            self.assertLess(seconds_of(clock), seconds_of(end), "the end passed without Ended")
            if timer.startswith("0:00:0") and self.app.showing(self.indicator):
                self.assertEqual(self.indicator.description, "red", timer)
                seen_red = True
            time.sleep(0.02)
        self.assertTrue(seen_red, "the indicator never showed red before Ended")
        deadline = time.monotonic() + 2
        while self.app.showing(self.indicator):
            self.assertLess(time.monotonic(), deadline, "indicator still shown after Ended")
            time.sleep(0.05)

        press_keys("alt+o")
        self.app.wait_for_text(self.timer, lambda t: t == "Stopped")


class ZoneWord(unittest.TestCase):
    # Zone and local start: Tokyo keeps standard time in July, Sydney daylight time in January.
    ROWS = [("Asia/Tokyo", "2026-07-09 04:00:00"), ("Australia/Sydney", "2026-01-09 07:00:00")]

    def test_an_end_three_minutes_ahead_on_the_site_counts_three_minutes(self):
        for tz, local in self.ROWS:
            with self.subTest(tz=tz):
                start = utc_of_local(datetime.datetime.fromisoformat(local), tz)
                launched = time.monotonic()
                app = TicklotApp(BINARY, env={"TZ": tz, "LANG": "en_US.UTF-8"},
                                 faketime="@" + local)
                try:
                    focus_window("Ticklot")
                    asked = time.monotonic()  # faked now <= start + asked - launched
                    site = (start + datetime.timedelta(seconds=asked - launched + 180)).astimezone(
                        ZoneInfo("America/Los_Angeles"))
                    click(app.find("Auction End Time", "text"))
                    type_text(site.strftime("%b %d, %Y %H:%M:%S ") + site.tzname())
                    press_keys("alt+t")
                    left = app.wait_for_text(app.find("Countdown Timer", "text"), len)
                    least = 180 - (time.monotonic() - asked) - 1
                    self.assertTrue(":" in left and least <= seconds_of(left) <= 185, left)
                finally:
                    app.kill()


if __name__ == "__main__":
    unittest.main()
