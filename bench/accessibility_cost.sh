#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers
# What exposing web pages to the accessibility bus costs: CPU over the given seconds (after a
# 10 s warm-up) and resident memory of the whole process tree, Chromium's processes included,
# under Xvfb with a live auction page shown (served from a loopback proxy for every address).
# Runs Ticklot with no assistive technology and with a screen reader on (pages exposed), and a
# bare QWebEngineView with the screen reader on, without and with the pages exposed, so that
# the last two differ in QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY alone.
# Usage: bench/accessibility_cost.sh <build dir> [seconds, default 60] [rounds, default 1]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
seconds=${2:-60}
rounds=${3:-1}

work=$(mktemp -d)
chmod 700 "$work"
source "$here/common/page_proxy.sh"
start_page_proxy "$work" "$here/accessibility_cost/auction_page.html"
trap 'kill $server; rm -rf "$work"' EXIT
unset QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY QT_LINUX_ACCESSIBILITY_ALWAYS_ON
# The scene graph Ticklot chooses for itself, for the bare view too.
export QT_QUICK_BACKEND=software

# Each run has its own home, X server and D-Bus session: the screen reader setting is written
# to the home's settings, and the session's accessibility bus belongs to the run alone.
run() {
    local label=$1
    shift
    local home
    home=$(mktemp -d -p "$work")
    mkdir -m 700 "$home/runtime"
    printf '%-40s ' "$label"
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
        XDG_RUNTIME_DIR=$home/runtime xvfb-run -a -s "-screen 0 1280x1024x24" \
        dbus-run-session -- /usr/bin/python3 "$here/accessibility_cost/measure.py" "$@" \
        2>/dev/null | grep -v SpiRegistry
}

page="http://auction.example/4711"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for round in $(seq "$rounds"); do
    echo "round $round"
    run "Ticklot, no assistive technology" none "$seconds" "$build/app/ticklot"
    run "Ticklot, screen reader on" reader "$seconds" "$build/app/ticklot"
    run "bare view, screen reader on, pages hidden" reader "$seconds" \
        "$build/bench/bare_webengine_probe" "$page" "$seconds"
    QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY=1 run "bare view, screen reader on, pages shown" \
        reader "$seconds" "$build/bench/bare_webengine_probe" "$page" "$seconds"
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
