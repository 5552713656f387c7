#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers
# Whole-process figures of the browser pane, offscreen: from process launch to the first clock
# text and to the first completed navigation of a local page, and the main process's peak
# resident set, for the Ticklot window and, in the same run, for a bare QWebEngineView showing
# the same page. Runs the two programs alternately and prints the medians.
# Usage: bench/browser_startup.sh <build dir> [runs, default 10]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-10}

work=$(mktemp -d)
server=""
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -m 700 "$work/runtime"
mkdir "$work/site"
printf '<!DOCTYPE html><html><head><title>Bench page</title></head><body><h1>%s</h1><p>%s</p></body></html>\n' \
    "Auction 12345" "A local page of a few lines." >"$work/site/page.html"
python3 -u -m http.server --bind 127.0.0.1 --directory "$work/site" 0 >"$work/server.log" 2>&1 &
server=$!
for _ in $(seq 50); do
    port=$(sed -nE 's/.*port ([0-9]+).*/\1/p' "$work/server.log" | head -1)
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { echo "the page server did not start" >&2; exit 1; }
page="http://127.0.0.1:$port/page.html"

export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime"
export XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
# Only this machine is reached: other hosts go to a proxy where nothing listens.
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --proxy-server=127.0.0.1:1"
[ "$(id -u)" = 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
unset DISPLAY WAYLAND_DISPLAY

probe() {
    TICKLOT_BENCH_LAUNCH_NS=$(date +%s%N) "$build/bench/$1" "$page" 2>/dev/null
}
value() { sed -nE "s/.*$1=([0-9.-]+).*/\1/p"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
megabytes() { awk '{ printf "%.1f", $1 / 1024 }'; }

for run in $(seq "$runs"); do
    ticklot=$(probe ticklot_startup_probe)
    bare=$(probe bare_webengine_probe)
    echo "$ticklot" | value first_clock_ms >>"$work/clock"
    echo "$ticklot" | value first_page_ms >>"$work/page"
    echo "$ticklot" | value peak_rss_kb >>"$work/rss"
    echo "$bare" | value first_page_ms >>"$work/bare_page"
    echo "$bare" | value peak_rss_kb >>"$work/bare_rss"
    echo "run $run: ticklot $ticklot | bare $bare"
done

echo "medians over $runs runs (ms from launch; peak RSS of the main process in MB):"
printf '  ticklot: first clock text %s ms, local page shown %s ms, peak RSS %s MB\n' \
    "$(median <"$work/clock")" "$(median <"$work/page")" "$(median <"$work/rss" | megabytes)"
printf '  bare QWebEngineView: page loaded %s ms, peak RSS %s MB\n' \
    "$(median <"$work/bare_page")" "$(median <"$work/bare_rss" | megabytes)"
