#pragma once

#include <QStringList>

#include "LocalClock.h"
#include "MainLayout.h"

// Every text the program may write into a box or status panel, so that the control can be sized
// once for the widest of them rather than moving as the texts change.
namespace shown_texts {

// The clock's "h:mm:ss" for each hour, with every two-digit pair for minutes and seconds.
QStringList timesOfDay();

// The remaining time's texts: those of the clock, "Ended" and "Stopped".
QStringList countdownTexts();

// The long date of every day of `year`, as the clock writes it into status panel 2.
QStringList longDatesOfYear(const countdown::LocalClock& clock, int year);

// What the control of the main window's layout table shows.
QStringList shownBy(const main_layout::Control& control);

}  // namespace shown_texts
