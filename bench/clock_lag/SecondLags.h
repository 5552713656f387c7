#pragma once

#include <vector>

#include "ShownTexts.h"

// How late a clock box showed each new second.
struct SecondLags {
    std::vector<double> lagsMs;  // one per second shown, after the first text
    int missedSeconds = 0;       // seconds the box skipped
};

// The first text comes at start-up, not at a second boundary, and is skipped. A text's
// boundary is the latest whole wall-clock second whose seconds field matches the text's (the
// clock's offset from the local time is whole minutes).
SecondLags secondLags(const std::vector<ShownTexts::Shown>& shown);
