#!/usr/bin/env bash
# Runs one end-to-end test (through run_e2e.sh) as a throw-away unprivileged user, so that
# Chromium runs with its sandbox on, as it does for real users; the user and its home folder are
# removed afterwards. Needs root: for any other user every run has the sandbox on already, and
# this exits 77 (skipped). The binary's folders must be readable by others.
# Usage: run_e2e_unprivileged.sh <test.py> <ticklot binary> [arguments of the test]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ "$(id -u)" -ne 0 ]; then
    echo "not root: the ordinary end-to-end runs have the sandbox on already"
    exit 77
fi

user=ticklot-e2e-$$
home=$(mktemp -d)
# The session bus's helpers may outlive the test by a moment; userdel refuses while they run.
remove_user() {
    for _ in $(seq 50); do
        pgrep -u "$user" >/dev/null || break
        sleep 0.1
    done
    for pid in $(pgrep -u "$user"); do kill -KILL "$pid" 2>/dev/null || true; done
    userdel "$user" || echo "could not remove the user $user" >&2
    rm -rf "$home"
}
trap remove_user EXIT
useradd --system --no-create-home --home-dir "$home" --shell /usr/sbin/nologin "$user"
chown "$user:" "$home"
if ! runuser -u "$user" -- test -x "$2"; then
    echo "$user cannot run $2: its folders must be readable by others" >&2
    exit 1
fi
# run_e2e.sh gives the user a runtime folder of its own; nothing of root's may be used.
runuser -u "$user" -- env -u QTWEBENGINE_DISABLE_SANDBOX -u XDG_DATA_HOME -u XDG_CACHE_HOME \
    -u XDG_CONFIG_HOME -u XDG_RUNTIME_DIR HOME="$home" "$here/run_e2e.sh" "$@"
