// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "Cue.h"

namespace lastseconds {

// Times are microseconds since the epoch on the clock the program shows: the PC's system clock
// plus the clock correction in force. The countdown box's text changes on that clock's seconds.
struct Sound {
    std::int64_t atUs = 0;  // when its onset should be heard
    Cue cue = Cue::None;
    int secondsLeft = 0;  // the count its text shows, 0 for "Ended"

    friend bool operator==(const Sound&, const Sound&) = default;
};

// The sounds to be heard from now on, and whether the sound output is to be open.
struct Plan {
    std::vector<Sound> sounds;
    bool outputOpen = false;

    friend bool operator==(const Plan&, const Plan&) = default;
};

// What the window shows at one moment.
struct Observation {
    bool enabled = false;   // the option is on and there is an output
    bool running = false;   // a countdown runs
    std::string_view text;  // the countdown box's text
    std::int64_t nowUs = 0;
};

// The output opens this many seconds before the end, so that it runs steadily before the
// first tick; and stays closed during the long hours of a countdown.
inline constexpr int kOpenAheadSeconds = 30;
// A planned sound is the one for a text that shows at most this long before its time.
inline constexpr std::int64_t kOnTimeUs = 150'000;
// A sound stays planned this long after its onset, long enough for the longest to play out.
inline constexpr std::int64_t kPlayOutUs = 500'000;

// Turns what the countdown box shows into the sounds to come. Each text of the count is known a
// second ahead, so its sound is planned for the second's edge; a text that shows unforeseen (the
// first one after a start, a jump of the corrected clock, an edited end time) sounds at once.
class CountPlanner {
  public:
    // Called whenever the box's text changes and on every tick: the plan that replaces the last.
    Plan update(const Observation& seen);

  private:
    std::optional<Sound> currentSound(int shown, bool newlyShown, std::int64_t nowUs) const;

    std::optional<int> shown_;
    Plan last_;
};

}  // namespace lastseconds
