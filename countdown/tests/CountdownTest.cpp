// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include "ClockTick.h"
#include "Countdown.h"
#include "FakeLocalClock.h"
#include "FakeMainView.h"
#include "MainModule.h"

namespace countdown {
namespace {

using testing::FakeLocalClock;
using testing::FakeMainView;

constexpr int kYear = 2026;
const std::string kRefusal =
    "Invalid End Time: Invalid End Time, Auction has ended, or is over 24 hrs from now, Please "
    "check the end time";

class Countdown : public ::testing::Test {
  protected:
    void SetUp() override {
        MainModule::reset();
        // A bias of 480 minutes makes the Pacific clock read the local time.
        MainModule::TZInfo.Bias = 480;
        clock.set(toDateValue({kYear, 12, 7, 12, 0, 0}));
    }
    void TearDown() override { MainModule::reset(); }

    DateConversion conversion() const { return conversionAt(clock.read(), usEnglishSettings()); }

    void start(const std::string& clockText, const std::string& endText) {
        view.texts[TimeBox::EbayTime] = clockText;
        view.texts[TimeBox::AuctionEnd] = endText;
        startCountdown(view, conversion());
    }

    // A tick at the given Pacific time of day on 7 December 2026.
    void tickAt(int h, int m, int s) {
        clock.set(toDateValue({kYear, 12, 7, h, m, s}));
        runTick(view, clock, usEnglishSettings());
    }

