// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>

namespace countdown {

// The PC's time-zone record, laid out like the Windows TIME_ZONE_INFORMATION structure so that
// the Windows build fills it with one call. Only Bias is used: minutes such that
// UTC = local standard time + Bias (positive west of Greenwich).
struct SystemTime {
    std::uint16_t wYear;
    std::uint16_t wMonth;
    std::uint16_t wDayOfWeek;
    std::uint16_t wDay;
    std::uint16_t wHour;
    std::uint16_t wMinute;
    std::uint16_t wSecond;
    std::uint16_t wMilliseconds;
};

struct TimeZoneInformation {
    std::int32_t Bias;
    char16_t StandardName[32];
    SystemTime StandardDate;
    std::int32_t StandardBias;
    char16_t DaylightName[32];
    SystemTime DaylightDate;
    std::int32_t DaylightBias;
};

static_assert(sizeof(TimeZoneInformation) == 172, "must match TIME_ZONE_INFORMATION");

}  // namespace countdown
