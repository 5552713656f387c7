// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "Onsets.h"

#include <cstdlib>

namespace {

constexpr int kThreshold = 200;
constexpr double kGapMs = 30;

}  // namespace

std::vector<Onset> onsetsIn(const std::vector<std::int16_t>& samples, int rate) {
    std::vector<Onset> onsets;
    const auto gap = static_cast<std::size_t>(kGapMs * rate / 1000);
    std::size_t lastLoud = 0;
    bool sounding = false;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(samples[i]) <= kThreshold) {
            if (sounding && i - lastLoud > gap) sounding = false;
            continue;
        }
        if (!sounding) onsets.push_back({i, 0});
        sounding = true;
        lastLoud = i;
        onsets.back().lengthMs = static_cast<double>(i - onsets.back().sample) * 1000 / rate;
    }
    return onsets;
}
