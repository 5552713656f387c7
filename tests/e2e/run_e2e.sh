#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers
# Runs one end-to-end test script against the real binary under a private X server and a
# private D-Bus session, so that the accessibility bus belongs to this run alone.
# Usage: run_e2e.sh <test.py> <ticklot binary> [arguments of the test]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
script=$1
binary=$2

runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
# The program's settings come from this run's folder, never the user's.
export XDG_CONFIG_HOME=$runtime/config
# No test reaches beyond this machine: Chromium sends every request for another host to a proxy
# where nothing listens (loopback addresses bypass it). Qt splits these flags at spaces.
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --disable-background-networking --disable-component-update --proxy-server=127.0.0.1:1"
# Chromium, inside Qt WebEngine's own library, frees some objects with another size than it
# made them with; that check would stop the program as soon as it shows a page.
export ASAN_OPTIONS=detect_leaks=0:new_delete_type_mismatch=0
export PYTHONPATH=$here
export PYTHONDONTWRITEBYTECODE=1

xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- /usr/bin/python3 "$here/$script" "$binary" "${@:3}"
