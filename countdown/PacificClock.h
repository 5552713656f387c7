#pragma once

#include <cstdint>

#include "DateValue.h"

namespace countdown {

// Pacific time from the local time and the PC's standard-time bias: local + bias gives UTC,
// and Pacific is a fixed eight hours behind UTC. No daylight rule is applied.
inline constexpr int kPacificOffsetMinutes = 480;

DateValue utcFromLocal(DateValue local, std::int32_t biasMinutes);
DateValue pacificFromUtc(DateValue utc);

}  // namespace countdown
