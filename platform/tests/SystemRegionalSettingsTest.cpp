// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include "DateText.h"
#include "SystemRegionalSettings.h"

namespace platform {
namespace {

using countdown::DateOrder;

TEST(SystemRegionalSettings, UsEnglishLocaleGivesTheReferenceConventions) {
    const countdown::RegionalSettings& reference = countdown::usEnglishSettings();
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c()}) {
        const countdown::RegionalSettings settings = regionalSettingsOf(locale);
        EXPECT_EQ(settings.dateOrder, reference.dateOrder);
        EXPECT_EQ(settings.dateSeparator, reference.dateSeparator);
        EXPECT_EQ(settings.timeSeparator, reference.timeSeparator);
        EXPECT_EQ(settings.amDesignator, reference.amDesignator);
        EXPECT_EQ(settings.pmDesignator, reference.pmDesignator);
        EXPECT_EQ(settings.monthNames, reference.monthNames);
        EXPECT_EQ(settings.abbreviatedMonthNames, reference.abbreviatedMonthNames);
        EXPECT_EQ(settings.dayNames, reference.dayNames);
        EXPECT_EQ(settings.abbreviatedDayNames, reference.abbreviatedDayNames);
    }
}

TEST(SystemRegionalSettings, GermanLocaleWritesTheDayFirstWithDots) {
    const countdown::RegionalSettings settings =
        regionalSettingsOf(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(settings.dateOrder, DateOrder::DayMonthYear);
    EXPECT_EQ(settings.dateSeparator, ".");
    EXPECT_EQ(settings.timeSeparator, ":");
    EXPECT_EQ(settings.monthNames[2], "März");
    EXPECT_EQ(settings.monthNames[11], "Dezember");
    // Without the abbreviation dot.
    EXPECT_EQ(settings.abbreviatedMonthNames[11], "Dez");
    EXPECT_EQ(settings.dayNames[0], "Sonntag");
    EXPECT_EQ(settings.dayNames[2], "Dienstag");

    const auto parsed = countdown::parseDateText("Dienstag, 8. Dez. 2026 17:30", settings, 2026);
    ASSERT_TRUE(parsed);
    EXPECT_DOUBLE_EQ(*parsed, countdown::toDateValue({2026, 12, 8, 17, 30, 0}));
    EXPECT_EQ(countdown::parseDateText("8.12.2026", settings, 2026),
              countdown::toDateValue({2026, 12, 8}));
}

TEST(SystemRegionalSettings, TakesOrderAndSeparatorsFromTheShortFormats) {
    const countdown::RegionalSettings japanese =
        regionalSettingsOf(QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(japanese.dateOrder, DateOrder::YearMonthDay);
    EXPECT_EQ(japanese.dateSeparator, "/");

    const countdown::RegionalSettings british =
        regionalSettingsOf(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(british.dateOrder, DateOrder::DayMonthYear);
    EXPECT_EQ(countdown::parseDateText("8/12/2026", british, 2026),
              countdown::toDateValue({2026, 12, 8}));

    const countdown::RegionalSettings finnish =
        regionalSettingsOf(QLocale(QLocale::Finnish, QLocale::Finland));
    EXPECT_EQ(finnish.dateOrder, DateOrder::DayMonthYear);
    EXPECT_EQ(finnish.timeSeparator, ".");
}

}  // namespace
}  // namespace platform
