# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""A killed renderer: a notice takes the page's place, address bar and status panel 1 stay, and
Refresh loads the page again. Chromium's sandbox is off as root, on otherwise."""
import contextlib
import os
import pathlib
import signal
import subprocess
import sys
import time
import unittest

from ticklot_atspi import TicklotApp

BINARY = sys.argv.pop(1)
HELP = "qrc:/help/contents.html"
NOTICE = "This page has stopped working. Refresh loads it again; Home and Go open another page."


def renderers(ancestor):
    """Chromium's renderer processes among the descendants of `ancestor`."""
    children = subprocess.run(["pgrep", "-P", str(ancestor)], stdout=subprocess.PIPE, text=True)
    found = []
    for child in map(int, children.stdout.split()):
        with contextlib.suppress(OSError):  # it may have ended since
            if b"--type=renderer" in pathlib.Path("/proc/%d/cmdline" % child).read_bytes():
                found.append(child)
        found += renderers(child)
    return found


def sandboxed(pid):
    """Inside Chromium's sandbox: a seccomp filter and a PID namespace of its own."""
    lines = pathlib.Path("/proc/%d/status" % pid).read_text().splitlines()
    status = dict(line.split(":", 1) for line in lines)
    return status["Seccomp"].strip() == "2" and len(status["NSpid"].split()) > 1


def wait_until(condition, timeout=15.0):
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            raise AssertionError("still not so after %s s" % timeout)
        time.sleep(0.05)


class DeadRenderer(unittest.TestCase):
    def test_notice_then_refresh_brings_the_page_back(self):
        app = TicklotApp(BINARY)
        try:
            address = app.find("Address", "text")
            panel = app.find(role="label", description="Status panel 1")
            app.wait_for_text(address, lambda t: t == "http://www.ebay.com/", timeout=15)
            address.queryEditableText().setTextContents(HELP)
            app.find("Go", "push button").queryAction().doAction(0)
            wait_until(lambda: app.text(address) == HELP and panel.name == "Ticklot Help")
            killed = renderers(app.process.pid)
            self.assertEqual([sandboxed(p) for p in killed], [os.getuid() != 0] * len(killed))
            for pid in killed:
                os.kill(pid, signal.SIGKILL)
            notice = app.find(NOTICE, "label")
            wait_until(lambda: app.showing(notice))
            time.sleep(0.5)  # a late report would show here
            self.assertEqual((app.text(address), panel.name), (HELP, "Ticklot Help"))
            app.find("Refresh", "push button").queryAction().doAction(0)
            wait_until(lambda: not app.showing(notice) and renderers(app.process.pid))
            self.assertEqual((app.text(address), panel.name), (HELP, "Ticklot Help"))
        finally:
            app.kill()


if __name__ == "__main__":
    unittest.main()
