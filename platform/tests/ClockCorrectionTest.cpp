#include <gtest/gtest.h>

#include "ClockCorrection.h"

namespace platform {
namespace {

using clockcheck::ClockReading;

constexpr std::int64_t kSecond = 1'000'000;
// A measurement: the PC's system clock 2.37 s behind the site, the step-free clock at 5,000 s.
constexpr ClockReading kMeasuredAt{1'780'000'000 * kSecond, 5'000 * kSecond};
constexpr std::int64_t kOffset = 2'370'000;

// While the correction is on, the program's clock is the site's time carried on the step-free
// clock: the system clock stepped after the measurement (the time service setting it right,
// a step back, a resume) moves nothing; with the correction off it is the system clock again.
TEST(ClockCorrection, StepsOfTheSystemClockMoveNothingWhileCorrected) {
    ClockCorrection correction;
    EXPECT_FALSE(correction.isOn());
    EXPECT_EQ(correction.at(kMeasuredAt), kMeasuredAt.system);

    correction.correct(siteAheadOfStepFree(kOffset, kMeasuredAt));
    ASSERT_TRUE(correction.isOn());
    struct Row {
        std::int64_t elapsed;     // step-free time since the measurement
        std::int64_t systemStep;  // how far the system clock was stepped since
    };
    for (const Row row : {
             Row{0, 0},                             // at the measurement: the site's time
             Row{60 * kSecond, 0},                  // a minute on, no step
             Row{61 * kSecond, kOffset},            // stepped right by the time service
             Row{62 * kSecond, -kSecond},           // stepped a second further back
             Row{3600 * kSecond, 86400 * kSecond},  // a day forward, as a wrong resume might
         }) {
        const ClockReading now{kMeasuredAt.system + row.elapsed + row.systemStep,
                               kMeasuredAt.stepFree + row.elapsed};
        EXPECT_EQ(correction.at(now), kMeasuredAt.system + kOffset + row.elapsed)
            << row.elapsed << " " << row.systemStep;
    }

    const ClockReading stepped{kMeasuredAt.system + kSecond, kMeasuredAt.stepFree};
    correction.clear();
    EXPECT_FALSE(correction.isOn());
    EXPECT_EQ(correction.at(stepped), stepped.system);
}

}  // namespace
}  // namespace platform
