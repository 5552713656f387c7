// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "DateConversion.h"

#include "DateText.h"
#include "MainModule.h"
#include "PacificClock.h"

namespace countdown {

std::optional<DateValue> DateConversion::operator()(std::string_view text) const {
    const auto reading = readDateText(text, regional, currentYear);
    if (!reading) return std::nullopt;
    if (!reading->zoneUtcOffsetMinutes) return reading->value;
    const DateValue moved =
        moveByMinutes(reading->value, clockUtcOffsetMinutes - *reading->zoneUtcOffsetMinutes);
    // A time alone stays a time of day, as the clock would show it.
    return reading->hasDate ? moved : secondOfDay(moved) / kSecondsPerDay;
}

DateConversion conversionAt(const LocalReading& reading, const RegionalSettings& regional) {
    return {regional, toCivil(reading.local).year,
            clockUtcOffsetMinutes(MainModule::TZInfo.Bias, reading.utcOffsetMinutes)};
}

}  // namespace countdown
