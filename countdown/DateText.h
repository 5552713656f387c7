// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <optional>
#include <string_view>

#include "DateValue.h"
#include "RegionalSettings.h"

namespace countdown {

// Converts a text to a date value the way the Windows automation date conversion does under the
// given regional conventions, or returns nothing when the text is no date or time. This one
// function both tests a text and converts it, so a check and the value it guards always agree.
//
// Accepted: a time (h:mm, h:mm:ss, or the same with dots where the locale dates with another
// separator, with AM/PM or a lone a/p, or "5 PM"), a date of two or three parts (numbers in the
// locale's order, day and month swapped when that alone makes a real day, then year first; month
// names full or abbreviated in any position; a year written with three or more digits is always
// the year; two parts that can be no month and day are a month and a year, on the first), or both
// in either order. A date without a year falls in currentYear; years 0-29 mean 2000-2029, 30-99
// mean 1930-1999. Commas, spaces (any Unicode space) and one day name are ignored, and so are a
// trailing PST or PDT and enclosing parentheses, so the end time as the auction site shows it
// converts as it stands. A time alone has day 0.
std::optional<DateValue> parseDateText(std::string_view text, const RegionalSettings& regional,
                                       int currentYear);

// The same conversion, with what the text says beyond its value.
struct DateTextReading {
    DateValue value;
    bool hasDate;                             // false for a time alone
    std::optional<int> zoneUtcOffsetMinutes;  // of a trailing PST (-480) or PDT (-420)
};
std::optional<DateTextReading> readDateText(std::string_view text, const RegionalSettings& regional,
                                            int currentYear);

}  // namespace countdown
