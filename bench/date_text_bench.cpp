// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

// Date text conversions per second, for the texts the countdown parses on every tick (the clock
// text and typical end times) and for texts it refuses.
#include <benchmark/benchmark.h>

#include <string>

#include "DateText.h"

namespace {

void Parse(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        auto value = countdown::parseDateText(text, countdown::usEnglishSettings(), 2026);
        benchmark::DoNotOptimize(value);
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(Parse, ClockText, std::string("17:30:00"));
BENCHMARK_CAPTURE(Parse, TwelveHourTime, std::string("5:30 PM"));
BENCHMARK_CAPTURE(Parse, NumericDate, std::string("12/8/2026 17:30"));
BENCHMARK_CAPTURE(Parse, AuctionSiteText, std::string("(Tuesday, Dec 08, 2026 17:30:00 PST)"));
BENCHMARK_CAPTURE(Parse, RefusedWord, std::string("abc"));
BENCHMARK_CAPTURE(Parse, RefusedMegabyteOfDigits, std::string(1 << 20, '9'));

}  // namespace

BENCHMARK_MAIN();
