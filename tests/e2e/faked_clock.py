# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""A libfaketime clock the test moves while the program runs.

The program reads a file on every clock call (FAKETIME_TIMESTAMP_FILE with FAKETIME_NO_CACHE)
holding an offset in whole seconds, so its clock reads real time plus the offset last written:
it runs at real speed until the test writes a new offset, and the test knows at every moment
which faked times the program may have seen.
"""
import datetime
import os
import time

UTC = datetime.timezone.utc


class FakedClock:
    def __init__(self, path):
        self.path = path
        # (written from, in force until, offset): the program may see an offset from just
        # before its file is replaced until just after the next one replaces it.
        self.offsets = []

    def env(self):
        # The browser's helper processes keep the real time: the page does not matter here, and
        # reading the file on each of their many clock calls would load the machine.
        return {"FAKETIME_TIMESTAMP_FILE": self.path, "FAKETIME_NO_CACHE": "1",
                "FAKETIME_SKIP_CMDS": "QtWebEngineProcess"}

    def offset(self):
        return self.offsets[-1][2]

    def now(self):
        """The faked time now, as an aware UTC datetime."""
        return datetime.datetime.fromtimestamp(time.time() + self.offset(), UTC)

    def jump_to(self, faked_utc):
        """Makes the clock read faked_utc now (to the second) and run on from there."""
        offset = round(faked_utc.timestamp() - time.time())
        if self.offsets and self.offsets[-1][2] == offset:
            return
        before = time.time()
        with open(self.path + ".new", "w") as new:
            new.write("%+d\n" % offset)
        os.replace(self.path + ".new", self.path)
        after = time.time()
        if self.offsets:
            start, _, previous = self.offsets[-1]
            self.offsets[-1] = (start, after, previous)
        self.offsets.append((before, float("inf"), offset))

    def spans(self, real_from, real_to):
        """The faked times (aware UTC pairs) the program may have read between two real
        moments, one span per offset in force then."""
        result = []
        for start, end, offset in self.offsets:
            low, high = max(start, real_from), min(end, real_to)
            if low <= high:
                result.append((datetime.datetime.fromtimestamp(low + offset, UTC),
                               datetime.datetime.fromtimestamp(high + offset, UTC)))
        return result
