// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <string>

#include "LocalClock.h"

namespace countdown::testing {

// A local clock that stands at the time and UTC offset it is set to, by default those of a PC
// keeping Pacific standard time; its long date is "year-month-day".
class FakeLocalClock : public LocalClock {
  public:
    explicit FakeLocalClock(DateValue now = 0) : now_(now) {}
    void set(DateValue now) { now_ = now; }
    void setUtcOffset(std::int32_t minutes) { utcOffsetMinutes_ = minutes; }
    LocalReading read() const override { return {now_, utcOffsetMinutes_}; }
    std::string longDate(DateValue when) const override {
        const CivilDateTime c = toCivil(when);
        return std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day);
    }

  private:
    DateValue now_;
    std::int32_t utcOffsetMinutes_ = -480;
};

}  // namespace countdown::testing
