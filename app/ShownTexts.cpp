// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "ShownTexts.h"

#include "Countdown.h"
#include "DateValue.h"

namespace shown_texts {
namespace {

QString widestNumber(const QFontMetrics& metrics, int count, const char* format) {
    QString widest;
    for (int number = 0; number < count; ++number) {
        const QString text = QString::asprintf(format, number);
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest)) widest = text;
    }
    return widest;
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString widestTimeOfDay(const QFontMetrics& metrics) {
    const QString pair = widestNumber(metrics, 60, "%02d");
    return widestNumber(metrics, 24, "%d") + ':' + pair + ':' + pair;
}

QString widestTwelveHourTime(const QFontMetrics& metrics) {
    const QString pair = widestNumber(metrics, 60, "%02d");
    QString designator;
    for (const QString& text : {QStringLiteral("AM"), QStringLiteral("PM")})
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(designator))
            designator = text;
    // Hour 0 is never shown, but no digit is wider than the widest two-digit hour.
    return widestNumber(metrics, 13, "%d") + ':' + pair + ':' + pair + ' ' + designator;
}

QStringList longDatesOfYear(const countdown::LocalClock& clock, int year) {
    const auto first = static_cast<countdown::DateValue>(countdown::daysFromCivil(year, 1, 1));
    const auto next = static_cast<countdown::DateValue>(countdown::daysFromCivil(year + 1, 1, 1));
    QStringList texts;
    for (countdown::DateValue day = first; day < next; ++day)
        texts << QString::fromStdString(clock.longDate(day));
    return texts;
}

QStringList shownBy(const main_layout::Control& control, const QFontMetrics& metrics) {
    switch (control.shows) {
        case main_layout::Shows::Nothing:
            return {};
        case main_layout::Shows::Caption:
            return {QString::fromUtf8(control.caption)};
        case main_layout::Shows::ClockCaption:
            return {QString::fromUtf8(control.caption),
                    QString::fromUtf8(main_layout::kCorrectedClockCaption)};
        case main_layout::Shows::TimeOfDay:
            return {widestTimeOfDay(metrics)};
        case main_layout::Shows::EndTime:
            return {widestTimeOfDay(metrics), widestTwelveHourTime(metrics)};
        case main_layout::Shows::Countdown:
            return {widestTimeOfDay(metrics), fromView(countdown::kEndedText),
                    fromView(countdown::kStoppedText)};
    }
    return {};
}

}  // namespace shown_texts
