#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers
# Main-thread CPU of the running program (every page it asks for served blank from this
# machine, a countdown running) next to a bare window with one line edit set every 100 ms, and
# that window with its edit painted at once, offscreen and under Xvfb, with the time of each tick.
# Usage: bench/running_cost.sh <build dir> [seconds, default 60]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bench=$1/bench/running_cost
seconds=${2:-60}

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
source "$here/common/page_proxy.sh"
start_page_proxy "$runtime"
trap 'kill $server; rm -rf "$runtime"' EXIT

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for mode in --window --floor --floor-repaint; do
    env -u DISPLAY QT_QPA_PLATFORM=offscreen "$bench" "$mode" --seconds "$seconds" 2>/dev/null
    xvfb-run -a -s "-screen 0 1280x1024x24" "$bench" "$mode" --seconds "$seconds" 2>/dev/null
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
