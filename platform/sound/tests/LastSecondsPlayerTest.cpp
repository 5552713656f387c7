// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "ClockCorrection.h"
#include "LastSecondsPlayer.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

// An output that takes 10 ms of samples every 10 ms, as a real one does once full; it counts
// what happens to it and can be told to go away after a number of writes.
struct FakeOutput : SoundOutput {
    std::atomic<int> opens{0};
    std::atomic<int> closes{0};
    std::atomic<int> writes{0};
    std::atomic<int> loudWrites{0};
    bool found = true;
    int goneAfterWrites = -1;

    bool open(int) override {
        ++opens;
        return found;
    }
    std::optional<std::int64_t> latencyUs() override { return 20'000; }
    bool write(std::span<const std::int16_t> samples) override {
        std::this_thread::sleep_for(10ms);
        if (writes++ == goneAfterWrites) return false;
        loudWrites += std::any_of(samples.begin(), samples.end(), [](auto s) { return s != 0; });
        return true;
    }
    void close() override { ++closes; }
};

// Waits (on the steady clock) until the condition holds, at most 10 s.
template <typename Condition>
bool eventually(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!condition() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    return condition();
}

lastseconds::Plan tickSoon() {
    return {{{correctedClockNow() + 100'000, lastseconds::Cue::Tick, 3}}, true};
}

TEST(LastSecondsPlayer, OpensForThePlanPlaysItAndClosesWithIt) {
    auto* output = new FakeOutput;
    std::promise<bool> found;
    LastSecondsPlayer player(std::unique_ptr<SoundOutput>(output),
                             [&](bool yes) { found.set_value(yes); });
    EXPECT_TRUE(found.get_future().get());
    EXPECT_EQ(output->closes, 1);  // the probe
    player.setPlan(tickSoon());
    EXPECT_TRUE(eventually([&] { return output->loudWrites >= 3; }));
    EXPECT_EQ(output->opens, 2);
    player.setPlan({});
    EXPECT_TRUE(eventually([&] { return output->closes == 2; }));
}

// Without an output, or once it went away, the count is silent and nothing waits on it; the next
// opening tries again.
TEST(LastSecondsPlayer, AnOutputGoneCostsTheSoundOnly) {
    auto* output = new FakeOutput;
    output->goneAfterWrites = 2;
    std::promise<bool> found;
    LastSecondsPlayer player(std::unique_ptr<SoundOutput>(output),
                             [&](bool yes) { found.set_value(yes); });
    found.get_future().wait();
    player.setPlan(tickSoon());
    EXPECT_TRUE(eventually([&] { return output->closes == 2; }));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(output->writes, 3);
    EXPECT_EQ(output->opens, 2);
    player.setPlan({});
    output->found = false;
    player.setPlan(tickSoon());
    EXPECT_TRUE(eventually([&] { return output->opens == 3; }));
    EXPECT_EQ(output->writes, 3);
}

}  // namespace
}  // namespace platform
