#include <gtest/gtest.h>

#include "TickSource.h"

namespace platform {
namespace {

TEST(TickSource, AimsJustAfterTheNextTenthOfASecond) {
    struct Row {
        qint64 now;
        int delay;
    };
    for (const Row row :
         {Row{1'000'000'000'000, 102}, Row{1'000'000'000'002, 100}, Row{1'000'000'000'050, 52},
          Row{1'000'000'000'099, 3}, Row{1'000'000'000'101, 101}}) {
        EXPECT_EQ(TickSource::delayToNextBoundary(row.now), row.delay) << row.now;
        EXPECT_EQ((row.now + row.delay) % TickSource::kPeriodMs, 2) << row.now;
    }
}

}  // namespace
}  // namespace platform
