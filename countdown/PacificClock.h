// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>

#include "DateValue.h"

namespace countdown {

// Pacific time from the local time and the PC's standard-time bias: local + bias gives UTC,
// and Pacific is a fixed eight hours behind UTC. No daylight rule is applied.
inline constexpr int kPacificOffsetMinutes = 480;

DateValue utcFromLocal(DateValue local, std::int32_t biasMinutes);
DateValue pacificFromUtc(DateValue utc);

// The clock's own offset from UTC in minutes, east positive: local time + bias - 480 minutes
// reads UTC-8 while the PC keeps standard time, and moves with the PC's own daylight shift
// (not Pacific's) while it keeps daylight time.
std::int32_t clockUtcOffsetMinutes(std::int32_t biasMinutes, std::int32_t localUtcOffsetMinutes);

}  // namespace countdown
