// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "DateText.h"
#include "GermanSettings.h"

namespace countdown {
namespace {

constexpr int kCurrentYear = 2026;

DateValue date(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return toDateValue({y, mo, d, h, mi, s});
}
DateValue time(int h, int mi, int s = 0) { return (h * 3600 + mi * 60 + s) / kSecondsPerDay; }

struct Row {
    std::string text;
    std::optional<DateValue> expected;  // nothing: refused
};

Row accepts(std::string text, DateValue value) { return {std::move(text), value}; }
Row refuses(std::string text) { return {std::move(text), std::nullopt}; }

void PrintTo(const Row& row, std::ostream* out) { *out << '"' << row.text << '"'; }

void expectRow(const Row& row, const RegionalSettings& regional) {
    const auto parsed = parseDateText(row.text, regional, kCurrentYear);
    ASSERT_EQ(parsed.has_value(), row.expected.has_value()) << '"' << row.text << '"';
    if (parsed) {
        EXPECT_DOUBLE_EQ(*parsed, *row.expected) << '"' << row.text << '"';
    }
}

class UsEnglish : public ::testing::TestWithParam<Row> {};
TEST_P(UsEnglish, ConvertsOrRefuses) { expectRow(GetParam(), usEnglishSettings()); }

class German : public ::testing::TestWithParam<Row> {};
TEST_P(German, ConvertsOrRefuses) { expectRow(GetParam(), testing::germanSettings()); }

INSTANTIATE_TEST_SUITE_P(
    Times, UsEnglish,
    ::testing::Values(accepts("17:30", time(17, 30)), accepts("17:30:00", time(17, 30)),
                      accepts("9:05:07", time(9, 5, 7)), accepts("17.30.00", time(17, 30)),
                      accepts("0:00:00", 0.0), accepts("23:59:59", time(23, 59, 59)),
                      accepts("5:30 PM", time(17, 30)), accepts("5:30PM", time(17, 30)),
                      accepts("5:30 pm", time(17, 30)), accepts("5:30 p", time(17, 30)),
                      accepts("5:30a", time(5, 30)), accepts("5 PM", time(17, 0)),
                      accepts("5pm", time(17, 0)), accepts("12:00 AM", 0.0),
                      accepts("12:15:30 am", time(0, 15, 30)), accepts("12:00 PM", time(12, 0)),
                      accepts("0:30 PM", time(12, 30)), accepts("13:00 PM", time(13, 0)),
                      accepts("13:00 AM", time(13, 0)), accepts("11:59:59 PM", time(23, 59, 59)),
                      accepts("  17:30  ", time(17, 30)),
                      // A dot joins hours and minutes as a colon does.
                      accepts("7.15", time(7, 15)), accepts("7.15.30", time(7, 15, 30)),
                      accepts("17.30", time(17, 30)), accepts("5.30 PM", time(17, 30))));

INSTANTIATE_TEST_SUITE_P(
    Dates, UsEnglish,
    ::testing::Values(
        accepts("12/8/2026", date(2026, 12, 8)), accepts("12-8-2026", date(2026, 12, 8)),
        accepts("2026-12-08", date(2026, 12, 8)), accepts("Dec 8, 2026", date(2026, 12, 8)),
        accepts("December 8, 2026", date(2026, 12, 8)),
        accepts("8 December 2026", date(2026, 12, 8)), accepts("8-Dec-2026", date(2026, 12, 8)),
        accepts("DEC 8 2026", date(2026, 12, 8)), accepts("2026 Dec 8", date(2026, 12, 8)),
        accepts("12/8", date(2026, 12, 8)), accepts("Dec 8", date(2026, 12, 8)),
        accepts("8 Dec", date(2026, 12, 8)), accepts("12/8/26", date(2026, 12, 8)),
        accepts("1/2/00", date(2000, 1, 2)), accepts("1/2/29", date(2029, 1, 2)),
        accepts("1/2/30", date(1930, 1, 2)), accepts("1/2/99", date(1999, 1, 2)),
        accepts("1/1/100", date(100, 1, 1)), accepts("12/31/9999", date(9999, 12, 31)),
        accepts("12/30/1899", 0.0), accepts("12/29/1899 6:00", -1.25),
        accepts("2/29/2024", date(2024, 2, 29)), accepts("2/29/2000", date(2000, 2, 29)),
        // Day and month swap when only that makes a real day.
        accepts("13/8/2026", date(2026, 8, 13)), accepts("  Dec   8 ,, 2026 ", date(2026, 12, 8)),
        accepts("Tuesday, Dec 8, 2026", date(2026, 12, 8)),
        accepts("Dec 8 2026 Tue", date(2026, 12, 8)),
        // Two parts that can be no month and day are a month and a year, on the first.
        accepts("Mar 47", date(1947, 3, 1)), accepts("47 Mar", date(1947, 3, 1)),
        accepts("Mar-47", date(1947, 3, 1)), accepts("47/Mar", date(1947, 3, 1)),
        accepts("Mar 12", date(2026, 3, 12)), accepts("Feb 30", date(1930, 2, 1)),
        accepts("4 52", date(1952, 4, 1)), accepts("52 4", date(1952, 4, 1)),
        accepts("4/1952", date(1952, 4, 1)), accepts("Dec 2026", date(2026, 12, 1)),
        // Every Unicode space separates.
        accepts("Dec\u30008\t2026", date(2026, 12, 8)),
        accepts("12\u20038\u16802026", date(2026, 12, 8))));

INSTANTIATE_TEST_SUITE_P(
    DatesWithTimes, UsEnglish,
    ::testing::Values(accepts("12/8/2026 17:30", date(2026, 12, 8, 17, 30)),
                      accepts("17:30 12/8/2026", date(2026, 12, 8, 17, 30)),
                      accepts("Dec 8, 2026 5:30:15 PM", date(2026, 12, 8, 17, 30, 15)),
                      accepts("5 PM Dec 8 2026", date(2026, 12, 8, 17)),
                      accepts("Dec 8 5 PM", date(2026, 12, 8, 17)),
                      accepts("Dec 08, 2026 17:30:00 PST", date(2026, 12, 8, 17, 30)),
                      accepts("(Dec 08, 2026 17:30:00 PDT)", date(2026, 12, 8, 17, 30)),
                      accepts("Jan-03-08 05:18:56 PST", date(2008, 1, 3, 5, 18, 56)),
                      accepts("Tuesday, Dec 08, 2026 17:30:00 PST", date(2026, 12, 8, 17, 30)),
                      accepts("( Dec 08, 2026 17:30:00 pdt )", date(2026, 12, 8, 17, 30)),
                      accepts("Dec\xC2\xA0"
                              "08, 2026\xE2\x80\xAF"
                              "17:30:00 PST",
                              date(2026, 12, 8, 17, 30)),
                      accepts("17:30 PST", time(17, 30)),
                      // A dotted time and a date of numbers, either first, each whole.
                      accepts("9.30 12 24", date(2026, 12, 24, 9, 30)),
                      accepts("12 24 2026 9.30", date(2026, 12, 24, 9, 30)),
                      accepts("4 52 9.30.15 PM", date(1952, 4, 1, 21, 30, 15)),
                      accepts("9.30\u00A012/24\u3000PDT", date(2026, 12, 24, 9, 30))));

INSTANTIATE_TEST_SUITE_P(
    Refusals, UsEnglish,
    ::testing::Values(
        refuses(""), refuses("   "), refuses("abc"), refuses("17"), refuses("1730"),
        refuses("46363"), refuses("46363.5"), refuses("7..5"), refuses("-5"), refuses("17:30:00.5"),
        refuses("17:30:00.25 PM"), refuses("24:00"), refuses("0:60"), refuses("12:00:60"),
        refuses("17:30:"), refuses(":30"), refuses("17::30"), refuses("17:30:00:00"),
        refuses("17:30x"), refuses("17;30"), refuses("17h30"), refuses("17:30.00"),
        refuses("7.15."), refuses("PST"), refuses("()"), refuses("PST 17:30"),
        refuses("17:30 PST PST"), refuses("17:30 EST"), refuses("(17:30"), refuses("17:30)"),
        refuses("((17:30))"), refuses("5 PM PM"), refuses("PM 5"), refuses("5:30 PM AM"),
        refuses("17:30 18:00"), refuses("Dec 8 17:30 2026"), refuses("Dec"), refuses("32 49 50"),
        refuses("Dec Jan 8"), refuses("Tuesday 17:30 Monday"), refuses("12/8/2026/1"),
        refuses("12//8/2026"), refuses("/12/8"), refuses("12/8/"), refuses("12/8/5 PM"),
        refuses("2/29/2026"), refuses("2/30/2024"), refuses("2/29/1900"), refuses("4/31/2026"),
        refuses("13/13/2026"), refuses("0/8/2026"), refuses("12/0/2026"), refuses("1/1/10000"),
        refuses("1/1/99999999999999999999"), refuses("Decx 8 2026"),
        refuses("\xEF\xBC\x91\xEF\xBC\x97:30"), refuses("17:30\xFF"), refuses("\xC3"),
        refuses(std::string("17:30\0", 6)),
        // Separators first or last, numbers that are no date, a time inside the date.
        refuses("7."), refuses(".15"), refuses("32 49"), refuses("12 9.30 24"),
        refuses("12 24 9.30 2026"), refuses("9.30 12"), refuses("\u300117:30")));

INSTANTIATE_TEST_SUITE_P(
    DayFirst, German,
    ::testing::Values(
        accepts("8.12.2026", date(2026, 12, 8)), accepts("08.12.26", date(2026, 12, 8)),
        accepts("8.12", date(2026, 12, 8)), accepts("1.2.3", date(2003, 2, 1)),
        accepts("12/8/2026", date(2026, 8, 12)), accepts("31/12/2026", date(2026, 12, 31)),
        // Day and month swap when only that makes a real day.
        accepts("12/31/2026", date(2026, 12, 31)), accepts("2026-12-08", date(2026, 12, 8)),
        accepts("8. Dezember 2026", date(2026, 12, 8)), accepts("8. Dez. 2026", date(2026, 12, 8)),
        accepts("3. MÄRZ 2026", date(2026, 3, 3)), accepts("3 märz", date(2026, 3, 3)),
        accepts("Dienstag, 8. Dezember 2026 17:30", date(2026, 12, 8, 17, 30)),
        accepts("8.12.2026 17:30:15", date(2026, 12, 8, 17, 30, 15)),
        accepts("17:30", time(17, 30)), accepts("5:30 PM", time(17, 30)),
        accepts("Dec 08, 2026 17:30:00 PST", date(2026, 12, 8, 17, 30)),
        accepts("(Dec 08, 2026 17:30:00 PDT)", date(2026, 12, 8, 17, 30)),
        accepts("Jan-03-08 05:18:56 PST", date(2008, 1, 3, 5, 18, 56)), refuses(""), refuses("abc"),
        refuses("17"), refuses("24:00"), refuses("0:60"), refuses("17:30:00.5"),
        // Dots separate date parts here, and 17.30.00 is no date.
        refuses("17.30.00"), refuses("8.12."), refuses("29.2.2026"), refuses("8..12.2026"),
        refuses("Dezembe 8"),
        // Dots date here; a month with a number that is no day, or two numbers that are no day
        // and month, give the first of the month; times and dates in either order.
        accepts("7.15", date(2026, 7, 15)), accepts("März 47", date(1947, 3, 1)),
        accepts("47. März", date(1947, 3, 1)), accepts("4.52", date(1952, 4, 1)),
        accepts("9:30 24.12", date(2026, 12, 24, 9, 30)),
        accepts("24 12 2026 9:30", date(2026, 12, 24, 9, 30)),
        accepts("8.12.2026\u300017:30", date(2026, 12, 8, 17, 30)), refuses("32.49"),
        refuses("24 9:30 12")));

TEST(DateText, ATextOfTwoBytesIsADateOnlyAsAnHourWithAOrP) {
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const std::string text{static_cast<char>(first), static_cast<char>(second)};
            const bool hourWithAmPm = first >= '0' && first <= '9' &&
                                      std::string_view("aApP").find(text[1]) != std::string::npos;
            ASSERT_EQ(parseDateText(text, usEnglishSettings(), kCurrentYear).has_value(),
                      hourWithAmPm)
                << first << ' ' << second;
        }
    }
}

