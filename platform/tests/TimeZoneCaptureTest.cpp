#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "TimeZoneCapture.h"

namespace platform {
namespace {

// Sets TZ for the life of the object and restores the previous value afterwards.
class ScopedTimeZone {
  public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) previous_ = old;
        setenv("TZ", zone, 1);
    }
    ~ScopedTimeZone() {
        if (previous_)
            setenv("TZ", previous_->c_str(), 1);
        else
            unsetenv("TZ");
    }

  private:
    std::optional<std::string> previous_;
};

struct ZoneRow {
    const char* zone;
    std::int32_t bias;
};

class TimeZoneCapture : public ::testing::TestWithParam<ZoneRow> {};

TEST_P(TimeZoneCapture, GivesTheStandardTimeBiasWhateverTheSeason) {
    ScopedTimeZone zone(GetParam().zone);
    countdown::TimeZoneInformation info{};
    info.Bias = 12345;
    GetTimeZoneInformation(&info);
    EXPECT_EQ(info.Bias, GetParam().bias);
}

INSTANTIATE_TEST_SUITE_P(Zones, TimeZoneCapture,
                         ::testing::Values(ZoneRow{"America/New_York", 300},
                                           ZoneRow{"America/Los_Angeles", 480},
                                           ZoneRow{"Europe/Berlin", -60},
                                           ZoneRow{"Asia/Tokyo", -540}, ZoneRow{"UTC", 0},
                                           ZoneRow{"Asia/Kolkata", -330}));

}  // namespace
}  // namespace platform
