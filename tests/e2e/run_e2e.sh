#!/usr/bin/env bash
# Runs one end-to-end test script against the real binary under a private X server and a
# private D-Bus session, so that the accessibility bus belongs to this run alone.
# Usage: run_e2e.sh <test.py> <ticklot binary>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
script=$1
binary=$2

runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
# Chromium resolves no host name but loopback ones, so no test reaches beyond this machine.
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --disable-background-networking --disable-component-update --host-resolver-rules=MAP * ~NOTFOUND , EXCLUDE localhost"
export ASAN_OPTIONS=detect_leaks=0
export PYTHONPATH=$here
export PYTHONDONTWRITEBYTECODE=1
[ "$(id -u)" = 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1

exec xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- /usr/bin/python3 "$here/$script" "$binary"