    FakeMainView view;
    FakeLocalClock clock;
};

struct StartRow {
    const char* name;
    const char* clock;
    const char* end;
    std::int16_t runFlagBefore;
    bool refused;
    std::int16_t runFlagAfter;
    bool focusesEndBox;
};

void PrintTo(const StartRow& row, std::ostream* out) { *out << row.name; }

class StartRows : public Countdown, public ::testing::WithParamInterface<StartRow> {};

TEST_P(StartRows, ChecksTheEndTimeAgainstTheClockText) {
    const StartRow& row = GetParam();
    MainModule::RunFlag = row.runFlagBefore;
    view.texts[TimeBox::Timer] = "0:10:00";
    start(row.clock, row.end);

    EXPECT_EQ(view.messages,
              row.refused ? std::vector<std::string>{kRefusal} : std::vector<std::string>{});
    EXPECT_EQ(MainModule::RunFlag, row.runFlagAfter);
    EXPECT_EQ(view.focused.has_value(), row.focusesEndBox);
    if (row.focusesEndBox) {
        EXPECT_EQ(*view.focused, TimeBox::AuctionEnd);
    }
    // Start sets only the colour: the next tick shows the indicator and the remaining time.
    EXPECT_EQ(view.indicatorColour, row.refused ? 0 : kGreen);
    EXPECT_EQ(view.texts[TimeBox::Timer], "0:10:00");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StartRows,
    ::testing::Values(
        StartRow{"EmptyEndWhileIdle", "12:00:00", "", 0, true, 0, false},
        StartRow{"EmptyEndWhileRunning", "12:00:00", "", 1, true, 1, false},
        StartRow{"NoDateWhileIdle", "12:00:00", "abc", 0, true, 0, false},
        StartRow{"NoDateStopsARunningCountdown", "12:00:00", "abc", 1, true, 0, false},
        StartRow{"SameSecondWhileIdle", "12:00:00", "12:00:00", 0, true, 0, false},
        StartRow{"SameSecondKeepsRunning", "12:00:00", "12:00:00", 1, true, 1, false},
        StartRow{"EndPassedWhileIdle", "12:00:00", "11:59:59", 0, true, 0, true},
        StartRow{"EndPassedStopsRunning", "12:00:00", "11:59:59", 1, true, 0, true},
        StartRow{"OneSecondAhead", "12:00:00", "12:00:01", 0, false, 1, false},
        StartRow{"TwentyFourHourTime", "12:00:00", "17:30", 0, false, 1, false},
        StartRow{"TwelveHourTime", "12:00:00", "5:30 PM", 0, false, 1, false},
        StartRow{"TomorrowsDate", "21:00:00", "12/8/2026 9:00:00", 0, false, 1, false},
        StartRow{"AuctionSiteText", "12:00:00", "(Dec 08, 2026 17:30:00 PST)", 0, false, 1, false},
        StartRow{"LaterEndWhileRunning", "12:00:00", "13:00", 1, false, 1, false},
        // An Edit command has just emptied or replaced the clock text.
        StartRow{"ClockEmptied", "", "17:30", 1, true, 1, false},
        StartRow{"ClockReplaced", "abc", "17:30", 0, true, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Countdown, EndPassedStopsOnlyAfterTheMessageIsClosed) {
    MainModule::RunFlag = 1;
    std::vector<std::string> whileOpen;
    view.whileMessageOpen = [&] {
        whileOpen.push_back("RunFlag " + std::to_string(MainModule::RunFlag));
        whileOpen.push_back("focus " + std::to_string(view.focused.has_value()));
    };
    start("12:00:00", "11:59:59");
    EXPECT_EQ(whileOpen, (std::vector<std::string>{"RunFlag 1", "focus 0"}));
    EXPECT_EQ(MainModule::RunFlag, 0);
    EXPECT_EQ(view.events.back(), "focus txtauctionend");
}

TEST_F(Countdown, ATickUnderTheRefusalEndsACountdownWhoseEndHasPassed) {
    MainModule::RunFlag = 1;
    view.whileMessageOpen = [&] { tickAt(12, 0, 1); };
    start("12:00:00", "11:59:59");
    EXPECT_EQ(view.texts[TimeBox::Timer], "Ended");
    EXPECT_EQ(MainModule::RunFlag, 0);
    EXPECT_FALSE(view.indicatorVisible);
}

struct TickRow {
    const char* name;
    int clock[3];
    const char* end;
    const char* timer;
    bool visible;
    Colour colour;
    std::int16_t runFlag;
};

void PrintTo(const TickRow& row, std::ostream* out) { *out << row.name; }

class TickRows : public Countdown, public ::testing::WithParamInterface<TickRow> {};

TEST_P(TickRows, ShowsTheRemainingTimeAndColoursTheIndicatorByItsText) {
    const TickRow& row = GetParam();
    MainModule::RunFlag = 1;
    view.texts[TimeBox::AuctionEnd] = row.end;
    tickAt(row.clock[0], row.clock[1], row.clock[2]);
    EXPECT_EQ(view.texts[TimeBox::Timer], row.timer);
    EXPECT_EQ(view.indicatorVisible, row.visible);
    EXPECT_EQ(view.indicatorColour, row.colour);
    EXPECT_EQ(MainModule::RunFlag, row.runFlag);
}

constexpr Colour G = kGreen;
constexpr Colour R = kRed;

INSTANTIATE_TEST_SUITE_P(
    Rows, TickRows,
    ::testing::Values(
        TickRow{"OneSecondLeft", {12, 0, 0}, "12:00:01", "0:00:01", true, R, 1},
        TickRow{"ZeroEnds", {12, 0, 1}, "12:00:01", "Ended", false, G, 0},
        TickRow{"TwentyFourHourEnd", {12, 0, 0}, "17:30", "5:30:00", true, G, 1},
        TickRow{"TwelveHourEnd", {12, 0, 0}, "5:30 PM", "5:30:00", true, G, 1},
        TickRow{"FiveMinutesIsGreen", {12, 0, 0}, "12:05:00", "0:05:00", true, G, 1},
        TickRow{"FourFiftyNineIsRed", {12, 0, 0}, "12:04:59", "0:04:59", true, R, 1},
        TickRow{"TenHoursIsGreen", {12, 0, 0}, "22:00:00", "10:00:00", true, G, 1},
        TickRow{"TomorrowShowsTheTimeOfDayDifference",
                {21, 0, 0},
                "12/8/2026 9:00:00",
                "12:00:00",
                true,
                G,
                1},
        // A date only adds whole days: the countdown ends when the times of day meet.
        TickRow{"DateEndsAtItsTimeOfDay", {12, 0, 0}, "12/9/2026 12:00", "Ended", false, G, 0},
        // A tick that missed the end's second still ends the countdown.
        TickRow{"OneSecondPastEnds", {12, 0, 2}, "12:00:01", "Ended", false, R, 0},
        TickRow{"FiveMinutesPastEnds", {12, 5, 1}, "12:00:01", "Ended", false, G, 0},
        TickRow{"EndBeforeMidnightAfterIt", {0, 0, 30}, "23:59:59", "23:59:29", true, G, 1},
        // An end text that cannot be read says so and hides the indicator; the count runs on.
        TickRow{"EmptyEndIsUnknown", {12, 6, 0}, "", "End time?", false, 0, 1},
        TickRow{"StrayLetterEndIsUnknown", {12, 6, 0}, "12:10:00d", "End time?", false, 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// The site's zone word and the clock (local + bias - 8 h, so in the PC's daylight state, not
// Pacific's) differ by an hour, or agree. Each end lies three minutes ahead.
struct ZoneRow {
    const char* name;
    std::int32_t bias, utcOffset;  // the PC's offset at the tick
    CivilDateTime local;
    const char* end;
};

void PrintTo(const ZoneRow& row, std::ostream* out) { *out << row.name; }

class ZoneWordRows : public Countdown, public ::testing::WithParamInterface<ZoneRow> {};

TEST_P(ZoneWordRows, CountsDownToTheEndAsTheClockShowsIt) {
    const ZoneRow& row = GetParam();
    MainModule::TZInfo.Bias = row.bias;
    clock.setUtcOffset(row.utcOffset);
    clock.set(toDateValue(row.local));
    runTick(view, clock, usEnglishSettings());
    start(view.text(TimeBox::EbayTime), row.end);
    runTick(view, clock, usEnglishSettings());
    EXPECT_EQ(view.text(TimeBox::Timer), "0:03:00");
}

// 12:00 Pacific: 04:00 in Tokyo (clock 11:00), 07:00 in Sydney (13:00), 20:00 in Berlin (11:00).
INSTANTIATE_TEST_SUITE_P(
    Rows, ZoneWordRows,
    ::testing::Values(ZoneRow{"TokyoJuly", -540, 540, {2026, 7, 9, 4}, "Jul 8 2026 12:03 PDT"},
                      ZoneRow{"TokyoTimeAlone", -540, 540, {2026, 7, 9, 4}, "12:03 PDT"},
                      ZoneRow{"TokyoMidnight", -540, 540, {2026, 7, 9, 15, 59}, "Jul 9 0:02 PDT"},
                      ZoneRow{"SydneyJanuary", -600, 660, {2026, 1, 9, 7}, "(Jan 8 12:03 pst)"},
                      ZoneRow{"BerlinMarch", -60, 60, {2026, 3, 20, 20}, "Mar 20 12:03 PDT"},
                      ZoneRow{"LosAngelesJuly", 480, -420, {2026, 7, 8, 12}, "Jul 8 12:03 PDT"},
                      ZoneRow{"NewYorkJanuary", 300, -300, {2026, 1, 8, 15}, "Jan 8 12:03 PST"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Countdown, TheZoneWordCountsWithThePcsOffsetAtEachTick) {
    // New York changes its clocks at 07:00 UTC, three hours before Pacific time does: from then
    // on the clock reads UTC-7 while the site still says PST.
    MainModule::TZInfo.Bias = 300;
    clock.setUtcOffset(-300);
    view.texts[TimeBox::AuctionEnd] = "Mar 07, 2026 23:10:00 PST";
    MainModule::RunFlag = 1;
    clock.set(toDateValue({kYear, 3, 8, 1, 59, 59}));
    runTick(view, clock, usEnglishSettings());
    EXPECT_EQ(view.text(TimeBox::Timer), "0:10:01");
    clock.setUtcOffset(-240);
    clock.set(toDateValue({kYear, 3, 8, 3, 0, 0}));
    runTick(view, clock, usEnglishSettings());
    EXPECT_EQ(view.text(TimeBox::Timer), "0:10:00");
}

TEST_F(Countdown, TheLastTickColoursGreenThenEndsAndHides) {
    MainModule::RunFlag = 1;
    view.texts[TimeBox::AuctionEnd] = "12:00:01";
    tickAt(12, 0, 1);
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"text txtebaytime=12:00:01", "repaint txtebaytime",
                                        "text txtTimer=0:00:00", "show indicator", "green",
                                        "text txtTimer=Ended", "hide indicator", "hide indicator",
                                        "panel 2=2026-12-7"}));
}

TEST_F(Countdown, OneSecondAheadCountsDownInRedAndEndsAtTheEndSecond) {
    start("12:00:00", "12:00:01");
    ASSERT_EQ(MainModule::RunFlag, 1);
    for (int tenth = 0; tenth < 3; ++tenth) {
        tickAt(12, 0, 0);
        EXPECT_EQ(view.texts[TimeBox::Timer], "0:00:01");
        EXPECT_TRUE(view.indicatorVisible);
        EXPECT_EQ(view.indicatorColour, kRed);
    }
    tickAt(12, 0, 1);
    EXPECT_EQ(view.texts[TimeBox::Timer], "Ended");
    EXPECT_EQ(MainModule::RunFlag, 0);
    EXPECT_FALSE(view.indicatorVisible);
    EXPECT_DOUBLE_EQ(MainModule::TimeLeft, 0.0);

    tickAt(12, 0, 2);
    EXPECT_EQ(view.texts[TimeBox::Timer], "Ended");
    EXPECT_FALSE(view.indicatorVisible);
    // A Start in the second after the end is refused as passed.
    start("12:00:02", "12:00:01");
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(MainModule::RunFlag, 0);
}

TEST_F(Countdown, SaysTheEndIsUnknownWhileItsTextDoesNotParseAndCountsOnWhenItDoes) {
    start("12:00:00", "12:10:00");
    tickAt(12, 0, 0);
    ASSERT_EQ(view.texts[TimeBox::Timer], "0:10:00");
    for (const char* editing : {"", "12:", "12:10:", "12:10:0x"}) {
        view.texts[TimeBox::AuctionEnd] = editing;
        tickAt(12, 6, 0);
        EXPECT_EQ(view.texts[TimeBox::Timer], "End time?") << editing;
        EXPECT_FALSE(view.indicatorVisible);
        EXPECT_EQ(MainModule::RunFlag, 1);
    }
    view.texts[TimeBox::AuctionEnd] = "12:10:00";
    tickAt(12, 6, 1);
    EXPECT_EQ(view.texts[TimeBox::Timer], "0:03:59");
    EXPECT_TRUE(view.indicatorVisible);
    EXPECT_EQ(view.indicatorColour, kRed);
    // An end that passed while its text could not be read ends the countdown at once.
    view.texts[TimeBox::AuctionEnd] = "12:10:0x";
    tickAt(12, 10, 5);
    EXPECT_EQ(view.texts[TimeBox::Timer], "End time?");
    view.texts[TimeBox::AuctionEnd] = "12:10:00";
    tickAt(12, 10, 6);
    EXPECT_EQ(view.texts[TimeBox::Timer], "Ended");
    EXPECT_EQ(MainModule::RunFlag, 0);
}

TEST_F(Countdown, StopShowsStoppedEvenWhileIdleAndTheNextTickHides) {
    stopCountdown(view);
    EXPECT_EQ(view.texts[TimeBox::Timer], "Stopped");
    EXPECT_EQ(MainModule::RunFlag, 0);

    start("12:00:00", "12:30:00");
    tickAt(12, 0, 0);
    ASSERT_TRUE(view.indicatorVisible);
    stopCountdown(view);
    EXPECT_EQ(MainModule::RunFlag, 0);
    EXPECT_EQ(view.texts[TimeBox::AuctionEnd], "12:30:00");
    tickAt(12, 0, 1);
    EXPECT_EQ(view.texts[TimeBox::Timer], "Stopped");
    EXPECT_FALSE(view.indicatorVisible);
}

TEST_F(Countdown, StartAfterStopKeepsStoppedUntilTheNextTick) {
    stopCountdown(view);
    start("12:00:00", "12:20:00");
    EXPECT_EQ(MainModule::RunFlag, 1);
    EXPECT_EQ(view.texts[TimeBox::Timer], "Stopped");
    tickAt(12, 0, 0);
    EXPECT_EQ(view.texts[TimeBox::Timer], "0:20:00");
}

TEST_F(Countdown, StartingAgainWithALaterEndTurnsGreenAtOnce) {
    start("12:00:00", "12:01:00");
    tickAt(12, 0, 0);
    ASSERT_EQ(view.indicatorColour, kRed);
    start("12:00:00", "13:00:00");
    EXPECT_EQ(view.indicatorColour, kGreen);
    EXPECT_EQ(MainModule::RunFlag, 1);
    EXPECT_EQ(view.texts[TimeBox::Timer], "0:01:00");
}

}  // namespace
}  // namespace countdown
