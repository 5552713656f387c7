// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "Waveforms.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lastseconds {
namespace {

struct Tone {
    double frequencyHz;
    double seconds;
};

constexpr double kAmplitude = 0.5 * 32767;
constexpr double kRiseSeconds = 0.001;
constexpr double kFallSeconds = 0.005;

Tone toneOf(Cue cue) {
    switch (cue) {
        case Cue::Tick:
            return {1000, 0.05};
        case Cue::EndTone:
            return {1500, 0.3};
        case Cue::None:
            break;
    }
    return {0, 0};
}

}  // namespace

std::vector<std::int16_t> waveform(Cue cue, int sampleRate) {
    const Tone tone = toneOf(cue);
    const auto count = static_cast<std::size_t>(std::lround(tone.seconds * sampleRate));
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double envelope =
            std::min({1.0, t / kRiseSeconds, (tone.seconds - t) / kFallSeconds});
        samples[i] = static_cast<std::int16_t>(std::lround(
            kAmplitude * envelope * std::sin(2 * std::numbers::pi * tone.frequencyHz * t)));
    }
    return samples;
}

}  // namespace lastseconds
