// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "PulseSoundOutput.h"

#include <pulse/simple.h>

namespace platform {
namespace {

constexpr std::uint32_t kBytesPerSample = 2;
constexpr std::uint32_t kBufferMs = 100;
constexpr std::uint32_t kRequestMs = 10;

}  // namespace

PulseSoundOutput::~PulseSoundOutput() { close(); }

bool PulseSoundOutput::open(int sampleRate) {
    close();
    const pa_sample_spec format{PA_SAMPLE_S16LE, static_cast<std::uint32_t>(sampleRate), 1};
    const std::uint32_t bytesPerMs =
        static_cast<std::uint32_t>(sampleRate) * kBytesPerSample / 1000;
    // A short buffer keeps what is written close to when it is heard; the server is asked for
    // that latency as a whole and refills in small requests.
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = kBufferMs * bytesPerMs;
    buffer.prebuf = static_cast<std::uint32_t>(-1);
    buffer.minreq = kRequestMs * bytesPerMs;
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    stream_ = pa_simple_new(nullptr, "Ticklot", PA_STREAM_PLAYBACK, nullptr, "The last seconds",
                            &format, nullptr, &buffer, nullptr);
    return stream_ != nullptr;
}

std::optional<std::int64_t> PulseSoundOutput::latencyUs() {
    if (!stream_) return std::nullopt;
    int error = 0;
    const pa_usec_t latency = pa_simple_get_latency(stream_, &error);
    if (latency == static_cast<pa_usec_t>(-1)) return std::nullopt;
    return static_cast<std::int64_t>(latency);
}

bool PulseSoundOutput::write(std::span<const std::int16_t> samples) {
    return stream_ && pa_simple_write(stream_, samples.data(), samples.size_bytes(), nullptr) >= 0;
}

void PulseSoundOutput::close() {
    if (!stream_) return;
    pa_simple_flush(stream_, nullptr);
    pa_simple_free(stream_);
    stream_ = nullptr;
}

}  // namespace platform
