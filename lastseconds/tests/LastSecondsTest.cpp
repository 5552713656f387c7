// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "CountPlanner.h"
#include "SoundMixer.h"

namespace lastseconds {
namespace {

constexpr std::int64_t kSecond = 1'000'000;
constexpr std::int64_t kMs = 1'000;
constexpr int kRate = 48'000;
// The end of every countdown, on a whole second of the shown clock.
constexpr std::int64_t kEnd = 1'800'000'000 * kSecond;

enum class Act { Stop, Correct, OptionOff, OptionOn };
struct Event {
    std::int64_t atUs;  // on the shown clock, before the end
    Act act;
    std::int64_t correctionUs = 0;
};
struct Heard {
    int secondsLeft;
    std::int64_t atUs;  // on the shown clock
    std::int64_t lengthUs = 0;
};

std::string textOf(int left) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", left / 3600, left / 60 % 60, left % 60);
    return text;
}

// The window and the sound output, a millisecond at a time on the PC's clock: Start pressed
// 0.45 s into a second, the countdown step on each tick (a tenth of a second of the shown clock),
// the events, and the output filling 10 ms stretches that are heard at once.
std::vector<Heard> run(int startLeft, const std::vector<Event>& events) {
    CountPlanner planner;
    SoundMixer mixer(kRate);
    std::vector<std::int16_t> stretch(kRate / 100);
    std::vector<Heard> heard;
    std::string text;
    bool running = true;
    bool enabled = true;
    std::int64_t correction = 0;
    Plan plan;
    auto update = [&](std::int64_t shownUs) {
        plan = planner.update({enabled, running, text, shownUs});
        mixer.setPlan(plan.sounds);
    };
    const std::int64_t pressed = kEnd - startLeft * kSecond + 450 * kMs;
    std::size_t next = 0;
    for (std::int64_t pc = pressed; pc < kEnd + 2 * kSecond; pc += kMs) {
        bool tick = (pc + correction) % (100 * kMs) == 0;
        for (; next < events.size() && kEnd - events[next].atUs <= pc + correction; ++next) {
            const Event& event = events[next];
            if (event.act == Act::Stop) running = false, text = "Stopped";
            if (event.act == Act::OptionOff || event.act == Act::OptionOn)
                enabled = event.act == Act::OptionOn;
            if (event.act == Act::Correct) correction += event.correctionUs, tick = true;
            update(pc + correction);
        }
        const std::int64_t shown = pc + correction;
        if (tick && running) {
            const int left = static_cast<int>(kEnd / kSecond - shown / kSecond);
            text = left <= 0 ? "Ended" : textOf(left);
            running = left > 0;
        }
        if (tick) update(shown);
        if ((pc - pressed) % (10 * kMs) != 0 || !plan.outputOpen) continue;
        for (const auto& onset : mixer.fill(shown, stretch))
            heard.push_back({onset.sound.secondsLeft, onset.heardUs});
        // The last sound lasts until the last sample it sounds in.
        for (std::size_t i = 0; i < stretch.size() && !heard.empty(); ++i)
            if (stretch[i] != 0)
                heard.back().lengthUs =
                    shown + static_cast<std::int64_t>(i) * kSecond / kRate - heard.back().atUs;
    }
    return heard;
}

struct Row {
    const char* name;
    int startLeft;
    std::vector<Event> events;
    // Seconds left shown, and when heard: on its second's edge, or at the first tick after
    // the given moment (a text that showed unforeseen).
    std::vector<std::pair<int, std::int64_t>> heard;
};

// A text that shows on its second's edge: heard at that edge.
std::pair<int, std::int64_t> edge(int left) { return {left, kEnd - left * kSecond}; }
// The first tick after Start, pressed 0.45 s into the second with `left` seconds still to go.
std::pair<int, std::int64_t> atStart(int left) { return {left, kEnd - left * kSecond + 500 * kMs}; }

const Row kRows[] = {
    {"fifteen seconds left: ten ticks and the tone",
     15,
     {},
     {edge(10), edge(9), edge(8), edge(7), edge(6), edge(5), edge(4), edge(3), edge(2), edge(1),
      edge(0)}},
    {"ten seconds left: the first tick at once",
     10,
     {},
     {atStart(10), edge(9), edge(8), edge(7), edge(6), edge(5), edge(4), edge(3), edge(2), edge(1),
      edge(0)}},
    {"five seconds left: five ticks and the tone",
     5,
     {},
     {atStart(5), edge(4), edge(3), edge(2), edge(1), edge(0)}},
    {"stopped at 0:00:05, just before the next tick was due",
     15,
     {{4 * kSecond + 30 * kMs, Act::Stop}},
     {edge(10), edge(9), edge(8), edge(7), edge(6), edge(5)}},
    // Corrected by +2.4 s 0.3 s into 0:00:07: 0:00:05 shows at once, then the corrected seconds.
    {"corrected mid-count",
     15,
     {{6 * kSecond + 700 * kMs, Act::Correct, 2'400 * kMs}},
     {edge(10),
      edge(9),
      edge(8),
      edge(7),
      {5, kEnd - 4 * kSecond - 300 * kMs},
      edge(4),
      edge(3),
      edge(2),
      edge(1),
      edge(0)}},
    {"option off at 0:00:06, on again at 0:00:03",
     15,
     {{5 * kSecond + 500 * kMs, Act::OptionOff}, {2 * kSecond + 500 * kMs, Act::OptionOn}},
     {edge(10), edge(9), edge(8), edge(7), edge(6), edge(2), edge(1), edge(0)}},
};

TEST(LastSeconds, SoundsFollowTheCountdownBox) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        std::vector<Heard> expected;
        for (const auto& [left, at] : row.heard) expected.push_back({left, at});
        const std::vector<Heard> heard = run(row.startLeft, row.events);
        ASSERT_EQ(heard.size(), expected.size());
        for (std::size_t i = 0; i < heard.size(); ++i) {
            EXPECT_EQ(heard[i].secondsLeft, expected[i].secondsLeft) << "sound " << i;
            // Within a sample of the moment aimed at (the tick lands 0.25 ms past its tenth).
            EXPECT_NEAR(heard[i].atUs, expected[i].atUs, 300) << "sound " << i;
            // Played whole: the tick 50 ms, the end tone 300 ms.
            EXPECT_NEAR(heard[i].lengthUs, heard[i].secondsLeft == 0 ? 300 * kMs : 50 * kMs, kMs)
                << "sound " << i;
        }
    }
}

TEST(LastSeconds, TextsAndTheirSounds) {
    const std::pair<const char*, std::optional<int>> texts[] = {
        {"0:00:10", 10}, {"0:00:01", 1}, {"Ended", 0},   {"1:00:00", 3600}, {"23:59:59", 86399},
        {"Stopped", {}}, {"", {}},       {"0:0:01", {}}, {"0:00:01 ", {}},  {":00:01", {}}};
    for (const auto& [text, seconds] : texts) EXPECT_EQ(secondsShown(text), seconds) << text;
    EXPECT_EQ(cueFor(11), Cue::None);
    EXPECT_EQ(cueFor(10), Cue::Tick);
    EXPECT_EQ(cueFor(1), Cue::Tick);
    EXPECT_EQ(cueFor(0), Cue::EndTone);
}

long loudness(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    long sum = 0;
    for (std::size_t i = from; i < to; ++i) sum += std::abs(samples[i]);
    return sum;
}

// The samples carry the sound from the one heard at its time on, and a stopped count stops a
// sound that is playing.
TEST(LastSeconds, MixerLaysSoundsOnTheirSample) {
    SoundMixer mixer(kRate);
    std::vector<std::int16_t> out(480);
    const Sound tick{kEnd + 5 * kMs, Cue::Tick, 3};
    mixer.setPlan({tick});
    const auto onsets = mixer.fill(kEnd, out);
    ASSERT_EQ(onsets.size(), 1u);
    EXPECT_EQ(onsets[0].heardUs, kEnd + 5 * kMs);
    EXPECT_EQ(loudness(out, 0, 240), 0);
    EXPECT_GT(loudness(out, 240, 250), 0);
    mixer.setPlan({tick});
    EXPECT_TRUE(mixer.fill(kEnd + 10 * kMs, out).empty());
    EXPECT_GT(loudness(out, 0, 10), 0);
    mixer.setPlan({});
    mixer.fill(kEnd + 20 * kMs, out);
    EXPECT_EQ(loudness(out, 0, out.size()), 0);
}

}  // namespace
}  // namespace lastseconds
