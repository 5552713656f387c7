# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""The menus as a keyboard user meets them: Edit > Cut, Copy and Paste chosen by their access
keys, and Help > About opening one About dialog however often it is chosen."""
import re
import sys
import time
import unittest

import pyatspi

from ticklot_atspi import TicklotApp, click, focus_window, press_keys, type_text

BINARY = sys.argv.pop(1)
CLOCK_TEXT = re.compile(r"^([0-9]|1[0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]$")


class Menus(unittest.TestCase):
    def setUp(self):
        self.app = TicklotApp(BINARY, env={"TZ": "Europe/Berlin", "LANG": "C.UTF-8"})
        focus_window("Ticklot")

    def tearDown(self):
        self.app.kill()

    def edit(self, access_key):
        press_keys("alt+e")
        press_keys(access_key)

    def test_copy_and_cut_then_paste_through_the_edit_menu(self):
        end = self.app.find("Auction End Time", "text")
        address = self.app.find("Address", "text")
        clock = self.app.find("Current PST Time", "text")

        # Copy takes the selection; Paste replaces the whole text of the focused box.
        click(end)
        type_text("17:30:00")
        self.app.wait_for_text(end, lambda t: t == "17:30:00")
        press_keys("ctrl+a")
        self.edit("c")
        # The start-up page has filled the address bar by the time it is clicked.
        self.app.wait_for_text(address, lambda t: t == "http://www.ebay.com/", timeout=15)
        click(address)
        press_keys("ctrl+a")
        type_text("abc")
        self.app.wait_for_text(address, lambda t: t == "abc")
        self.edit("p")
        self.app.wait_for_text(address, lambda t: t == "17:30:00")
        self.assertEqual(self.app.text(end), "17:30:00")

        # Cut takes the clock box's whole text; the next tick writes the time again.
        self.app.wait_for_text(clock, lambda t: t != "")
        click(clock)
        self.edit("t")
        click(end)
        self.edit("p")
        pasted = self.app.wait_for_text(end, lambda t: t != "17:30:00")
        self.assertRegex(pasted, CLOCK_TEXT)
        self.app.wait_for_text(clock, lambda t: CLOCK_TEXT.match(t) is not None)

    def about_dialogs(self):
        return [w for w in self.app.root
                if w.name == "About Ticklot" and self.app.showing(w)]

    def open_about(self):
        # "About" has no access key: the Help menu opens on its first item, and Up wraps
        # round to the last one.
        focus_window("Ticklot")
        press_keys("alt+h")
        press_keys("Up")
        press_keys("Return")

    def test_help_about_opens_one_dialog_and_enter_closes_it(self):
        self.open_about()
        dialog = self.app.wait_for_window("About Ticklot")
        self.assertEqual(dialog.getRoleName(), "dialog")
        self.open_about()
        time.sleep(0.5)  # a second dialog would have appeared by now
        self.assertEqual(len(self.about_dialogs()), 1)

        focus_window("About Ticklot")
        press_keys("Return")
        self.app.wait_for_window("About Ticklot", present=False)
        self.assertTrue(self.app.showing(self.app.frame("Ticklot")))


if __name__ == "__main__":
    unittest.main()
