// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "ClockPair.h"

namespace platform {
namespace {

// Over a short sleep both clocks run on together: the step-free clock advances by at least the
// sleep, and the system clock's lead over it moves by far less than the sleep (no step is
// expected during a test; slewing moves it by microseconds).
TEST(ClockPair, BothClocksAdvanceTogether) {
    const clockcheck::StepFreeMicros before = stepFreeNow();
    const clockcheck::ClockReading first = readClockPair();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const clockcheck::ClockReading second = readClockPair();
    const clockcheck::StepFreeMicros after = stepFreeNow();

    EXPECT_LE(before, first.stepFree);
    EXPECT_LE(second.stepFree, after);
    EXPECT_GE(second.stepFree - first.stepFree, 30'000);
    EXPECT_LT(std::abs(second.systemAhead() - first.systemAhead()), 10'000);
    // The system clock reads microseconds since 1970: some moment after 2020.
    EXPECT_GT(first.system, 1'577'836'800'000'000);
}

}  // namespace
}  // namespace platform
