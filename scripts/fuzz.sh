#!/usr/bin/env bash
# Fuzzes the date text conversion with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer. Usage: scripts/fuzz.sh [seconds, default 300] [libFuzzer options]
# New inputs go to build-fuzz/corpus; the seeds in countdown/fuzz/corpus stay untouched.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --fuzz
seconds=${1:-300}
shift || true
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DTICKLOT_FUZZ=ON \
    -DTICKLOT_BUILD_TESTS=OFF -DTICKLOT_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target date_text_fuzz
mkdir -p build-fuzz/corpus
exec build-fuzz/countdown/fuzz/date_text_fuzz -max_total_time="$seconds" -max_len=4096 \
    -print_final_stats=1 "$@" build-fuzz/corpus countdown/fuzz/corpus
