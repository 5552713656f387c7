#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers
# Fuzzes the date text conversion and the clock check's parsing of what a server sends (the
# answer's head and its Date) with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer, one target after the other, each for the given seconds.
# Usage: scripts/fuzz.sh [seconds per target, default 300] [libFuzzer options]
# New inputs go to build-fuzz/corpus/<target>; the seeds in countdown/fuzz/corpus and
# clockcheck/fuzz/corpus stay untouched.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --fuzz
seconds=${1:-300}
shift || true
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DTICKLOT_FUZZ=ON \
    -DTICKLOT_BUILD_TESTS=OFF -DTICKLOT_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target date_text_fuzz http_head_fuzz
for target in countdown/fuzz/date_text_fuzz clockcheck/fuzz/http_head_fuzz; do
    name=$(basename "$target")
    mkdir -p "build-fuzz/corpus/$name"
    build-fuzz/$target -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$@" \
        "build-fuzz/corpus/$name" "$(dirname "$target")/corpus"
done
