#pragma once

#include <chrono>

// CPU time the calling thread has used: for the whole run as the kernel accounts it in
// /proc/self/task/<tid>/stat, and finely for timing single calls.
namespace thread_cpu {

// User plus system time from /proc, in seconds (the kernel counts it in clock ticks).
double accountedSeconds();

std::chrono::nanoseconds now();

}  // namespace thread_cpu
