// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "ClockPair.h"

#include <chrono>

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

namespace platform {

#ifdef _WIN32

namespace {

using InterruptTimeFunction = VOID(WINAPI*)(PULONGLONG);

// QueryInterruptTimePrecise exists from Windows 10 on (and not in Wine): looked up once.
InterruptTimeFunction preciseInterruptTime() {
    static const auto function = reinterpret_cast<InterruptTimeFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernelbase.dll"), "QueryInterruptTimePrecise")));
    return function;
}

}  // namespace

// The interrupt time counts in 100 ns units since boot, the time spent in sleep or hibernation
// included, and nothing steps it. Where it is missing, the performance counter, which no step
// moves either.
clockcheck::StepFreeMicros stepFreeNow() {
    if (const InterruptTimeFunction function = preciseInterruptTime()) {
        ULONGLONG hundredNanoseconds = 0;
        function(&hundredNanoseconds);
        return static_cast<clockcheck::StepFreeMicros>(hundredNanoseconds / 10);
    }
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return counter.QuadPart / frequency.QuadPart * 1'000'000 +
           counter.QuadPart % frequency.QuadPart * 1'000'000 / frequency.QuadPart;
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
