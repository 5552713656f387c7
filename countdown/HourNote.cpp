// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "HourNote.h"

#include "DateValue.h"

namespace countdown {
namespace {

constexpr std::int64_t kSecondsADay = 86400;
constexpr std::int64_t kDaysBefore1970 = 25569;  // 1899-12-30 to 1970-01-01
constexpr std::int32_t kStandardMinutes = -480;
constexpr std::int32_t kDaylightMinutes = -420;

std::int64_t floorDiv(std::int64_t value, std::int64_t divisor) {
    return value / divisor - (value % divisor < 0);
}

// Days since 1899-12-30 of the given Sunday of a month: 1 the first, 2 the second.
std::int64_t sunday(int year, int month, int which) {
    const std::int64_t first = daysFromCivil(year, month, 1);
    // 1899-12-30 was a Saturday: day 1 is a Sunday.
    const std::int64_t toSunday = ((1 - first) % 7 + 7) % 7;
    return first + toSunday + 7 * (which - 1);
}

std::int64_t utcSecondsOf(std::int64_t day, std::int64_t utcHour) {
    return (day - kDaysBefore1970) * kSecondsADay + utcHour * 3600;
}

}  // namespace

bool pacificKeepsDaylightTime(std::int64_t utcSeconds) {
    const std::int64_t day = floorDiv(utcSeconds, kSecondsADay) + kDaysBefore1970;
    const int year = toCivil(static_cast<DateValue>(day)).year;
    // 2:00 standard time is 10:00 UTC; 2:00 daylight time is 9:00 UTC.
    return utcSeconds >= utcSecondsOf(sunday(year, 3, 2), 10) &&
           utcSeconds < utcSecondsOf(sunday(year, 11, 1), 9);
}

std::string hourNote(std::int32_t clockUtcOffsetMinutes, std::int64_t utcSeconds) {
    const std::int32_t site =
        pacificKeepsDaylightTime(utcSeconds) ? kDaylightMinutes : kStandardMinutes;
    if (clockUtcOffsetMinutes == kStandardMinutes && site == kDaylightMinutes)
        return "The clock shows Pacific standard time (UTC\u22128); the site keeps Pacific "
               "daylight time now, so its times read an hour later. Paste end times with their "
               "zone (PDT), or subtract an hour.";
    if (clockUtcOffsetMinutes == kDaylightMinutes && site == kStandardMinutes)
        return "The clock shows Pacific daylight time (UTC\u22127); the site keeps Pacific "
               "standard time now, so its times read an hour earlier. Paste end times with their "
               "zone (PST), or add an hour.";
    return {};
}

}  // namespace countdown
