// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>

namespace clockcheck {

// Microseconds since 1970-01-01 00:00 UTC on the PC's system clock: the clock the Pacific
// clock reads, before any correction. The time service, a resume from suspend or the user may
// step it at any moment.
using PcMicros = std::int64_t;

// Microseconds on a clock that no step of the system clock moves and that counts the time the
// PC was suspended (Linux CLOCK_BOOTTIME, Windows' interrupt time). Its zero is arbitrary:
// only differences and the pairing with the system clock mean anything. Every wait runs on it.
using StepFreeMicros = std::int64_t;

// One reading of both clocks, taken together. Where a time stamp is a ClockReading, a reader
// sees what it is and can tell a step of the system clock from time passing.
struct ClockReading {
    PcMicros system = 0;
    StepFreeMicros stepFree = 0;

    // How far the system clock is ahead of the step-free one. It changes only by the time
    // service's slewing (at most 0.5 ms per second) unless the system clock is stepped.
    std::int64_t systemAhead() const { return system - stepFree; }
};

}  // namespace clockcheck
