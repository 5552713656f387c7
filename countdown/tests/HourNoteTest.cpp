// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include "DateValue.h"
#include "HourNote.h"
#include "PacificClock.h"

namespace countdown {
namespace {

std::int64_t utc(int year, int month, int day, int hour, int minute = 0, int second = 0) {
    return (daysFromCivil(year, month, day) - daysFromCivil(1970, 1, 1)) * 86400 + hour * 3600 +
           minute * 60 + second;
}

const std::string kClockStandard =
    "The clock shows Pacific standard time (UTC\u22128); the site keeps Pacific daylight time "
    "now, so its times read an hour later. Paste end times with their zone (PDT), or subtract "
    "an hour.";
const std::string kClockDaylight =
    "The clock shows Pacific daylight time (UTC\u22127); the site keeps Pacific standard time "
    "now, so its times read an hour earlier. Paste end times with their zone (PST), or add an "
    "hour.";

// The clock's formula follows the PC's daylight state; the note appears exactly where that puts
// it an hour off Pacific's, which changes at 2:00 local: 10:00 UTC in March, 9:00 in November.
TEST(HourNote, WhereTheClocksHourDiffersFromTheSites) {
    struct Row {
        const char* where;
        std::int32_t bias;            // standard-time bias, minutes
        std::int32_t localUtcOffset;  // the PC's offset from UTC then, daylight included
        std::int64_t utc;
        const std::string& note;
    };
    const std::string none;
    for (const Row& row : {
             Row{"Tokyo July", -540, 540, utc(2026, 7, 15, 3), kClockStandard},
             Row{"Tokyo January", -540, 540, utc(2026, 1, 15, 3), none},
             Row{"Tokyo, Pacific not yet", -540, 540, utc(2026, 3, 8, 9, 59, 59), none},
             Row{"Tokyo, Pacific changed", -540, 540, utc(2026, 3, 8, 10), kClockStandard},
             Row{"Tokyo, Pacific not back", -540, 540, utc(2026, 11, 1, 8, 59, 59), kClockStandard},
             Row{"Tokyo, Pacific back", -540, 540, utc(2026, 11, 1, 9), none},
             Row{"Tokyo, 2027 (1 March a Monday)", -540, 540, utc(2027, 3, 14, 10), kClockStandard},
             Row{"Sydney January", -600, 660, utc(2026, 1, 15, 3), kClockDaylight},
             Row{"Berlin late March", -60, 60, utc(2026, 3, 25, 12), kClockStandard},
             Row{"Berlin late October", -60, 60, utc(2026, 10, 28, 12), kClockStandard},
             Row{"New York July", 300, -240, utc(2026, 7, 15, 16), none},
             // New York changes three hours before Pacific does.
             Row{"New York 8 March 8:00 UTC", 300, -240, utc(2026, 3, 8, 8), kClockDaylight},
             Row{"Phoenix July", 420, -420, utc(2026, 7, 15, 19), kClockStandard},
             Row{"Lord Howe January (half an hour)", -630, 660, utc(2026, 1, 15, 3), none},
         }) {
        EXPECT_EQ(hourNote(clockUtcOffsetMinutes(row.bias, row.localUtcOffset), row.utc), row.note)
            << row.where;
    }
}

}  // namespace
}  // namespace countdown
