#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers
# run_e2e.sh as a throw-away unprivileged user, so that Chromium's sandbox is on; needs root (else
# exit 77: skipped). Usage: as run_e2e.sh.
set -euo pipefail
[ "$(id -u)" -eq 0 ] || { echo "not root: every run has the sandbox on already"; exit 77; }
user=ticklot-e2e-$$
home=$(mktemp -d)
# The session bus's helpers may outlive the test by a moment.
trap 'for pid in $(pgrep -u "$user"); do kill -KILL "$pid" || true; done; userdel -f "$user"; rm -rf "$home"' EXIT
useradd --system --no-create-home --home-dir "$home" --shell /usr/sbin/nologin "$user"
# The checkout may lie in a folder the user cannot enter: the scripts and the binary are run from
# copies in the user's own home.
cp -r "$(dirname "$0")" "$home/e2e"
cp "$2" "$home/ticklot"
chown -R "$user:" "$home"
runuser -u "$user" -- env -u QTWEBENGINE_DISABLE_SANDBOX -u XDG_DATA_HOME -u XDG_CACHE_HOME \
    -u XDG_CONFIG_HOME HOME="$home" "$home/e2e/run_e2e.sh" "$1" "$home/ticklot" "${@:3}"
