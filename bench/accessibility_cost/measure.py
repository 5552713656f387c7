# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""One run of bench/accessibility_cost.sh, inside its private X server and D-Bus session: starts
the program, lets its page load, then for the given seconds sums the CPU time of the program
and all its child processes (Chromium's among them) and at the end their resident and
proportional set sizes. With "reader", a screen reader is on (the accessibility bus's
ScreenReaderEnabled) and this script reads the whole accessible tree once after the warm-up and
listens to the page's events, as a screen reader does.
Usage: measure.py <none|reader> <seconds> <program> [arguments]"""
import os
import pathlib
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WARM_UP_S = 10
TICK = os.sysconf("SC_CLK_TCK")


def tree(pid):
    """`pid` and all its descendants."""
    found = [pid]
    children = subprocess.run(["pgrep", "-P", str(pid)], stdout=subprocess.PIPE, text=True)
    for child in map(int, children.stdout.split()):
        found += tree(child)
    return found


def cpu_seconds(pids):
    """User and system CPU per process, from /proc (clock ticks)."""
    seconds = {}
    for pid in pids:
        try:
            fields = pathlib.Path("/proc/%d/stat" % pid).read_text().rsplit(")", 1)[1].split()
        except OSError:
            continue  # ended since
        seconds[pid] = (int(fields[11]) + int(fields[12])) / TICK
    return seconds


def memory_mb(pids, field):
    total = 0
    for pid in pids:
        try:
            for line in pathlib.Path("/proc/%d/smaps_rollup" % pid).read_text().splitlines():
                if line.startswith(field + ":"):
                    total += int(line.split()[1])
        except OSError:
            continue
    return total / 1024


def accessible_count(accessible):
    """The accessibles at and below `accessible`, read one by one as a screen reader does."""
    try:
        return 1 + sum(accessible_count(child) for child in accessible if child is not None)
    except Exception:  # a node that went away meanwhile
        return 1


def main():
    mode, seconds, program = sys.argv[1], float(sys.argv[2]), sys.argv[3:]
    subprocess.run(["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path",
                    "/org/a11y/bus", "--method", "org.freedesktop.DBus.Properties.Set",
                    "org.a11y.Status", "ScreenReaderEnabled",
                    "<%s>" % ("true" if mode == "reader" else "false")],
                   check=True, stdout=subprocess.DEVNULL)
    events = [0]
    if mode == "reader":
        def count(_event):
            events[0] += 1
        pyatspi.Registry.registerEventListener(
            count, "object:children-changed", "object:text-changed", "object:state-changed",
            "object:property-change", "focus:")
    env = dict(os.environ)
    env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
    process = subprocess.Popen(program, env=env, stderr=subprocess.DEVNULL)
    try:
        # Waits on the step-free monotonic clock, with the event loop running for the listeners.
        def run_loop(for_seconds):
            GLib.timeout_add(int(for_seconds * 1000), lambda: pyatspi.Registry.stop())
            pyatspi.Registry.start()

        run_loop(WARM_UP_S)
        nodes = accessible_count(pyatspi.Registry.getDesktop(0)) - 1 if mode == "reader" else 0
        pids = tree(process.pid)
        before = cpu_seconds(pids)
        started = time.monotonic()
        events[0] = 0
        run_loop(seconds)
        elapsed = time.monotonic() - started
        pids = tree(process.pid)
        after = cpu_seconds(pids)
        used = sum(after[p] - before.get(p, 0.0) for p in after)
        print("%-7s processes %2d  CPU %5.1f %% of a core  RSS %6.1f MB  PSS %6.1f MB  "
              "accessibles %d  events %d" % (mode, len(pids), 100 * used / elapsed, memory_mb(pids, "Rss"),
                             memory_mb(pids, "Pss"), nodes, events[0]), flush=True)
    finally:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


if __name__ == "__main__":
    main()
