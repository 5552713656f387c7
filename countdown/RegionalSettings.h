// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <array>
#include <string>

namespace countdown {

// The order in which a locale writes the day, month and year of a numeric date.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The regional conventions that date text conversion follows. Texts are UTF-8.
struct RegionalSettings {
    DateOrder dateOrder = DateOrder::MonthDayYear;
    std::string dateSeparator;
    std::string timeSeparator;
    std::string amDesignator;
    std::string pmDesignator;
    // January first.
    std::array<std::string, 12> monthNames;
    std::array<std::string, 12> abbreviatedMonthNames;
    // Sunday first.
    std::array<std::string, 7> dayNames;
    std::array<std::string, 7> abbreviatedDayNames;
};

// US English: the default conventions, and the ones every other locale is measured against.
const RegionalSettings& usEnglishSettings();

}  // namespace countdown
