// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include "RegionalSettings.h"

namespace countdown::testing {

// German (Germany) conventions: day first, dots between date parts.
inline const RegionalSettings& germanSettings() {
    static const RegionalSettings settings{
        DateOrder::DayMonthYear,
        ".",
        ":",
        "AM",
        "PM",
        {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
         "Oktober", "November", "Dezember"},
        {"Jan", "Feb", "März", "Apr", "Mai", "Juni", "Juli", "Aug", "Sept", "Okt", "Nov", "Dez"},
        {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"},
        {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"},
    };
    return settings;
}

}  // namespace countdown::testing
