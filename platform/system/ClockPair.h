// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include "ClockReading.h"

namespace platform {

// Reads the system clock and the step-free clock together: the system clock is read between
// two readings of the step-free clock, and paired with their middle.
clockcheck::ClockReading readClockPair();

// The step-free clock alone, for waits and ages.
clockcheck::StepFreeMicros stepFreeNow();

}  // namespace platform
