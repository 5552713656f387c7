#include "PacificClock.h"

namespace countdown {

DateValue utcFromLocal(DateValue local, std::int32_t biasMinutes) {
    return addMinutes(local, biasMinutes);
}

DateValue pacificFromUtc(DateValue utc) { return addMinutes(utc, -kPacificOffsetMinutes); }

}  // namespace countdown
