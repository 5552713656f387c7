// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "PacificClock.h"

namespace countdown {

DateValue utcFromLocal(DateValue local, std::int32_t biasMinutes) {
    return addMinutes(local, biasMinutes);
}

DateValue pacificFromUtc(DateValue utc) { return addMinutes(utc, -kPacificOffsetMinutes); }

std::int32_t clockUtcOffsetMinutes(std::int32_t biasMinutes, std::int32_t localUtcOffsetMinutes) {
    return localUtcOffsetMinutes + biasMinutes - kPacificOffsetMinutes;
}

}  // namespace countdown
