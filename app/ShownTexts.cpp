#include "ShownTexts.h"

#include "Countdown.h"
#include "DateValue.h"

namespace shown_texts {

QStringList timesOfDay() {
    QStringList texts;
    for (int hour = 0; hour < 24; ++hour)
        for (int pair = 0; pair < 60; ++pair)
            texts << QString::fromStdString(
                countdown::formatHms((hour * 3600 + pair * 61) / countdown::kSecondsPerDay));
    return texts;
}

QStringList countdownTexts() {
    QStringList texts = timesOfDay();
    for (std::string_view text : {countdown::kEndedText, countdown::kStoppedText})
        texts << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return texts;
}

QStringList longDatesOfYear(const countdown::LocalClock& clock, int year) {
    const auto first = static_cast<countdown::DateValue>(countdown::daysFromCivil(year, 1, 1));
    const auto next = static_cast<countdown::DateValue>(countdown::daysFromCivil(year + 1, 1, 1));
    QStringList texts;
    for (countdown::DateValue day = first; day < next; ++day)
        texts << QString::fromStdString(clock.longDate(day));
    return texts;
}

QStringList shownBy(const main_layout::Control& control) {
    switch (control.shows) {
        case main_layout::Shows::Nothing:
            return {};
        case main_layout::Shows::Caption:
            return {QString::fromUtf8(control.caption)};
        case main_layout::Shows::TimeOfDay:
            return timesOfDay();
        case main_layout::Shows::Countdown:
            return countdownTexts();
    }
    return {};
}

}  // namespace shown_texts
