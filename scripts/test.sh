#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers
# Installs what is missing, builds every target with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test headless, then builds an optimised
# configuration and runs its unit and widget tests, since some faults show only when the
# compiler optimises; with TICKLOT_TEST_PACKAGE=1 it also tests the Debian package
# (scripts/test-package.sh). Any compiler warning fails the run. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --test
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTICKLOT_SANITIZE=ON \
    -DTICKLOT_WERROR=ON >/dev/null
cmake --build build-test
# No test may reach a display other than its own.
unset DISPLAY WAYLAND_DISPLAY
cd build-test
ctest --output-on-failure --parallel 2 --timeout 600
cd ..

cmake -S . -B build-opt -G Ninja -DCMAKE_BUILD_TYPE=Release -DTICKLOT_WERROR=ON \
    -DTICKLOT_BUILD_BENCH=OFF >/dev/null
cmake --build build-opt
ctest --test-dir build-opt --output-on-failure --parallel 2 --timeout 600 --label-exclude e2e
# The Windows code paths: cross-built with mingw-w64 and run under Wine.
bash scripts/test-wine.sh
# The Debian package, installed and run in clean Debian 12 and 13 roots (CI sets this).
if [ "${TICKLOT_TEST_PACKAGE:-0}" = 1 ]; then
    bash scripts/test-package.sh
fi
