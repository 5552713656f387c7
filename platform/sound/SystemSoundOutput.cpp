// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "SystemSoundOutput.h"

#if defined(TICKLOT_PULSE_AUDIO)
#include "PulseSoundOutput.h"
#endif

namespace platform {
namespace {

class NoSoundOutput : public SoundOutput {
  public:
    bool open(int) override { return false; }
    std::optional<std::int64_t> latencyUs() override { return std::nullopt; }
    bool write(std::span<const std::int16_t>) override { return false; }
    void close() override {}
};

}  // namespace

std::unique_ptr<SoundOutput> systemSoundOutput() {
#if defined(TICKLOT_PULSE_AUDIO)
    return std::make_unique<PulseSoundOutput>();
#else
    return std::make_unique<NoSoundOutput>();
#endif
}

}  // namespace platform
