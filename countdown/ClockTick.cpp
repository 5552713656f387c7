// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "ClockTick.h"

#include "Countdown.h"
#include "MainModule.h"
#include "PacificClock.h"

namespace countdown {

void runTick(MainView& view, const LocalClock& clock, const RegionalSettings& regional) {
    const LocalReading reading = clock.read();
    MainModule::UtcTime = utcFromLocal(reading.local, MainModule::TZInfo.Bias);
    MainModule::PacificTime = pacificFromUtc(MainModule::UtcTime);
    view.setText(TimeBox::EbayTime, formatHms(MainModule::PacificTime));
    view.repaintNow(TimeBox::EbayTime);

    if (MainModule::RunFlag == 1) countdownStep(view, conversionAt(reading, regional));
    indicatorStep(view);

    view.setStatusPanelText(2, clock.longDate(reading.local));
}

}  // namespace countdown
