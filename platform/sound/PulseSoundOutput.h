// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include "SoundOutput.h"

struct pa_simple;

namespace platform {

// The sound server's default output through PulseAudio's simple interface (a PipeWire system
// answers it too). The stream holds about 100 ms, so that a busy machine does not starve it;
// the server reports how long it takes until a sample written is played, and closing drops what
// has not been played.
class PulseSoundOutput : public SoundOutput {
  public:
    PulseSoundOutput() = default;
    ~PulseSoundOutput() override;
    PulseSoundOutput(const PulseSoundOutput&) = delete;
    PulseSoundOutput& operator=(const PulseSoundOutput&) = delete;

    bool open(int sampleRate) override;
    std::optional<std::int64_t> latencyUs() override;
    bool write(std::span<const std::int16_t> samples) override;
    void close() override;

  private:
    pa_simple* stream_ = nullptr;
};

}  // namespace platform
