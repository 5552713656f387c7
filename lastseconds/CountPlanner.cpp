// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "CountPlanner.h"

#include <algorithm>

namespace lastseconds {
namespace {

constexpr std::int64_t kSecondUs = 1'000'000;

// The start of the second that `us` lies in, for times before the epoch too.
std::int64_t secondEdge(std::int64_t us) {
    const std::int64_t into = ((us % kSecondUs) + kSecondUs) % kSecondUs;
    return us - into;
}

}  // namespace

Plan CountPlanner::update(const Observation& seen) {
    const std::optional<int> shown = secondsShown(seen.text);
    const bool newlyShown = shown != shown_;
    shown_ = shown;

    Plan plan;
    // "Ended" shows after the countdown has stopped itself; any other text sounds only while it
    // runs (a refused start leaves the last count in the box).
    const bool counting = seen.enabled && shown && (seen.running || *shown == 0);
    if (counting) {
        if (const auto current = currentSound(*shown, newlyShown, seen.nowUs))
            plan.sounds.push_back(*current);
        if (seen.running) {
            const std::int64_t edge = secondEdge(seen.nowUs);
            for (int ahead = 1; ahead <= *shown; ++ahead) {
                const int left = *shown - ahead;
                if (cueFor(left) != Cue::None)
                    plan.sounds.push_back({edge + ahead * kSecondUs, cueFor(left), left});
            }
        }
    }
    plan.outputOpen =
        !plan.sounds.empty() || (counting && seen.running && *shown <= kOpenAheadSeconds);
    last_ = plan;
    return plan;
}

// The sound of the text showing now: the one planned for it while it is due or playing, or,
// for a text that has just shown unforeseen, one at once.
std::optional<Sound> CountPlanner::currentSound(int shown, bool newlyShown,
                                                std::int64_t nowUs) const {
    const auto planned =
        std::find_if(last_.sounds.begin(), last_.sounds.end(), [&](const Sound& sound) {
            return sound.secondsLeft == shown && sound.atUs <= nowUs + kOnTimeUs &&
                   sound.atUs > nowUs - kPlayOutUs;
        });
    if (planned != last_.sounds.end()) return *planned;
    if (newlyShown && cueFor(shown) != Cue::None) return Sound{nowUs, cueFor(shown), shown};
    return std::nullopt;
}

}  // namespace lastseconds
