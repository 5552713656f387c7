// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include "DateValue.h"

namespace countdown {
namespace {

DateValue at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return toDateValue({y, mo, d, h, mi, s});
}

TEST(DateValue, CountsDaysFromTheEndOf1899) {
    EXPECT_EQ(daysFromCivil(1899, 12, 30), 0);
    EXPECT_EQ(daysFromCivil(1899, 12, 31), 1);
    EXPECT_EQ(daysFromCivil(1900, 1, 1), 2);
    EXPECT_EQ(daysFromCivil(1900, 3, 1), 61);  // 1900 is no leap year
    EXPECT_EQ(daysFromCivil(2026, 12, 7), 46363);
    EXPECT_EQ(daysFromCivil(1899, 12, 29), -1);
}

TEST(DateValue, NegativeValuesKeepTheTimeOfDayAsMagnitude) {
    EXPECT_DOUBLE_EQ(at(1899, 12, 29, 6), -1.25);
    const CivilDateTime when = toCivil(-1.25);
    EXPECT_EQ(when.year, 1899);
    EXPECT_EQ(when.month, 12);
    EXPECT_EQ(when.day, 29);
    EXPECT_EQ(when.hour, 6);
}

TEST(DateValue, RoundTripsThroughCivilParts) {
    for (const CivilDateTime& when :
         {CivilDateTime{2026, 2, 8, 2, 0, 0}, CivilDateTime{2024, 2, 29, 23, 59, 59},
          CivilDateTime{100, 1, 1, 0, 0, 1}, CivilDateTime{9999, 12, 31, 12, 30, 0}}) {
        const CivilDateTime back = toCivil(toDateValue(when));
        EXPECT_EQ(std::tie(back.year, back.month, back.day, back.hour, back.minute, back.second),
                  std::tie(when.year, when.month, when.day, when.hour, when.minute, when.second));
    }
}

TEST(DateValue, TimeThatRoundsToMidnightMovesToTheNextDay) {
    const CivilDateTime when = toCivil(at(2026, 12, 7) + 0.9999999);
    EXPECT_EQ(when.day, 8);
    EXPECT_EQ(when.hour, 0);
}

struct HmsRow {
    DateValue value;
    const char* text;
};

class FormatHms : public ::testing::TestWithParam<HmsRow> {};

TEST_P(FormatHms, ShowsTheTimeOfDayOnly) {
    EXPECT_EQ(formatHms(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatHms,
    ::testing::Values(HmsRow{0.0, "0:00:00"}, HmsRow{1.0 / 86400, "0:00:01"},
                      HmsRow{(13 * 3600 + 5 * 60 + 9) / 86400.0, "13:05:09"},
                      HmsRow{0.5, "12:00:00"}, HmsRow{(86400 - 1) / 86400.0, "23:59:59"},
                      // Rounded to the nearest second, not truncated.
                      HmsRow{1.6 / 86400, "0:00:02"}, HmsRow{1.4 / 86400, "0:00:01"},
                      HmsRow{(86400 - 0.4) / 86400.0, "0:00:00"},
                      // The day part is dropped.
                      HmsRow{46363.75, "18:00:00"}, HmsRow{2.0 + 3600 / 86400.0, "1:00:00"},
                      // Negative: the magnitude of the fraction.
                      HmsRow{-1.0 / 86400, "0:00:01"}, HmsRow{-1.25, "6:00:00"},
                      HmsRow{-(299.0 / 86400), "0:04:59"}));

TEST(DateValue, AddsMinutesAsFractionsOfADay) {
    EXPECT_DOUBLE_EQ(addMinutes(1.0, 1440), 2.0);
    EXPECT_EQ(formatHms(addMinutes(at(2026, 12, 7, 12), 300)), "17:00:00");
    EXPECT_EQ(formatHms(addMinutes(at(2026, 12, 7, 0, 30), -60)), "23:30:00");
}

TEST(DateValue, MovesByMinutesAcrossMidnightAsACalendarDoes) {
    EXPECT_EQ(moveByMinutes(at(2026, 12, 31, 23, 30), 60), at(2027, 1, 1, 0, 30));
    EXPECT_EQ(moveByMinutes(at(1899, 12, 30, 0, 30), -60), at(1899, 12, 29, 23, 30));
}

}  // namespace
}  // namespace countdown
