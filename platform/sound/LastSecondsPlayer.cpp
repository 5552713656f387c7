// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "LastSecondsPlayer.h"

#include <utility>
#include <vector>

#include "ClockCorrection.h"
#include "SoundMixer.h"

namespace platform {

LastSecondsPlayer::LastSecondsPlayer(std::unique_ptr<SoundOutput> output,
                                     std::function<void(bool)> found)
    : output_(std::move(output)), found_(std::move(found)), thread_([this] { run(); }) {}

LastSecondsPlayer::~LastSecondsPlayer() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void LastSecondsPlayer::setPlan(lastseconds::Plan plan) {
    {
        std::lock_guard lock(mutex_);
        plan_ = std::move(plan);
        planChanged_ = true;
        planClosed_ = planClosed_ || !plan_.outputOpen;
    }
    changed_.notify_all();
}

void LastSecondsPlayer::run() {
    const bool found = output_->open(kSampleRate);
    output_->close();
    found_(found);
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return quit_ || plan_.outputOpen; });
        if (quit_) return;
        playWhileOpen(lock);
    }
}

// Entered and left with the lock held; the output is fed with it released.
void LastSecondsPlayer::playWhileOpen(std::unique_lock<std::mutex>& lock) {
    lastseconds::SoundMixer mixer(kSampleRate);
    mixer.setPlan(plan_.sounds);
    planChanged_ = false;
    planClosed_ = false;
    lock.unlock();
    std::vector<std::int16_t> stretch(kSampleRate / 100);
    bool open = output_->open(kSampleRate);
    while (open) {
        const std::optional<std::int64_t> latency = output_->latencyUs();
        if (latency) mixer.fill(correctedClockNow() + *latency, stretch);
        const bool fed = latency && output_->write(stretch);
        lock.lock();
        const bool wanted = !quit_ && plan_.outputOpen;
        if (wanted && std::exchange(planChanged_, false)) mixer.setPlan(plan_.sounds);
        lock.unlock();
        if (!wanted) break;
        open = fed;
    }
    output_->close();
    lock.lock();
    // An output that went away leaves the count silent until the plan has closed it.
    changed_.wait(lock, [this] { return quit_ || planClosed_; });
}

}  // namespace platform
