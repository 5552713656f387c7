// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <string_view>

#include "DateConversion.h"
#include "MainView.h"

namespace countdown {

inline constexpr std::string_view kRefusalText =
    "Invalid End Time, Auction has ended, or is over 24 hrs from now, Please check the end time";
inline constexpr std::string_view kRefusalTitle = "Invalid End Time";
inline constexpr std::string_view kStoppedText = "Stopped";
inline constexpr std::string_view kEndedText = "Ended";
// Shown in the timer box while a countdown runs and the end text cannot be read.
inline constexpr std::string_view kEndUnreadableText = "End time?";

// Start: checks the end time against the clock's text; starts the countdown (RunFlag 1, indicator
// colour green) when the end lies ahead, and otherwise shows the refusal message. The next tick
// shows the remaining time and the indicator.
void startCountdown(MainView& view, const DateConversion& parse);

// Stop: clears RunFlag and shows "Stopped"; the next tick hides the indicator.
void stopCountdown(MainView& view);

// The tick's countdown step, run while RunFlag is 1 after the clock text has been written: the
// remaining time into the timer box, the indicator red in the last five minutes and green
// otherwise, and "Ended" at zero. While the end text cannot be read the timer box says so and
// the indicator hides; the countdown keeps running.
void countdownStep(MainView& view, const DateConversion& parse);

// The tick's indicator step: hides the indicator while no countdown runs.
void indicatorStep(MainView& view);

}  // namespace countdown
