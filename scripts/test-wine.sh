#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers
# Cross-builds every target that needs no Qt for 64-bit Windows with mingw-w64 and runs their
# tests under Wine, in a fresh Wine prefix that is removed afterwards. Exits non-zero on any
# failure. scripts/test.sh runs it after the native tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --test
cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-x86_64.cmake \
    -DTICKLOT_QT_APP=OFF -DTICKLOT_BUILD_BENCH=OFF -DTICKLOT_WERROR=ON --no-warn-unused-cli >/dev/null
cmake --build build-win --parallel 2

# Console programs only: Wine needs no display, and must not reach one.
unset DISPLAY WAYLAND_DISPLAY
export WINEPREFIX
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/ticklot-wine.XXXXXX")
export WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko: nothing here needs .NET or the HTML engine, and Wine would ask for them.
export WINEDLLOVERRIDES="mscoree,mshtml="
stop_wine() {
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
}
trap stop_wine EXIT

# One persistent server for the whole run, so that each test process starts in milliseconds.
wineserver -p
wineboot --init 2>/dev/null
# Rarely (about once in 25 runs) Wine fails to start a test process at all: it ends within
# milliseconds and prints nothing. Such a test gets one more run; a real failure fails twice.
ctest --test-dir build-win --output-on-failure --parallel 2 --timeout 300 --repeat until-pass:2
