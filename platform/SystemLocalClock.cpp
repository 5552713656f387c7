// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "SystemLocalClock.h"

#include <QDateTime>
#include <QLocale>

#include "ClockCorrection.h"

namespace platform {
namespace {

QDate dayOf(countdown::DateValue when) {
    const countdown::CivilDateTime civil = countdown::toCivil(when);
    return {civil.year, civil.month, civil.day};
}

std::string longDateOf(QDate day) {
    return QLocale::system().toString(day, QLocale::LongFormat).toStdString();
}

}  // namespace

#ifdef Q_OS_WIN
countdown::LocalReading SystemLocalClock::read() const {
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(correctedClockNow() / 1000);
    const QDate date = local.date();
    const QTime time = local.time();
    return {countdown::toDateValue(
                {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()}),
            local.offsetFromUtc() / 60};
}

// Windows applies a change of the regional settings to running programs: the date is formed
// afresh on each reading.
std::string SystemLocalClock::longDate(countdown::DateValue when) const {
    return longDateOf(dayOf(when));
}
#else
// The tick reads the clock ten times a second. The zone's rules are looked up again (tzset, which
// checks the zone file) only by the first reading of each second, as a changed zone can show
// nowhere but in a new second; every reading converts with them, daylight changes included.
countdown::LocalReading SystemLocalClock::read() const {
    const std::int64_t micros = correctedClockNow();
    const auto now = static_cast<std::time_t>(micros / 1'000'000 - (micros % 1'000'000 < 0));
    if (now != zoneCheckedAt_) {
        tzset();
        zoneCheckedAt_ = now;
    }
    std::tm local{};
    localtime_r(&now, &local);
    return {countdown::toDateValue({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                    local.tm_hour, local.tm_min, local.tm_sec}),
            static_cast<std::int32_t>(local.tm_gmtoff / 60)};
}

// The locale is the one the program started with, and the long date changes once a day: it is
// formed again only when the day does.
std::string SystemLocalClock::longDate(countdown::DateValue when) const {
    const QDate day = dayOf(when);
    if (day != longDateDay_) {
        longDateText_ = longDateOf(day);
        longDateDay_ = day;
    }
    return longDateText_;
}
#endif

}  // namespace platform
