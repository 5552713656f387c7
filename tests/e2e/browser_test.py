# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""Starts the real program: it opens on the eBay home page (an error page here, where no host
but this machine's is reachable) and F1 shows the help page shipped inside it."""
import subprocess
import sys
import unittest

from ticklot_atspi import TicklotApp, press_keys

BINARY = sys.argv.pop(1)


class BrowserPane(unittest.TestCase):
    def test_opens_on_ebay_and_shows_help_on_f1(self):
        app = TicklotApp(BINARY)
        try:
            address = app.find("Address", "text")
            app.wait_for_text(address, lambda t: t == "http://www.ebay.com/", timeout=15)
            subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                            "^Ticklot$", "windowfocus", "--sync"], check=True, timeout=10)
            app.find("Auction End Time", "text").queryComponent().grabFocus()
            press_keys("F1")
            app.wait_for_text(address, lambda t: t == "qrc:/help/contents.html", timeout=15)
            self.assertIsNotNone(app.find("Ticklot Help", "label"))
        finally:
            app.kill()


if __name__ == "__main__":
    unittest.main()