TEST(DateText, IgnoresAnyAmountOfSpaceAndRefusesAnyLengthOfNonsense) {
    const std::string spaces(1'000'000, ' ');
    EXPECT_EQ(parseDateText(spaces + "17:30" + spaces, usEnglishSettings(), kCurrentYear),
              time(17, 30));
    EXPECT_FALSE(parseDateText(std::string(1'000'000, '9'), usEnglishSettings(), kCurrentYear));
    EXPECT_FALSE(
        parseDateText("17:30 " + std::string(1'000'000, 'a'), usEnglishSettings(), kCurrentYear));
    std::string manyDates;
    for (int i = 0; i < 100'000; ++i) manyDates += "Dec 8 ";
    EXPECT_FALSE(parseDateText(manyDates, usEnglishSettings(), kCurrentYear));
}

TEST(DateText, ADateWithoutAYearFallsInTheCurrentYear) {
    EXPECT_EQ(parseDateText("2/29", usEnglishSettings(), 2024), date(2024, 2, 29));
    EXPECT_FALSE(parseDateText("2/29", usEnglishSettings(), 2026));
    EXPECT_EQ(parseDateText("Dec 8", usEnglishSettings(), 2030), date(2030, 12, 8));
}

TEST(DateText, FollowsTheLocalesOwnSeparatorsAndOrder) {
    RegionalSettings japanese = usEnglishSettings();
    japanese.dateOrder = DateOrder::YearMonthDay;
    EXPECT_EQ(parseDateText("26/12/8", japanese, kCurrentYear), date(2026, 12, 8));
    EXPECT_EQ(parseDateText("12/8/26", usEnglishSettings(), kCurrentYear), date(2026, 12, 8));

    RegionalSettings finnish = usEnglishSettings();
    finnish.dateOrder = DateOrder::DayMonthYear;
    finnish.timeSeparator = '.';
    EXPECT_EQ(parseDateText("17.30", finnish, kCurrentYear), time(17, 30));
    EXPECT_EQ(parseDateText("8/12/2026 17.30", finnish, kCurrentYear), date(2026, 12, 8, 17, 30));

    RegionalSettings hungarian = usEnglishSettings();
    hungarian.dateOrder = DateOrder::YearMonthDay;
    hungarian.dateSeparator = ". ";
    EXPECT_EQ(parseDateText("2026. 12. 08", hungarian, kCurrentYear), date(2026, 12, 8));
}

}  // namespace
}  // namespace countdown
