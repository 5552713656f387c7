// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <atomic>
#include <cstdint>

namespace platform {

// What the program adds to every reading of the PC's clock: zero, or the offset of the auction
// site's clock while the user has the clock corrected by a measurement. The clock is read on the
// main thread and the offset set there too; it is atomic so that any other thread may read it.
class ClockCorrection {
  public:
    std::int64_t micros() const { return micros_.load(std::memory_order_relaxed); }
    void set(std::int64_t micros) { micros_.store(micros, std::memory_order_relaxed); }

  private:
    std::atomic<std::int64_t> micros_{0};
};

// The program's one correction, read by the local clock and the tick source.
ClockCorrection& clockCorrection();

// The PC's system clock in microseconds since the epoch, uncorrected: what a clock check measures.
std::int64_t pcClockNow();

// The PC's system clock with the correction in force: the clock the program shows.
std::int64_t correctedClockNow();

}  // namespace platform
