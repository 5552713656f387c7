// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <atomic>
#include <cstdint>
#include <limits>

#include "ClockReading.h"

namespace platform {

// The program's clock: the PC's system clock, or, while the user has the clock corrected by a
// measurement, the site's time carried on the step-free clock. The correction notes how far the
// site's clock was ahead of the step-free clock at the measurement, so a later step of the
// system clock (the time service, a resume, the user) moves nothing the program shows. It is set
// on the main thread; atomic so that any other thread may read it.
class ClockCorrection {
  public:
    // Runs the program's clock on the site's time, `siteAheadOfStepFree` being the site's clock
    // (microseconds since the epoch) less the step-free clock.
    void correct(std::int64_t siteAheadOfStepFree);
    // Brings the PC's own clock back.
    void clear();
    bool isOn() const;

    // The program's clock at `reading`, in microseconds since the epoch.
    clockcheck::PcMicros at(const clockcheck::ClockReading& reading) const;

  private:
    static constexpr std::int64_t kOff = std::numeric_limits<std::int64_t>::min();
    std::atomic<std::int64_t> siteAheadOfStepFree_{kOff};
};

// How far the site's clock is ahead of the step-free clock, from an offset measured against the
// system clock (site - system) and a reading of both clocks taken at the measurement.
std::int64_t siteAheadOfStepFree(std::int64_t offset, const clockcheck::ClockReading& measuredAt);

// The program's one correction, read by the local clock and the tick source.
ClockCorrection& clockCorrection();

// The program's clock now: the clock the Pacific clock shows and the ticks are phased to.
std::int64_t correctedClockNow();

}  // namespace platform
