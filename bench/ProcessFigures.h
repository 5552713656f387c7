// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>

// Figures a start-up probe reports about its own process.
namespace process_figures {

// Milliseconds since the driver launched this process: it passes the wall-clock time of the
// launch, in nanoseconds since the epoch, in TICKLOT_BENCH_LAUNCH_NS.
inline double msSinceLaunch() {
    const char* launch = std::getenv("TICKLOT_BENCH_LAUNCH_NS");
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    return launch ? static_cast<double>(now - std::atoll(launch)) / 1e6 : -1.0;
}

// The process's peak resident set so far, in kB (Linux: VmHWM); -1 where unknown.
inline long peakResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

}  // namespace process_figures
