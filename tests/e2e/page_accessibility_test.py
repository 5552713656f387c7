# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""With an assistive technology active, the page in the browser pane is read through the
accessibility interface: its document has children, a heading and a link among them."""
import functools
import http.server
import pathlib
import sys
import tempfile
import threading
import time
import unittest

import pyatspi

from ticklot_atspi import TicklotApp

BINARY = sys.argv.pop(1)
PAGE = ("<!DOCTYPE html><html><head><title>Auction 4711</title></head><body>"
        "<h1>Bid on lot 4711</h1><a href='/bid'>Place bid</a></body></html>")


class PageAccessibility(unittest.TestCase):
    def test_page_tree_has_heading_and_link(self):
        site = tempfile.TemporaryDirectory()
        self.addCleanup(site.cleanup)
        pathlib.Path(site.name, "index.html").write_text(PAGE)
        handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=site.name)
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        self.addCleanup(server.shutdown)
        app = TicklotApp(BINARY)
        self.addCleanup(app.kill)
        address = app.find("Address", "text")
        app.wait_for_text(address, lambda t: t == "http://www.ebay.com/", timeout=15)
        address.queryEditableText().setTextContents("http://127.0.0.1:%d/" % server.server_port)
        app.find("Go", "push button").queryAction().doAction(0)
        found = lambda root, role, name: pyatspi.findDescendant(
            root, lambda a: a is not None and a.getRoleName() == role and a.name == name)
        deadline = time.monotonic() + 20  # the step-free clock
        document = None
        while document is None or document.childCount == 0:
            self.assertLess(time.monotonic(), deadline, "the page's document stayed empty")
            time.sleep(0.2)
            document = found(app.root, "document web", "Auction 4711")
        self.assertIsNotNone(found(document, "heading", "Bid on lot 4711"))
        self.assertIsNotNone(found(document, "link", "Place bid"))


if __name__ == "__main__":
    unittest.main()
