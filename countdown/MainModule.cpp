// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "MainModule.h"

namespace MainModule {

std::int16_t RunFlag = 0;
countdown::DateValue TimeLeft = 0;
countdown::TimeZoneInformation TZInfo{};
countdown::DateValue UtcTime = 0;
countdown::DateValue PacificTime = 0;

void reset() {
    RunFlag = 0;
    TimeLeft = 0;
    TZInfo = {};
    UtcTime = 0;
    PacificTime = 0;
}

}  // namespace MainModule
