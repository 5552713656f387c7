// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>

#include "TimeZoneInformation.h"

namespace platform {

// Fills the record with the PC's time-zone information, as the Windows call of the same name
// does; the result says whether daylight time is in force (0 when unknown). On Windows it is
// the real call. Elsewhere only Bias is filled, from the system zone's standard-time offset.
std::uint32_t GetTimeZoneInformation(countdown::TimeZoneInformation* info);

}  // namespace platform
