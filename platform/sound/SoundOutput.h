// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace platform {

// A stream of 16-bit mono samples to the system's sound output, at the system's volume.
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;

    // Opens the stream; false when there is no sound output (no server, no device).
    virtual bool open(int sampleRate) = 0;
    // Microseconds from now until the sample written next is heard; nothing once the output has
    // gone away.
    virtual std::optional<std::int64_t> latencyUs() = 0;
    // Queues the samples, waiting while the stream holds as much as it will; false once the
    // output has gone away.
    virtual bool write(std::span<const std::int16_t> samples) = 0;
    // Drops what has not been heard yet and closes the stream.
    virtual void close() = 0;
};

}  // namespace platform
