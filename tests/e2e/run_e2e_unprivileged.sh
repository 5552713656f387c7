#!/usr/bin/env bash
# run_e2e.sh as a throw-away unprivileged user, so that Chromium's sandbox is on; needs root (else
# exit 77: skipped) and a binary others may read. Usage: as run_e2e.sh.
set -euo pipefail
[ "$(id -u)" -eq 0 ] || { echo "not root: every run has the sandbox on already"; exit 77; }
user=ticklot-e2e-$$
home=$(mktemp -d)
# The session bus's helpers may outlive the test by a moment.
trap 'for pid in $(pgrep -u "$user"); do kill -KILL "$pid" || true; done; userdel -f "$user"; rm -rf "$home"' EXIT
useradd --system --no-create-home --home-dir "$home" --shell /usr/sbin/nologin "$user"
chown "$user:" "$home"
runuser -u "$user" -- env -u QTWEBENGINE_DISABLE_SANDBOX -u XDG_DATA_HOME -u XDG_CACHE_HOME \
    -u XDG_CONFIG_HOME HOME="$home" "$(dirname "$0")/run_e2e.sh" "$@"
