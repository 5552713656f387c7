// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QDate>
#include <ctime>
#include <string>

#include "LocalClock.h"

namespace platform {

// The program's clock (the PC's system clock, or the corrected clock of ClockCorrection) with
// its current offset from UTC, and the system locale's long-date form.
class SystemLocalClock : public countdown::LocalClock {
  public:
    countdown::LocalReading read() const override;
    std::string longDate(countdown::DateValue when) const override;

#ifndef Q_OS_WIN
  private:
    mutable std::time_t zoneCheckedAt_ = -1;
    mutable QDate longDateDay_;
    mutable std::string longDateText_;
#endif
};

}  // namespace platform
