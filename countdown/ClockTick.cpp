#include "ClockTick.h"

#include "Countdown.h"
#include "MainModule.h"
#include "PacificClock.h"

namespace countdown {

void runTick(MainView& view, const LocalClock& clock, const RegionalSettings& regional) {
    const DateValue local = clock.now();
    MainModule::UtcTime = utcFromLocal(local, MainModule::TZInfo.Bias);
    MainModule::PacificTime = pacificFromUtc(MainModule::UtcTime);
    view.setText(TimeBox::EbayTime, formatHms(MainModule::PacificTime));
    view.repaintNow(TimeBox::EbayTime);

    if (MainModule::RunFlag == 1) countdownStep(view, {regional, toCivil(local).year});
    indicatorStep(view);

    view.setStatusPanelText(2, clock.longDate(clock.now()));
}

}  // namespace countdown
