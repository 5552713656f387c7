// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "DateValue.h"

#include <cmath>
#include <cstdio>

namespace countdown {
namespace {

constexpr std::int64_t kEpochDaysFrom1970 = -25569;  // 1899-12-30 counted from 1970-01-01

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t unixDaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromUnixDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

}  // namespace

std::int64_t daysFromCivil(int year, int month, int day) {
    return unixDaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
           kEpochDaysFrom1970;
}

DateValue toDateValue(const CivilDateTime& when) {
    const auto days = static_cast<double>(daysFromCivil(when.year, when.month, when.day));
    const double time = (when.hour * 3600.0 + when.minute * 60.0 + when.second) / kSecondsPerDay;
    return days < 0 ? days - time : days + time;
}

int secondOfDay(DateValue value) {
    const double fraction = std::fabs(value - std::trunc(value));
    const auto seconds = static_cast<long>(std::llround(fraction * kSecondsPerDay));
    return static_cast<int>(seconds % 86400);
}

CivilDateTime toCivil(DateValue value) {
    double days = std::trunc(value);
    const double fraction = std::fabs(value - days);
    // A time of day that rounds up to midnight belongs to the next calendar day, which for
    // negative values lies towards zero as well.
    if (std::llround(fraction * kSecondsPerDay) >= 86400) days += 1;
    CivilDateTime when;
    civilFromUnixDays(static_cast<std::int64_t>(days) + kEpochDaysFrom1970, when.year, when.month,
                      when.day);
    const int seconds = secondOfDay(value);
    when.hour = seconds / 3600;
    when.minute = seconds / 60 % 60;
    when.second = seconds % 60;
    return when;
}

DateValue addMinutes(DateValue value, double minutes) { return value + minutes / kMinutesPerDay; }

DateValue moveByMinutes(DateValue value, std::int64_t minutes) {
    const CivilDateTime when = toCivil(value);
    const std::int64_t seconds = daysFromCivil(when.year, when.month, when.day) * 86400 +
                                 when.hour * 3600 + when.minute * 60 + when.second + minutes * 60;
    const std::int64_t days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const double time = static_cast<double>(seconds - days * 86400) / kSecondsPerDay;
    return days < 0 ? static_cast<double>(days) - time : static_cast<double>(days) + time;
}

std::string formatHms(DateValue value) {
    const int seconds = std::isfinite(value) ? secondOfDay(value) : 0;
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

}  // namespace countdown
