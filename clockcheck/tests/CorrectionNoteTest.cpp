#include <gtest/gtest.h>

#include "CorrectionNote.h"

namespace clockcheck {
namespace {

constexpr Micros kSecond = 1'000'000;
constexpr StepFreeMicros kMeasuredAt = 7'000 * kSecond;

// The note is formed again only when its minutes change, and then reads the new age.
TEST(CorrectionNote, ReadsItsAgeInMinutesAndIsDueOncePerMinute) {
    CorrectionNote note("Corrected by +2.37 s against www.ebay.com", kMeasuredAt);
    struct Row {
        Micros since;
        bool due;
        const char* age;
    };
    for (const Row row : {
             Row{0, true, "measured less than a minute ago"},
             Row{59 * kSecond, false, "measured less than a minute ago"},
             Row{60 * kSecond, true, "measured 1 min ago"},
             Row{14 * 60 * kSecond + 1, true, "measured 14 min ago"},  // a suspend skips ahead
             Row{14 * 60 * kSecond + 59 * kSecond, false, "measured 14 min ago"},
             Row{125 * 60 * kSecond, true, "measured 2 h 5 min ago"},
         }) {
        EXPECT_EQ(note.due(kMeasuredAt + row.since), row.due) << row.since;
        EXPECT_EQ(note.at(kMeasuredAt + row.since),
                  std::string("Corrected by +2.37 s against www.ebay.com, ") + row.age)
            << row.since;
    }
}

TEST(CorrectionNote, KeptCorrectionNamesItsOffsetHostAndTime) {
    EXPECT_EQ(keptCorrectionSentence("Corrected by +2.37 s against www.ebay.com", "9:41:05"),
              "The clock stays corrected by +2.37 s against www.ebay.com, measured at 9:41:05 "
              "(Pacific clock).");
}

}  // namespace
}  // namespace clockcheck
