// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "ClockPair.h"

#include <chrono>

#ifdef _WIN32
#include <windows.h>

#include <realtimeapiset.h>
#else
#include <time.h>
#endif

namespace platform {

#ifdef _WIN32

// The interrupt time counts in 100 ns units since boot, the time spent in sleep or hibernation
// included, and nothing steps it.
clockcheck::StepFreeMicros stepFreeNow() {
    ULONGLONG hundredNanoseconds = 0;
    QueryInterruptTimePrecise(&hundredNanoseconds);
    return static_cast<clockcheck::StepFreeMicros>(hundredNanoseconds / 10);
}

#else

clockcheck::StepFreeMicros stepFreeNow() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<clockcheck::StepFreeMicros>(now.tv_sec) * 1'000'000 + now.tv_nsec / 1000;
}

#endif

clockcheck::ClockReading readClockPair() {
    const clockcheck::StepFreeMicros before = stepFreeNow();
    const clockcheck::PcMicros system = std::chrono::duration_cast<std::chrono::microseconds>(
                                            std::chrono::system_clock::now().time_since_epoch())
                                            .count();
    const clockcheck::StepFreeMicros after = stepFreeNow();
    return {system, before + (after - before) / 2};
}

}  // namespace platform
