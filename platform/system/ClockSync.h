// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <optional>
#include <string>

namespace platform {

// What the operating system says about how it keeps the PC's clock.
struct ClockSyncState {
    bool known = false;  // the system gave its word (Linux only)
    bool synchronized = false;
    std::optional<double> estimatedErrorSeconds;  // where the time service states one
};

// The state from the kernel's clock figures as adjtimex reports them, in microseconds.
ClockSyncState clockSyncFromKernel(long maxErrorUs, long estimatedErrorUs);

// The system's word now: the kernel's state on Linux; unknown elsewhere or when it cannot be read.
ClockSyncState systemClockSync();

// The sentence the clock check shows; empty when the system gives no word.
std::string clockSyncSentence(const ClockSyncState& state);

}  // namespace platform
