// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "TimeZoneCapture.h"

#ifdef _WIN32
#include <windows.h>

#include <cstddef>
#else
#include <ctime>
#endif

namespace platform {

#ifdef _WIN32

static_assert(sizeof(countdown::TimeZoneInformation) == sizeof(TIME_ZONE_INFORMATION));
static_assert(offsetof(countdown::TimeZoneInformation, DaylightBias) ==
              offsetof(TIME_ZONE_INFORMATION, DaylightBias));

std::uint32_t GetTimeZoneInformation(countdown::TimeZoneInformation* info) {
    return ::GetTimeZoneInformation(reinterpret_cast<TIME_ZONE_INFORMATION*>(info));
}

#else

std::uint32_t GetTimeZoneInformation(countdown::TimeZoneInformation* info) {
    *info = {};
    tzset();
    // POSIX `timezone` is the standard-time offset in seconds west of UTC, the same sense as
    // Bias. The `daylight` flag is unreliable (it is 1 for zones that once had daylight time).
    info->Bias = static_cast<std::int32_t>(timezone / 60);
    return 0;
}

#endif

}  // namespace platform
