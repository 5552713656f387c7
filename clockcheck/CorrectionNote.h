// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <string>
#include <string_view>

#include "ClockOffset.h"
#include "ClockReading.h"

namespace clockcheck {

// "measured 14 min ago", "measured 2 h 5 min ago", or "measured less than a minute ago".
std::string measuredAgo(Micros age);

// What the clock box says about the correction it runs on: "Corrected by +2.37 s against
// www.ebay.com, measured 14 min ago". The age counts on the step-free clock, so steps of the
// system clock do not change it and a suspend adds to it. The note reads differently once a
// minute; `due` tells at the cost of one comparison whether it does yet.
class CorrectionNote {
  public:
    // `correction`: correctionText()'s words; `measuredAt`: the step-free clock at the
    // measurement.
    CorrectionNote(std::string correction, StepFreeMicros measuredAt);

    bool due(StepFreeMicros now) const { return now >= nextChange_; }
    // The note at `now`; the next one is due when its minutes change.
    std::string at(StepFreeMicros now);

  private:
    std::string correction_;
    StepFreeMicros measuredAt_;
    StepFreeMicros nextChange_;
};

// Said while a correction stays in force beside a check that did not replace it (one still
// running, or one that failed): "The clock stays corrected by +2.37 s against www.ebay.com,
// measured at 9:41:05 (Pacific clock)." `correction` is correctionText()'s words.
std::string keptCorrectionSentence(std::string_view correction, std::string_view pacificTime);

}  // namespace clockcheck
