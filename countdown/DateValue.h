// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>
#include <string>

namespace countdown {

// A point in time or a time of day: days since 1899-12-30 00:00 as a double. The fraction is
// the time of day; for a negative value the time of day is the magnitude of the fraction, so
// -1.25 is 29 December 1899, 6:00:00. A time of day alone has day 0.
using DateValue = double;

inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr double kMinutesPerDay = 1440.0;

struct CivilDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Days from 1899-12-30 to the given proleptic Gregorian date (negative before it).
std::int64_t daysFromCivil(int year, int month, int day);

DateValue toDateValue(const CivilDateTime& when);
CivilDateTime toCivil(DateValue value);

// Minutes added as date arithmetic: one minute is 1/1440 of a day.
DateValue addMinutes(DateValue value, double minutes);

// The value moved by whole minutes as a calendar moves, the date changing across midnight; for
// values before 1899-12-30, whose time of day counts away from zero, minutes added as a
// fraction would move the wrong way.
DateValue moveByMinutes(DateValue value, std::int64_t minutes);

// Whole seconds of the value's time of day, rounded to the nearest second (0 to 86399).
int secondOfDay(DateValue value);

// "h:mm:ss": the time of day on a 24-hour clock, the hour without a leading zero, rounded to
// the nearest second; the day part is dropped.
std::string formatHms(DateValue value);

}  // namespace countdown
