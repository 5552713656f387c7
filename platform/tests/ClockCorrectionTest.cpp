// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include "ClockCorrection.h"

namespace platform {
namespace {

constexpr std::int64_t kSecond = 1'000'000;

// While the correction is on, the program's clock is the site's time carried on the step-free
// clock: steps of the system clock after the measurement move nothing; with the correction off
// it is the system clock again. The PC is 2.37 s behind the site at the measurement.
TEST(ClockCorrection, StepsOfTheSystemClockMoveNothingWhileCorrected) {
    const clockcheck::ClockReading measuredAt{1'780'000'000 * kSecond, 5'000 * kSecond};
    const std::int64_t offset = 2'370'000;
    ClockCorrection correction;
    EXPECT_EQ(correction.at(measuredAt), measuredAt.system);
    correction.correct(siteAheadOfStepFree(offset, measuredAt));
    // {step-free time since the measurement, how far the system clock was stepped since}
    for (const auto& [elapsed, step] : {std::pair<std::int64_t, std::int64_t>{0, 0},
                                        {60 * kSecond, 0},
                                        {61 * kSecond, offset},                // set right
                                        {62 * kSecond, -kSecond},              // a second back
                                        {3600 * kSecond, 86400 * kSecond}}) {  // a wrong resume
        const clockcheck::ClockReading now{measuredAt.system + elapsed + step,
                                           measuredAt.stepFree + elapsed};
        EXPECT_EQ(correction.at(now), measuredAt.system + offset + elapsed) << elapsed;
    }
    correction.clear();
    EXPECT_FALSE(correction.isOn());
    EXPECT_EQ(correction.at({measuredAt.system + kSecond, measuredAt.stepFree}),
              measuredAt.system + kSecond);
}

}  // namespace
}  // namespace platform
