# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""What the clock and the countdown should show, computed from the time zone database alone.

The program shows local time + standard-time bias - 8 h, the bias taken once at start, with
no daylight rule for Pacific time; the countdown shows the end time minus the clock time as
"h:mm:ss" of the magnitude, and "Ended" on the second the two meet.
"""
import datetime
from zoneinfo import ZoneInfo

PACIFIC_OFFSET = datetime.timedelta(hours=8)
DAY = 86400


def local_time(utc, tz):
    """The wall-clock time in zone tz at the given aware UTC moment, as a naive datetime."""
    return utc.astimezone(ZoneInfo(tz)).replace(tzinfo=None)


def utc_of_local(local, tz):
    """The UTC moment of a naive local wall-clock time (the first one where it repeats)."""
    return local.replace(tzinfo=ZoneInfo(tz), fold=0).astimezone(datetime.timezone.utc)


def standard_bias(tz, utc):
    """UTC minus local standard time, positive west of Greenwich."""
    aware = utc.astimezone(ZoneInfo(tz))
    standard = aware.utcoffset() - (aware.dst() or datetime.timedelta(0))
    return -standard


def format_hms(seconds):
    seconds %= DAY
    return "%d:%02d:%02d" % (seconds // 3600, seconds // 60 % 60, seconds % 60)


def seconds_of(hms):
    hours, minutes, seconds = map(int, hms.split(":"))
    return hours * 3600 + minutes * 60 + seconds


def clock_text(utc, tz, bias):
    """The clock box's text at a UTC moment, for the bias the program took at start."""
    pacific = local_time(utc, tz) + bias - PACIFIC_OFFSET
    return format_hms(pacific.hour * 3600 + pacific.minute * 60 + pacific.second)


def remaining_text(end_hms, clock_hms):
    """The countdown's text for an end time and a clock text, both times of day."""
    return format_hms(abs(seconds_of(end_hms) - seconds_of(clock_hms)))


def clock_texts_between(first_utc, last_utc, tz, bias):
    """Every text the clock can show between two UTC moments, both included."""
    start = first_utc.replace(microsecond=0)
    count = int((last_utc - start).total_seconds()) + 1
    return {clock_text(start + datetime.timedelta(seconds=k), tz, bias) for k in range(count)}
