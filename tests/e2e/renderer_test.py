"""A page whose renderer process is killed: a notice takes the page's place, the address bar and
status panel 1 keep the dead page, and Refresh loads that address again. As root Chromium runs
without its sandbox; run_e2e_unprivileged.sh runs this as a user, with the sandbox on."""
import http.server
import os
import signal
import sys
import threading
import time
import unittest

from ticklot_atspi import TicklotApp

BINARY = sys.argv.pop(1)
NOTICE = ("This page has stopped working. Refresh loads it again; Home and Go open another "
          "page.")


class Page(http.server.BaseHTTPRequestHandler):
    requests = 0

    def do_GET(self):
        Page.requests += self.path == "/bid"
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.end_headers()
        self.wfile.write(b"<title>Bid page</title><p>Lot 7</p>")

    def log_message(self, *args):
        pass


def renderers(ancestor):
    """Chromium's renderer processes among the descendants of `ancestor`."""
    parents, found = {}, []
    for entry in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/stat" % entry) as stat:
                parents[int(entry)] = int(stat.read().rsplit(")", 1)[1].split()[1])
            with open("/proc/%s/cmdline" % entry, "rb") as cmdline:
                if b"--type=renderer" in cmdline.read():
                    found.append(int(entry))
        except OSError:
            continue

    def descends(pid):
        while pid > 1 and pid != ancestor:
            pid = parents.get(pid, 0)
        return pid == ancestor

    return [pid for pid in found if descends(pid)]


def sandboxed(pid):
    """A renderer inside Chromium's sandbox has a seccomp filter and a PID namespace of its own."""
    with open("/proc/%d/status" % pid) as status:
        fields = dict(line.split(":", 1) for line in status)
    return fields["Seccomp"].strip() == "2" and len(fields["NSpid"].split()) > 1


def wait_until(condition, timeout=15.0):
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            raise AssertionError("still not so after %s s" % timeout)
        time.sleep(0.05)


class DeadRenderer(unittest.TestCase):
    def test_notice_then_refresh_brings_the_page_back(self):
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Page)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        url = "http://127.0.0.1:%d/bid" % server.server_port
        app = TicklotApp(BINARY)
        try:
            address = app.find("Address", "text")
            panel = app.find(role="label", description="Status panel 1")
            app.wait_for_text(address, lambda t: t == "http://www.ebay.com/", timeout=15)
            address.queryEditableText().setTextContents(url)
            app.find("Go", "push button").queryAction().doAction(0)
            wait_until(lambda: app.text(address) == url and panel.name == "Bid page")

            killed = renderers(app.process.pid)
            self.assertTrue(killed)
            self.assertEqual([sandboxed(p) for p in killed], [os.getuid() != 0] * len(killed))
            for pid in killed:
                os.kill(pid, signal.SIGKILL)
            notice = app.find(NOTICE, "label")
            wait_until(lambda: app.showing(notice))
            time.sleep(0.5)  # a late report would show here
            self.assertEqual((app.text(address), panel.name), (url, "Bid page"))

            app.find("Refresh", "push button").queryAction().doAction(0)
            wait_until(lambda: Page.requests == 2 and not app.showing(notice))
            wait_until(lambda: panel.name == "Bid page" and renderers(app.process.pid))
            self.assertEqual(app.text(address), url)
        finally:
            app.kill()
            server.shutdown()


if __name__ == "__main__":
    unittest.main()
