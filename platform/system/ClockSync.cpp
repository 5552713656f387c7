// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "ClockSync.h"

#include <charconv>

#ifdef __linux__
#include <sys/timex.h>
#endif

namespace platform {
namespace {

// The kernel's limit for both error figures (NTP_PHASE_LIMIT). Its maximum error grows by
// 500 us each second and stops here, where the kernel marks the clock unsynchronized; a time
// service resets it on every adjustment. The estimated error starts here and only a time
// service changes it.
constexpr long kUnsynchronizedUs = 16'000'000;

}  // namespace

// Synchronized as systemd's timedated (timedatectl's "System clock synchronized") decides:
// the maximum error is below 16 s. Like timedated it ignores the unsynchronized status flag
// (and so adjtimex's TIME_ERROR result, which follows that flag): a time service may set it
// only to keep the kernel from writing the hardware clock. The estimated error is given by
// chrony and ntpd; systemd-timesyncd writes 0 there, which states nothing, so neither 0 nor the
// kernel's initial 16 s counts as an estimate.
ClockSyncState clockSyncFromKernel(long maxErrorUs, long estimatedErrorUs) {
    ClockSyncState state;
    state.known = true;
    state.synchronized = maxErrorUs < kUnsynchronizedUs;
    if (state.synchronized && estimatedErrorUs > 0 && estimatedErrorUs < kUnsynchronizedUs) {
        // Whole milliseconds, rounded up: the figure never claims more than the service does.
        const long ms = (estimatedErrorUs + 999) / 1000;
        state.estimatedErrorSeconds = static_cast<double>(ms) / 1000;
    }
    return state;
}

ClockSyncState systemClockSync() {
#ifdef __linux__
    timex kernel{};  // modes 0: read only, which needs no privilege
    if (adjtimex(&kernel) == -1) return {};
    return clockSyncFromKernel(kernel.maxerror, kernel.esterror);
#else
    return {};
#endif
}

std::string clockSyncSentence(const ClockSyncState& state) {
    if (!state.known) return {};
    if (!state.synchronized)
        return "This PC's clock is not synchronized by the system: it may drift.";
    std::string sentence = "This PC's clock is kept synchronized by the system.";
    if (state.estimatedErrorSeconds) {
        // to_chars writes a point whatever the program's locale.
        char number[32];
        const auto end = std::to_chars(number, number + sizeof number, *state.estimatedErrorSeconds,
                                       std::chars_format::fixed, 3);
        sentence += " Its estimated error is " + std::string(number, end.ptr) + " s.";
    }
    return sentence;
}

}  // namespace platform
