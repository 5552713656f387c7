// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "ClockCorrection.h"

#include "ClockPair.h"

namespace platform {

void ClockCorrection::correct(std::int64_t siteAheadOfStepFree) {
    siteAheadOfStepFree_.store(siteAheadOfStepFree, std::memory_order_relaxed);
}

void ClockCorrection::clear() { siteAheadOfStepFree_.store(kOff, std::memory_order_relaxed); }

bool ClockCorrection::isOn() const {
    return siteAheadOfStepFree_.load(std::memory_order_relaxed) != kOff;
}

clockcheck::PcMicros ClockCorrection::at(const clockcheck::ClockReading& reading) const {
    const std::int64_t ahead = siteAheadOfStepFree_.load(std::memory_order_relaxed);
    return ahead == kOff ? reading.system : reading.stepFree + ahead;
}

std::int64_t siteAheadOfStepFree(std::int64_t offset, const clockcheck::ClockReading& measuredAt) {
    return measuredAt.system + offset - measuredAt.stepFree;
}

ClockCorrection& clockCorrection() {
    static ClockCorrection correction;
    return correction;
}

std::int64_t correctedClockNow() { return clockCorrection().at(readClockPair()); }

}  // namespace platform
