// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include "ClockTick.h"
#include "FakeLocalClock.h"
#include "FakeMainView.h"
#include "MainModule.h"

namespace countdown {
namespace {

using testing::FakeLocalClock;
using testing::FakeMainView;

class ClockTick : public ::testing::Test {
  protected:
    void SetUp() override { MainModule::reset(); }
    void TearDown() override { MainModule::reset(); }

    std::string tickAt(std::int32_t bias, const CivilDateTime& local) {
        MainModule::TZInfo.Bias = bias;
        runTick(view, FakeLocalClock(toDateValue(local)), usEnglishSettings());
        return view.text(TimeBox::EbayTime);
    }

    FakeMainView view;
};

struct ClockRow {
    std::int32_t bias;
    CivilDateTime local;
    const char* pacific;
};

class PacificClockRows : public ClockTick, public ::testing::WithParamInterface<ClockRow> {};

TEST_P(PacificClockRows, ShowsLocalPlusBiasMinusEightHours) {
    EXPECT_EQ(tickAt(GetParam().bias, GetParam().local), GetParam().pacific);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PacificClockRows,
    ::testing::Values(ClockRow{300, {2026, 7, 1, 12, 0, 0}, "9:00:00"},
                      ClockRow{300, {2026, 1, 1, 12, 0, 0}, "9:00:00"},
                      ClockRow{-60, {2026, 7, 1, 10, 30, 15}, "1:30:15"},
                      ClockRow{480, {2026, 7, 1, 10, 30, 15}, "10:30:15"},
                      ClockRow{0, {2026, 7, 1, 10, 0, 0}, "2:00:00"},
                      ClockRow{-540, {2026, 7, 1, 0, 0, 0}, "7:00:00"},
                      // Just after Pacific midnight: no leading zero on the hour.
                      ClockRow{480, {2026, 7, 2, 0, 0, 0}, "0:00:00"},
                      ClockRow{480, {2026, 7, 2, 0, 0, 1}, "0:00:01"},
                      ClockRow{480, {2026, 7, 2, 13, 5, 9}, "13:05:09"}));

TEST_F(ClockTick, EveningBeforeInPacificWhilePanelShowsTheLocalDate) {
    EXPECT_EQ(tickAt(-60, {2026, 2, 8, 2, 0, 0}), "17:00:00");
    EXPECT_EQ(view.panels[2], "2026-2-8");
    const CivilDateTime pacific = toCivil(MainModule::PacificTime);
    EXPECT_EQ(pacific.day, 7);
    EXPECT_EQ(toCivil(MainModule::UtcTime).hour, 1);
}

TEST_F(ClockTick, WritesAndRepaintsTheClockBeforeTheIndicatorAndThePanel) {
    tickAt(480, {2026, 7, 2, 8, 0, 0});
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"text txtebaytime=8:00:00", "repaint txtebaytime",
                                        "hide indicator", "panel 2=2026-7-2"}));
}

TEST_F(ClockTick, UsesTheBiasCapturedAtLoadNotTheCurrentZone) {
    EXPECT_EQ(tickAt(300, {2026, 7, 1, 12, 0, 0}), "9:00:00");
    // Only TZInfo.Bias counts; the daylight fields are never read.
    MainModule::TZInfo.DaylightBias = -60;
    MainModule::TZInfo.StandardBias = 30;
    EXPECT_EQ(tickAt(300, {2026, 7, 1, 12, 0, 0}), "9:00:00");
}

TEST_F(ClockTick, LeavesTheIndicatorAloneWhileACountdownRuns) {
    MainModule::RunFlag = 1;
    view.texts[TimeBox::AuctionEnd] = "9:00:00";
    tickAt(480, {2026, 7, 2, 8, 0, 0});
    EXPECT_TRUE(view.indicatorVisible);
}

}  // namespace
}  // namespace countdown
