// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>

#include "ClockOffset.h"

namespace clockcheck {

// The offset (site clock - PC clock) that every answer so far allows: lower <= offset < upper.
// A server stamps its `Date` somewhere between the request leaving at PC time `sent` and its
// answer arriving at `received`, and names the second it was in, so the answer gives
// dateSecond - received <= offset < dateSecond + 1 s - sent. The bounds are the intersection of
// those intervals.
class OffsetBounds {
  public:
    void add(std::int64_t dateSecond, PcMicros sent, PcMicros received);

    bool empty() const { return answers_ == 0; }
    // False once two answers allow no common offset.
    bool consistent() const { return lower_ < upper_; }
    Micros lower() const { return lower_; }
    Micros upper() const { return upper_; }
    Micros width() const { return upper_ - lower_; }
    int answers() const { return answers_; }

  private:
    Micros lower_ = 0;
    Micros upper_ = 0;
    int answers_ = 0;
};

}  // namespace clockcheck
