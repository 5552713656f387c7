# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""Soak: the real program under a faked clock that races through at least 24 hours, slowing to
real speed around local midnight, the daylight-saving change, Pacific midnight and the end of
the countdown started at the beginning. Every sample of the clock, the countdown, the indicator
and the date, read through the accessibility interface, is checked against the faked time the
program can have read, computed from the time zone database. The main process's resident
memory may not grow by more than 2 MB after the first minute.

Usage: run_e2e.sh soak_test.py <binary> [--tz ZONE] [--hours H] [--minutes M] [--rss-after S]
"""
import argparse
import datetime
import os
import re
import sys
import tempfile
import time

from expected_time import (clock_text, clock_texts_between, format_hms, local_time, seconds_of,
                           standard_bias, utc_of_local)
from faked_clock import FakedClock
from soak_plan import ZONES, events, real_speed_windows
from ticklot_atspi import TicklotApp, click, focus_window, press_keys, type_text

# A tick comes every 100 ms of real time; under load the texts read may be older, up to this.
LOOKBACK_S = 1.0
BEFORE_EVENT = datetime.timedelta(seconds=5)
AFTER_EVENT = datetime.timedelta(seconds=4)
RSS_GROWTH_LIMIT_KB = 2048


def countdown_text(end_hms, clock_hms):
    """What the countdown shows on a tick whose clock text is clock_hms."""
    left = seconds_of(end_hms) - seconds_of(clock_hms)
    return "Ended" if left <= 0 else format_hms(left)


def indicator_colour(timer):
    return "red" if "0:00:00" < timer < "0:05:00" else "green"


def resident_kb(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError("no VmRSS for %d" % pid)


class Soak:
    def __init__(self, binary, tz, hours, minutes, rss_after):
        self.tz = tz
        start_local, self.end_hms = ZONES[tz]
        self.start = utc_of_local(datetime.datetime.fromisoformat(start_local), tz)
        self.finish = self.start + datetime.timedelta(hours=hours)
        self.bias = standard_bias(tz, self.start)
        self.events = events(tz, self.start, self.finish, self.bias, self.end_hms)
        self.windows = real_speed_windows(self.events, BEFORE_EVENT, AFTER_EVENT)
        self.real_deadline = time.time() + minutes * 60
        self.rss_after = rss_after
        self.binary = binary
        self.shown_clock_texts = set()
        self.ended_at = None
        self.samples = 0
        self.advanced = None  # real time of the last advance
        self.rss = []  # (seconds since launch, kB)

    def run(self):
        # In a sanitized build, AddressSanitizer holds freed memory back on purpose (its
        # quarantine) and the process grows until that is full; growth is judged without it.
        asan = os.environ.get("ASAN_OPTIONS", "")
        os.environ["ASAN_OPTIONS"] = ((asan + ":" if asan else "")
                                      + "quarantine_size_mb=0:thread_local_quarantine_size_kb=0")
        with tempfile.TemporaryDirectory() as folder:
            self.clock = FakedClock(os.path.join(folder, "faketime"))
            self.clock.jump_to(self.start)
            launched = time.time()
            self.app = TicklotApp(self.binary, env={"TZ": self.tz, "LANG": "C.UTF-8"},
                                  faketime=self.clock.env())
            try:
                self.find_controls()
                self.start_countdown()
                print("countdown started %.1f s after launch" % (time.time() - launched),
                      flush=True)
                self.race_through(launched)
                self.check_whole_run()
                focus_window("Ticklot")
                press_keys("ctrl+q")
                assert self.app.wait_exit() == 0, "Ctrl+Q did not end the program with status 0"
            finally:
                self.app.kill()
        self.report()

    def race_through(self, launched):
        """Moves the faked clock to the end of the run, sampling all the way; the resident
        memory once a second."""
        last_rss = 0.0
        while self.clock.now() < self.finish:
            self.advance()
            self.sample()
            if time.time() - last_rss >= 1:
                last_rss = time.time()
                self.rss.append((last_rss - launched, resident_kb(self.app.process.pid)))
                if len(self.rss) % 10 == 0:
                    print("%4.0f s: faked %s local, %d kB" % (
                        self.rss[-1][0], local_time(self.clock.now(), self.tz).isoformat(" "),
                        self.rss[-1][1]), flush=True)
            time.sleep(0.03)

    def find_controls(self):
        self.clock_box = self.app.find("Current PST Time", "text")
        self.end_box = self.app.find("Auction End Time", "text")
        self.timer_box = self.app.find("Countdown Timer", "text")
        self.indicator = self.app.find("Countdown indicator")
        self.panel = self.app.find(role="label", description="Status panel 2")

    def start_countdown(self):
        self.app.wait_for_text(self.clock_box, lambda t: t != "", timeout=10)
        focus_window("Ticklot")
        click(self.end_box)
        type_text(self.end_hms)
        self.app.wait_for_text(self.end_box, lambda t: t == self.end_hms)
        press_keys("alt+t")
        self.app.wait_for_text(self.timer_box, lambda t: t != "", timeout=10)

    def advance(self):
        """Runs at real speed inside a window; elsewhere jumps ahead at the speed that ends
        the run on time, but never past the start of the next window."""
        now = self.clock.now()
        elapsed = time.time() - (self.advanced or time.time())
        self.advanced = time.time()
        ahead = [w for w in self.windows if w[1] > now]
        if ahead and ahead[0][0] <= now:
            return
        window_time = sum(((w[1] - max(w[0], now)).total_seconds() for w in ahead), 0.0)
        fast_faked = (self.finish - now).total_seconds() - window_time
        fast_real = self.real_deadline - time.time() - window_time
        share = 1.0 if fast_real <= elapsed else elapsed / fast_real
        target = now + datetime.timedelta(seconds=fast_faked * share)
        if ahead:
            target = min(target, ahead[0][0])
        self.clock.jump_to(min(target, self.finish))

    def sample(self):
        read_from = time.time()
        first_clock = self.app.text(self.clock_box)
        timer = self.app.text(self.timer_box)
        colour = self.indicator.description
        showing = self.app.showing(self.indicator)
        panel = self.panel.name
        second_clock = self.app.text(self.clock_box)
        read_to = time.time()
        self.samples += 1

        spans = self.clock.spans(read_from - LOOKBACK_S, read_to)
        allowed = set().union(*(clock_texts_between(a, b, self.tz, self.bias) for a, b in spans))
        for shown in (first_clock, second_clock):
            assert shown in allowed, "clock %r, expected one of %s (faked %s)" % (
                shown, sorted(allowed), spans)
        self.shown_clock_texts.update((first_clock, second_clock))
        self.check_date(panel, spans)
        if first_clock == second_clock:
            self.check_countdown(first_clock, timer, colour, showing)

    def check_date(self, panel, spans):
        words = set(re.findall(r"\w+", panel))
        days = {local_time(moment, self.tz).date() for span in spans for moment in span}
        assert any({d.strftime("%A"), d.strftime("%B"), str(d.day), str(d.year)} <= words
                   for d in days), "panel %r, expected the date of one of %s" % (panel, days)

    def check_countdown(self, clock, timer, colour, showing):
        if self.ended_at is not None:
            assert timer == "Ended" and not showing, "after Ended: %r, shown %s" % (timer, showing)
            return
        expected = countdown_text(self.end_hms, clock)
        assert timer == expected, "clock %s: countdown %r, expected %r" % (clock, timer, expected)
        if timer == "Ended":
            self.ended_at = clock
            assert not showing, "the indicator stays shown after Ended"
        else:
            assert showing and colour == indicator_colour(timer), (
                "countdown %s: indicator %s, shown %s" % (timer, colour, showing))

    def check_whole_run(self):
        assert self.ended_at == self.end_hms, (
            "the countdown ended at %r, not on its end's second %s" % (self.ended_at,
                                                                      self.end_hms))
        for name, moment in self.events:
            before = clock_text(moment - datetime.timedelta(seconds=1), self.tz, self.bias)
            after = clock_text(moment, self.tz, self.bias)
            assert {before, after} <= self.shown_clock_texts, (
                "%s: the clock was not seen at both %s and %s" % (name, before, after))
        settled = [kb for seconds, kb in self.rss if seconds >= self.rss_after]
        assert settled, "the run was too short to measure memory after %d s" % self.rss_after
        growth = max(settled) - settled[0]
        assert growth <= RSS_GROWTH_LIMIT_KB, (
            "resident memory grew by %d kB after %d s" % (growth, self.rss_after))

    def report(self):
        settled = [kb for seconds, kb in self.rss if seconds >= self.rss_after]
        print("soak %s: %s to %s (%.1f h) in %.0f s real, %d samples, countdown ended at %s"
              % (self.tz, local_time(self.start, self.tz), local_time(self.finish, self.tz),
                 (self.finish - self.start).total_seconds() / 3600, self.rss[-1][0],
                 self.samples, self.ended_at))
        for name, moment in self.events:
            print("  crossed %s at %s local, clock %s" % (
                name, local_time(moment, self.tz), clock_text(moment, self.tz, self.bias)))
        print("  resident memory: %d kB at %d s, %d kB at the end, %d kB at most after %d s"
              % (settled[0], self.rss_after, settled[-1], max(settled), self.rss_after))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("binary")
    parser.add_argument("--tz", default="America/New_York", choices=sorted(ZONES))
    parser.add_argument("--hours", type=float, default=25.0, help="faked hours to run through")
    parser.add_argument("--minutes", type=float, default=1.0, help="real minutes to take")
    parser.add_argument("--rss-after", type=float, default=60.0,
                        help="real seconds after launch from which memory may not grow")
    args = parser.parse_args()
    Soak(args.binary, args.tz, args.hours, args.minutes, args.rss_after).run()


if __name__ == "__main__":
    sys.exit(main())
