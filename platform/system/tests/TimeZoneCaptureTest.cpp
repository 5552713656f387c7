// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string_view>

#include "DateValue.h"
#include "MainModule.h"
#include "PacificClock.h"
#include "TimeZoneCapture.h"

namespace platform {
namespace {

// The record describes the zone the process was started in: Windows keeps it per process, and
// Wine computes it from the host's TZ when the process starts. So CTest starts this program
// once per zone, with TZ set and, through libfaketime, on a winter and a summer date.
struct ZoneRow {
    std::string_view zone;
    std::int32_t bias;
    // The Pacific clock's text when the local clock reads 12:00:00.
    const char* pacificAtLocalNoon;
};

constexpr ZoneRow kZones[] = {
    {"America/New_York", 300, "9:00:00"},
    {"America/Los_Angeles", 480, "12:00:00"},
    {"Europe/Berlin", -60, "3:00:00"},
    {"Asia/Tokyo", -540, "19:00:00"},
    {"UTC", 0, "4:00:00"},
    {"Asia/Kolkata", -330, "22:30:00"},
};

const ZoneRow* zoneOfThisProcess() {
    const char* zone = std::getenv("TZ");
    if (zone == nullptr) return nullptr;
    const auto found = std::find_if(std::begin(kZones), std::end(kZones),
                                    [zone](const ZoneRow& row) { return row.zone == zone; });
    return found == std::end(kZones) ? nullptr : found;
}

class TimeZoneCapture : public ::testing::Test {
  protected:
    void SetUp() override {
        row_ = zoneOfThisProcess();
        ASSERT_NE(row_, nullptr) << "TZ must name one of the zones in kZones";
        MainModule::reset();
    }
    void TearDown() override { MainModule::reset(); }

    const ZoneRow* row_ = nullptr;
};

TEST_F(TimeZoneCapture, GivesTheStandardTimeBiasWhateverTheSeason) {
    countdown::TimeZoneInformation info{};
    info.Bias = 12345;
    GetTimeZoneInformation(&info);
    EXPECT_EQ(info.Bias, row_->bias);
}

TEST_F(TimeZoneCapture, CapturedAtLoadItDrivesThePacificClock) {
    GetTimeZoneInformation(&MainModule::TZInfo);
    const countdown::DateValue localNoon = countdown::toDateValue({2026, 7, 1, 12, 0, 0});
    const countdown::DateValue utc = countdown::utcFromLocal(localNoon, MainModule::TZInfo.Bias);
    EXPECT_EQ(countdown::formatHms(countdown::pacificFromUtc(utc)), row_->pacificAtLocalNoon);
}

}  // namespace
}  // namespace platform
