# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

# Sourced by the benchmark scripts. Starts a loopback proxy that serves one page for every
# address (blank, or the HTML file given) and points Chromium at it: every page the program
# asks for comes from this machine. Sets `server` (its PID) and `port`; the caller ends it.
# Usage: start_page_proxy <work folder> [page file]
start_page_proxy() {
    python3 "$(dirname "${BASH_SOURCE[0]}")/../running_cost/blank_page_server.py" "${@:2}" \
        >"$1/port" &
    server=$!
    until [ -s "$1/port" ]; do sleep 0.1; done
    port=$(cat "$1/port")
    export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --disable-background-networking --disable-component-update --proxy-server=127.0.0.1:$port"
    if [ "$(id -u)" = 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
}
