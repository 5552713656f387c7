// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "Countdown.h"

#include <cmath>
#include <string>

#include "MainModule.h"

namespace countdown {
namespace {

void refuse(MainView& view) {
    view.showCriticalMessage(std::string(kRefusalText), std::string(kRefusalTitle));
}

// The remaining time is judged on its text, compared character by character: for hour 0 the
// two-digit minutes and seconds decide, and any hour from 1 on compares above "0:05:00". The
// texts are ASCII, so byte order is code-unit order.
constexpr std::string_view kRedFrom = "0:05:00";
constexpr std::string_view kZero = "0:00:00";

}  // namespace

void startCountdown(MainView& view, const DateConversion& parse) {
    const std::string endText = view.text(TimeBox::AuctionEnd);
    if (endText.empty()) return refuse(view);
    const auto end = parse(endText);
    if (!end) {
        MainModule::RunFlag = 0;
        return refuse(view);
    }
    // The clock text fails to parse only in the instant after an Edit command emptied or
    // replaced it; the next tick writes it again, so nothing is changed.
    const auto clock = parse(view.text(TimeBox::EbayTime));
    if (!clock) return refuse(view);

    if (*clock > *end) {
        // The countdown keeps running while the message is open.
        refuse(view);
        MainModule::RunFlag = 0;
        view.focusBox(TimeBox::AuctionEnd);
    } else if (*clock < *end) {
        MainModule::RunFlag = 1;
        view.setIndicatorColour(kGreen);
    } else {
        refuse(view);
    }
}

void stopCountdown(MainView& view) {
    MainModule::RunFlag = 0;
    view.setText(TimeBox::Timer, std::string(kStoppedText));
}

void countdownStep(MainView& view, const DateConversion& parse) {
    const auto clock = parse(view.text(TimeBox::EbayTime));
    const auto end = parse(view.text(TimeBox::AuctionEnd));
    // The clock text fails to parse only in the instant after an Edit command emptied or
    // replaced it; the next tick writes it again.
    if (!clock) return;
    // An end text that cannot be read (being edited, or a stray character) would leave the last
    // remaining time standing while the clock runs on: the timer box says that the end is
    // unknown instead, and the first tick at which the text reads shows the remaining time again.
    if (!end) {
        view.setText(TimeBox::Timer, std::string(kEndUnreadableText));
        view.setIndicatorVisible(false);
        return;
    }

    MainModule::TimeLeft = *end - *clock;
    view.setText(TimeBox::Timer, formatHms(MainModule::TimeLeft));
    const std::string shown = view.text(TimeBox::Timer);
    view.setIndicatorVisible(true);
    view.setIndicatorColour(shown < kRedFrom && shown > kZero ? kRed : kGreen);
    // A negative remaining time means the end has passed without a tick landing in its
    // second (the PC stalled, its clock jumped, or the end was edited to an earlier time).
    // Its text would read like time still left and count upward, so it ends as well.
    const bool endPassed = std::llround(MainModule::TimeLeft * kSecondsPerDay) < 0;
    if (shown <= kZero || endPassed) {
        view.setText(TimeBox::Timer, std::string(kEndedText));
        MainModule::RunFlag = 0;
        view.setIndicatorVisible(false);
    }
}

void indicatorStep(MainView& view) {
    if (MainModule::RunFlag == 0) view.setIndicatorVisible(false);
}

}  // namespace countdown
