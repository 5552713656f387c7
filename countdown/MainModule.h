// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>

#include "DateValue.h"
#include "TimeZoneInformation.h"

// The values shared between the main window's handlers. All are zero when the program starts;
// everything runs on the one user-interface thread, so none needs locking.
namespace MainModule {

// 1 while a countdown runs, 0 otherwise.
extern std::int16_t RunFlag;
// End time minus clock time, as last computed by the countdown step.
extern countdown::DateValue TimeLeft;
// Captured once when the main window loads; only Bias is used.
extern countdown::TimeZoneInformation TZInfo;
extern countdown::DateValue UtcTime;
extern countdown::DateValue PacificTime;

// Puts every value back to zero, as at program start.
void reset();

}  // namespace MainModule
