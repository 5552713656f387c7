#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers
# The last seconds' sounds against a private PulseAudio server whose only sink is a null sink:
# last_seconds_bench on an idle machine and with both cores kept busy, then clock_lag_bench
# without and with the sound on, for how late each new second shows.
# Usage: bench/last_seconds.sh <build dir> [countdowns, default 5] [clock lag seconds, default 60]
set -euo pipefail
build=$1
countdowns=${2:-5}
lag_seconds=${3:-60}

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait
    rm -rf "$runtime"
}
trap cleanup EXIT
# It runs as root too, with warnings; its cookie goes to the private folder.
HOME=$runtime pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=cap" 2>/dev/null &
pids+=($!)
export PULSE_SERVER=unix:$runtime/pulse/native
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done

export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --disable-background-networking --disable-component-update --proxy-server=127.0.0.1:1"
[ "$(id -u)" = 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
run() { env -u DISPLAY QT_QPA_PLATFORM=offscreen "$@" 2>/dev/null; }

status=0
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
run "$build/bench/last_seconds_bench" --countdowns "$countdowns" --label idle || status=1
busy=()
for _ in 1 2; do
    (while :; do :; done) &
    busy+=($!)
done
pids+=("${busy[@]}")
run "$build/bench/last_seconds_bench" --countdowns "$countdowns" --label "both cores busy" ||
    status=1
kill "${busy[@]}"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
run "$build/bench/clock_lag_bench" --seconds "$lag_seconds" || status=1
run "$build/bench/clock_lag_bench" --seconds "$lag_seconds" --last-seconds || status=1
exit $status
