# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""Where a soak run slows its faked clock down to real speed: around local midnight, the
daylight-saving change, Pacific midnight on the clock and the countdown's end, so that the
program ticks through every second there. In between, the clock races ahead."""
import datetime
from zoneinfo import ZoneInfo

from expected_time import clock_text, local_time

# For each zone, the local start and the countdown's end (Pacific, as typed). New York springs
# forward on 8 March 2026, when the clock jumps from 22:59:59 to 0:00:00; the countdown ends
# before that. Berlin falls back on 25 October 2026, when the clock goes back from 17:59:59 to
# 17:00:00; the countdown runs across the repeated hour and ends after it.
ZONES = {
    "America/New_York": ("2026-03-07 10:00:00", "22:30:00"),
    "Europe/Berlin": ("2026-10-24 12:00:00", "18:30:00"),
}

SECOND = datetime.timedelta(seconds=1)


def first_second(start, end, condition):
    """The first whole second from start to end at which condition holds, or None."""
    moment = start
    while moment <= end:
        if condition(moment):
            return moment
        moment += SECOND
    return None


def events(tz, start_utc, end_utc, bias, end_hms):
    """The named UTC moments of the run worth watching second by second, in order."""
    zone = ZoneInfo(tz)
    start_day = local_time(start_utc, tz).date()
    start_offset = start_utc.astimezone(zone).utcoffset()
    conditions = {
        "local midnight": lambda m: local_time(m, tz).date() != start_day,
        "daylight change": lambda m: m.astimezone(zone).utcoffset() != start_offset,
        "Pacific midnight": lambda m: clock_text(m, tz, bias) == "0:00:00",
        "countdown end": lambda m: clock_text(m, tz, bias) == end_hms,
    }
    found = [(name, first_second(start_utc, end_utc, condition))
             for name, condition in conditions.items()]
    return sorted(((name, moment) for name, moment in found if moment is not None),
                  key=lambda event: event[1])


def real_speed_windows(event_list, before, after):
    """Merged (from, to) UTC windows around the events."""
    windows = []
    for _, moment in event_list:
        low, high = moment - before, moment + after
        if windows and low <= windows[-1][1]:
            windows[-1] = (windows[-1][0], max(windows[-1][1], high))
        else:
            windows.append((low, high))
    return windows
