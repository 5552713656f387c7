// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "SystemRegionalSettings.h"

namespace platform {
namespace {

countdown::DateOrder dateOrderOf(const QString& format) {
    const qsizetype day = format.indexOf(u'd');
    const qsizetype month = format.indexOf(u'M');
    const qsizetype year = format.indexOf(u'y');
    if (year >= 0 && (month < 0 || year < month) && (day < 0 || year < day))
        return countdown::DateOrder::YearMonthDay;
    if (day >= 0 && month >= 0 && day < month) return countdown::DateOrder::DayMonthYear;
    return countdown::DateOrder::MonthDayYear;
}

// The text between the first field of a format ("M" in "M/d/yy", "h" in "h:mm AP") and the
// next one, without surrounding spaces; the fallback where the format has none.
std::string separatorAfter(const QString& format, QStringView firstField, QStringView nextFields,
                           const char* fallback) {
    qsizetype at = 0;
    while (at < format.size() && !firstField.contains(format[at])) ++at;
    while (at < format.size() && firstField.contains(format[at])) ++at;
    qsizetype end = at;
    while (end < format.size() && !nextFields.contains(format[end])) ++end;
    const QString separator = format.mid(at, end - at).trimmed();
    return separator.isEmpty() || end == format.size() ? fallback : separator.toStdString();
}

// Short names without the abbreviation dot some locales add ("Dez." in German).
std::string shortName(QString name) {
    if (name.endsWith(u'.')) name.chop(1);
    return name.toStdString();
}

}  // namespace

countdown::RegionalSettings regionalSettingsOf(const QLocale& locale) {
    if (locale.language() == QLocale::C) return countdown::usEnglishSettings();

    countdown::RegionalSettings settings;
    const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    const QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
    settings.dateOrder = dateOrderOf(dateFormat);
    settings.dateSeparator = separatorAfter(dateFormat, u"dMy", u"dMy", "/");
    settings.timeSeparator = separatorAfter(timeFormat, u"hH", u"m", ":");
    settings.amDesignator = locale.amText().toStdString();
    settings.pmDesignator = locale.pmText().toStdString();
    for (int month = 1; month <= 12; ++month) {
        const auto index = static_cast<std::size_t>(month - 1);
        settings.monthNames[index] = locale.monthName(month, QLocale::LongFormat).toStdString();
        settings.abbreviatedMonthNames[index] =
            shortName(locale.monthName(month, QLocale::ShortFormat));
    }
    // Qt counts days from Monday (1) to Sunday (7); the settings start with Sunday.
    for (int day = 0; day < 7; ++day) {
        const int qtDay = day == 0 ? 7 : day;
        const auto index = static_cast<std::size_t>(day);
        settings.dayNames[index] = locale.dayName(qtDay, QLocale::LongFormat).toStdString();
        settings.abbreviatedDayNames[index] =
            shortName(locale.dayName(qtDay, QLocale::ShortFormat));
    }
    return settings;
}

countdown::RegionalSettings systemRegionalSettings() {
    return regionalSettingsOf(QLocale::system());
}

}  // namespace platform
