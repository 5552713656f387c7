# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""Drives the real Ticklot binary through the accessibility interface (AT-SPI).

Run inside a private D-Bus session and an X server (see run_e2e.sh) with Debian's python3,
which has pyatspi.
"""
import glob
import os
import signal
import subprocess
import time

import pyatspi


class TicklotApp:
    """The program, started with the given environment; faketime is a libfaketime start
    setting such as "@2026-02-08 02:00:00" (start the clock there) or a dict of
    libfaketime variables."""

    def __init__(self, binary, env=None, timeout=15.0, faketime=None):
        self.env = dict(os.environ)
        self.env.update(env or {})
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        if faketime is not None:
            self.env.update(faketime_env(faketime))
        # Qt joins the accessibility bus only if it is already running when the program
        # starts; asking for the desktop starts it.
        pyatspi.Registry.getDesktop(0)
        self.process = subprocess.Popen([binary], env=self.env)
        try:
            self.root = self._wait_for_app(timeout)
        except Exception:
            self.kill()
            raise

    def _wait_for_app(self, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                raise RuntimeError("ticklot exited early with %s" % self.process.returncode)
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name == "Ticklot" and self._has_frame(app):
                    return app
            time.sleep(0.2)
        raise TimeoutError("ticklot did not register with the accessibility bus")

    def _has_frame(self, app):
        try:
            return any(c.getRoleName() == "frame" for c in app)
        except Exception:
            return False

    def find(self, name=None, role=None, timeout=5.0, description=None):
        """The first accessible below the application with this name, role name and
        description (each only if given)."""
        def matches(a):
            return (a is not None and (name is None or a.name == name)
                    and (role is None or a.getRoleName() == role)
                    and (description is None or a.description == description))

        deadline = time.monotonic() + timeout
        while True:
            found = pyatspi.findDescendant(self.root, matches)
            if found is not None or time.monotonic() > deadline:
                if found is None:
                    raise LookupError("no accessible %r (%s, %r)" % (name, role, description))
                return found
            time.sleep(0.1)

    def frame(self, title):
        for child in self.root:
            if child.getRoleName() in ("frame", "dialog", "alert") and child.name == title:
                return child
        raise LookupError("no window %r" % title)

    def wait_for_window(self, title, present=True, timeout=5.0):
        """Waits until a top-level window (frame, dialog or message box) with this title is
        open, or with present=False, closed; returns it when open."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                window = self.frame(title)
                if present:
                    return window
            except LookupError:
                if not present:
                    return None
            if time.monotonic() > deadline:
                raise AssertionError("window %r %s" % (title, "never opened" if present
                                                       else "stayed open"))
            time.sleep(0.05)

    @staticmethod
    def showing(accessible):
        return accessible.getState().contains(pyatspi.STATE_SHOWING)

    @staticmethod
    def text(accessible):
        # In one call: a tick between asking for the length and for the text would tear it.
        return accessible.queryText().getText(0, -1)

    def wait_for_text(self, accessible, predicate, timeout=5.0):
        deadline = time.monotonic() + timeout
        value = self.text(accessible)
        while not predicate(value):
            if time.monotonic() > deadline:
                raise AssertionError("text stayed %r" % value)
            time.sleep(0.05)
            value = self.text(accessible)
        return value

    def wait_exit(self, timeout=10.0):
        return self.process.wait(timeout=timeout)

    def kill(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGKILL)
            self.process.wait()


def press_keys(*keys):
    """Sends a key combination to the focused window through xdotool."""
    subprocess.run(["xdotool", "key", "--clearmodifiers"] + list(keys), check=True)


def faketime_env(setting):
    """Variables that run a program under libfaketime. The monotonic clock stays real, or a
    stopped faked clock would stop Qt's timers. The library's own fix for waits on the
    monotonic clock, which it turns on by itself for this C library, makes such waits return at
    once: the browser's worker threads then spin at full speed, so it is turned off.
    AddressSanitizer is told to accept the library loaded before it."""
    variables = {"FAKETIME": setting} if isinstance(setting, str) else dict(setting)
    variables["LD_PRELOAD"] = glob.glob("/usr/lib/*/faketime/libfaketimeMT.so.1")[0]
    variables["FAKETIME_DONT_FAKE_MONOTONIC"] = "1"
    variables["FAKETIME_FORCE_MONOTONIC_FIX"] = "0"
    asan = os.environ.get("ASAN_OPTIONS", "")
    variables["ASAN_OPTIONS"] = (asan + ":" if asan else "") + "verify_asan_link_order=0"
    return variables


def type_text(text):
    """Types the text into the focused widget through xdotool."""
    subprocess.run(["xdotool", "type", "--delay", "10", text], check=True)


def click(accessible):
    """Clicks the middle of an accessible with the mouse."""
    x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2),
                    "click", "1"], check=True)


def focus_window(title):
    """Gives the keyboard to the top-level window with this title; without a window manager
    nothing does so when a dialog closes."""
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % title,
                    "windowfocus", "--sync"], check=True, timeout=10)
