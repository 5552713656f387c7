#include <gtest/gtest.h>

#include "DateValue.h"
#include "HourNote.h"
#include "PacificClock.h"

namespace countdown {
namespace {

std::int64_t utcSeconds(int year, int month, int day, int hour, int minute = 0, int second = 0) {
    return (daysFromCivil(year, month, day) - daysFromCivil(1970, 1, 1)) * 86400 + hour * 3600 +
           minute * 60 + second;
}

// Pacific changes at 2:00 local time: 10:00 UTC in March, 9:00 UTC in November.
TEST(HourNote, PacificDaylightTimeByTheUnitedStatesRule) {
    struct Row {
        std::int64_t utc;
        bool daylight;
    };
    for (const Row row : {
             Row{utcSeconds(2026, 1, 15, 12), false},
             Row{utcSeconds(2026, 3, 8, 9, 59, 59), false},  // second Sunday of March
             Row{utcSeconds(2026, 3, 8, 10), true},
             Row{utcSeconds(2026, 7, 1, 0), true},
             Row{utcSeconds(2026, 11, 1, 8, 59, 59), true},  // first Sunday of November
             Row{utcSeconds(2026, 11, 1, 9), false},
             Row{utcSeconds(2027, 3, 14, 9, 59, 59), false},  // March 2027 starts on a Monday
             Row{utcSeconds(2027, 3, 14, 10), true},
             Row{utcSeconds(2027, 11, 7, 8, 59, 59), true},
             Row{utcSeconds(2027, 11, 7, 9), false},
             Row{utcSeconds(2028, 3, 12, 10), true},  // 1 March 2028 is a Wednesday
             Row{utcSeconds(2026, 12, 31, 23, 59, 59), false},
         }) {
        EXPECT_EQ(pacificKeepsDaylightTime(row.utc), row.daylight) << row.utc;
    }
}

enum class Note { None, ClockStandard, ClockDaylight };

// The clock's formula follows the PC's daylight state; the note appears exactly where that puts
// it an hour off Pacific's.
TEST(HourNote, WhereTheClocksHourDiffersFromTheSites) {
    struct Row {
        const char* where;
        std::int32_t bias;            // standard-time bias, minutes
        std::int32_t localUtcOffset;  // the PC's offset from UTC then, daylight included
        std::int64_t utc;
        Note note;
    };
    for (const Row& row : {
             Row{"Tokyo July", -540, 540, utcSeconds(2026, 7, 15, 3), Note::ClockStandard},
             Row{"Tokyo January", -540, 540, utcSeconds(2026, 1, 15, 3), Note::None},
             Row{"Sydney January", -600, 660, utcSeconds(2026, 1, 15, 3), Note::ClockDaylight},
             Row{"Sydney July", -600, 600, utcSeconds(2026, 7, 15, 3), Note::ClockStandard},
             Row{"Berlin late March", -60, 60, utcSeconds(2026, 3, 25, 12), Note::ClockStandard},
             Row{"Berlin April", -60, 120, utcSeconds(2026, 4, 5, 12), Note::None},
             Row{"Berlin late October", -60, 60, utcSeconds(2026, 10, 28, 12), Note::ClockStandard},
             Row{"New York July", 300, -240, utcSeconds(2026, 7, 15, 16), Note::None},
             Row{"New York January", 300, -300, utcSeconds(2026, 1, 15, 16), Note::None},
             // New York changes three hours before Pacific does.
             Row{"New York 8 March 08:00 UTC", 300, -240, utcSeconds(2026, 3, 8, 8),
                 Note::ClockDaylight},
             Row{"Phoenix July", 420, -420, utcSeconds(2026, 7, 15, 19), Note::ClockStandard},
             Row{"Phoenix January", 420, -420, utcSeconds(2026, 1, 15, 19), Note::None},
             Row{"Los Angeles July", 480, -420, utcSeconds(2026, 7, 15, 19), Note::None},
             Row{"Lord Howe January", -630, 660, utcSeconds(2026, 1, 15, 3), Note::None},
         }) {
        const std::string note =
            hourNote(clockUtcOffsetMinutes(row.bias, row.localUtcOffset), row.utc);
        switch (row.note) {
            case Note::None:
                EXPECT_EQ(note, "") << row.where;
                break;
            case Note::ClockStandard:
                EXPECT_EQ(note,
                          "The clock shows Pacific standard time (UTC\u22128); the site keeps "
                          "Pacific daylight time now, so its times read an hour later. Paste end "
                          "times with their zone (PDT), or subtract an hour.")
                    << row.where;
                break;
            case Note::ClockDaylight:
                EXPECT_EQ(note,
                          "The clock shows Pacific daylight time (UTC\u22127); the site keeps "
                          "Pacific standard time now, so its times read an hour earlier. Paste "
                          "end times with their zone (PST), or add an hour.")
                    << row.where;
                break;
        }
    }
}

}  // namespace
}  // namespace countdown
