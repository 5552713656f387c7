#include "SystemLocalClock.h"

#include <QDateTime>
#include <QLocale>

namespace platform {

countdown::LocalReading SystemLocalClock::read() const {
    const QDateTime local = QDateTime::currentDateTime();
    const QDate date = local.date();
    const QTime time = local.time();
    return {countdown::toDateValue(
                {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()}),
            local.offsetFromUtc() / 60};
}

std::string SystemLocalClock::longDate(countdown::DateValue when) const {
    const countdown::CivilDateTime civil = countdown::toCivil(when);
    const QDate date(civil.year, civil.month, civil.day);
    return QLocale::system().toString(date, QLocale::LongFormat).toStdString();
}

}  // namespace platform
