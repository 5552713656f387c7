// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

// Records what reaches a PulseAudio sink through `parec` on its monitor (48 kHz, mono, 16 bit)
// on a thread of its own, and ties the samples to the system clock: sample n was rendered at
// t0 + n / rate, t0 the earliest of (a block's arrival - the samples before its end / rate),
// since a block never arrives before its last sample was rendered.
class MonitorRecording {
  public:
    static constexpr int kRate = 48'000;

    explicit MonitorRecording(const char* monitor);
    ~MonitorRecording();
    MonitorRecording(const MonitorRecording&) = delete;
    MonitorRecording& operator=(const MonitorRecording&) = delete;

    // Ends the recording; the samples and t0 are final afterwards.
    void stop();
    const std::vector<std::int16_t>& samples() const { return samples_; }
    // System clock, nanoseconds since the epoch, of sample 0.
    std::int64_t startNs() const { return startNs_; }

  private:
    void read();

    int pid_ = -1;
    int fd_ = -1;
    std::thread reader_;
    std::vector<std::int16_t> samples_;
    std::int64_t startNs_ = INT64_MAX;
};
