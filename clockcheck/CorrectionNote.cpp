// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "CorrectionNote.h"

#include <cctype>
#include <utility>

namespace clockcheck {
namespace {

constexpr Micros kMinute = 60'000'000;

}  // namespace

std::string measuredAgo(Micros age) {
    const Micros minutes = age / kMinute;
    if (minutes < 1) return "measured less than a minute ago";
    if (minutes < 60) return "measured " + std::to_string(minutes) + " min ago";
    return "measured " + std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) +
           " min ago";
}

CorrectionNote::CorrectionNote(std::string correction, StepFreeMicros measuredAt)
    : correction_(std::move(correction)), measuredAt_(measuredAt), nextChange_(measuredAt) {}

std::string CorrectionNote::at(StepFreeMicros now) {
    const Micros age = now > measuredAt_ ? now - measuredAt_ : 0;
    nextChange_ = measuredAt_ + (age / kMinute + 1) * kMinute;
    return correction_ + ", " + measuredAgo(age);
}

std::string keptCorrectionSentence(std::string_view correction, std::string_view pacificTime) {
    std::string words(correction);
    if (!words.empty())
        words[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(words[0])));
    return "The clock stays " + words + ", measured at " + std::string(pacificTime) +
           " (Pacific clock).";
}

}  // namespace clockcheck
