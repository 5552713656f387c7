// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "RegionalSettings.h"

namespace countdown {

const RegionalSettings& usEnglishSettings() {
    static const RegionalSettings settings{
        DateOrder::MonthDayYear,
        "/",
        ":",
        "AM",
        "PM",
        {"January", "February", "March", "April", "May", "June", "July", "August", "September",
         "October", "November", "December"},
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
        {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
        {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
    };
    return settings;
}

}  // namespace countdown
