// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include "LocalClock.h"
#include "MainView.h"
#include "RegionalSettings.h"

namespace countdown {

// One tick of the main window's timer: the Pacific clock into the clock box, the countdown,
// the indicator, and the local long date into status panel 2, in that order. The countdown
// converts texts under the given regional conventions.
void runTick(MainView& view, const LocalClock& clock, const RegionalSettings& regional);

}  // namespace countdown
