#include "ClockTick.h"

#include "MainModule.h"
#include "PacificClock.h"

namespace countdown {

void runTick(MainView& view, const LocalClock& clock) {
    const DateValue local = clock.now();
    MainModule::UtcTime = utcFromLocal(local, MainModule::TZInfo.Bias);
    MainModule::PacificTime = pacificFromUtc(MainModule::UtcTime);
    view.setText(TimeBox::EbayTime, formatHms(MainModule::PacificTime));
    view.repaintNow(TimeBox::EbayTime);

    if (MainModule::RunFlag == 0) view.setIndicatorVisible(false);

    view.setStatusPanelText(2, clock.longDate(clock.now()));
}

}  // namespace countdown
