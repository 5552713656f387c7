// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "SoundMixer.h"

#include <algorithm>

#include "Waveforms.h"

namespace lastseconds {
namespace {

constexpr std::int64_t kSecondUs = 1'000'000;
// A sound this late no longer marks its second: it is left out.
constexpr std::int64_t kTooLateUs = 250'000;
// How long a begun sound is remembered, longer than any plan holds it.
constexpr std::int64_t kRememberUs = 2 * kSecondUs;

bool holds(const std::vector<Sound>& sounds, const Sound& sound) {
    return std::find(sounds.begin(), sounds.end(), sound) != sounds.end();
}

}  // namespace

SoundMixer::SoundMixer(int sampleRate)
    : rate_(sampleRate),
      tick_(waveform(Cue::Tick, sampleRate)),
      endTone_(waveform(Cue::EndTone, sampleRate)) {}

void SoundMixer::setPlan(const std::vector<Sound>& sounds) {
    pending_.clear();
    for (const Sound& sound : sounds)
        if (!holds(begun_, sound)) pending_.push_back(sound);
    std::erase_if(voices_, [&](const Voice& voice) { return !holds(sounds, voice.sound); });
}

std::vector<SoundMixer::Onset> SoundMixer::fill(std::int64_t firstUs, std::span<std::int16_t> out) {
    std::fill(out.begin(), out.end(), std::int16_t{0});
    starts_.assign(voices_.size(), 0);
    std::vector<Onset> onsets;
    beginDue(firstUs, out.size(), onsets);
    for (std::size_t v = 0; v < voices_.size(); ++v) {
        Voice& voice = voices_[v];
        const std::vector<std::int16_t>& wave = waveOf(voice.sound.cue);
        for (std::size_t i = starts_[v]; i < out.size() && voice.played < wave.size(); ++i) {
            const int sum = out[i] + wave[voice.played++];
            out[i] = static_cast<std::int16_t>(std::clamp(sum, -32768, 32767));
        }
    }
    std::erase_if(voices_, [&](const Voice& voice) {
        return voice.played >= waveOf(voice.sound.cue).size();
    });
    std::erase_if(begun_, [&](const Sound& sound) { return sound.atUs < firstUs - kRememberUs; });
    return onsets;
}

// Sounds whose time falls before the end of the stretch begin at their sample, or at its
// first when they are already due.
void SoundMixer::beginDue(std::int64_t firstUs, std::size_t samples, std::vector<Onset>& onsets) {
    const std::int64_t endUs = firstUs + static_cast<std::int64_t>(samples) * kSecondUs / rate_;
    for (auto it = pending_.begin(); it != pending_.end();) {
        if (it->atUs >= endUs) {
            ++it;
            continue;
        }
        begun_.push_back(*it);
        if (it->atUs >= firstUs - kTooLateUs && it->cue != Cue::None) {
            voices_.push_back({*it, 0});
            const std::int64_t offset =
                std::max<std::int64_t>(0, it->atUs - firstUs) * rate_ / kSecondUs;
            starts_.push_back(std::min(static_cast<std::size_t>(offset), samples));
            onsets.push_back({*it, firstUs + offset * kSecondUs / rate_});
        }
        it = pending_.erase(it);
    }
}

const std::vector<std::int16_t>& SoundMixer::waveOf(Cue cue) const {
    return cue == Cue::EndTone ? endTone_ : tick_;
}

}  // namespace lastseconds
