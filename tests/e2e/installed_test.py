# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""Checks an installed Ticklot from outside: the Pacific clock runs, the browser shows a page,
the six toolbar pictures are drawn, and the X11 window class is the desktop entry's
StartupWMClass. Arguments: a command that starts the installed program, its desktop entry.
A missing runtime plugin leaves a picture button blank, the same colour along every row."""
import datetime
import re
import struct
import subprocess
import sys
import tempfile
import unittest

import pyatspi

from expected_time import clock_texts_between
from ticklot_atspi import TicklotApp, focus_window, press_keys

BINARY, DESKTOP_ENTRY = sys.argv.pop(1), sys.argv.pop(1)
PICTURE_BUTTONS = ["Home", "Back", "Forward", "Refresh", "Stop", "Go to Ebay time Map"]
# The style's frame and bevel stay outside this margin.
INSET = 4


def screenshot():
    """The root window as (bytes per line, bytes per pixel, pixel data) from xwd."""
    with tempfile.NamedTemporaryFile(suffix=".xwd") as shot:
        subprocess.run(["xwd", "-root", "-silent", "-out", shot.name], check=True, timeout=10)
        data = shot.read()
    header = struct.unpack(">25I", data[:100])
    header_size, bits_per_pixel, bytes_per_line, colours = (header[0], header[11], header[12],
                                                            header[19])
    return bytes_per_line, bits_per_pixel // 8, data[header_size + colours * 12:]


def rows_with_a_picture(shot, extents):
    """How many rows inside the button hold more than one colour."""
    bytes_per_line, step, pixels = shot
    x, y, width, height = extents
    count = 0
    for row in range(y + INSET, y + height - INSET):
        start = row * bytes_per_line
        colours = {pixels[start + column * step:start + (column + 1) * step]
                   for column in range(x + INSET, x + width - INSET)}
        count += len(colours) > 1
    return count


def window_class(title):
    """The WM_CLASS class of the top-level window with this title that has one."""
    tree = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True,
                          check=True).stdout
    found = re.search(r'"%s": \("[^"]*" "([^"]*)"\)' % re.escape(title), tree)
    return found.group(1) if found else None


class Installed(unittest.TestCase):
    def test_runs_with_clock_browser_pictures_and_window_class(self):
        started = datetime.datetime.now(datetime.timezone.utc)
        app = TicklotApp(BINARY, env={"TZ": "UTC"}, timeout=60)
        try:
            shown = app.wait_for_text(app.find("Current PST Time", "text"), lambda t: t != "",
                                      timeout=10)
            now = datetime.datetime.now(datetime.timezone.utc)
            self.assertIn(shown, clock_texts_between(started, now, "UTC",
                                                     datetime.timedelta(0)))
            # The address is copied in when the helper process has finished the first page.
            app.wait_for_text(app.find("Address", "text"), lambda t: t.startswith("http"),
                              timeout=30)

            shot = screenshot()
            for name in PICTURE_BUTTONS:
                with self.subTest(button=name):
                    extents = app.find(name, "push button").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                    self.assertGreater(rows_with_a_picture(shot, extents), 2)

            with open(DESKTOP_ENTRY, encoding="utf-8") as entry:
                wm_class = re.search(r"^StartupWMClass=(.*)$", entry.read(), re.M).group(1)
            self.assertEqual(window_class("Ticklot"), wm_class)

            focus_window("Ticklot")
            press_keys("ctrl+q")
            self.assertEqual(app.wait_exit(), 0)
        finally:
            app.kill()


if __name__ == "__main__":
    unittest.main()
