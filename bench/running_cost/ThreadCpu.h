// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <chrono>

namespace thread_cpu {

// CPU time the calling thread has used, to the nanosecond (the kernel's own runtime count, which
// /proc/self/task/<tid>/stat reports rounded to clock ticks of 10 ms).
std::chrono::nanoseconds now();

}  // namespace thread_cpu
