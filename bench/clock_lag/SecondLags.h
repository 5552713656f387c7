// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <vector>

#include "ShownTexts.h"

// How late a clock box showed each new second.
struct SecondLags {
    // One per second shown, after the first text: until the box had painted it, and until the
    // tick that set it had returned.
    std::vector<double> paintedMs;
    std::vector<double> returnedMs;
    int missedSeconds = 0;  // seconds the box skipped
};

// Texts painted before fromNs (nanoseconds since the epoch) are left out, and so is the first
// text, which comes at start-up, not at a second boundary. A text's
// boundary is the latest whole wall-clock second whose seconds field matches the text's (the
// clock's offset from the local time is whole minutes).
SecondLags secondLags(const std::vector<ShownTexts::Shown>& shown, std::int64_t fromNs);
