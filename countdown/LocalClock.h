// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>
#include <string>

#include "DateValue.h"

namespace countdown {

// One reading of the PC's clock: the local date and time, truncated to the whole second, and the
// offset from UTC in force at that moment (minutes, east positive, any daylight shift included).
// Both come from the same instant, so a reading taken as daylight time starts or ends agrees with
// itself.
struct LocalReading {
    DateValue local;
    std::int32_t utcOffsetMinutes;
};

// The PC's local clock as the tick reads it.
class LocalClock {
  public:
    virtual ~LocalClock() = default;
    virtual LocalReading read() const = 0;
    // The local date and time of a fresh reading.
    DateValue now() const { return read().local; }
    // The given local date in the system's long-date form.
    virtual std::string longDate(DateValue when) const = 0;
};

}  // namespace countdown
