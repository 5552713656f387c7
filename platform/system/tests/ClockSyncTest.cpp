// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include "ClockSync.h"

namespace platform {
namespace {

constexpr const char* kSynchronized = "This PC's clock is kept synchronized by the system.";
constexpr const char* kDrifting =
    "This PC's clock is not synchronized by the system: it may drift.";

TEST(ClockSync, SentenceFromTheKernelFigures) {
    struct Row {
        long maxErrorUs;
        long estimatedErrorUs;
        std::string sentence;
    };
    const std::string withError = std::string(kSynchronized) + " Its estimated error is ";
    for (const Row& row : {
             Row{0, 0, kSynchronized},                // systemd-timesyncd states no estimate
             Row{15'999'999, 0, kSynchronized},       // just below the limit
             Row{16'000'000, 16'000'000, kDrifting},  // the kernel's unsynchronized state
             Row{40'000, 12'000, withError + "0.012 s."},
             Row{40'000, 11'001, withError + "0.012 s."},  // rounded up, never down
             Row{40'000, 300, withError + "0.001 s."},
             Row{2'000, 16'000'000, kSynchronized},  // an estimate no service has set
             Row{16'000'001, 5'000, kDrifting},      // no estimate for a drifting clock
         }) {
        EXPECT_EQ(clockSyncSentence(clockSyncFromKernel(row.maxErrorUs, row.estimatedErrorUs)),
                  row.sentence)
            << row.maxErrorUs << " " << row.estimatedErrorUs;
    }
    EXPECT_EQ(clockSyncSentence(ClockSyncState{}), "");
}

// Linux answers without privilege, even inside a container; other systems give no word.
TEST(ClockSync, SystemGivesItsWordOnLinuxOnly) {
#ifdef __linux__
    EXPECT_TRUE(systemClockSync().known);
#else
    EXPECT_FALSE(systemClockSync().known);
#endif
}

}  // namespace
}  // namespace platform
