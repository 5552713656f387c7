// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "ClockCorrection.h"

#include <chrono>

namespace platform {

ClockCorrection& clockCorrection() {
    static ClockCorrection correction;
    return correction;
}

std::int64_t pcClockNow() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::int64_t correctedClockNow() { return pcClockNow() + clockCorrection().micros(); }

}  // namespace platform
