// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include "TickSource.h"

namespace platform {
namespace {

constexpr qint64 kPeriodUs = TickSource::kPeriodMs * 1000;
constexpr qint64 kBoundaryUs = 1'700'000'000'000'000;  // a whole tenth of a second

TEST(TickSource, DelayToTheNextTenthOfASecond) {
    struct Row {
        qint64 intoPeriodUs;
        int delayMs;
    };
    for (const Row row : {
             Row{0, 1},         // on the boundary: its tick is still to come
             Row{249, 1},       // within the margin after it
             Row{250, 100},     // past the margin: the next boundary
             Row{800, 100},     // a tick that woke on time re-aims a whole period on
             Row{2'000, 99},    // a late tick does not carry its lateness over
             Row{50'000, 51},   //
             Row{99'999, 1},    // just before the next boundary
             Row{-50'000, 51},  // before the epoch the same
         }) {
        EXPECT_EQ(TickSource::delayToNextBoundary(kBoundaryUs + row.intoPeriodUs), row.delayMs)
            << row.intoPeriodUs;
    }
}

// Wherever the clock stands, the tick lands past the boundary plus the margin (before it, the
// box would show the old second for a whole period) and within a millisecond of that.
TEST(TickSource, LandsWithinAMillisecondPastTheMargin) {
    constexpr qint64 kMarginUs = 250;
    for (qint64 into = -kPeriodUs; into < 2 * kPeriodUs; into += 7) {
        const qint64 now = kBoundaryUs + into;
        const qint64 target = now + TickSource::delayToNextBoundary(now) * qint64{1000};
        qint64 boundary = kBoundaryUs - kPeriodUs;
        while (boundary + kMarginUs <= now) boundary += kPeriodUs;
        ASSERT_GE(target, boundary + kMarginUs) << into;
        ASSERT_LT(target, boundary + kMarginUs + 1000) << into;
    }
}

}  // namespace
}  // namespace platform
