#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers
# Installs what is missing, builds Ticklot and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTICKLOT_BUILD_TESTS=OFF -DTICKLOT_BUILD_BENCH=OFF >/dev/null
cmake --build build-release --target ticklot
exec build-release/app/ticklot "$@"
