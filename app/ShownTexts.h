// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QFontMetrics>
#include <QStringList>

#include "LocalClock.h"
#include "MainLayout.h"

// The texts the program may write into a box or status panel, so that the control can be sized
// once for the widest of them rather than moving as the texts change.
namespace shown_texts {

// The widest "h:mm:ss" in `metrics`: the widest hour, then twice the widest two-digit pair.
QString widestTimeOfDay(const QFontMetrics& metrics);

// The long date of every day of `year`, as the clock writes it into status panel 2.
QStringList longDatesOfYear(const countdown::LocalClock& clock, int year);

// The widest 12-hour "h:mm:ss" with its AM or PM text in `metrics`, as in "11:59:59 PM".
QString widestTwelveHourTime(const QFontMetrics& metrics);

// What the control of the main window's layout table shows, the widest time of day for a box
// that shows the clock's times, in the font of `metrics`.
QStringList shownBy(const main_layout::Control& control, const QFontMetrics& metrics);

}  // namespace shown_texts
