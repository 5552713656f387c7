// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>
#include <string>

namespace countdown {

// Whether Pacific time keeps daylight time (UTC-7) at the given moment, seconds since
// 1970-01-01 00:00 UTC: by the United States' rule, from the second Sunday of March to the
// first Sunday of November, changing at 2:00 local time.
bool pacificKeepsDaylightTime(std::int64_t utcSeconds);

// What to tell a bidder when the clock's hour differs from the site's at the given moment.
// The clock's own offset from UTC (clockUtcOffsetMinutes) follows the PC's daylight state, not
// Pacific's, so it can read UTC-8 while the site keeps UTC-7, or the reverse. Empty where the
// two agree (or differ by something other than that hour).
std::string hourNote(std::int32_t clockUtcOffsetMinutes, std::int64_t utcSeconds);

}  // namespace countdown
