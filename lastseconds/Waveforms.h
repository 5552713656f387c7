// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>
#include <vector>

#include "Cue.h"

namespace lastseconds {

// The sounds, generated as 16-bit mono samples at the given rate: the tick a 50 ms tone of
// 1 kHz, the end tone a 300 ms tone of 1.5 kHz, each at half of full scale (the volume is the
// system's). Each rises within a millisecond, so its onset is sharp, and falls off over five
// milliseconds, so it ends without a click.
std::vector<std::int16_t> waveform(Cue cue, int sampleRate);

}  // namespace lastseconds
