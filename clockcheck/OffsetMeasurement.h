// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include "ClockOffset.h"
#include "TimedTransport.h"

namespace clockcheck {

// Measures how far the server's clock is from the PC's system clock over `transport`, in at
// most about 12 s on the step-free clock (15 s with the last answer's 3 s). Opens the connection
// and sends one request at once; its round trip times the rest. Each next request leaves so that,
// by the offset found so far, it reaches the server just as the server's `Date` turns to the next
// second, half a round trip after it left; its answer then halves the part of the bounds' width
// beyond the round trip. The check ends after at least 7 such steps once that part is at most
// 1/128 s, or once 12 s are used up (with the offset the answers so far bound).
//
// Every reading is a pair of the system clock and the step-free clock. When the system clock
// moves against the step-free one by more than slewing allows (1 ms plus 0.5 ms per second), it
// was stepped, and the answers so far bound the offset of a clock that is no more: the check
// starts over once with what is left of its 12 s, and ends with ClockChanged on a second step or
// when nothing is left. No request leaves after the 12 s.
//
// It ends at once with a failure on the transport's first failure (cancelling included), on an
// answer whose head or `Date` cannot be read, or when two answers bound no common offset. A
// request left without an answer after at least three answers ends it with the offset those
// bound (ClockOffset::stoppedAnswering). Requests are HEAD, and GET from the first answer of 405
// or 501 on (that request is repeated). Answers with an `Age` above 0 come from a cache and are
// skipped.
CheckOutcome measureOffset(TimedTransport& transport);

}  // namespace clockcheck
