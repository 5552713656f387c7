// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>
#include <vector>

// The sounds in a recording of digital silence with tones: each onset (the first sample above a
// small threshold after at least 30 ms of silence) and how long the sound lasts.
struct Onset {
    std::size_t sample;
    double lengthMs;
};

std::vector<Onset> onsetsIn(const std::vector<std::int16_t>& samples, int rate);
