// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "CountPlanner.h"

namespace lastseconds {

// Lays the planned sounds into the stream of samples an output plays, each at the sample that
// is heard at its time. The stream is written ahead; the caller says when the first sample of
// each stretch it asks for will be heard.
class SoundMixer {
  public:
    explicit SoundMixer(int sampleRate);

    // The sounds planned from now on. A sound that has begun is never begun again; one that is
    // playing stops at once when the plan no longer holds it (a stopped countdown).
    void setPlan(const std::vector<Sound>& sounds);

    // A sound that began, and when its first sample is heard.
    struct Onset {
        Sound sound;
        std::int64_t heardUs = 0;
    };

    // Fills `out` with what is heard from `firstUs` on, one sample each 1/rate of a second;
    // returns the sounds that begin in it.
    std::vector<Onset> fill(std::int64_t firstUs, std::span<std::int16_t> out);

  private:
    struct Voice {
        Sound sound;
        std::size_t played = 0;
    };

    void beginDue(std::int64_t firstUs, std::size_t samples, std::vector<Onset>& onsets);
    const std::vector<std::int16_t>& waveOf(Cue cue) const;

    int rate_;
    std::vector<std::int16_t> tick_;
    std::vector<std::int16_t> endTone_;
    std::vector<Sound> pending_;
    std::vector<Voice> voices_;
    // Where each voice starts in the stretch being filled (0 for those already playing).
    std::vector<std::size_t> starts_;
    std::vector<Sound> begun_;
};

}  // namespace lastseconds
