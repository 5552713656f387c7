// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "CountPlanner.h"
#include "SoundOutput.h"

namespace platform {

// Plays the planned sounds of the last seconds on a thread of its own, so that no sound work
// runs on the thread that shows the clock. While the plan wants the output open it keeps it
// open and fed, 10 ms at a time, laying each sound on the sample that the output says will be
// heard at its time (times on the corrected clock the program shows). An output that goes away
// costs the sound until the plan closes it; the next opening tries again.
class LastSecondsPlayer {
  public:
    static constexpr int kSampleRate = 48'000;

    // `found` is called once, from the player's thread, with whether the output opened.
    LastSecondsPlayer(std::unique_ptr<SoundOutput> output, std::function<void(bool)> found);
    ~LastSecondsPlayer();
    LastSecondsPlayer(const LastSecondsPlayer&) = delete;
    LastSecondsPlayer& operator=(const LastSecondsPlayer&) = delete;

    // Replaces the plan; cheap, from any thread.
    void setPlan(lastseconds::Plan plan);

  private:
    void run();
    void playWhileOpen(std::unique_lock<std::mutex>& lock);

    std::unique_ptr<SoundOutput> output_;
    std::function<void(bool)> found_;
    std::mutex mutex_;
    std::condition_variable changed_;
    lastseconds::Plan plan_;
    bool planChanged_ = false;
    bool planClosed_ = false;  // a plan that closes the output came since the output opened
    bool quit_ = false;
    std::thread thread_;
};

}  // namespace platform
